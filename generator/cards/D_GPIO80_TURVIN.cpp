// The ADC/DAC card in its GPIO version: both 2x20 headers used as one 80-position
// connector. Power and ground of both headers and positions 39 and 63 stay empty.
#include "cards/CardRow.h"
#include "cards/CardTables.h"

namespace {

constexpr int kSlots = 80;

// clang-format off
constexpr CardPin kTurvinGpio[] = {
    {1, "ADC_OTR_A", DIRECTION_INPUT},
    {2, "ADC_DB[0]", DIRECTION_INPUT},
    {3, "ADC_OTR_B", DIRECTION_INPUT},
    {4, "ADC_DB[1]", DIRECTION_INPUT},
    {5, "ADC_DB[2]", DIRECTION_INPUT},
    {6, "ADC_DB[4]", DIRECTION_INPUT},
    {7, "ADC_DB[3]", DIRECTION_INPUT},
    {8, "ADC_DB[5]", DIRECTION_INPUT},
    {9, "ADC_DB[6]", DIRECTION_INPUT},
    {10, "ADC_DB[8]", DIRECTION_INPUT},
    {13, "ADC_DB[7]", DIRECTION_INPUT},
    {14, "ADC_DB[9]", DIRECTION_INPUT},
    {15, "ADC_DB[10]", DIRECTION_INPUT},
    {16, "ADC_DB[12]", DIRECTION_INPUT},
    {17, "ADC_DB[11]", DIRECTION_INPUT},
    {18, "ADC_DB[13]", DIRECTION_INPUT},
    {19, "ADC_CLK_A", DIRECTION_OUTPUT},
    {20, "ADC_DA[0]", DIRECTION_INPUT},
    {21, "ADC_CLK_B", DIRECTION_OUTPUT},
    {22, "ADC_DA[1]", DIRECTION_INPUT},
    {23, "ADC_DA[2]", DIRECTION_INPUT},
    {24, "ADC_DA[4]", DIRECTION_INPUT},
    {25, "ADC_DA[3]", DIRECTION_INPUT},
    {26, "ADC_DA[5]", DIRECTION_INPUT},
    {27, "ADC_DA[6]", DIRECTION_INPUT},
    {28, "ADC_DA[8]", DIRECTION_INPUT},
    {31, "ADC_DA[7]", DIRECTION_INPUT},
    {32, "ADC_DA[9]", DIRECTION_INPUT},
    {33, "ADC_DA[10]", DIRECTION_INPUT},
    {34, "ADC_DA[12]", DIRECTION_INPUT},
    {35, "ADC_DA[11]", DIRECTION_INPUT},
    {36, "ADC_DA[13]", DIRECTION_INPUT},
    {37, "POWER_ON", DIRECTION_OUTPUT},
    {38, "ADC_OEB_B", DIRECTION_OUTPUT},
    {40, "ADC_OEB_A", DIRECTION_OUTPUT},
    {41, "SMA_DAC4", DIRECTION_INPUT},
    {42, "DAC_DA[13]", DIRECTION_OUTPUT},
    {43, "OSC_SMA_ADC4", DIRECTION_INPUT},
    {44, "DAC_DA[12]", DIRECTION_OUTPUT},
    {45, "DAC_DA[11]", DIRECTION_OUTPUT},
    {46, "DAC_DA[9]", DIRECTION_OUTPUT},
    {47, "DAC_DA[10]", DIRECTION_OUTPUT},
    {48, "DAC_DA[8]", DIRECTION_OUTPUT},
    {49, "DAC_DA[7]", DIRECTION_OUTPUT},
    {50, "DAC_DA[5]", DIRECTION_OUTPUT},
    {53, "DAC_DA[6]", DIRECTION_OUTPUT},
    {54, "DAC_DA[4]", DIRECTION_OUTPUT},
    {55, "DAC_DA[3]", DIRECTION_OUTPUT},
    {56, "DAC_DA[1]", DIRECTION_OUTPUT},
    {57, "DAC_DA[2]", DIRECTION_OUTPUT},
    {58, "DAC_DA[0]", DIRECTION_OUTPUT},
    {59, "DAC_CLK_A", DIRECTION_OUTPUT},
    {60, "DAC_WRT_A", DIRECTION_OUTPUT},
    {61, "DAC_CLK_B", DIRECTION_OUTPUT},
    {62, "DAC_DB[13]", DIRECTION_OUTPUT},
    {64, "DAC_DB[12]", DIRECTION_OUTPUT},
    {65, "DAC_DB[11]", DIRECTION_OUTPUT},
    {66, "DAC_DB[9]", DIRECTION_OUTPUT},
    {67, "DAC_DB[10]", DIRECTION_OUTPUT},
    {68, "DAC_DB[8]", DIRECTION_OUTPUT},
    {71, "DAC_DB[5]", DIRECTION_OUTPUT},
    {72, "DAC_DB[7]", DIRECTION_OUTPUT},
    {73, "DAC_DB[4]", DIRECTION_OUTPUT},
    {74, "DAC_DB[6]", DIRECTION_OUTPUT},
    {75, "DAC_DB[1]", DIRECTION_OUTPUT},
    {76, "DAC_DB[3]", DIRECTION_OUTPUT},
    {77, "DAC_DB[0]", DIRECTION_OUTPUT},
    {78, "DAC_DB[2]", DIRECTION_OUTPUT},
    {79, "DAC_WRT_B", DIRECTION_OUTPUT},
    {80, "DAC_MODE", DIRECTION_OUTPUT},
};
// clang-format on

} // namespace

void FillCardTurvinGpioPins(TConnector* conn, uint8_t ioStandard) {
    AppendCardPins(conn, kTurvinGpio, kSlots, ioStandard);
}
