#include "UI_Pallex.h"

#include "PallexRules.h"
#include "UI_PallexLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QComboBox>

using C = PALLEX_CONFIG;

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

void TFormPallex::DrawOutlines(const kit::FormView& view) {
    // "Not Use" on a CDCM list is index 1 and still shows its chip.
    SetShapeVisible("ShapeSi570", view.record.I32(C::nSi570Freq) != 0);
    SetShapeVisible("ShapeCdcm61001", view.record.I32(C::nCdcm61001Freq) != 0);
    SetShapeVisible("ShapeCdcm61004", view.record.I32(C::nCdcm61004Freq) != 0);
}
