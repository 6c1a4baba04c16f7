// Multi-touch LCD and camera card.

#include "D_HSMC_SARVON.h"
#include "CardTables.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// clang-format off
constexpr CardPin kSarvonPins[] = {
    {41, "CAMERA_SCLK", kIn},
    {43, "CAMERA_SDATA", kIo},
    {47, "CAMERA_FVAL", kIn},
    {48, "CAMERA_D[0]", kIn},
    {50, "CAMERA_D[1]", kIn},
    {54, "CAMERA_D[2]", kIn},
    {56, "CAMERA_D[3]", kIn},
    {60, "CAMERA_D[4]", kIn},
    {62, "CAMERA_D[5]", kIn},
    {66, "CAMERA_D[6]", kIn},
    {68, "CAMERA_D[7]", kIn},
    {72, "CAMERA_D[8]", kIn},
    {74, "CAMERA_D[9]", kIn},
    {78, "CAMERA_D[10]", kIn},
    {80, "CAMERA_D[11]", kIn},
    {49, "CAMERA_LVAL", kIn},
    {53, "CAMERA_STROBE", kIn},
    {55, "CAMERA_TRIGGER", kOut},
    {59, "CAMERA_RESET_n", kOut},
    {61, "GSENSOR_CS_n", kOut},
    {65, "GSENSOR_INT1", kIn},
    {67, "GSENSOR_INT2", kIn},
    {71, "GSENSOR_ALT_ADDR", kOut},
    {73, "GSENSOR_SDA_SDI_SDIO", kIo},
    {77, "GSENSOR_SCL_SCLK", kOut},
    {90, "LCD_POWER_CTL", kOut},
    {95, "CAMERA_XCLKIN", kOut},
    {96, "CAMERA_PIXCLK", kIn},
    {115, "LSENSOR_SCL", kOut},
    {152, "TOUCH_I2C_SCL", kOut},
};
// clang-format on

} // namespace

void FillCardSarvonPins(TConnector* conn) {
    AppendHsmcPinSets(conn, {{kSarvonLcdPins, IOSTD_2V5}, {kSarvonPins, IOSTD_2V5}});
}
