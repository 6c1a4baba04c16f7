#include "UI_Arvel.h"

#include "ArvelRules.h"
#include "UI_ArvelLayout.h"

TFormArvel::TFormArvel(QWidget* owner) : BoardForm(owner, ArvelLogic(), arvel::kLayout) {
    Start();
}

TFormArvel::~TFormArvel() {
    SaveInDestructor();
}
