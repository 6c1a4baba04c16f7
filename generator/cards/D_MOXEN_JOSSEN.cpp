// The Bluetooth serial module on the Moxen header. UART names are the module's own:
// the FPGA drives its RX and CTS and reads its TX and RTS.
#include "cards/CardRow.h"
#include "cards/CardTables.h"

namespace {

constexpr int kSlots = 8;

// clang-format off
constexpr CardPin kJossen[] = {
    {1, "JOSSEN_UART_RX", DIRECTION_OUTPUT},
    {2, "JOSSEN_UART_TX", DIRECTION_INPUT},
    {3, "JOSSEN_UART_RTS", DIRECTION_INPUT},
    {4, "JOSSEN_UART_CTS", DIRECTION_OUTPUT},
    {5, "JOSSEN_PIO2_STATUS", DIRECTION_INPUT},
    {6, "JOSSEN_RESET_N", DIRECTION_OUTPUT},
    {7, "JOSSEN_GPIO9", DIRECTION_INOUT},
    {8, "JOSSEN_GPIO10", DIRECTION_INOUT},
};
// clang-format on

} // namespace

void FillCardJossenPins(TConnector* conn) {
    AppendCardPins(conn, kJossen, kSlots, IOSTD_3V3_LVTTL);
}
