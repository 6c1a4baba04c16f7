#pragma once

#include <cstdint>

enum MAINBOARD_ID : uint8_t {
    MAINBOARD_ARVEL = 1,
    MAINBOARD_BELMIC = 2,
    MAINBOARD_CARDIX = 3,
    MAINBOARD_DORVEL = 4,
    MAINBOARD_ELBRIN = 5,
    MAINBOARD_FENNIC = 6,
    MAINBOARD_GALDOR = 7,
    MAINBOARD_HARLIN = 8,
    MAINBOARD_ISVAR = 9,
    MAINBOARD_JORREL = 10,
    MAINBOARD_KESTIN = 11,
    MAINBOARD_LOMAR = 12,
    MAINBOARD_MIRVO = 13,
    MAINBOARD_NORRIK = 14,
    MAINBOARD_OSTREL = 15,
    MAINBOARD_PALLEX = 16,
    MAINBOARD_QUENOR = 17,
    MAINBOARD_RASMEL = 18,
    MAINBOARD_SELVIK = 19,
    MAINBOARD_TAVRIN = 20,
    MAINBOARD_ULMARO = 21,
    MAINBOARD_VARDIS = 22,
    MAINBOARD_WENDRO = 23,
    MAINBOARD_XYLMAR = 24,
    MAINBOARD_YARRIN = 25,
    MAINBOARD_ZEPHAL = 26,
    MAINBOARD_ABRENZ = 27,
    MAINBOARD_BOSTEL = 28,
    MAINBOARD_CALVEX = 29,
    MAINBOARD_DUNMIR = 30,
    MAINBOARD_EMBREL = 31,
    MAINBOARD_FORVIK = 32,
    MAINBOARD_GLAVIN = 50,
    MAINBOARD_HESTOR = 100,
    MAINBOARD_IRVANE = 101,
};

// The number by which a board form finds an expansion connector of its board.
enum MASTER_ID : int {
    MASTER_DDR2_SODIMM = 1,
    MASTER_DDR2_SODIMM_0 = 2,
    MASTER_DDR2_SODIMM_1 = 3,
    MASTER_KAPPEL_0 = 6,
    MASTER_KAPPEL_1 = 7,
    MASTER_HSMC_A = 8, // HSMC connector n is 8 + n, up to F = 13
    MASTER_HSMC_B = 9,
    MASTER_HSMC_C = 10,
    MASTER_HSMC_D = 11,
    MASTER_HSMC_E = 12,
    MASTER_HSMC_F = 13,
    MASTER_GPIO_0 = 16, // GPIO header 0, or the only GPIO header
    MASTER_GPIO_1 = 17,
    MASTER_GPIO_BOTH = 18, // both GPIO headers used as one 80-position connector
    MASTER_DDR3_SODIMM = 19,
    MASTER_FMC_A = 20,
    MASTER_FMC_B = 21,
    MASTER_FMC_C = 22,
    MASTER_FMC_D = 23,
    MASTER_DDR3_SODIMM_A = 24,
    MASTER_DDR3_SODIMM_B = 25,
    MASTER_MOXEN = 26,
};

// The board ids of the catalogue.
constexpr bool IsCatalogueBoard(uint8_t id) {
    return (id >= MAINBOARD_ARVEL && id <= MAINBOARD_FORVIK) || id == MAINBOARD_GLAVIN ||
           id == MAINBOARD_HESTOR || id == MAINBOARD_IRVANE;
}

// The boards this build offers: the Dunmir board alone.
constexpr bool IsMainBoardSupported(uint8_t id) {
    return id == MAINBOARD_DUNMIR;
}
