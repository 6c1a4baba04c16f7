#include "BoardLogics.h"

#include "first/ArvelRules.h"
#include "first/BelmicRules.h"
#include "first/CardixRules.h"
#include "first/DorvelRules.h"
#include "latest/BostelRules.h"
#include "latest/DunmirRules.h"
#include "latest/ForvikRules.h"
#include "latest/SelvikRules.h"
#include "latest/TavrinRules.h"
#include "latest/UlmaroRules.h"
#include "latest/VardisRules.h"
#include "latest/WendroRules.h"
#include "latest/XylmarRules.h"
#include "latest/YarrinRules.h"
#include "latest/ZephalRules.h"
#include "second/ElbrinRules.h"
#include "second/GaldorRules.h"
#include "second/JorrelRules.h"

namespace {

// clang-format off
constexpr BoardLogicRow kBoardLogics[] = {
    {MAINBOARD_ARVEL, &ArvelLogic},
    {MAINBOARD_BELMIC, &BelmicLogic},
    {MAINBOARD_CARDIX, &CardixLogic},
    {MAINBOARD_DORVEL, &DorvelLogic},
    {MAINBOARD_ELBRIN, &ElbrinLogic},
    {MAINBOARD_GALDOR, &GaldorLogic},
    {MAINBOARD_JORREL, &JorrelLogic},
    {MAINBOARD_SELVIK, &SelvikLogic},
    {MAINBOARD_TAVRIN, &TavrinLogic},
    {MAINBOARD_ULMARO, &UlmaroLogic},
    {MAINBOARD_VARDIS, &VardisLogic},
    {MAINBOARD_WENDRO, &WendroLogic},
    {MAINBOARD_XYLMAR, &XylmarLogic},
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
