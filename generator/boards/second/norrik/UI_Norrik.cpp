#include "UI_Norrik.h"

#include "NorrikRules.h"
#include "UI_NorrikLayout.h"

#include <QComboBox>

namespace {

// The first position of id in a holder's list; -1 when the list does not hold it.
int PositionIn(const FormSettings& list, uint8_t id) {
    for (int k = 0; k < list.DaughterCount; ++k)
        if (list.DaughterIds[static_cast<std::size_t>(k)] == id)
            return k;
    return -1;
}

} // namespace

TFormNorrik::TFormNorrik(QWidget* owner) : BoardForm(owner, NorrikLogic(), norrik::kLayout) {
    Start();
}

void TFormNorrik::RememberDaughterIndexes() {
    const kit::BoardLogic& logic = Logic();
    if (const int k = PositionIn(Holder(ShownList(NORRIK_GPIO)), logic.CardId(Record(), NORRIK_GPIO)); k >= 0)
        m_GpioIndex = k;
    if (const int k = PositionIn(Holder(ShownList(NORRIK_HSMC)), logic.CardId(Record(), NORRIK_HSMC)); k >= 0)
        m_HsmcIndex = k;
}

void TFormNorrik::RestoreDaughterIndexes() {
    Combo(NORRIK_GPIO)->setEnabled(true);
    Combo(NORRIK_HSMC)->setEnabled(true);
    Combo(NORRIK_GPIO)->setCurrentIndex(m_GpioIndex);
    Combo(NORRIK_HSMC)->setCurrentIndex(m_HsmcIndex);
}

// At start and after a load, once the record is shown.
void TFormNorrik::TrailingSteps() {
    RememberDaughterIndexes();
    RestoreDaughterIndexes();
}

// Only the GPIO choice is remembered as the user makes it.
void TFormNorrik::CardChanged(int connector) {
    if (connector == NORRIK_GPIO)
        m_GpioIndex = Combo(NORRIK_GPIO)->currentIndex();
}
