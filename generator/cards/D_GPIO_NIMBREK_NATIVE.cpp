// The high-speed USB card in its native mode: the four 8-bit buses alternate between odd
// and even positions. Positions 11 and 12 carry pins although headers have power there;
// stored projects hold this layout, so it stays.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr CardPin kNimbrekNativePins[] = {
    {1, "ADBUS[0]", DIRECTION_INOUT},
    {2, "BDBUS[2]", DIRECTION_INOUT},
    {3, "ADBUS[1]", DIRECTION_INOUT},
    {4, "BDBUS[3]", DIRECTION_INOUT},
    {5, "ADBUS[2]", DIRECTION_INOUT},
    {6, "BDBUS[4]", DIRECTION_INOUT},
    {7, "ADBUS[3]", DIRECTION_INOUT},
    {8, "BDBUS[5]", DIRECTION_INOUT},
    {9, "ADBUS[4]", DIRECTION_INOUT},
    {10, "BDBUS[6]", DIRECTION_INOUT},
    {11, "ADBUS[5]", DIRECTION_INOUT},
    {12, "BDBUS[7]", DIRECTION_INOUT},
    {15, "ADBUS[6]", DIRECTION_INOUT},
    {16, "BCBUS[0]", DIRECTION_INOUT},
    {17, "ADBUS[7]", DIRECTION_INOUT},
    {18, "BCBUS[1]", DIRECTION_INOUT},
    {19, "ACBUS[0]", DIRECTION_INOUT},
    {20, "BCBUS[2]", DIRECTION_INOUT},
    {21, "ACBUS[1]", DIRECTION_INOUT},
    {22, "BCBUS[3]", DIRECTION_INOUT},
    {23, "ACBUS[2]", DIRECTION_INOUT},
    {24, "BCBUS[4]", DIRECTION_INOUT},
    {25, "ACBUS[3]", DIRECTION_INOUT},
    {26, "BCBUS[5]", DIRECTION_INOUT},
    {27, "ACBUS[4]", DIRECTION_INOUT},
    {28, "BCBUS[6]", DIRECTION_INOUT},
    {31, "ACBUS[5]", DIRECTION_INOUT},
    {32, "BCBUS[7]", DIRECTION_INOUT},
    {33, "ACBUS[6]", DIRECTION_INOUT},
    {34, "PWREN_n", DIRECTION_INPUT},
    {35, "ACBUS[7]", DIRECTION_INOUT},
    {36, "SUSPEND_n", DIRECTION_INPUT},
    {37, "BDBUS[0]", DIRECTION_INOUT},
    {38, "RESET_n", DIRECTION_OUTPUT},
    {39, "BDBUS[1]", DIRECTION_INOUT},
};
// clang-format on

} // namespace

void FillCardNimbrekNativePins(TConnector* conn, uint8_t ioStandard) {
    AppendCardPins(conn, kNimbrekNativePins, GPIO_PIN_NUM, ioStandard);
}
