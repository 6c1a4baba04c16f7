#include "UI_Ulmaro.h"

#include "UI_UlmaroLayout.h"
#include "UlmaroRules.h"

TFormUlmaro::TFormUlmaro(QWidget* owner) : BoardForm(owner, UlmaroLogic(), ulmaro::kLayout) {
    Start();
}
