// The LCD card with its touch ADC and a 16-bit parallel bus PEMRITH_D.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kPemrithPins[] = {
    {1, "PEMRITH_ADC_PENIRQ_N", DIRECTION_INPUT},
    {2, "PEMRITH_ADC_DOUT", DIRECTION_INPUT},
    {3, "PEMRITH_ADC_BUSY", DIRECTION_INPUT},
    {4, "PEMRITH_ADC_DIN", DIRECTION_OUTPUT},
    {5, "PEMRITH_ADC_DCLK", DIRECTION_OUTPUT},
    {6, 9, "PEMRITH_D", 3, 0, DIRECTION_OUTPUT},
    {13, "PEMRITH_RD_N", DIRECTION_OUTPUT},
    {14, "PEMRITH_WR_N", DIRECTION_OUTPUT},
    {15, "PEMRITH_RS", DIRECTION_OUTPUT},
    {16, 27, "PEMRITH_D", 4, 15, DIRECTION_OUTPUT},
    {28, "PEMRITH_CS_N", DIRECTION_OUTPUT},
    {38, "PEMRITH_RESET_N", DIRECTION_OUTPUT},
    {39, "PEMRITH_ADC_CS_N", DIRECTION_OUTPUT},
    {40, "PEMRITH_LCD_ON", DIRECTION_OUTPUT},
};
// clang-format on
static_assert(GpioRunsFit(kPemrithPins));

} // namespace

void FillCardPemrithPins(TConnector* conn) {
    AppendGpioRuns(conn, kPemrithPins, IOSTD_3V3_LVTTL);
}
