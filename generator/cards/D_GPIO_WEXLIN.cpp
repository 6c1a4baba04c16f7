// The LCD card: LCD_ colour bus, TOUCH_ controller and G_ sensor pins.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kWexlinPins[] = {
    {1, "G_SENSOR_INT1", DIRECTION_INPUT},
    {2, "G_SCL_SCLK", DIRECTION_OUTPUT},
    {3, "G_SENSOR_INT2", DIRECTION_INPUT},
    {4, "G_SDA_SDI_SDIO", DIRECTION_INOUT},
    {5, "TOUCH_DCLK", DIRECTION_OUTPUT},
    {6, "TOUCH_PENIRQ_n", DIRECTION_INPUT},
    {7, "TOUCH_DOUT", DIRECTION_INPUT},
    {8, "TOUCH_BUSY", DIRECTION_INPUT},
    {9, "TOUCH_DIN", DIRECTION_OUTPUT},
    {10, "TOUCH_CS_n", DIRECTION_OUTPUT},
    {15, "LCD_R[0]", DIRECTION_OUTPUT},
    {17, 18, "LCD_R", 2, 1, DIRECTION_OUTPUT},
    {19, 20, "LCD_R", 4, 3, DIRECTION_OUTPUT},
    {21, "DIM", DIRECTION_OUTPUT},
    {22, "LCD_R[5]", DIRECTION_OUTPUT},
    {23, "LCD_NCLK", DIRECTION_OUTPUT},
    {24, "G_ALT_ADDR", DIRECTION_OUTPUT},
    {25, "LCD_G[0]", DIRECTION_OUTPUT},
    {26, "G_CS_n", DIRECTION_OUTPUT},
    {27, 28, "LCD_G", 2, 1, DIRECTION_OUTPUT},
    {31, 32, "LCD_G", 4, 3, DIRECTION_OUTPUT},
    {33, "LCD_B[0]", DIRECTION_OUTPUT},
    {34, "LCD_G[5]", DIRECTION_OUTPUT},
    {35, 36, "LCD_B", 2, 1, DIRECTION_OUTPUT},
    {37, 38, "LCD_B", 4, 3, DIRECTION_OUTPUT},
    {39, "LCD_DEN", DIRECTION_OUTPUT},
    {40, "LCD_B[5]", DIRECTION_OUTPUT},
};
// clang-format on
static_assert(GpioRunsFit(kWexlinPins));

} // namespace

void FillCardWexlinPins(TConnector* conn, uint8_t ioStandard) {
    AppendGpioRuns(conn, kWexlinPins, ioStandard);
}
