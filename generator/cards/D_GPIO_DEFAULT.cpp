// The generic GPIO card: per-position names on the oldest boards, a counted bus elsewhere.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

#include <string>

namespace {

// Naming style 0, the older boards' names.
// clang-format off
constexpr CardPin kStyle0Pins[] = {
    {1, "GPIO_CLKIN[0]", DIRECTION_INPUT},
    {2, "GPIO_D[0]", DIRECTION_INOUT},
    {3, "GPIO_CLKIN[1]", DIRECTION_INPUT},
    {4, "GPIO_D[1]", DIRECTION_INOUT},
    {5, "GPIO_D[2]", DIRECTION_INOUT},
    {6, "GPIO_D[3]", DIRECTION_INOUT},
    {7, "GPIO_D[4]", DIRECTION_INOUT},
    {8, "GPIO_D[5]", DIRECTION_INOUT},
    {9, "GPIO_D[6]", DIRECTION_INOUT},
    {10, "GPIO_D[7]", DIRECTION_INOUT},
    {13, "GPIO_D[8]", DIRECTION_INOUT},
    {14, "GPIO_D[9]", DIRECTION_INOUT},
    {15, "GPIO_D[10]", DIRECTION_INOUT},
    {16, "GPIO_D[11]", DIRECTION_INOUT},
    {17, "GPIO_D[12]", DIRECTION_INOUT},
    {18, "GPIO_D[13]", DIRECTION_INOUT},
    {19, "GPIO_CLKOUT[0]", DIRECTION_OUTPUT},
    {20, "GPIO_D[14]", DIRECTION_INOUT},
    {21, "GPIO_CLKOUT[1]", DIRECTION_OUTPUT},
    {22, "GPIO_D[15]", DIRECTION_INOUT},
    {23, "GPIO_D[16]", DIRECTION_INOUT},
    {24, "GPIO_D[17]", DIRECTION_INOUT},
    {25, "GPIO_D[18]", DIRECTION_INOUT},
    {26, "GPIO_D[19]", DIRECTION_INOUT},
    {27, "GPIO_D[20]", DIRECTION_INOUT},
    {28, "GPIO_D[21]", DIRECTION_INOUT},
    {31, "GPIO_D[22]", DIRECTION_INOUT},
    {32, "GPIO_D[23]", DIRECTION_INOUT},
    {33, "GPIO_D[24]", DIRECTION_INOUT},
    {34, "GPIO_D[25]", DIRECTION_INOUT},
    {35, "GPIO_D[26]", DIRECTION_INOUT},
    {36, "GPIO_D[27]", DIRECTION_INOUT},
    {37, "GPIO_D[28]", DIRECTION_INOUT},
    {38, "GPIO_D[29]", DIRECTION_INOUT},
    {39, "GPIO_D[30]", DIRECTION_INOUT},
    {40, "GPIO_D[31]", DIRECTION_INOUT},
};
// clang-format on

bool IsPowerPosition(int position) {
    return position == 11 || position == 12 || position == 29 || position == 30;
}

// "<base>[0]" .. "<base>[35]", inout, counted over the positions that carry a signal.
void AppendCountedPins(TConnector* conn, const std::string& base, uint8_t ioStandard) {
    int counter = 0;
    AppendSlots(conn, GPIO_PIN_NUM, [&](int position) -> TPin* {
        if (IsPowerPosition(position))
            return nullptr;
        const std::string name = base + "[" + std::to_string(counter++) + "]";
        return new TPin(name.c_str(), DIRECTION_INOUT, ioStandard, position, 0);
    });
}

} // namespace

void FillCardGpioDefaultPins(TConnector* conn, uint8_t namingStyle, uint8_t ioStandard) {
    if (namingStyle == 0)
        AppendCardPins(conn, kStyle0Pins, GPIO_PIN_NUM, ioStandard);
    else
        AppendCountedPins(conn, "GPIO", ioStandard);
}

void FillCardGpioNamedPins(TConnector* conn, const char* baseName, uint8_t ioStandard) {
    AppendCountedPins(conn, baseName, ioStandard);
}
