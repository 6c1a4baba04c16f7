// PMW[0..23] motor outputs and the SOC_/SYS_ power-management lines.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kEbbranPins[] = {
    {1, 10, "PMW", 0, 9, DIRECTION_INOUT},
    {13, 26, "PMW", 10, 23, DIRECTION_INOUT},
    {31, "SOC_PM_I2C_SDA", DIRECTION_INOUT},
    {32, "SOC_PM_I2C_SCL", DIRECTION_INOUT},
    {33, "SYS_PM_ALERT", DIRECTION_INPUT},
    {35, "MR_PM_ALERT", DIRECTION_INPUT},
    {37, "SOC_SYS_PDN_n", DIRECTION_OUTPUT},
    {38, "SOC_WARN_LED", DIRECTION_OUTPUT},
};
// clang-format on
static_assert(GpioRunsFit(kEbbranPins));

} // namespace

void FillCardEbbranPins(TConnector* conn) {
    AppendGpioRuns(conn, kEbbranPins, IOSTD_3V3_LVTTL);
}
