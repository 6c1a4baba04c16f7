#pragma once
// The boards of the catalogue. The same number is the board id of a settings
// record, the key of the board titles and the key of the board-form table.

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

// The boards this build offers: the Dunmir board alone.
constexpr bool IsMainBoardSupported(uint8_t id) {
    return id == MAINBOARD_DUNMIR;
}
