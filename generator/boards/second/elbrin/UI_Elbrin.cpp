#include "UI_Elbrin.h"

#include "ElbrinRules.h"
#include "UI_ElbrinLayout.h"

TFormElbrin::TFormElbrin(QWidget* owner) : BoardForm(owner, ElbrinLogic(), elbrin::kLayout) {
    Start();
}

void TFormElbrin::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kElbrinHsmcVoltages);
    FillList("ComboBoxGpioVol", kElbrinGpioVoltages);
}
