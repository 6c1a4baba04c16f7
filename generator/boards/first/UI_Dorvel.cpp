#include "UI_Dorvel.h"

#include "DorvelRules.h"
#include "UI_DorvelLayout.h"

TFormDorvel::TFormDorvel(QWidget* owner) : BoardForm(owner, DorvelLogic(), dorvel::kLayout) {
    Start();
}

TFormDorvel::~TFormDorvel() {
    SaveInDestructor();
}
