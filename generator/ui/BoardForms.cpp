#include "BoardForms.h"

#include "boards/latest/UI_Bostel.h"
#include "boards/latest/UI_Dunmir.h"
#include "boards/latest/UI_Forvik.h"
#include "boards/latest/UI_Selvik.h"
#include "boards/latest/UI_Tavrin.h"
#include "boards/latest/UI_Yarrin.h"
#include "boards/latest/UI_Zephal.h"
#include "model/MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_SELVIK, false, &MakeBoardForm<TFormSelvik>},
    {MAINBOARD_TAVRIN, false, &MakeBoardForm<TFormTavrin>},
    {MAINBOARD_YARRIN, false, &MakeBoardForm<TFormYarrin>},
    {MAINBOARD_ZEPHAL, false, &MakeBoardForm<TFormZephal>},
    {MAINBOARD_BOSTEL, false, &MakeBoardForm<TFormBostel>},
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
    {MAINBOARD_FORVIK, false, &MakeBoardForm<TFormForvik>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
