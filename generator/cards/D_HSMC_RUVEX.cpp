// Industrial-communication card: RS-232, RS-485, CAN and parallel I/O ports.

#include "CardTables.h"
#include "HsmcLayoutB.h"

using namespace hsmcb;

namespace {

// The I2C pair takes the board's standard.
// clang-format off
constexpr CardPin kRuvexI2cPins[] = {
    {33, "RUVEX_SDA", kIo},
    {34, "RUVEX_SCL", kOut},
};
// clang-format on

// clang-format off
constexpr CardPin kRuvexPins[] = {
    {35, "HSMC_TCK", kIo},
    {36, "HSMC_TMS", kOut},
    {37, "HSMC_TDO", kIo},
    {38, "HSMC_TDI", kOut},
    {48, "GPIO_DATA[0]", kIo},
    {50, "GPIO_DATA[1]", kIo},
    {54, "GPIO_DATA[2]", kIo},
    {56, "GPIO_DATA[3]", kIo},
    {47, "GPIO_DATA[4]", kIo},
    {49, "GPIO_DATA[5]", kIo},
    {53, "GPIO_DATA[6]", kIo},
    {55, "GPIO_DATA[7]", kIo},
    {60, "GPIO_DATA[8]", kIo},
    {62, "GPIO_DATA[9]", kIo},
    {66, "GPIO_DATA[10]", kIo},
    {68, "GPIO_DATA[11]", kIo},
    {59, "GPIO_DATA[12]", kIo},
    {61, "GPIO_DATA[13]", kIo},
    {65, "GPIO_DATA[14]", kIo},
    {67, "GPIO_DATA[15]", kIo},
    {72, "GPIO_DATA[16]", kIo},
    {74, "GPIO_DATA[17]", kIo},
    {78, "GPIO_DATA[18]", kIo},
    {80, "GPIO_DATA[19]", kIo},
    {71, "GPIO_DATA[20]", kIo},
    {73, "GPIO_DATA[21]", kIo},
    {77, "GPIO_DATA[22]", kIo},
    {79, "GPIO_DATA[23]", kIo},
    {84, "GPIO_DATA[24]", kIo},
    {86, "GPIO_DATA[25]", kIo},
    {90, "GPIO_DATA[26]", kIo},
    {92, "GPIO_DATA[27]", kIo},
    {83, "GPIO_DATA[28]", kIo},
    {85, "GPIO_DATA[29]", kIo},
    {89, "GPIO_DATA[30]", kIo},
    {91, "GPIO_DATA[31]", kIo},
    {44, "GPIO_DATA[32]", kIo},
    {42, "GPIO_DATA[33]", kIo},
    {41, "GPIO_DATA[34]", kIo},
    {43, "GPIO_DATA[35]", kIo},
    {95, "RS232_RI", kOut},
    {96, "RS232_RTS", kIn},
    {97, "RS232_CTS", kOut},
    {98, "RS232_DTR", kIn},
    {101, "PIO1_DATA[0]", kIo},
    {103, "PIO1_DATA[1]", kIo},
    {107, "PIO1_DATA[2]", kIo},
    {109, "PIO1_DATA[3]", kIo},
    {102, "PIO0_DATA[0]", kIo},
    {104, "PIO0_DATA[1]", kIo},
    {108, "PIO0_DATA[2]", kIo},
    {110, "PIO0_DATA[3]", kIo},
    {113, "PIO3_DATA[0]", kIo},
    {115, "PIO3_DATA[1]", kIo},
    {119, "PIO3_DATA[2]", kIo},
    {121, "PIO3_DATA[3]", kIo},
    {114, "PIO2_DATA[0]", kIo},
    {116, "PIO2_DATA[1]", kIo},
    {120, "PIO2_DATA[2]", kIo},
    {122, "PIO2_DATA[3]", kIo},
    {125, "RS485_2_RXD", kIn},
    {126, "RS485_0_RXD", kIn},
    {127, "RS485_2_TXD", kOut},
    {128, "RS485_0_TXD", kOut},
    {131, "RS485_2_RTS", kOut},
    {132, "RS485_0_RTS", kOut},
    {133, "RS485_3_RXD", kIn},
    {134, "RS485_1_RXD", kIn},
    {137, "RS485_3_TXD", kOut},
    {138, "RS485_1_TXD", kOut},
    {139, "RS485_3_RTS", kOut},
    {140, "RS485_1_RTS", kOut},
    {143, "RS232_DSR", kOut},
    {144, "POWER_VALID", kOut},
    {145, "RS232_TXD", kOut},
    {146, "RS232_DCD", kOut},
    {149, "CAN1_T", kOut},
    {150, "CAN0_T", kOut},
    {151, "CAN1_R", kIn},
    {152, "CAN0_R", kIn},
    {156, "RS232_RXD", kIn},
};
// clang-format on

} // namespace

void FillCardRuvexPins(TConnector* conn, uint8_t ioStandard) {
    AppendHsmcPinSets(conn, {{kRuvexI2cPins, ioStandard}, {kRuvexPins, IOSTD_2V5}});
}
