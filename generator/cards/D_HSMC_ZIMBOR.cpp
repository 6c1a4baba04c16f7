// Image-sensor head-board adaptor; only the positive legs of its LVDS signals are named.

#include "CardTables.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// clang-format off
constexpr CardPin kZimborPins[] = {
    {42, "IMG_IN_FV", kIn},
    {43, "CK_FPGA_MCLK", kOut},
    {48, "IMG_IN_LV", kIn},
    {126, "IMG_DIN[0]", kIn},
    {120, "IMG_DIN[1]", kIn},
    {60, "IMG_DIN[2]", kIn},
    {54, "IMG_DIN[3]", kIn},
    {114, "IMG_DIN[4]", kIn},
    {108, "IMG_DIN[5]", kIn},
    {102, "IMG_DIN[6]", kIn},
    {90, "IMG_DIN[7]", kIn},
    {84, "IMG_DIN[8]", kIn},
    {78, "IMG_DIN[9]", kIn},
    {72, "IMG_DIN[10]", kIn},
    {66, "IMG_DIN[11]", kIn},
    {61, "SENSOR_RST", kOut},
    {67, "SHUTTER", kOut},
    {73, "DEMO2_I2C_SCL", kOut},
    {79, "DEMO2_I2C_SDA", kIo},
    {85, "BUF_HISPI_CLK0_EN", kOut},
    {91, "BUF_HISPI_DATA0_EN", kOut},
    {96, "CK_IMG_IN_PIXCLK", kIn},
    {103, "BUF_HISPI_DATA1_EN", kOut},
    {109, "BUF_HISPI_DATA2_EN", kOut},
    {115, "BUF_HISPI_DATA3_EN", kOut},
};
// clang-format on

// clang-format off
constexpr CardPin kZimborLvdsPins[] = {
    {132, "LVDS_DATA_p[0]", kIn},
    {150, "LVDS_DATA_p[1]", kIn},
    {138, "LVDS_DATA_p[2]", kIn},
    {144, "LVDS_DATA_p[3]", kIn},
    {156, "CK_LVDS_CLK0_p", kIn},
};
// clang-format on

} // namespace

void FillCardZimborPins(TConnector* conn) {
    AppendHsmcPinSets(conn, {{kZimborPins, IOSTD_2V5}, {kZimborLvdsPins, IOSTD_LVDS}});
}
