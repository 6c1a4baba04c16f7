#include "UI_Dunmir.h"

#include "DunmirRules.h"
#include "UI_DunmirLayout.h"
#include "boards/kit/BoardHost.h"

TFormDunmir::TFormDunmir(QWidget* owner) : BoardForm(owner, DunmirLogic(), dunmir::kLayout) {
    Widget("ButtonMainBoardSelect")->hide();
    if (MainHost != nullptr)
        MainHost->SetHostCaption(windowTitle());
    Start();
}
