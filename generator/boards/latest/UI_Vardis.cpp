#include "UI_Vardis.h"

#include "UI_VardisLayout.h"
#include "VardisRules.h"

TFormVardis::TFormVardis(QWidget* owner) : BoardForm(owner, VardisLogic(), vardis::kLayout) {
    Start();
}
