// The LCD card: RGB bus, sync and touch-controller pins; its second version keeps this pin-out.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kDrovikPins[] = {
    {2, "DROVIK_DCLK", DIRECTION_OUTPUT},
    {4, 10, "DROVIK_R", 0, 6, DIRECTION_OUTPUT},
    {13, "DROVIK_R[7]", DIRECTION_OUTPUT},
    {14, 18, "DROVIK_G", 0, 4, DIRECTION_OUTPUT},
    {21, 22, "DROVIK_G", 5, 6, DIRECTION_OUTPUT},
    {23, "DROVIK_B[0]", DIRECTION_OUTPUT},
    {24, "DROVIK_G[7]", DIRECTION_OUTPUT},
    {25, 28, "DROVIK_B", 1, 4, DIRECTION_OUTPUT},
    {31, 33, "DROVIK_B", 5, 7, DIRECTION_OUTPUT},
    {35, "DROVIK_HSD", DIRECTION_OUTPUT},
    {36, "DROVIK_VSD", DIRECTION_OUTPUT},
    {37, "DROVIK_TOUCH_I2C_SCL", DIRECTION_OUTPUT},
    {38, "DROVIK_TOUCH_I2C_SDA", DIRECTION_INOUT},
    {39, "DROVIK_TOUCH_INT_n", DIRECTION_INPUT},
};
// clang-format on
static_assert(GpioRunsFit(kDrovikPins));

} // namespace

void FillCardDrovikPins(TConnector* conn, uint8_t ioStandard) {
    AppendGpioRuns(conn, kDrovikPins, ioStandard);
}

void FillCardDrovik2Pins(TConnector* conn, uint8_t ioStandard) {
    AppendGpioRuns(conn, kDrovikPins, ioStandard);
}
