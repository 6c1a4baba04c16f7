#include "BoardRegistry.h"

#include "boards/first/arvel/ArvelRules.h"
#include "boards/first/arvel/UI_ArvelLayout.h"
#include "boards/first/belmic/BelmicRules.h"
#include "boards/first/belmic/UI_BelmicLayout.h"
#include "boards/first/cardix/CardixRules.h"
#include "boards/first/cardix/UI_CardixLayout.h"
#include "boards/first/dorvel/DorvelRules.h"
#include "boards/first/dorvel/UI_DorvelLayout.h"
#include "boards/first/fennic/FennicRules.h"
#include "boards/first/fennic/UI_Fennic.h"
#include "boards/first/fennic/UI_FennicLayout.h"
#include "boards/first/glavin/GlavinRules.h"
#include "boards/first/glavin/UI_GlavinLayout.h"
#include "boards/first/hestor/HestorRules.h"
#include "boards/first/hestor/UI_Hestor.h"
#include "boards/first/hestor/UI_HestorLayout.h"
#include "boards/first/kestin/KestinRules.h"
#include "boards/first/kestin/UI_Kestin.h"
#include "boards/first/kestin/UI_KestinLayout.h"
#include "boards/kit/BoardForm.h"
#include "boards/kit/LayoutForm.h"
#include "boards/latest/abrenz/AbrenzRules.h"
#include "boards/latest/abrenz/UI_Abrenz.h"
#include "boards/latest/abrenz/UI_AbrenzLayout.h"
#include "boards/latest/bostel/BostelRules.h"
#include "boards/latest/bostel/UI_BostelLayout.h"
#include "boards/latest/calvex/CalvexRules.h"
#include "boards/latest/calvex/UI_Calvex.h"
#include "boards/latest/calvex/UI_CalvexLayout.h"
#include "boards/latest/dunmir/DunmirRules.h"
#include "boards/latest/dunmir/UI_Dunmir.h"
#include "boards/latest/dunmir/UI_DunmirLayout.h"
#include "boards/latest/embrel/EmbrelRules.h"
#include "boards/latest/embrel/UI_Embrel.h"
#include "boards/latest/embrel/UI_EmbrelLayout.h"
#include "boards/latest/forvik/ForvikRules.h"
#include "boards/latest/forvik/UI_Forvik.h"
#include "boards/latest/forvik/UI_ForvikLayout.h"
#include "boards/latest/selvik/SelvikRules.h"
#include "boards/latest/selvik/UI_Selvik.h"
#include "boards/latest/selvik/UI_SelvikLayout.h"
#include "boards/latest/tavrin/TavrinRules.h"
#include "boards/latest/tavrin/UI_Tavrin.h"
#include "boards/latest/tavrin/UI_TavrinLayout.h"
#include "boards/latest/ulmaro/UI_UlmaroLayout.h"
#include "boards/latest/ulmaro/UlmaroRules.h"
#include "boards/latest/vardis/UI_VardisLayout.h"
#include "boards/latest/vardis/VardisRules.h"
#include "boards/latest/wendro/UI_WendroLayout.h"
#include "boards/latest/wendro/WendroRules.h"
#include "boards/latest/xylmar/UI_XylmarLayout.h"
#include "boards/latest/xylmar/XylmarRules.h"
#include "boards/latest/yarrin/UI_YarrinLayout.h"
#include "boards/latest/yarrin/YarrinRules.h"
#include "boards/latest/zephal/UI_Zephal.h"
#include "boards/latest/zephal/UI_ZephalLayout.h"
#include "boards/latest/zephal/ZephalRules.h"
#include "boards/second/elbrin/ElbrinRules.h"
#include "boards/second/elbrin/UI_Elbrin.h"
#include "boards/second/elbrin/UI_ElbrinLayout.h"
#include "boards/second/galdor/GaldorRules.h"
#include "boards/second/galdor/UI_Galdor.h"
#include "boards/second/galdor/UI_GaldorLayout.h"
#include "boards/second/harlin/HarlinRules.h"
#include "boards/second/harlin/UI_Harlin.h"
#include "boards/second/harlin/UI_HarlinLayout.h"
#include "boards/second/irvane/UI_IrvaneLayout.h"
#include "boards/second/isvar/IsvarRules.h"
#include "boards/second/isvar/UI_IsvarLayout.h"
#include "boards/second/jorrel/JorrelRules.h"
#include "boards/second/jorrel/UI_JorrelLayout.h"
#include "boards/second/lomar/LomarRules.h"
#include "boards/second/lomar/UI_Lomar.h"
#include "boards/second/lomar/UI_LomarLayout.h"
#include "boards/second/mirvo/MirvoRules.h"
#include "boards/second/mirvo/UI_MirvoLayout.h"
#include "boards/second/norrik/NorrikRules.h"
#include "boards/second/norrik/UI_Norrik.h"
#include "boards/second/norrik/UI_NorrikLayout.h"
#include "boards/second/ostrel/OstrelRules.h"
#include "boards/second/ostrel/UI_Ostrel.h"
#include "boards/second/ostrel/UI_OstrelLayout.h"
#include "boards/second/pallex/PallexRules.h"
#include "boards/second/pallex/UI_Pallex.h"
#include "boards/second/pallex/UI_PallexLayout.h"
#include "boards/second/quenor/UI_QuenorLayout.h"
#include "boards/second/rasmel/RasmelRules.h"
#include "boards/second/rasmel/UI_Rasmel.h"
#include "boards/second/rasmel/UI_RasmelLayout.h"
#include "model/MainBoardId.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

