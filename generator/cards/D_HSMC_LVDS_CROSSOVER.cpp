// LVDS crossover card: the generic pair rows with receive and transmit swapped.

#include "CardTables.h"
#include "HsmcLayoutB.h"

#include <string>

using namespace hsmcb;

namespace {

// Slots 0-3 of a pair row, all LVDS; the row number follows the name without brackets.
struct CrossoverSlot {
    const char* name;
    uint8_t direction;
};
// clang-format off
constexpr CrossoverSlot kCrossoverPairSlots[] = {
    {"LVDS_RX_p", kIn},
    {"LVDS_TX_p", kOut},
    {"LVDS_RX_n", kIn},
    {"LVDS_TX_n", kOut},
};
// clang-format on

// clang-format off
constexpr CardPin kCrossoverClockPins[] = {
    {95, "CLK_IN_p1", kIn},
    {96, "CLK_OUT_p1", kOut},
    {97, "CLK_IN_n1", kIn},
    {98, "CLK_OUT_n1", kOut},
    {155, "CLK_IN_p2", kIn},
    {156, "CLK_OUT_p2", kOut},
    {157, "CLK_IN_n2", kIn},
    {158, "CLK_OUT_n2", kOut},
};
// clang-format on

// The I2C pair takes the board's standard; its clock is inout on this card.
// clang-format off
constexpr CardPin kCrossoverI2cPins[] = {
    {33, "SDA", kIo},
    {34, "SCL", kIo},
};
// clang-format on

// clang-format off
constexpr CardPin kCrossoverPins[] = {
    {39, "CLKIN0", kIn},
    {40, "CLKOUT0", kOut},
    {41, "DATA_RX[0]", kIn},
    {43, "DATA_RX[1]", kIn},
    {42, "DATA_TX[0]", kOut},
    {44, "DATA_TX[1]", kOut},
};
// clang-format on

} // namespace

void FillCardLvdsCrossoverPins(TConnector* conn, uint8_t ioStandard) {
    AppendSlots(conn, kHsmcSlots, [&](int position) -> TPin* {
        int row = 0;
        int slot = 0;
        if (PairRowAt(position, row, slot)) {
            const CrossoverSlot& s = kCrossoverPairSlots[slot];
            return new TPin((s.name + std::to_string(row)).c_str(), s.direction, IOSTD_LVDS, position, 0);
        }
        return MakeSetPin(
            {{kCrossoverClockPins, IOSTD_LVDS}, {kCrossoverI2cPins, ioStandard}, {kCrossoverPins, IOSTD_2V5}},
            position);
    });
}
