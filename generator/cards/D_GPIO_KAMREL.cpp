// The 5-megapixel camera card.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr CardPin kKamrelPins[] = {
    {1, "KAMREL_PIXCLK", DIRECTION_INPUT},
    {2, "KAMREL_D[11]", DIRECTION_INPUT},
    {4, "KAMREL_D[10]", DIRECTION_INPUT},
    {5, "KAMREL_D[9]", DIRECTION_INPUT},
    {6, "KAMREL_D[8]", DIRECTION_INPUT},
    {7, "KAMREL_D[7]", DIRECTION_INPUT},
    {8, "KAMREL_D[6]", DIRECTION_INPUT},
    {9, "KAMREL_D[5]", DIRECTION_INPUT},
    {10, "KAMREL_D[4]", DIRECTION_INPUT},
    {13, "KAMREL_D[3]", DIRECTION_INPUT},
    {14, "KAMREL_D[2]", DIRECTION_INPUT},
    {15, "KAMREL_D[1]", DIRECTION_INPUT},
    {16, "KAMREL_D[0]", DIRECTION_INPUT},
    {19, "KAMREL_XCLKIN", DIRECTION_OUTPUT},
    {20, "KAMREL_RESET_N", DIRECTION_OUTPUT},
    {22, "KAMREL_TRIGGER", DIRECTION_OUTPUT},
    {23, "KAMREL_STROBE", DIRECTION_INPUT},
    {24, "KAMREL_LVAL", DIRECTION_INPUT},
    {25, "KAMREL_FVAL", DIRECTION_INPUT},
    {26, "KAMREL_SDATA", DIRECTION_INOUT},
    {27, "KAMREL_SCLK", DIRECTION_OUTPUT},
};
// clang-format on

} // namespace

void FillCardKamrelPins(TConnector* conn, uint8_t ioStandard) {
    AppendCardPins(conn, kKamrelPins, GPIO_PIN_NUM, ioStandard);
}
