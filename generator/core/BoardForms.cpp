#include "BoardForms.h"

#include "MainBoardId.h"
#include "boards/latest/UI_Dunmir.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
