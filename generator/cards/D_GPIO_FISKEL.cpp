// The MIPI camera card on a GPIO header.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kFiskelGpioPins[] = {
    {1, "MIPI_PIXEL_CLK", DIRECTION_INPUT},
    {4, 10, "MIPI_PIXEL_D", 0, 6, DIRECTION_INPUT},
    {13, 15, "MIPI_PIXEL_D", 7, 9, DIRECTION_INPUT},
    {21, "MIPI_REFCLK", DIRECTION_OUTPUT},
    {23, "MIPI_PIXEL_VS", DIRECTION_INPUT},
    {25, "MIPI_PIXEL_HS", DIRECTION_INPUT},
    {26, "MIPI_CS_n", DIRECTION_OUTPUT},
    {27, "MIPI_RESET_n", DIRECTION_OUTPUT},
    {28, "CAMERA_PWDN_n", DIRECTION_OUTPUT},
    {31, "CAMERA_I2C_SCL", DIRECTION_INOUT},
    {32, "CAMERA_I2C_SDA", DIRECTION_INOUT},
    {33, "MIPI_MCLK", DIRECTION_OUTPUT},
    {35, "MIPI_I2C_SCL", DIRECTION_INOUT},
    {36, "MIPI_I2C_SDA", DIRECTION_INOUT},
};
// clang-format on
static_assert(GpioRunsFit(kFiskelGpioPins));

} // namespace

void FillCardFiskelGpioPins(TConnector* conn, uint8_t ioStandard) {
    AppendGpioRuns(conn, kFiskelGpioPins, ioStandard);
}
