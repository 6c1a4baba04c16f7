#include "UI_Glavin.h"

#include "GlavinRules.h"
#include "UI_GlavinLayout.h"

TFormGlavin::TFormGlavin(QWidget* owner) : BoardForm(owner, GlavinLogic(), glavin::kLayout) {
    Start();
}

TFormGlavin::~TFormGlavin() {
    SaveInDestructor();
}
