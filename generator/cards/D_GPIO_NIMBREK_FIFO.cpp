// The high-speed USB card in its FIFO mode.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr CardPin kNimbrekFifoPins[] = {
    {1, "USB_FIFO_D[0]", DIRECTION_INOUT},
    {3, "USB_FIFO_D[1]", DIRECTION_INOUT},
    {5, "USB_FIFO_D[2]", DIRECTION_INOUT},
    {7, "USB_FIFO_D[3]", DIRECTION_INOUT},
    {9, "USB_FIFO_D[4]", DIRECTION_INOUT},
    {13, "USB_FIFO_D[5]", DIRECTION_INOUT},
    {15, "USB_FIFO_D[6]", DIRECTION_INOUT},
    {17, "USB_FIFO_D[7]", DIRECTION_INOUT},
    {19, "USB_FIFO_RXF_n", DIRECTION_INPUT},
    {21, "USB_FIFO_TXE_n", DIRECTION_INPUT},
    {23, "USB_FIFO_RD_n", DIRECTION_OUTPUT},
    {25, "USB_FIFO_WR_n", DIRECTION_OUTPUT},
    {27, "USB_FIFO_SIWU_n", DIRECTION_OUTPUT},
    {31, "USB_FIFO_CLKOUT", DIRECTION_INPUT},
    {32, "USB_FIFO_PWRSAV_n", DIRECTION_OUTPUT},
    {33, "USB_FIFO_OE_n", DIRECTION_OUTPUT},
    {34, "USB_FIFO_PWREN_n", DIRECTION_INPUT},
    {36, "USB_FIFO_SUSPEND_n", DIRECTION_INPUT},
    {38, "USB_FIFO_RESET_n", DIRECTION_OUTPUT},
};
// clang-format on

} // namespace

void FillCardNimbrekFifoPins(TConnector* conn, uint8_t ioStandard) {
    AppendCardPins(conn, kNimbrekFifoPins, GPIO_PIN_NUM, ioStandard);
}
