// Faldon card: transceiver lanes 3 to 0 brought out to SMA connectors.

#include "cards/CardTables.h"
#include "cards/HsmcCardPins.h"

namespace {

// Only the p halves of lanes 3 to 0; lanes 7 to 4 stay empty.
// clang-format off
constexpr HsmcPin kRows[] = {
    {17, "TX_P[3]", DIRECTION_OUTPUT, kArgXcvr},
    {18, "RX_P[3]", DIRECTION_INPUT, kArgXcvr},
    {21, "TX_P[2]", DIRECTION_OUTPUT, kArgXcvr},
    {22, "RX_P[2]", DIRECTION_INPUT, kArgXcvr},
    {25, "TX_P[1]", DIRECTION_OUTPUT, kArgXcvr},
    {26, "RX_P[1]", DIRECTION_INPUT, kArgXcvr},
    {29, "TX_P[0]", DIRECTION_OUTPUT, kArgXcvr},
    {30, "RX_P[0]", DIRECTION_INPUT, kArgXcvr},
    {39, "CLKOUT0", DIRECTION_OUTPUT, IOSTD_2V5},
    {40, "CLKIN0", DIRECTION_INPUT, IOSTD_2V5},
    {95, "CLKOUT_P[1]", DIRECTION_OUTPUT, IOSTD_LVDS},
    {96, "CLKIN_P[1]", DIRECTION_INPUT, IOSTD_LVDS},
    {155, "CLKOUT_P[2]", DIRECTION_OUTPUT, IOSTD_LVDS},
    {156, "CLKIN_P[2]", DIRECTION_INPUT, IOSTD_LVDS},
    {160, "SFP_PSNTn", DIRECTION_INPUT, IOSTD_2V5},
};
// clang-format on

} // namespace

void FillCardFaldonPins(TConnector* conn, uint8_t xcvrStandard) {
    AppendHsmcPins(conn, kRows, {.xcvr = xcvrStandard});
}
