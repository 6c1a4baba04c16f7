#include "BoardForms.h"

#include "boards/latest/UI_Dunmir.h"
#include "model/MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
