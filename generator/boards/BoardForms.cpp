#include "BoardForms.h"

#include "BoardTable.h"
#include "boards/first/arvel/UI_ArvelLayout.h"
#include "boards/first/belmic/UI_BelmicLayout.h"
#include "boards/first/cardix/UI_CardixLayout.h"
#include "boards/first/dorvel/UI_DorvelLayout.h"
#include "boards/first/fennic/UI_Fennic.h"
#include "boards/first/fennic/UI_FennicLayout.h"
#include "boards/first/glavin/UI_GlavinLayout.h"
#include "boards/first/hestor/UI_Hestor.h"
#include "boards/first/hestor/UI_HestorLayout.h"
#include "boards/first/kestin/UI_KestinLayout.h"
#include "boards/kit/BoardForm.h"
#include "boards/kit/LayoutForm.h"
#include "boards/latest/abrenz/UI_Abrenz.h"
#include "boards/latest/abrenz/UI_AbrenzLayout.h"
#include "boards/latest/bostel/UI_BostelLayout.h"
#include "boards/latest/calvex/UI_Calvex.h"
#include "boards/latest/calvex/UI_CalvexLayout.h"
#include "boards/latest/dunmir/UI_Dunmir.h"
#include "boards/latest/dunmir/UI_DunmirLayout.h"
#include "boards/latest/embrel/UI_Embrel.h"
#include "boards/latest/embrel/UI_EmbrelLayout.h"
#include "boards/latest/forvik/UI_Forvik.h"
#include "boards/latest/forvik/UI_ForvikLayout.h"
#include "boards/latest/selvik/UI_Selvik.h"
#include "boards/latest/selvik/UI_SelvikLayout.h"
#include "boards/latest/tavrin/UI_TavrinLayout.h"
#include "boards/latest/ulmaro/UI_UlmaroLayout.h"
#include "boards/latest/vardis/UI_VardisLayout.h"
#include "boards/latest/wendro/UI_WendroLayout.h"
#include "boards/latest/xylmar/UI_XylmarLayout.h"
#include "boards/latest/yarrin/UI_YarrinLayout.h"
#include "boards/latest/zephal/UI_Zephal.h"
#include "boards/latest/zephal/UI_ZephalLayout.h"
#include "boards/second/elbrin/UI_Elbrin.h"
#include "boards/second/elbrin/UI_ElbrinLayout.h"
#include "boards/second/galdor/UI_Galdor.h"
#include "boards/second/galdor/UI_GaldorLayout.h"
#include "boards/second/harlin/UI_Harlin.h"
#include "boards/second/harlin/UI_HarlinLayout.h"
#include "boards/second/irvane/UI_IrvaneLayout.h"
#include "boards/second/isvar/UI_IsvarLayout.h"
#include "boards/second/jorrel/UI_JorrelLayout.h"
#include "boards/second/lomar/UI_Lomar.h"
#include "boards/second/lomar/UI_LomarLayout.h"
#include "boards/second/mirvo/UI_MirvoLayout.h"
#include "boards/second/norrik/UI_NorrikLayout.h"
#include "boards/second/ostrel/UI_Ostrel.h"
#include "boards/second/ostrel/UI_OstrelLayout.h"
#include "boards/second/pallex/UI_Pallex.h"
#include "boards/second/pallex/UI_PallexLayout.h"
#include "boards/second/quenor/UI_QuenorLayout.h"
#include "boards/second/rasmel/UI_Rasmel.h"
#include "boards/second/rasmel/UI_RasmelLayout.h"
#include "model/MainBoardId.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

