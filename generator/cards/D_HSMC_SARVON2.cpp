// Multi-touch LCD and MIPI camera card, second version.

#include "CardTables.h"
#include "D_HSMC_SARVON.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// clang-format off
constexpr CardPin kSarvon2Pins[] = {
    {41, "MIPI_I2C_SCL", kIo},
    {48, "MIPI_PIXEL_D[0]", kIn},
    {50, "MIPI_PIXEL_D[1]", kIn},
    {54, "MIPI_PIXEL_D[2]", kIn},
    {56, "MIPI_PIXEL_D[3]", kIn},
    {60, "MIPI_PIXEL_D[4]", kIn},
    {62, "MIPI_PIXEL_D[5]", kIn},
    {66, "MIPI_PIXEL_D[6]", kIn},
    {68, "MIPI_PIXEL_D[7]", kIn},
    {72, "MIPI_PIXEL_D[8]", kIn},
    {74, "MIPI_PIXEL_D[9]", kIn},
    {92, "MIPI_PIXEL_D[10]", kIn},
    {90, "MIPI_PIXEL_D[11]", kIn},
    {44, "MIPI_PIXEL_D[12]", kIn},
    {42, "MIPI_PIXEL_D[13]", kIn},
    {43, "MIPI_I2C_SDA", kIo},
    {47, "MIPI_RESET_n", kOut},
    {49, "MIPI_CS_n", kOut},
    {59, "CAMERA_I2C_SDA", kIo},
    {61, "MPU_CS_n", kOut},
    {65, "MPU_INT", kIn},
    {67, "MPU_FSYNC", kOut},
    {71, "MPU_AD0_SDO", kOut},
    {73, "MPU_SDA_SDI", kIo},
    {77, "MPU_SCL_SCLK", kIo},
    {78, "MIPI_PIXEL_VS", kIn},
    {79, "LCD_POWER_CTL", kOut},
    {80, "MIPI_PIXEL_HS", kIn},
    {95, "MIPI_REFCLK", kOut},
    {96, "MIPI_PIXEL_CLK", kIn},
    {97, "MIPI_MCLK", kOut},
    {115, "LSENSOR_SCL", kIo},
    {140, "CAMERA_I2C_SCL", kIo},
    {144, "CAMERA_PWDN_n", kOut},
    {152, "TOUCH_I2C_SCL", kIo},
};
// clang-format on

} // namespace

// Every pin is 2.5 V whatever standard the board asks for.
void FillCardSarvon2Pins(TConnector* conn, uint8_t /*ioStandard*/) {
    AppendHsmcPinSets(conn, {{kSarvonLcdPins, IOSTD_2V5}, {kSarvon2Pins, IOSTD_2V5}});
}
