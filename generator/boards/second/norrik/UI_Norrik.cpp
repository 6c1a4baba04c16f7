#include "UI_Norrik.h"

#include "NorrikRules.h"
#include "UI_NorrikLayout.h"

TFormNorrik::TFormNorrik(QWidget* owner) : BoardForm(owner, NorrikLogic(), norrik::kLayout) {
    Start();
}
