#include "UI_Pallex.h"

#include "PallexRules.h"
#include "UI_PallexLayout.h"

#include <QComboBox>

TFormPallex::TFormPallex(QWidget* owner) : BoardForm(owner, PallexLogic(), pallex::kLayout) {
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Widget(box)->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Start();
}

void TFormPallex::FillChoiceLists() {
    FillList("ComboBoxSi570", PallexSi570Items())->setMaxVisibleItems(8);
    const std::vector<std::string> cdcm = PallexCdcmItems();
    FillList("ComboBoxCdcm61001", cdcm)->setMaxVisibleItems(12);
    FillList("ComboBoxCdcm61004", cdcm)->setMaxVisibleItems(12);
}
