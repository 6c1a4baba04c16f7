#include "BoardTable.h"

#include "boards/first/arvel/ArvelRules.h"
#include "boards/first/belmic/BelmicRules.h"
#include "boards/first/cardix/CardixRules.h"
#include "boards/first/dorvel/DorvelRules.h"
#include "boards/first/fennic/FennicRules.h"
#include "boards/first/glavin/GlavinRules.h"
#include "boards/first/hestor/HestorRules.h"
#include "boards/first/kestin/KestinRules.h"
#include "boards/latest/abrenz/AbrenzRules.h"
#include "boards/latest/bostel/BostelRules.h"
#include "boards/latest/calvex/CalvexRules.h"
#include "boards/latest/dunmir/DunmirRules.h"
#include "boards/latest/embrel/EmbrelRules.h"
#include "boards/latest/forvik/ForvikRules.h"
#include "boards/latest/selvik/SelvikRules.h"
#include "boards/latest/tavrin/TavrinRules.h"
#include "boards/latest/ulmaro/UlmaroRules.h"
#include "boards/latest/vardis/VardisRules.h"
#include "boards/latest/wendro/WendroRules.h"
#include "boards/latest/xylmar/XylmarRules.h"
#include "boards/latest/yarrin/YarrinRules.h"
#include "boards/latest/zephal/ZephalRules.h"
#include "boards/second/elbrin/ElbrinRules.h"
#include "boards/second/galdor/GaldorRules.h"
#include "boards/second/harlin/HarlinRules.h"
#include "boards/second/isvar/IsvarRules.h"
#include "boards/second/jorrel/JorrelRules.h"
#include "boards/second/lomar/LomarRules.h"
#include "boards/second/mirvo/MirvoRules.h"
#include "boards/second/norrik/NorrikRules.h"
#include "boards/second/ostrel/OstrelRules.h"
#include "boards/second/pallex/PallexRules.h"
#include "boards/second/rasmel/RasmelRules.h"
#include "model/MainBoardId.h"

namespace {

// clang-format off
constexpr BoardRow kBoards[] = {
    {MAINBOARD_ARVEL, "Arvel", &ArvelLogic},
    {MAINBOARD_BELMIC, "Belmic", &BelmicLogic},
    {MAINBOARD_CARDIX, "Cardix", &CardixLogic},
    {MAINBOARD_DORVEL, "Dorvel", &DorvelLogic},
    {MAINBOARD_ELBRIN, "Elbrin", &ElbrinLogic},
    {MAINBOARD_FENNIC, "Fennic", &FennicLogic},
    {MAINBOARD_GALDOR, "Galdor", &GaldorLogic},
    {MAINBOARD_HARLIN, "Harlin", &HarlinLogic},
    {MAINBOARD_ISVAR, "Isvar", &IsvarLogic},
    {MAINBOARD_JORREL, "Jorrel", &JorrelLogic},
    {MAINBOARD_KESTIN, "Kestin", &KestinLogic},
    {MAINBOARD_LOMAR, "Lomar", &LomarLogic},
    {MAINBOARD_MIRVO, "Mirvo", &MirvoLogic},
    {MAINBOARD_NORRIK, "Norrik", &NorrikLogic},
    {MAINBOARD_OSTREL, "Ostrel", &OstrelLogic},
    {MAINBOARD_PALLEX, "Pallex", &PallexLogic},
    {MAINBOARD_QUENOR, "Quenor", nullptr},
    {MAINBOARD_RASMEL, "Rasmel", &RasmelLogic},
    {MAINBOARD_SELVIK, "Selvik", &SelvikLogic},
    {MAINBOARD_TAVRIN, "Tavrin", &TavrinLogic},
    {MAINBOARD_ULMARO, "Ulmaro", &UlmaroLogic},
    {MAINBOARD_VARDIS, "Vardis", &VardisLogic},
    {MAINBOARD_WENDRO, "Wendro", &WendroLogic},
    {MAINBOARD_XYLMAR, "Xylmar", &XylmarLogic},
    {MAINBOARD_YARRIN, "Yarrin", &YarrinLogic},
    {MAINBOARD_ZEPHAL, "Zephal", &ZephalLogic},
    {MAINBOARD_ABRENZ, "Abrenz", &AbrenzLogic},
    {MAINBOARD_BOSTEL, "Bostel", &BostelLogic},
    {MAINBOARD_CALVEX, "Calvex", &CalvexLogic},
    {MAINBOARD_DUNMIR, "Dunmir", &DunmirLogic},
    {MAINBOARD_EMBREL, "Embrel", &EmbrelLogic},
    {MAINBOARD_FORVIK, "Forvik", &ForvikLogic},
    {MAINBOARD_GLAVIN, "Glavin", &GlavinLogic},
    {MAINBOARD_HESTOR, "Hestor", &HestorLogic},
    {MAINBOARD_IRVANE, "Irvane", nullptr},
};
// clang-format on

} // namespace

std::span<const BoardRow> BoardTable() {
    return kBoards;
}

const BoardRow* FindBoard(uint8_t id) {
    for (const BoardRow& row : kBoards)
        if (row.id == id)
            return &row;
    return nullptr;
}

const kit::BoardLogic* FindBoardLogic(uint8_t id) {
    const BoardRow* row = FindBoard(id);
    return row != nullptr && row->logic != nullptr ? &row->logic() : nullptr;
}
