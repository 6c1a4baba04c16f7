#include "UI_Selvik.h"

#include "SELVIK_CONFIG.h"
#include "SelvikRules.h"
#include "UI_SelvikLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

TFormSelvik::TFormSelvik(QWidget* owner) : BoardForm(owner, SelvikLogic(), selvik::kLayout) {
    Start();
}

void TFormSelvik::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kSelvikVoltages);
}

void TFormSelvik::DrawOutlines(const kit::FormView& view) {
    for (int32_t v = 0; v < 4; ++v)
        SetShapeVisible(SelvikVoltageMark(v), false);
    SetShapeVisible(SelvikVoltageMark(view.record.I32(SELVIK_CONFIG::nHsmcVoltage)), true);
}
