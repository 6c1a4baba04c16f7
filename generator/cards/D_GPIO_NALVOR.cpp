// Motion-sensor, compass, motor and infrared pins and one interleaved 8-bit MOXEN bus.

#include "cards/CardTables.h"
#include "cards/GpioHeaderCard.h"

namespace {

// clang-format off
constexpr GpioRun kNalvorPins[] = {
    {1, "MPU_INT", DIRECTION_INPUT},
    {2, "CMP_DRDY", DIRECTION_INPUT},
    {5, "MTRR_N", DIRECTION_OUTPUT},
    {6, "MTRR_P", DIRECTION_OUTPUT},
    {7, "MTRL_P", DIRECTION_OUTPUT},
    {8, "MTRL_N", DIRECTION_OUTPUT},
    {9, "MTR_Sleep_n", DIRECTION_OUTPUT},
    {10, "MTR_Fault_n", DIRECTION_INPUT},
    {13, "MTRR_A", DIRECTION_INPUT},
    {14, "MTRR_B", DIRECTION_INPUT},
    {15, "MTRL_A", DIRECTION_INPUT},
    {16, "MTRL_B", DIRECTION_INPUT},
    {17, "MPU_CS_n", DIRECTION_OUTPUT},
    {18, "CMP_CS_n", DIRECTION_OUTPUT},
    {19, "MPU_SCL_SCLK", DIRECTION_INOUT},
    {20, "MPU_SDA_SDI", DIRECTION_INOUT},
    {21, "MPU_AD0_SDO", DIRECTION_OUTPUT},
    {22, "MPU_FSYNC", DIRECTION_OUTPUT},
    {23, "IR_RXD", DIRECTION_INPUT},
    {33, "MOXEN[0]", DIRECTION_INOUT},
    {34, "MOXEN[4]", DIRECTION_INOUT},
    {35, "MOXEN[1]", DIRECTION_INOUT},
    {36, "MOXEN[5]", DIRECTION_INOUT},
    {37, "MOXEN[2]", DIRECTION_INOUT},
    {38, "MOXEN[6]", DIRECTION_INOUT},
    {39, "MOXEN[3]", DIRECTION_INOUT},
    {40, "MOXEN[7]", DIRECTION_INOUT},
};
// clang-format on
static_assert(GpioRunsFit(kNalvorPins));

} // namespace

void FillCardNalvorPins(TConnector* conn) {
    AppendGpioRuns(conn, kNalvorPins, IOSTD_3V3_LVTTL);
}
