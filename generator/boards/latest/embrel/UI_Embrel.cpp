#include "UI_Embrel.h"

#include "EmbrelRules.h"
#include "UI_EmbrelLayout.h"

TFormEmbrel::TFormEmbrel(QWidget* owner)
    : Si5340BoardForm(owner, EmbrelLogic(), embrel::kLayout, EmbrelClockLists(), &EmbrelSelectAll) {
    Start();
}
