#include "UI_Elbrin.h"

#include "ELBRIN_CONFIG.h"
#include "ElbrinRules.h"
#include "UI_ElbrinLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

using C = ELBRIN_CONFIG;

TFormElbrin::TFormElbrin(QWidget* owner) : BoardForm(owner, ElbrinLogic(), elbrin::kLayout) {
    Start();
}

void TFormElbrin::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kElbrinHsmcVoltages);
    FillList("ComboBoxGpioVol", kElbrinGpioVoltages);
}

void TFormElbrin::DrawOutlines(const kit::FormView& view) {
    for (int32_t v = 0; v < 4; ++v) {
        SetShapeVisible(ElbrinHsmcVoltageMark(v), false);
        SetShapeVisible(ElbrinGpioVoltageMark(v), false);
    }
    SetShapeVisible(ElbrinHsmcVoltageMark(view.record.I32(C::nHSMCVoltage)), true);
    SetShapeVisible(ElbrinGpioVoltageMark(view.record.I32(C::nGpioVoltage)), true);
}
