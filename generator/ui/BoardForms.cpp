#include "BoardForms.h"

#include "boards/first/UI_Arvel.h"
#include "boards/first/UI_Belmic.h"
#include "boards/first/UI_Cardix.h"
#include "boards/first/UI_Dorvel.h"
#include "boards/first/UI_Fennic.h"
#include "boards/first/UI_Glavin.h"
#include "boards/first/UI_Hestor.h"
#include "boards/first/UI_Kestin.h"
#include "boards/latest/UI_Abrenz.h"
#include "boards/latest/UI_Bostel.h"
#include "boards/latest/UI_Calvex.h"
#include "boards/latest/UI_Dunmir.h"
#include "boards/latest/UI_Embrel.h"
#include "boards/latest/UI_Forvik.h"
#include "boards/latest/UI_Selvik.h"
#include "boards/latest/UI_Tavrin.h"
#include "boards/latest/UI_Ulmaro.h"
#include "boards/latest/UI_Vardis.h"
#include "boards/latest/UI_Wendro.h"
#include "boards/latest/UI_Xylmar.h"
#include "boards/latest/UI_Yarrin.h"
#include "boards/latest/UI_Zephal.h"
#include "boards/second/UI_Elbrin.h"
#include "boards/second/UI_Galdor.h"
#include "boards/second/UI_Harlin.h"
#include "boards/second/UI_Irvane.h"
#include "boards/second/UI_Isvar.h"
#include "boards/second/UI_Jorrel.h"
#include "boards/second/UI_Lomar.h"
#include "boards/second/UI_Mirvo.h"
#include "boards/second/UI_Norrik.h"
#include "boards/second/UI_Ostrel.h"
#include "boards/second/UI_Pallex.h"
#include "boards/second/UI_Quenor.h"
#include "boards/second/UI_Rasmel.h"
#include "model/MainBoardId.h"

// clang-format off
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_ARVEL, true, &MakeBoardForm<TFormArvel>},
    {MAINBOARD_BELMIC, true, &MakeBoardForm<TFormBelmic>},
    {MAINBOARD_CARDIX, true, &MakeBoardForm<TFormCardix>},
    {MAINBOARD_DORVEL, true, &MakeBoardForm<TFormDorvel>},
    {MAINBOARD_ELBRIN, true, &MakeBoardForm<TFormElbrin>},
    {MAINBOARD_FENNIC, true, &MakeBoardForm<TFormFennic>},
    {MAINBOARD_GALDOR, true, &MakeBoardForm<TFormGaldor>},
    {MAINBOARD_HARLIN, true, &MakeBoardForm<TFormHarlin>},
    {MAINBOARD_ISVAR, true, &MakeBoardForm<TFormIsvar>},
    {MAINBOARD_JORREL, true, &MakeBoardForm<TFormJorrel>},
    {MAINBOARD_KESTIN, true, &MakeBoardForm<TFormKestin>},
    {MAINBOARD_LOMAR, false, &MakeBoardForm<TFormLomar>},
    {MAINBOARD_MIRVO, false, &MakeBoardForm<TFormMirvo>},
    {MAINBOARD_NORRIK, false, &MakeBoardForm<TFormNorrik>},
    {MAINBOARD_OSTREL, false, &MakeBoardForm<TFormOstrel>},
    {MAINBOARD_PALLEX, false, &MakeBoardForm<TFormPallex>},
    {MAINBOARD_QUENOR, false, &MakeBoardForm<TFormQuenor>},
    {MAINBOARD_RASMEL, false, &MakeBoardForm<TFormRasmel>},
    {MAINBOARD_SELVIK, false, &MakeBoardForm<TFormSelvik>},
    {MAINBOARD_TAVRIN, false, &MakeBoardForm<TFormTavrin>},
    {MAINBOARD_ULMARO, false, &MakeBoardForm<TFormUlmaro>},
    {MAINBOARD_VARDIS, false, &MakeBoardForm<TFormVardis>},
    {MAINBOARD_WENDRO, false, &MakeBoardForm<TFormWendro>},
    {MAINBOARD_XYLMAR, false, &MakeBoardForm<TFormXylmar>},
    {MAINBOARD_YARRIN, false, &MakeBoardForm<TFormYarrin>},
    {MAINBOARD_ZEPHAL, false, &MakeBoardForm<TFormZephal>},
    {MAINBOARD_ABRENZ, false, &MakeBoardForm<TFormAbrenz>},
    {MAINBOARD_BOSTEL, false, &MakeBoardForm<TFormBostel>},
    {MAINBOARD_CALVEX, false, &MakeBoardForm<TFormCalvex>},
    {MAINBOARD_DUNMIR, false, &MakeBoardForm<TFormDunmir>},
    {MAINBOARD_EMBREL, false, &MakeBoardForm<TFormEmbrel>},
    {MAINBOARD_FORVIK, false, &MakeBoardForm<TFormForvik>},
    {MAINBOARD_GLAVIN, true, &MakeBoardForm<TFormGlavin>},
    {MAINBOARD_HESTOR, true, &MakeBoardForm<TFormHestor>},
    {MAINBOARD_IRVANE, true, &MakeBoardForm<TFormIrvane>},
};
// clang-format on

std::span<const BoardFormRow> BoardFormTable() {
    return kBoardForms;
}
