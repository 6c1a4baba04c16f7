#include "BoardForms.h"

#include "boards/latest/UI_Abrenz.h"
#include "boards/latest/UI_Calvex.h"
#include "boards/latest/UI_Dunmir.h"
#include "boards/latest/UI_Embrel.h"
#include "boards/latest/UI_Selvik.h"
#include "boards/latest/UI_Tavrin.h"
#include "model/MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_SELVIK, false, &MakeBoardForm<TFormSelvik>},
    {MAINBOARD_TAVRIN, false, &MakeBoardForm<TFormTavrin>},
    {MAINBOARD_ABRENZ, false, &MakeBoardForm<TFormAbrenz>},
    {MAINBOARD_CALVEX, false, &MakeBoardForm<TFormCalvex>},
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
    {MAINBOARD_EMBREL, false, &MakeBoardForm<TFormEmbrel>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
