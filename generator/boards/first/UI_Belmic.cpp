#include "UI_Belmic.h"

#include "BelmicRules.h"
#include "UI_BelmicLayout.h"

TFormBelmic::TFormBelmic(QWidget* owner) : BoardForm(owner, BelmicLogic(), belmic::kLayout) {
    Start();
}

TFormBelmic::~TFormBelmic() {
    SaveInDestructor();
}
