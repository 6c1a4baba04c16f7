#pragma once
// The card rules a board's BoardSpec gives (the defaults for a board without a pin table),
// for tests that build a board model by hand.

#include "boards/BoardTable.h"
#include "core/CardRules.h"

inline TCardRules CardRulesOf(uint8_t boardId) {
    const kit::BoardLogic* logic = FindBoardLogic(boardId);
    return logic != nullptr ? logic->Spec().cardRules : TCardRules{};
}
