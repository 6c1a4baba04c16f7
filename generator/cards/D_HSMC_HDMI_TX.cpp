// HDMI transmitter card.

#include "CardTables.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// The I2C pair takes the board's standard.
// clang-format off
constexpr CardPin kHdmiTxI2cPins[] = {
    {33, "HDMI_TX_SDA", kIo},
    {34, "HDMI_TX_SCL", kOut},
};
// clang-format on

// clang-format off
constexpr CardPin kHdmiTxPins[] = {
    {42, "TX_PCSCL", kOut},
    {44, "TX_PCSDA", kIo},
    {48, "TX_CEC", kIo},
    {50, "TX_RST_N", kOut},
    {85, "TX_RD[0]", kOut},
    {83, "TX_RD[1]", kOut},
    {79, "TX_RD[2]", kOut},
    {77, "TX_RD[3]", kOut},
    {73, "TX_RD[4]", kOut},
    {71, "TX_RD[5]", kOut},
    {67, "TX_RD[6]", kOut},
    {65, "TX_RD[7]", kOut},
    {61, "TX_RD[8]", kOut},
    {59, "TX_RD[9]", kOut},
    {55, "TX_RD[10]", kOut},
    {53, "TX_RD[11]", kOut},
    {54, "TX_INT_N", kIn},
    {56, "TX_DSR3L", kOut},
    {60, "TX_DSR3R", kOut},
    {62, "TX_DSR2L", kOut},
    {66, "TX_DSR2R", kOut},
    {78, "TX_DSR1L", kOut},
    {80, "TX_DSR1R", kOut},
    {86, "TX_DSR0L", kOut},
    {90, "TX_PCLK", kOut},
    {92, "TX_SCK", kOut},
    {133, "TX_GD[0]", kOut},
    {131, "TX_GD[1]", kOut},
    {127, "TX_GD[2]", kOut},
    {125, "TX_GD[3]", kOut},
    {121, "TX_GD[4]", kOut},
    {119, "TX_GD[5]", kOut},
    {115, "TX_GD[6]", kOut},
    {113, "TX_GD[7]", kOut},
    {109, "TX_GD[8]", kOut},
    {107, "TX_GD[9]", kOut},
    {103, "TX_GD[10]", kOut},
    {101, "TX_GD[11]", kOut},
    {102, "TX_I2S[0]", kOut},
    {104, "TX_I2S[1]", kOut},
    {151, "TX_I2S[2]", kOut},
    {149, "TX_I2S[3]", kOut},
    {138, "TX_BD[0]", kOut},
    {134, "TX_BD[1]", kOut},
    {132, "TX_BD[2]", kOut},
    {128, "TX_BD[3]", kOut},
    {126, "TX_BD[4]", kOut},
    {122, "TX_BD[5]", kOut},
    {120, "TX_BD[6]", kOut},
    {116, "TX_BD[7]", kOut},
    {114, "TX_BD[8]", kOut},
    {110, "TX_BD[9]", kOut},
    {108, "TX_BD[10]", kOut},
    {137, "TX_BD[11]", kOut},
    {140, "TX_DE", kOut},
    {144, "TX_HS", kOut},
    {145, "TX_SPDIF", kOut},
    {146, "TX_VS", kOut},
    {150, "TX_WS", kOut},
    {152, "TX_DSR0R", kOut},
    {155, "TX_MCLK", kOut},
    {157, "TX_DCLK", kOut},
};
// clang-format on

} // namespace

void FillCardHdmiTxPins(TConnector* conn, uint8_t ioStandard) {
    AppendHsmcPinSets(conn, {{kHdmiTxI2cPins, ioStandard}, {kHdmiTxPins, IOSTD_2V5}});
}
