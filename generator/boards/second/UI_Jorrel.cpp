#include "UI_Jorrel.h"

#include "JorrelRules.h"
#include "UI_JorrelLayout.h"

TFormJorrel::TFormJorrel(QWidget* owner) : BoardForm(owner, JorrelLogic(), jorrel::kLayout) {
    Start();
}

TFormJorrel::~TFormJorrel() {
    SaveInDestructor();
}
