// The sensor card: beeper, G_/L_/TEMP_ sensor pins and their I2C lines.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kMordlePins[] = {
    {6, "BEEP_OUT", DIRECTION_OUTPUT},
    {15, "SCL_A_OUT", DIRECTION_OUTPUT},
    {16, "SDA_A_OUT", DIRECTION_INOUT},
    {17, "INT1_A_OUT", DIRECTION_INPUT},
    {18, "INT2_A_OUT", DIRECTION_INPUT},
    {19, "G_INT2", DIRECTION_INPUT},
    {20, "G_INT1", DIRECTION_INPUT},
    {21, "G_SDA_SDI_SDIO", DIRECTION_INOUT},
    {22, "G_SDO_ALT_ADDRESS", DIRECTION_OUTPUT},
    {23, "SCL_M_OUT", DIRECTION_OUTPUT},
    {24, "SDA_M_OUT", DIRECTION_INOUT},
    {25, "DRDY_M_OUT", DIRECTION_OUTPUT},
    {26, "G_SCL_SCLK", DIRECTION_OUTPUT},
    {27, "G_CS_n", DIRECTION_OUTPUT},
    {28, "L_INT", DIRECTION_INPUT},
    {31, "L_SDA", DIRECTION_INOUT},
    {32, "L_SCL", DIRECTION_OUTPUT},
    {34, "L_ADDR_SEL", DIRECTION_OUTPUT},
    {35, "TEMP_OS", DIRECTION_INPUT},
    {37, "TEMP_SCL", DIRECTION_OUTPUT},
    {39, "TEMP_SDA", DIRECTION_INOUT},
};
// clang-format on
static_assert(GpioRunsFit(kMordlePins));

} // namespace

void FillCardMordlePins(TConnector* conn) {
    AppendGpioRuns(conn, kMordlePins, IOSTD_3V3_LVTTL);
}
