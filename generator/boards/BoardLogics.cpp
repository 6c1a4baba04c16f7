#include "BoardLogics.h"

#include "first/ArvelRules.h"
#include "first/BelmicRules.h"
#include "first/CardixRules.h"
#include "first/DorvelRules.h"
#include "first/FennicRules.h"
#include "first/GlavinRules.h"
#include "first/HestorRules.h"
#include "first/KestinRules.h"
#include "latest/AbrenzRules.h"
#include "latest/BostelRules.h"
#include "latest/CalvexRules.h"
#include "latest/DunmirRules.h"
#include "latest/EmbrelRules.h"
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
#include "second/HarlinRules.h"
#include "second/IsvarRules.h"
#include "second/JorrelRules.h"
#include "second/LomarRules.h"
#include "second/MirvoRules.h"
#include "second/NorrikRules.h"
#include "second/OstrelRules.h"
#include "second/PallexRules.h"
#include "second/RasmelRules.h"

namespace {

// clang-format off
constexpr BoardLogicRow kBoardLogics[] = {
    {MAINBOARD_ARVEL, &ArvelLogic},
    {MAINBOARD_BELMIC, &BelmicLogic},
    {MAINBOARD_CARDIX, &CardixLogic},
    {MAINBOARD_DORVEL, &DorvelLogic},
    {MAINBOARD_ELBRIN, &ElbrinLogic},
    {MAINBOARD_FENNIC, &FennicLogic},
    {MAINBOARD_GALDOR, &GaldorLogic},
    {MAINBOARD_HARLIN, &HarlinLogic},
    {MAINBOARD_ISVAR, &IsvarLogic},
    {MAINBOARD_JORREL, &JorrelLogic},
    {MAINBOARD_KESTIN, &KestinLogic},
    {MAINBOARD_LOMAR, &LomarLogic},
    {MAINBOARD_MIRVO, &MirvoLogic},
    {MAINBOARD_NORRIK, &NorrikLogic},
    {MAINBOARD_OSTREL, &OstrelLogic},
    {MAINBOARD_PALLEX, &PallexLogic},
    {MAINBOARD_RASMEL, &RasmelLogic},
    {MAINBOARD_SELVIK, &SelvikLogic},
    {MAINBOARD_TAVRIN, &TavrinLogic},
    {MAINBOARD_ULMARO, &UlmaroLogic},
    {MAINBOARD_VARDIS, &VardisLogic},
    {MAINBOARD_WENDRO, &WendroLogic},
    {MAINBOARD_XYLMAR, &XylmarLogic},
    {MAINBOARD_YARRIN, &YarrinLogic},
    {MAINBOARD_ZEPHAL, &ZephalLogic},
    {MAINBOARD_ABRENZ, &AbrenzLogic},
    {MAINBOARD_BOSTEL, &BostelLogic},
    {MAINBOARD_CALVEX, &CalvexLogic},
    {MAINBOARD_DUNMIR, &DunmirLogic},
    {MAINBOARD_EMBREL, &EmbrelLogic},
    {MAINBOARD_FORVIK, &ForvikLogic},
    {MAINBOARD_GLAVIN, &GlavinLogic},
    {MAINBOARD_HESTOR, &HestorLogic},
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
