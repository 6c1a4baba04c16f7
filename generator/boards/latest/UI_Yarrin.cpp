#include "UI_Yarrin.h"

#include "UI_YarrinLayout.h"
#include "YarrinRules.h"

TFormYarrin::TFormYarrin(QWidget* owner) : BoardForm(owner, YarrinLogic(), yarrin::kLayout) {
    Start();
}
