#include "BoardForms.h"

#include "MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    // The Dunmir form is not built yet: start-up shows the bare main window.
    {MAINBOARD_DUNMIR, false, nullptr},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
