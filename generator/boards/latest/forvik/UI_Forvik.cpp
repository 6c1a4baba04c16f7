#include "UI_Forvik.h"

#include "ForvikRules.h"
#include "UI_ForvikLayout.h"

TFormForvik::TFormForvik(QWidget* owner) : BoardForm(owner, ForvikLogic(), forvik::kLayout) {
    Start();
}

void TFormForvik::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kForvikVoltages);
}
