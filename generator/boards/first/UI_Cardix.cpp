#include "UI_Cardix.h"

#include "CardixRules.h"
#include "UI_CardixLayout.h"

TFormCardix::TFormCardix(QWidget* owner) : BoardForm(owner, CardixLogic(), cardix::kLayout) {
    Start();
}

TFormCardix::~TFormCardix() {
    SaveInDestructor();
}
