// Motor, ADC, infrared, buzzer and LED pins and two interleaved 8-bit MOXEN buses.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kTrelbyPins[] = {
    {5, "MTRR_N", DIRECTION_OUTPUT},
    {6, "MTRR_P", DIRECTION_OUTPUT},
    {7, "MTRL_P", DIRECTION_OUTPUT},
    {8, "MTRL_N", DIRECTION_OUTPUT},
    {9, "MTR_Sleep_n", DIRECTION_OUTPUT},
    {10, "MTR_Fault_n", DIRECTION_INPUT},
    {13, "LTC_ADC_CONVST", DIRECTION_OUTPUT},
    {14, "LTC_ADC_SCK", DIRECTION_OUTPUT},
    {15, "LTC_ADC_SDO", DIRECTION_INPUT},
    {16, "LTC_ADC_SDI", DIRECTION_OUTPUT},
    {17, "IR_RXD", DIRECTION_INPUT},
    {18, "BUZZER_OUT", DIRECTION_OUTPUT},
    {19, "LED_LEFT", DIRECTION_OUTPUT},
    {20, "LED_RIGHT", DIRECTION_OUTPUT},
    {21, "MOXEN0[0]", DIRECTION_INOUT},
    {22, "MOXEN0[4]", DIRECTION_INOUT},
    {23, "MOXEN0[1]", DIRECTION_INOUT},
    {24, "MOXEN0[5]", DIRECTION_INOUT},
    {25, "MOXEN0[2]", DIRECTION_INOUT},
    {26, "MOXEN0[6]", DIRECTION_INOUT},
    {27, "MOXEN0[3]", DIRECTION_INOUT},
    {28, "MOXEN0[7]", DIRECTION_INOUT},
    {31, "MOXEN1[0]", DIRECTION_INOUT},
    {32, "MOXEN1[4]", DIRECTION_INOUT},
    {33, "MOXEN1[1]", DIRECTION_INOUT},
    {34, "MOXEN1[5]", DIRECTION_INOUT},
    {35, "MOXEN1[2]", DIRECTION_INOUT},
    {36, "MOXEN1[6]", DIRECTION_INOUT},
    {37, "MOXEN1[3]", DIRECTION_INOUT},
    {38, "MOXEN1[7]", DIRECTION_INOUT},
    {39, "IR_LED_ON", DIRECTION_OUTPUT},
    {40, "VCC3P3_PWRON_n", DIRECTION_OUTPUT},
};
// clang-format on
static_assert(GpioRunsFit(kTrelbyPins));

} // namespace

void FillCardTrelbyPins(TConnector* conn) {
    AppendGpioRuns(conn, kTrelbyPins, IOSTD_3V3_LVTTL);
}
