#include "CONFIG_JORREL.h"

#include "JorrelText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = JORREL_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_JORREL",
                                   "Config.BoardId == MAINBOARD_JORREL",
                                   20,
                                   "Config.Size == sizeof(JORREL_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone IV E", "EP4CE22F17C6", 256, "FBGA", nullptr, 6};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "R8", LVTTL, 20},
};
constexpr PinRow kLed[] = {
    {"LED", "A15 A13 B13 A11 D1 F3 B1 L3", OUT, LVTTL, 8, 0, {"nNum == 8", 49}},
};
constexpr PinRow kKey[] = {
    {"KEY", "J15 E1", IN, LVTTL, 2, 0, {"nNum == 2", 64}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "M1 T8 B9 M15", IN, LVTTL, 4},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "M7", OUT, LVTTL},
    {"DRAM_BA[1]", "M6", OUT, LVTTL},
    {"DRAM_DQM[0]", "R6", OUT, LVTTL},
    {"DRAM_DQM[1]", "T5", OUT, LVTTL},
    {"DRAM_RAS_N", "L2", OUT, LVTTL},
    {"DRAM_CAS_N", "L1", OUT, LVTTL},
    {"DRAM_CKE", "L7", OUT, LVTTL},
    {"DRAM_CLK", "R4", OUT, LVTTL},
    {"DRAM_WE_N", "C2", OUT, LVTTL},
    {"DRAM_CS_N", "P6", OUT, LVTTL},
    {"DRAM_DQ", "G2 G1 L8 K5 K2 J2 J1 R7 T4 T2 T3 R3 R5 P3 N3 K1", IO, LVTTL, 16, 0, {"nNum == 16", 109}},
    {"DRAM_ADDR", "P2 N5 N6 M8 P8 T7 N8 T6 R1 P1 N2 N1 L4", OUT, LVTTL, 13, 0, {"nNum == 13", 116}},
};
constexpr PinRow kEpcs[] = {
    {"EPCS_DATA0", "H2", IN, LVTTL},
    {"EPCS_DCLK", "H1", OUT, LVTTL},
    {"EPCS_NCSO", "D2", OUT, LVTTL},
    {"EPCS_ASDO", "C1", OUT, LVTTL},
};
// The accelerometer and the EEPROM share the I2C pair.
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "F2", OUT, LVTTL},
    {"I2C_SDAT", "F1", IO, LVTTL},
};
constexpr PinRow kAccelerometer[] = {
    {"G_SENSOR_CS_N", "G5", OUT, LVTTL},
    {"G_SENSOR_INT", "M2", IN, LVTTL},
};
constexpr PinRow kAdc[] = {
    {"ADC_CS_N", "A10", OUT, LVTTL},
    {"ADC_SADDR", "B10", OUT, LVTTL},
    {"ADC_SCLK", "B14", OUT, LVTTL},
    {"ADC_SDAT", "A9", IN, LVTTL},
};
constexpr PinRow kHeader[] = {
    {"GPIO_2", "A14 B16 C14 C16 C15 D16 D15 D14 F15 F16 F14 G16 G15", IO, LVTTL, 13, 0, {"nNum == 13", 182}},
    {"GPIO_2_IN", "E15 E16 M16", IN, LVTTL, 3, 0, {"nNum == 3", 189}},
};
// The header's positions 1 and 3 are inputs whatever the card says.
constexpr kit::PositionOverride kGpioInputs[] = {
    {1, IN, IOSTD_BY_DAUGHTER},
    {3, IN, IOSTD_BY_DAUGHTER},
};
constexpr LocationRun kGpio0Locations[] = {
    {1, "A8 D3 B8 C3"},
    {5, kit::UNPLACED, 39},
    {40, "B12"},
};
constexpr LocationRun kGpio1Locations[] = {
    {1, "T9 F13 R9 T15"},
    {5, kit::UNPLACED, 39},
    {40, "J14"},
};
constexpr kit::MaskedMasterRow kGpioMasters[] = {
    {"GPIO_0", "GPIO_0 connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0, &kit::kGpio40Mask, kGpio0Locations, {"nNum == GPIO_PIN_NUM", 225}, kGpioInputs},
    {"GPIO_1", "GPIO_1 connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_1, &kit::kGpio40Mask, kGpio1Locations, {"nNum == GPIO_PIN_NUM", 225}, kGpioInputs},
};
// clang-format on

} // namespace

void ConfigJorrelPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeJorrelText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_JORREL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bEPCS))
        t.Group("EPCS", kEpcs);
    const bool accelerometer = Config.U8(C::bAccelerometer) != 0;
    const bool eeprom = Config.U8(C::bEEPROM) != 0;
    if (accelerometer || eeprom) {
        TConnector* c = t.Group(accelerometer && eeprom ? "Accelerometer and EEPROM"
                                : accelerometer         ? "Accelerometer"
                                                        : "EEPROM",
                                kI2c);
        if (accelerometer)
            t.Add(c, kAccelerometer);
    }
    if (Config.U8(C::bADC))
        t.Group("ADC", kAdc);
    if (Config.U8(C::bHeader))
        t.Group("2x13 GPIO Header", kHeader);
    // Ids compare as signed bytes for "any card", then each header with an id has its master.
    if (static_cast<int8_t>(Config.U8(C::GpioDaughterId(0))) > 0 ||
        static_cast<int8_t>(Config.U8(C::GpioDaughterId(1))) > 0)
        for (int h = 0; h < 2; ++h)
            if (const uint8_t card = Config.U8(C::GpioDaughterId(h)); card != 0)
                t.Master(kGpioMasters[h], card);
}