// clang-format off
constexpr BoardRow kBoards[] = {
    {MAINBOARD_ARVEL, "Arvel", "Arvel FPGA Board", "ARVEL_400_BITMAP", &ArvelLogic, arvel::kLayout, nullptr, true},
    {MAINBOARD_BELMIC, "Belmic", "Belmic FPGA Board", "BELMIC_400_BITMAP", &BelmicLogic, belmic::kLayout, nullptr, true},
    {MAINBOARD_CARDIX, "Cardix", "Cardix FPGA Board", "CARDIX_400_BITMAP", &CardixLogic, cardix::kLayout, nullptr, true},
    {MAINBOARD_DORVEL, "Dorvel", "Dorvel FPGA Board", "DORVEL_400_BITMAP", &DorvelLogic, dorvel::kLayout, nullptr, true},
    {MAINBOARD_ELBRIN, "Elbrin", "Elbrin FPGA Board", "ELBRIN_400_BITMAP", &ElbrinLogic, elbrin::kLayout, &Make<TFormElbrin>, true},
    {MAINBOARD_FENNIC, "Fennic", "Fennic FPGA Board", "FENNIC_400_BITMAP", &FennicLogic, fennic::kLayout, &Make<TFormFennic>, true},
    {MAINBOARD_GALDOR, "Galdor", "Galdor FPGA Board", "GALDOR_400_BITMAP", &GaldorLogic, galdor::kLayout, &Make<TFormGaldor>, true},
    {MAINBOARD_HARLIN, "Harlin", "Harlin FPGA Board", "HARLIN_400_BITMAP", &HarlinLogic, harlin::kLayout, &Make<TFormHarlin>, true},
    {MAINBOARD_ISVAR, "Isvar", "Isvar FPGA Board", "ISVAR_400_BITMAP", &IsvarLogic, isvar::kLayout, nullptr, true},
    {MAINBOARD_JORREL, "Jorrel", "Jorrel FPGA Board", "JORREL_400_BITMAP", &JorrelLogic, jorrel::kLayout, nullptr, true},
    {MAINBOARD_KESTIN, "Kestin", "Kestin FPGA Board", "KESTIN_400_BITMAP", &KestinLogic, kestin::kLayout, &Make<TFormKestin>, true, "Image1"},
    {MAINBOARD_LOMAR, "Lomar", "Lomar FPGA Board", "LOMAR_400_BITMAP", &LomarLogic, lomar::kLayout, &Make<TFormLomar>, false},
    {MAINBOARD_MIRVO, "Mirvo", "Mirvo FPGA Board", "MIRVO_400_BITMAP", &MirvoLogic, mirvo::kLayout, nullptr, false},
    {MAINBOARD_NORRIK, "Norrik", "Norrik FPGA Board", "NORRIK_BITMAP", &NorrikLogic, norrik::kLayout, &Make<TFormNorrik>, false},
    {MAINBOARD_OSTREL, "Ostrel", "Ostrel FPGA Board", "LOMAR_400_BITMAP", &OstrelLogic, ostrel::kLayout, &Make<TFormOstrel>, false},
    {MAINBOARD_PALLEX, "Pallex", "Pallex FPGA Board", "PALLEX_BITMAP", &PallexLogic, pallex::kLayout, &Make<TFormPallex>, false},
    {MAINBOARD_QUENOR, "Quenor", "Quenor FPGA Board", "PALLEX_BITMAP", nullptr, quenor::kLayout, nullptr, false},
    {MAINBOARD_RASMEL, "Rasmel", "Rasmel II FPGA Board", "RASMEL_BITMAP", &RasmelLogic, rasmel::kLayout, &Make<TFormRasmel>, false},
    {MAINBOARD_SELVIK, "Selvik", "Selvik FPGA Board", "SELVIK_BITMAP", &SelvikLogic, selvik::kLayout, &Make<TFormSelvik>, false},
    {MAINBOARD_TAVRIN, "Tavrin", "Tavrin FPGA Board", "TAVRIN_BITMAP", &TavrinLogic, tavrin::kLayout, &Make<TFormTavrin>, false},
    {MAINBOARD_ULMARO, "Ulmaro", "Ulmaro Board", "ULMARO_BITMAP", &UlmaroLogic, ulmaro::kLayout, nullptr, false},
    {MAINBOARD_VARDIS, "Vardis", "Vardis Board", "VARDIS_BITMAP", &VardisLogic, vardis::kLayout, nullptr, false},
    {MAINBOARD_WENDRO, "Wendro", "Wendro SoC Board", "WENDRO_BITMAP", &WendroLogic, wendro::kLayout, nullptr, false},
    {MAINBOARD_XYLMAR, "Xylmar", "Xylmar SoC Board", "XYLMAR_BITMAP", &XylmarLogic, xylmar::kLayout, nullptr, false},
    {MAINBOARD_YARRIN, "Yarrin", "Yarrin Board", "YARRIN_BITMAP", &YarrinLogic, yarrin::kLayout, nullptr, false},
    {MAINBOARD_ZEPHAL, "Zephal", "Zephal", "ZEPHAL_BITMAP", &ZephalLogic, zephal::kLayout, &Make<TFormZephal>, false},
    {MAINBOARD_ABRENZ, "Abrenz", "Abrenz FPGA Board", "ABRENZ_BITMAP", &AbrenzLogic, abrenz::kLayout, &Make<TFormAbrenz>, false},
    {MAINBOARD_BOSTEL, "Bostel", "Bostel KIT", "BOSTEL_BITMAP", &BostelLogic, bostel::kLayout, nullptr, false},
    {MAINBOARD_CALVEX, "Calvex", "Calvex FPGA Board", "CALVEX_400_BITMAP", &CalvexLogic, calvex::kLayout, &Make<TFormCalvex>, false},
    {MAINBOARD_DUNMIR, "Dunmir", "Dunmir KIT", "DUNMIR_BITMAP", &DunmirLogic, dunmir::kLayout, &Make<TFormDunmir>, false, nullptr},
    {MAINBOARD_EMBREL, "Embrel", "Embrel FPGA Board", "EMBREL_BITMAP", &EmbrelLogic, embrel::kLayout, &Make<TFormEmbrel>, false},
    {MAINBOARD_FORVIK, "Forvik", "Forvik Board", "FORVIK_BITMAP", &ForvikLogic, forvik::kLayout, &Make<TFormForvik>, false},
    {MAINBOARD_GLAVIN, "Glavin", "Glavin Board", "GLAVIN_400_BITMAP", &GlavinLogic, glavin::kLayout, nullptr, true, "Image1"},
    {MAINBOARD_HESTOR, "Hestor", "Arria II GX FPGA Board", "HESTOR_400_BITMAP", &HestorLogic, hestor::kLayout, &Make<TFormHestor>, true},
    {MAINBOARD_IRVANE, "Irvane", "Stratix IV GX FPGA Board", "IRVANE_400_BITMAP", nullptr, irvane::kLayout, nullptr, true},
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

QWidget* CreateBoardForm(const BoardRow& row, QWidget* owner) {
    if (row.form != nullptr)
        return row.form(owner);
    if (row.logic == nullptr)
        return new LayoutForm(owner, row.layout);
    return new PlainBoardForm(owner, row.logic(), row.layout);
}
