// HDMI receiver card.

#include "CardTables.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// The I2C pair takes the board's standard.
// clang-format off
constexpr CardPin kHdmiRxI2cPins[] = {
    {33, "HDMI_RX_SDA", kIo},
    {34, "HDMI_RX_SCL", kOut},
};
// clang-format on

// clang-format off
constexpr CardPin kHdmiRxPins[] = {
    {55, "RX_RST_N", kOut},
    {56, "EDID_WP_N", kOut},
    {59, "RX_SCDT", kIn},
    {60, "RX1_CEC", kIo},
    {61, "RX_INT_N", kIn},
    {62, "RX1_HPD_N", kOut},
    {103, "RX_RD[0]", kIn},
    {101, "RX_RD[1]", kIn},
    {91, "RX_RD[2]", kIn},
    {89, "RX_RD[3]", kIn},
    {85, "RX_RD[4]", kIn},
    {83, "RX_RD[5]", kIn},
    {79, "RX_RD[6]", kIn},
    {77, "RX_RD[7]", kIn},
    {73, "RX_RD[8]", kIn},
    {71, "RX_RD[9]", kIn},
    {67, "RX_RD[10]", kIn},
    {65, "RX_RD[11]", kIn},
    {66, "RX_MUTE", kIn},
    {68, "RX_DSD", kIn},
    {72, "RX_SPDIF", kIn},
    {74, "RX_I2S[0]", kIn},
    {86, "RX_I2S[1]", kIn},
    {84, "RX_I2S[2]", kIn},
    {80, "RX_I2S[3]", kIn},
    {78, "RX_WS", kIn},
    {90, "RX0_HPD_N", kOut},
    {92, "RX0_CEC", kIo},
    {96, "RX_MCLK", kIn},
    {98, "RX_SCK", kIn},
    {102, "RX_PCSCL", kOut},
    {104, "RX_PCSDA", kIo},
    {139, "RX_GD[0]", kIn},
    {137, "RX_GD[1]", kIn},
    {133, "RX_GD[2]", kIn},
    {131, "RX_GD[3]", kIn},
    {127, "RX_GD[4]", kIn},
    {125, "RX_GD[5]", kIn},
    {121, "RX_GD[6]", kIn},
    {119, "RX_GD[7]", kIn},
    {115, "RX_GD[8]", kIn},
    {113, "RX_GD[9]", kIn},
    {109, "RX_GD[10]", kIn},
    {107, "RX_GD[11]", kIn},
    {108, "RX_EVENODD", kIn},
    {110, "RX_VS", kIn},
    {114, "RX_HS", kIn},
    {116, "RX_DE", kIn},
    {120, "RX_BD[0]", kIn},
    {122, "RX_BD[1]", kIn},
    {126, "RX_BD[2]", kIn},
    {128, "RX_BD[3]", kIn},
    {132, "RX_BD[4]", kIn},
    {134, "RX_BD[5]", kIn},
    {138, "RX_BD[6]", kIn},
    {140, "RX_BD[7]", kIn},
    {152, "RX_BD[8]", kIn},
    {150, "RX_BD[9]", kIn},
    {146, "RX_BD[10]", kIn},
    {144, "RX_BD[11]", kIn},
    {143, "RX0_DDC_SCL", kIo},
    {145, "RX0_DDC_SDA", kIo},
    {149, "RX1_DDC_SCL", kIo},
    {151, "RX1_DDC_SDA", kIo},
    {156, "RX_PCLK", kIn},
};
// clang-format on

} // namespace

void FillCardHdmiRxPins(TConnector* conn, uint8_t ioStandard) {
    AppendHsmcPinSets(conn, {{kHdmiRxI2cPins, ioStandard}, {kHdmiRxPins, IOSTD_2V5}});
}
