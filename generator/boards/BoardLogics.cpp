#include "BoardLogics.h"

#include "latest/BostelRules.h"
#include "latest/DunmirRules.h"
#include "latest/ForvikRules.h"
#include "latest/SelvikRules.h"
#include "latest/TavrinRules.h"
#include "latest/YarrinRules.h"
#include "latest/ZephalRules.h"

namespace {

// clang-format off
constexpr BoardLogicRow kBoardLogics[] = {
    {MAINBOARD_SELVIK, &SelvikLogic},
    {MAINBOARD_TAVRIN, &TavrinLogic},
    {MAINBOARD_YARRIN, &YarrinLogic},
    {MAINBOARD_ZEPHAL, &ZephalLogic},
    {MAINBOARD_BOSTEL, &BostelLogic},
    {MAINBOARD_DUNMIR, &DunmirLogic},
    {MAINBOARD_FORVIK, &ForvikLogic},
};
// clang-format on

} // namespace

std::span<const BoardLogicRow> BoardLogicTable() {
    return kBoardLogics;
}

const kit::BoardLogic* FindBoardLogic(uint8_t id) {
    for (const BoardLogicRow& row : kBoardLogics)
        if (row.id == id)
            return &row.logic();
    return nullptr;
}
