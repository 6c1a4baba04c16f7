#pragma once
// The boards the selector can list: title and board picture by board id.

#include <cstdint>

struct SelectorBoardRow {
    uint8_t id;
    const char* title;
    const char* picture; // resource name of the board picture
};

// clang-format off
inline constexpr SelectorBoardRow kSelectorBoards[] = {
    {1, "Arvel FPGA Board", "ARVEL_400_BITMAP"},
    {2, "Belmic FPGA Board", "BELMIC_400_BITMAP"},
    {3, "Cardix FPGA Board", "CARDIX_400_BITMAP"},
    {4, "Dorvel FPGA Board", "DORVEL_400_BITMAP"},
    {5, "Elbrin FPGA Board", "ELBRIN_400_BITMAP"},
    {6, "Fennic FPGA Board", "FENNIC_400_BITMAP"},
    {7, "Galdor FPGA Board", "GALDOR_400_BITMAP"},
    {8, "Harlin FPGA Board", "HARLIN_400_BITMAP"},
    {9, "Isvar FPGA Board", "ISVAR_400_BITMAP"},
    {10, "Jorrel FPGA Board", "JORREL_400_BITMAP"},
    {11, "Kestin FPGA Board", "KESTIN_400_BITMAP"},
    {12, "Lomar FPGA Board", "LOMAR_400_BITMAP"},
    {13, "Mirvo FPGA Board", "MIRVO_400_BITMAP"},
    {14, "Norrik FPGA Board", "NORRIK_BITMAP"},
    {15, "Ostrel FPGA Board", "LOMAR_400_BITMAP"},
    {16, "Pallex FPGA Board", "PALLEX_BITMAP"},
    {17, "Quenor FPGA Board", "PALLEX_BITMAP"},
    {18, "Rasmel II FPGA Board", "RASMEL_BITMAP"},
    {19, "Selvik FPGA Board", "SELVIK_BITMAP"},
    {20, "Tavrin FPGA Board", "TAVRIN_BITMAP"},
    {21, "Ulmaro Board", "ULMARO_BITMAP"},
    {22, "Vardis Board", "VARDIS_BITMAP"},
    {23, "Wendro SoC Board", "WENDRO_BITMAP"},
    {24, "Xylmar SoC Board", "XYLMAR_BITMAP"},
    {25, "Yarrin Board", "YARRIN_BITMAP"},
    {26, "Zephal", "ZEPHAL_BITMAP"},
    {27, "Abrenz FPGA Board", "ABRENZ_BITMAP"},
    {28, "Bostel KIT", "BOSTEL_BITMAP"},
    {29, "Calvex FPGA Board", "CALVEX_400_BITMAP"},
    {30, "Dunmir KIT", "DUNMIR_BITMAP"},
    {31, "Embrel FPGA Board", "EMBREL_BITMAP"},
    {32, "Forvik Board", "FORVIK_BITMAP"},
    {50, "Glavin Board", "GLAVIN_400_BITMAP"},
    {100, "Arria II GX FPGA Board", "HESTOR_400_BITMAP"},
    {101, "Stratix IV GX FPGA Board", "IRVANE_400_BITMAP"},
};
// clang-format on
