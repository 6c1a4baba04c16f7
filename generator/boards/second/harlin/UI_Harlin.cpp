#include "UI_Harlin.h"

#include "HarlinRules.h"
#include "UI_HarlinLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

TFormHarlin::TFormHarlin(QWidget* owner) : BoardForm(owner, HarlinLogic(), harlin::kLayout) {
    platform::Component<QCheckBox>(this, "CheckBoxUsbOTG")->setToolTip(QStringLiteral("High-Speed USB FIFO"));
    platform::Component<QPushButton>(this, "ButtonExit")->setDefault(true);
    Start();
}

void TFormHarlin::FillChoiceLists() {
    FillList("ComboBoxBoard", kHarlinVariants);
    for (const char* name : {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB", "ComboBoxPLL_SATA"})
        FillList(name, kHarlinPllFrequencies)
            ->setMaxVisibleItems(static_cast<int>(std::size(kHarlinPllFrequencies)));
}
