#include "UI_Mirvo.h"

#include "MirvoRules.h"
#include "UI_MirvoLayout.h"

TFormMirvo::TFormMirvo(QWidget* owner) : BoardForm(owner, MirvoLogic(), mirvo::kLayout) {
    Start();
}
