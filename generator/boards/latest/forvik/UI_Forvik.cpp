#include "UI_Forvik.h"

#include "ConfigForvik.h"
#include "ForvikRules.h"
#include "UI_ForvikLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

using C = TConfigForvik::FORVIK_CONFIG;

TFormForvik::TFormForvik(QWidget* owner) : BoardForm(owner, ForvikLogic(), forvik::kLayout) {
    Start();
}

void TFormForvik::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kForvikVoltages);
}

void TFormForvik::DrawOutlines(const kit::FormView& view) {
    for (int32_t v = 0; v < 4; ++v)
        SetShapeVisible(ForvikVoltageMark(v), false);
    SetShapeVisible(ForvikVoltageMark(view.record.I32(C::nHsmcVoltage)), true);
}