// clang-format off
constexpr BoardFormRow kForms[] = {
    {MAINBOARD_ARVEL, "Arvel FPGA Board", "ARVEL_400_BITMAP", arvel::kLayout, nullptr, true},
    {MAINBOARD_BELMIC, "Belmic FPGA Board", "BELMIC_400_BITMAP", belmic::kLayout, nullptr, true},
    {MAINBOARD_CARDIX, "Cardix FPGA Board", "CARDIX_400_BITMAP", cardix::kLayout, nullptr, true},
    {MAINBOARD_DORVEL, "Dorvel FPGA Board", "DORVEL_400_BITMAP", dorvel::kLayout, nullptr, true},
    {MAINBOARD_ELBRIN, "Elbrin FPGA Board", "ELBRIN_400_BITMAP", elbrin::kLayout, &Make<TFormElbrin>, true},
    {MAINBOARD_FENNIC, "Fennic FPGA Board", "FENNIC_400_BITMAP", fennic::kLayout, &Make<TFormFennic>, true},
    {MAINBOARD_GALDOR, "Galdor FPGA Board", "GALDOR_400_BITMAP", galdor::kLayout, &Make<TFormGaldor>, true},
    {MAINBOARD_HARLIN, "Harlin FPGA Board", "HARLIN_400_BITMAP", harlin::kLayout, &Make<TFormHarlin>, true},
    {MAINBOARD_ISVAR, "Isvar FPGA Board", "ISVAR_400_BITMAP", isvar::kLayout, nullptr, true},
    {MAINBOARD_JORREL, "Jorrel FPGA Board", "JORREL_400_BITMAP", jorrel::kLayout, nullptr, true},
    {MAINBOARD_KESTIN, "Kestin FPGA Board", "KESTIN_400_BITMAP", kestin::kLayout, nullptr, true, "Image1"},
    {MAINBOARD_LOMAR, "Lomar FPGA Board", "LOMAR_400_BITMAP", lomar::kLayout, &Make<TFormLomar>, false},
    {MAINBOARD_MIRVO, "Mirvo FPGA Board", "MIRVO_400_BITMAP", mirvo::kLayout, nullptr, false},
    {MAINBOARD_NORRIK, "Norrik FPGA Board", "NORRIK_BITMAP", norrik::kLayout, nullptr, false},
    {MAINBOARD_OSTREL, "Ostrel FPGA Board", "LOMAR_400_BITMAP", ostrel::kLayout, &Make<TFormOstrel>, false},
    {MAINBOARD_PALLEX, "Pallex FPGA Board", "PALLEX_BITMAP", pallex::kLayout, &Make<TFormPallex>, false},
    {MAINBOARD_QUENOR, "Quenor FPGA Board", "PALLEX_BITMAP", quenor::kLayout, nullptr, false},
    {MAINBOARD_RASMEL, "Rasmel II FPGA Board", "RASMEL_BITMAP", rasmel::kLayout, &Make<TFormRasmel>, false},
    {MAINBOARD_SELVIK, "Selvik FPGA Board", "SELVIK_BITMAP", selvik::kLayout, &Make<TFormSelvik>, false},
    {MAINBOARD_TAVRIN, "Tavrin FPGA Board", "TAVRIN_BITMAP", tavrin::kLayout, nullptr, false},
    {MAINBOARD_ULMARO, "Ulmaro Board", "ULMARO_BITMAP", ulmaro::kLayout, nullptr, false},
    {MAINBOARD_VARDIS, "Vardis Board", "VARDIS_BITMAP", vardis::kLayout, nullptr, false},
    {MAINBOARD_WENDRO, "Wendro SoC Board", "WENDRO_BITMAP", wendro::kLayout, nullptr, false},
    {MAINBOARD_XYLMAR, "Xylmar SoC Board", "XYLMAR_BITMAP", xylmar::kLayout, nullptr, false},
    {MAINBOARD_YARRIN, "Yarrin Board", "YARRIN_BITMAP", yarrin::kLayout, nullptr, false},
    {MAINBOARD_ZEPHAL, "Zephal", "ZEPHAL_BITMAP", zephal::kLayout, &Make<TFormZephal>, false},
    {MAINBOARD_ABRENZ, "Abrenz FPGA Board", "ABRENZ_BITMAP", abrenz::kLayout, &Make<TFormAbrenz>, false},
    {MAINBOARD_BOSTEL, "Bostel KIT", "BOSTEL_BITMAP", bostel::kLayout, nullptr, false},
    {MAINBOARD_CALVEX, "Calvex FPGA Board", "CALVEX_400_BITMAP", calvex::kLayout, &Make<TFormCalvex>, false},
    {MAINBOARD_DUNMIR, "Dunmir KIT", "DUNMIR_BITMAP", dunmir::kLayout, &Make<TFormDunmir>, false, nullptr},
    {MAINBOARD_EMBREL, "Embrel FPGA Board", "EMBREL_BITMAP", embrel::kLayout, &Make<TFormEmbrel>, false},
    {MAINBOARD_FORVIK, "Forvik Board", "FORVIK_BITMAP", forvik::kLayout, &Make<TFormForvik>, false},
    {MAINBOARD_GLAVIN, "Glavin Board", "GLAVIN_400_BITMAP", glavin::kLayout, nullptr, true, "Image1"},
    {MAINBOARD_HESTOR, "Arria II GX FPGA Board", "HESTOR_400_BITMAP", hestor::kLayout, &Make<TFormHestor>, true},
    {MAINBOARD_IRVANE, "Stratix IV GX FPGA Board", "IRVANE_400_BITMAP", irvane::kLayout, nullptr, true},
};
// clang-format on

} // namespace

std::span<const BoardFormRow> BoardFormTable() {
    return kForms;
}

const BoardFormRow* FindBoardForm(uint8_t id) {
    for (const BoardFormRow& row : kForms)
        if (row.id == id)
            return &row;
    return nullptr;
}

QWidget* CreateBoardForm(const BoardFormRow& row, QWidget* owner) {
    if (row.form != nullptr)
        return row.form(owner);
    const kit::BoardLogic* logic = FindBoardLogic(row.id);
    if (logic == nullptr)
        return new LayoutForm(owner, row.layout);
    return new PlainBoardForm(owner, *logic, row.layout);
}
