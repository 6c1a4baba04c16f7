// 8-inch LCD, touch and camera card, second version: the first one plus an accelerometer.

#include "CardTables.h"
#include "D_HSMC_HOVRIN.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// clang-format off
constexpr CardPin kHovrin2GsensorPins[] = {
    {41, "GSENSOR_INT1", kIn},
    {43, "GSENSOR_INT2", kIn},
    {49, "GSENSOR_CS_n", kIn},
    {53, "GSENSOR_ALT_ADDR", kIn},
    {55, "GSENSOR_SDA_SDI_SDIO", kIn},
    {57, "GSENSOR_SCL_SCLK", kIn},
};
// clang-format on

} // namespace

void FillCardHovrin2Pins(TConnector* conn) {
    AppendHsmcPinSets(conn, {{kHovrinPins, IOSTD_2V5}, {kHovrin2GsensorPins, IOSTD_2V5}});
}
