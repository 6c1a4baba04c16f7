#include "BoardForms.h"

#include "boards/first/UI_Arvel.h"
#include "boards/first/UI_Belmic.h"
#include "boards/first/UI_Cardix.h"
#include "boards/first/UI_Dorvel.h"
#include "boards/latest/UI_Dunmir.h"
#include "boards/latest/UI_Selvik.h"
#include "boards/latest/UI_Tavrin.h"
#include "model/MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_ARVEL, true, &MakeBoardForm<TFormArvel>},
    {MAINBOARD_BELMIC, true, &MakeBoardForm<TFormBelmic>},
    {MAINBOARD_CARDIX, true, &MakeBoardForm<TFormCardix>},
    {MAINBOARD_DORVEL, true, &MakeBoardForm<TFormDorvel>},
    {MAINBOARD_SELVIK, false, &MakeBoardForm<TFormSelvik>},
    {MAINBOARD_TAVRIN, false, &MakeBoardForm<TFormTavrin>},
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
