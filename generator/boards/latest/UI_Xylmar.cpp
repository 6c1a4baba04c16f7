#include "UI_Xylmar.h"

#include "UI_XylmarLayout.h"
#include "XylmarRules.h"

TFormXylmar::TFormXylmar(QWidget* owner) : BoardForm(owner, XylmarLogic(), xylmar::kLayout) {
    Start();
}
