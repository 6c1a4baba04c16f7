#include "UI_Galdor.h"

#include "GaldorRules.h"
#include "UI_GaldorLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>

TFormGaldor::TFormGaldor(QWidget* owner) : BoardForm(owner, GaldorLogic(), galdor::kLayout) {
    connect(platform::Component<QComboBox>(this, "ComboBoxFPGA"), &QComboBox::activated, this,
            [this] { ComboBoxFPGAChange(); });
    for (const GaldorHint& hint : kGaldorHints)
        platform::Component<QCheckBox>(this, hint.box)->setToolTip(QString::fromLatin1(hint.text));
    Start();
}

TFormGaldor::~TFormGaldor() {
    SaveInDestructor();
}

void TFormGaldor::FillChoiceLists() {
    FillList("ComboBoxBoard", kGaldorBoardTypes);
    FillList("ComboBoxFPGA", kGaldorNodes);
}

void TFormGaldor::BindExtras(const kit::FormView& view) {
    platform::Component<QComboBox>(this, "ComboBoxFPGA")->setCurrentIndex(view.part);
}

void TFormGaldor::ComboBoxFPGAChange() {
    ChoosePart(platform::Component<QComboBox>(this, "ComboBoxFPGA")->currentIndex());
}
