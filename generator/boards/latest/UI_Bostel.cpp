#include "UI_Bostel.h"

#include "BostelRules.h"
#include "UI_BostelLayout.h"

TFormBostel::TFormBostel(QWidget* owner) : BoardForm(owner, BostelLogic(), bostel::kLayout) {
    Start();
}
