#include "UI_Wendro.h"

#include "UI_WendroLayout.h"
#include "WendroRules.h"

TFormWendro::TFormWendro(QWidget* owner) : BoardForm(owner, WendroLogic(), wendro::kLayout) {
    Start();
}
