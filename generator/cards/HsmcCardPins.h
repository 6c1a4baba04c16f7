#pragma once
// What the HSMC card tables share: the 160 positions of the connector as the cards
// use them, pin rows that say which standard each pin takes, and the slot filler.

#include "model/Connector.h"

#include <cstdint>
#include <span>
#include <string>

inline constexpr int kHsmcPositions = 160;

// Row standards beyond the IO_STANDARD codes: the pin takes one of the table's arguments.
inline constexpr uint8_t kArgIo = 0xFE;   // the general (I/O) standard argument
inline constexpr uint8_t kArgXcvr = 0xFF; // the transceiver standard argument

struct HsmcPin {
    int position; // 1 to 160
    const char* name;
    uint8_t direction;
    uint8_t standard; // an IO_STANDARD code, kArgIo or kArgXcvr
    uint8_t flag = 0;
};

// The arguments a table passes on to its rows.
struct HsmcArgs {
    uint8_t io = IOSTD_2V5;
    uint8_t xcvr = IOSTD_1V5_PCML;
};

// The four legs of a transceiver lane in position order; "%d" takes the lane number,
// nullptr leaves the leg empty.
using HsmcLaneNames = const char* const[4];

// Appends the 160 slots; positions without a row stay empty.
void AppendHsmcPins(TConnector* conn, std::span<const HsmcPin> rows, HsmcArgs args);
// As above, with the lanes at 1-32 named by rule at the transceiver standard.
void AppendHsmcPins(TConnector* conn, std::span<const HsmcPin> rows, HsmcArgs args, HsmcLaneNames& lanes);

// The role of a position. Lanes, pairs and clock pairs have four legs in the order
// transmit p (0), receive p (1), transmit n (2), receive n (3).
enum class HsmcRole : uint8_t {
    None,       // no signal: 35-38, 45, 46, 99, 100, 153, 154, 159, the last two of each pair group
    Lane,       // 1-32: transceiver lanes 7 down to 0
    I2cData,    // 33
    I2cClock,   // 34
    ClockOut0,  // 39
    ClockIn0,   // 40
    Single,     // 41-44: single-ended signals 0 to 3
    Pair,       // groups of six from 47 (pairs 0-7) and from 101 (pairs 8-16)
    ClockPair1, // 95-98
    ClockPair2, // 155-158
    Present,    // 160
};

struct HsmcSlot {
    HsmcRole role;
    int index; // lane, single-ended signal, pair or clock-pair number
    int leg;
};

HsmcSlot HsmcSlotAt(int position);

// A card pin with an empty location and flag byte 0.
TPin* NewHsmcPin(const std::string& name, uint8_t direction, uint8_t ioStandard, int position);
// The pin of a lane leg: transmit legs are outputs, receive legs inputs; nullptr for an unnamed leg.
TPin* NewHsmcLanePin(const HsmcSlot& slot, HsmcLaneNames& lanes, uint8_t xcvrStandard, int position);
