#include "UI_Selvik.h"

#include "SelvikRules.h"
#include "UI_SelvikLayout.h"

TFormSelvik::TFormSelvik(QWidget* owner) : BoardForm(owner, SelvikLogic(), selvik::kLayout) {
    Start();
}

void TFormSelvik::FillChoiceLists() {
    FillList("ComboBoxHsmcVol", kSelvikVoltages);
}
