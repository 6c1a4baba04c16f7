#include "UI_Isvar.h"

#include "IsvarRules.h"
#include "UI_IsvarLayout.h"

TFormIsvar::TFormIsvar(QWidget* owner) : BoardForm(owner, IsvarLogic(), isvar::kLayout) {
    Start();
}

TFormIsvar::~TFormIsvar() {
    SaveInDestructor();
}
