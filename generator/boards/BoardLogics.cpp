#include "BoardLogics.h"

#include "latest/AbrenzRules.h"
#include "latest/CalvexRules.h"
#include "latest/DunmirRules.h"
#include "latest/EmbrelRules.h"
#include "latest/SelvikRules.h"
#include "latest/TavrinRules.h"

namespace {

// clang-format off
constexpr BoardLogicRow kBoardLogics[] = {
    {MAINBOARD_SELVIK, &SelvikLogic},
    {MAINBOARD_TAVRIN, &TavrinLogic},
    {MAINBOARD_ABRENZ, &AbrenzLogic},
    {MAINBOARD_CALVEX, &CalvexLogic},
    {MAINBOARD_DUNMIR, &DunmirLogic},
    {MAINBOARD_EMBREL, &EmbrelLogic},
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
