#pragma once
// The shape every FMC card table shares: 400 positions in rows A to K (no I) of 40
// columns, position n = 40 x row index + column. A table lists the positions the card
// names, in position order; the fill families turn them into one slot per position.

#include "model/Connector.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

inline constexpr int FMC_HPC_PIN_NUM = 400;

// Name widths of the two stored row records, terminator excluded.
inline constexpr std::size_t kFmcNameWidth = 15;
inline constexpr std::size_t kFmcNameWidthEx = 31;

// Row flags
inline constexpr uint8_t FMC_FLAG_USER_IO = 0x0E; // takes the caller's standard
inline constexpr uint8_t FMC_FLAG_XCVR = 0x30;    // transceiver lane or reference clock
inline constexpr uint8_t FMC_FLAG_SKIP = 0x40;
inline constexpr uint8_t FMC_FLAG_SECOND_LEG = 0x80;

struct FmcRow {
    char row; // A..K without I
    int column;
    const char* name;
    uint8_t direction;
    uint8_t ioStandard;
    uint8_t flags;
};

constexpr int FmcRowIndex(char row) {
    if (row < 'A' || row > 'K' || row == 'I')
        return -1;
    return row < 'I' ? row - 'A' : row - 'A' - 1;
}

constexpr int FmcPosition(char row, int column) {
    return 40 * FmcRowIndex(row) + column;
}

// Rows on real positions in ascending order, names that fit the record: checked at build time.
constexpr bool FmcRowsValid(std::span<const FmcRow> rows, std::size_t nameWidth) {
    int last = 0;
    for (const FmcRow& r : rows) {
        if (FmcRowIndex(r.row) < 0 || r.column < 1 || r.column > 40)
            return false;
        int position = FmcPosition(r.row, r.column);
        std::string_view name(r.name);
        if (position <= last || name.empty() || name.size() > nameWidth)
            return false;
        last = position;
    }
    return true;
}

// Slot n-1 holds the row of position n, or nullptr.
using FmcSlots = std::array<const FmcRow*, FMC_HPC_PIN_NUM>;

// Lays the rows of each part on their positions; a later part's row replaces an earlier one.
FmcSlots FmcSlotsOf(std::initializer_list<std::span<const FmcRow>> parts);

// The fill of the standard connector tables.
struct FmcStandardFill {
    bool withTransceivers;
    uint8_t ioStandard; // for rows flagged as user I/O
    bool lowPinCount;   // rows C, D, G and H only
    bool rowKFilter;    // K4 to K38 empty, but where the distance from K4 is 2 modulo 3
};
void AppendFmcStandardPins(TConnector* conn, const FmcSlots& slots, const FmcStandardFill& fill);

// Drops second legs by flag, and LVDS rows whose name ends in secondLegSuffix.
void AppendFmcSuffixPins(TConnector* conn, const FmcSlots& slots, char secondLegSuffix);

// Drops rows flagged 0x40, and LVDS rows flagged as second legs.
void AppendFmcFlag40Pins(TConnector* conn, const FmcSlots& slots);
