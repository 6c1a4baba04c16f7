#include "CONFIG_MIRVO.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = MIRVO_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_MIRVO",
                                   "Config.BoardId == MAINBOARD_MIRVO",
                                   26,
                                   "Config.Size == sizeof(MIRVO_CONFIG)",
                                   27,
                                   kit::BoardIdFrom::Constant};
// No pin count: the project names no pin-count filter.
constexpr kit::DeviceRow kDevice{"Cyclone IV E", "EP4CE40F29C7", 0, "FBGA", nullptr, 7};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto V25 = IOSTD_2V5;

// clang-format off
// Periods 1000 / f in whole nanoseconds: 50, 50 and 27 MHz.
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "Y2", LVTTL, 20},
    {"CLOCK2_50", "AG14", LVTTL, 20},
    {"CLOCK_27", "AG15", LVTTL, 37},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AH14", IN, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17", OUT, V25, 10, 0, {"nNum == 10", 115}},
    {"LEDG", "E21 E22 E25 E24 H21 G20 G22 G21", OUT, V25, 8, 0, {"nNum == 8", 122}},
};
constexpr PinRow kKey[] = {
    {"KEY", "M23 M21 N21 R24", IN, V25, 4, 0, {"nNum == 4", 138}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25", IN, V25, 10, 0, {"nNum == 10", 154}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "AF12", OUT, V25},
    {"HEX1_DP", "AC17", OUT, V25},
    {"HEX2_DP", "AC19", OUT, V25},
    {"HEX3_DP", "M4", OUT, V25},
    {"HEX0", "G18 F22 E17 L26 L25 J22 H22", OUT, V25, 7},
    {"HEX1", "M24 Y22 W21 W22 W25 U23 U24", OUT, V25, 7},
    {"HEX2", "AA25 AA26 Y25 W26 Y26 W27 W28", OUT, V25, 7},
    {"HEX3", "V21 U21 AB20 AA21 AD24 AF23 Y19", OUT, V25, 7},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G9", OUT, LVTTL},
    {"UART_RXD", "G12", IN, LVTTL},
    {"UART_CTS", "G14", OUT, LVTTL},
    {"UART_RTS", "J13", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBDAT", "G6", IO, LVTTL},
    {"PS2_KBCLK", "H5", IO, LVTTL},
    {"PS2_MSDAT", "G5", IO, LVTTL},
    {"PS2_MSCLK", "F5", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "AD14", IO, LVTTL},
    {"SD_CLK", "AE13", OUT, LVTTL},
    {"SD_WP_N", "AF14", IN, LVTTL},
    {"SD_DAT[0]", "AE14", IO, LVTTL},
    {"SD_DAT[1]", "AF13", IO, LVTTL},
    {"SD_DAT[2]", "AB14", IO, LVTTL},
    {"SD_DAT[3]", "AC14", IO, LVTTL},
};
// The first two pins of each colour exist without a location.
constexpr PinRow kVga[] = {
    {"VGA_HS", "G13", OUT, LVTTL},
    {"VGA_VS", "C13", OUT, LVTTL},
    {"VGA_SYNC_N", "C10", OUT, LVTTL},
    {"VGA_CLK", "A12", OUT, LVTTL},
    {"VGA_BLANK_N", "F11", OUT, LVTTL},
    {"VGA_R", "? ? E12 E11 D10 F12 G10 J12 H8 H10", OUT, LVTTL, 10, 0, {"nNum == 10", 262}},
    {"VGA_G", "? ? G8 G11 F8 H12 C8 B8 F10 C9", OUT, LVTTL, 10, 0, {"nNum == 10", 269}},
    {"VGA_B", "? ? B10 A10 C11 B11 A11 C12 D11 D12", OUT, LVTTL, 10, 0, {"nNum == 10", 276}},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C2", IO, LVTTL},
    {"AUD_ADCDAT", "D2", IN, LVTTL},
    {"AUD_DACLRCK", "E3", IO, LVTTL},
    {"AUD_DACDAT", "D1", OUT, LVTTL},
    {"AUD_XCK", "E1", OUT, LVTTL},
    {"AUD_BCLK", "F2", IO, LVTTL},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_CLK", "D14", OUT, LVTTL},
    {"EEP_I2C_SDA", "E14", IO, LVTTL},
};
constexpr PinRow kI2cAudio[] = {
    {"I2C_SCLK", "B7", OUT, LVTTL},
    {"I2C_SDAT", "A8", IO, LVTTL},
};
constexpr PinRow kEthernetClock[] = {
    {"NET_CLK_25", "A14", IN, V25},
};
// The data pairs in turn: TX[k], RX[k].
constexpr PinRow kEthernetData[] = {
    {"NET_TX_DATA", "C25 A26 B26 C26", OUT, V25, 4, 0, {"nNum == 4", 336}},
    {"NET_RX_DATA", "B23 C21 A23 D21", IN, V25, 4, 0, {"nNum == 4", 336}},
};
constexpr PinRow kEthernet[] = {
    {"NET_GTX_CLK", "A17", OUT, V25},
    {"NET_TX_EN", "A18", OUT, V25},
    {"NET_TX_ER", "B18", OUT, V25},
    {"NET_INT_N", "A21", IN, V25},
    {"NET_RESET_N", "C19", OUT, V25},
    {"NET_RX_DV", "C17", IN, V25},
    {"NET_RX_ER", "D18", IN, V25},
    {"NET_RX_CRS", "D15", IN, V25},
    {"NET_RX_COL", "E15", IN, V25},
    {"NET_RX_CLK", "A15", IN, V25},
    {"NET_TX_CLK", "B17", IN, V25},
    {"NET_MDC", "C20", OUT, V25},
    {"NET_MDIO", "B21", IO, V25},
    {"NET_LINK100", "C14", IN, V25},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "U7", OUT, LVTTL},
    {"DRAM_BA[1]", "R4", OUT, LVTTL},
    {"DRAM_DQM[0]", "U2", OUT, LVTTL},
    {"DRAM_DQM[1]", "W4", OUT, LVTTL},
    {"DRAM_RAS_N", "U6", OUT, LVTTL},
    {"DRAM_CAS_N", "V7", OUT, LVTTL},
    {"DRAM_CKE", "AA6", OUT, LVTTL},
    {"DRAM_CLK", "AE5", OUT, LVTTL},
    {"DRAM_WE_N", "V6", OUT, LVTTL},
    {"DRAM_CS_N", "T4", OUT, LVTTL},
    {"DRAM_DQ", "W3 W2 V4 W1 V3 V2 V1 U3 Y3 Y4 AB1 AA3 AB2 AC1 AB3 AC2", IO, LVTTL, 16, 0, {"nNum == 16", 396}},
    {"DRAM_ADDR", "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7", OUT, LVTTL, 13, 0, {"nNum == 13", 403}},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR", "AB7 AD7 AE7 AC7 AB6 AE6 AB5 AC5 AF5 T7 AF2 AD3 AB4 AC3 AA4 AB11 AC11 AB9 AB8 T8", OUT, LVTTL, 20, 0, {"nNum == 20", 423}},
    {"SRAM_DQ", "AH3 AF4 AG4 AH4 AF6 AG6 AH6 AF7 AD1 AD2 AE2 AE1 AE3 AE4 AF3 AG3", IO, LVTTL, 16, 0, {"nNum == 16", 433}},
    {"SRAM_UB_N", "AC4", OUT, LVTTL},
    {"SRAM_LB_N", "AD4", OUT, LVTTL},
    {"SRAM_CE_N", "AF8", OUT, LVTTL},
    {"SRAM_OE_N", "AD5", OUT, LVTTL},
    {"SRAM_WE_N", "AE8", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR", "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11", OUT, LVTTL, 23, 0, {"nNum == 23", 460}},
    {"FL_DQ", "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12", IO, LVTTL, 8, 0, {"nNum == 8", 469}},
    {"FL_CE_N", "AG7", OUT, LVTTL},
    {"FL_OE_N", "AG8", OUT, LVTTL},
    {"FL_RESET_N", "AE11", OUT, LVTTL},
    {"FL_RY", "Y1", IN, LVTTL},
    {"FL_WE_N", "AC10", OUT, LVTTL},
    {"FL_WP_N", "AE12", OUT, LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[0]", "L3", IO, LVTTL},
    {"LCD_DATA[1]", "L1", IO, LVTTL},
    {"LCD_DATA[2]", "L2", IO, LVTTL},
    {"LCD_DATA[3]", "K7", IO, LVTTL},
    {"LCD_DATA[4]", "K1", IO, LVTTL},
    {"LCD_DATA[5]", "K2", IO, LVTTL},
    {"LCD_DATA[6]", "M3", IO, LVTTL},
    {"LCD_DATA[7]", "M5", IO, LVTTL},
    {"LCD_BLON", "L6", OUT, LVTTL},
    {"LCD_RW", "M1", OUT, LVTTL},
    {"LCD_EN", "L4", OUT, LVTTL},
    {"LCD_RS", "M2", OUT, LVTTL},
    {"LCD_ON", "L5", OUT, LVTTL},
};
// Header positions 13-39 and HSMC positions 51-154: locations not given. HSMC
// positions 33 and 34 hold "AA" and "BB" in the board data, which name no ball.
constexpr LocationRun kGpioLocations[] = {
    {1, "AB22 AC15 AB21 Y17 AC21 Y16 AD21 AE16 AD15 AE15"},
    {13, kit::UNPLACED, 39},
    {40, "AG26"},
};
constexpr LocationRun kHsmcLocations[] = {
    {33, "? ?"},
    {39, "AD28 AH15 AE26 AE28 AE27 AF27"},
    {47, "D27 F24 D28 F25"},
    {51, kit::UNPLACED, 154},
    {155, "V23 Y27 V24 Y28"},
};
constexpr kit::MaskedMasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0, &kit::kGpio40Mask, kGpioLocations, {"nNum == GPIO_PIN_NUM", 519}};
constexpr kit::MaskedMasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kit::kHsmcClockPairMask, kHsmcLocations, {"nNum == 160", 560}};
// clang-format on

} // namespace

void ConfigMirvoPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_MIRVO, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bPS2))
        t.Group("PS2 for Keyboard and Mouse", kPs2);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bEEPROM))
        t.Group("I2C for EEPROM", kEeprom);
    if (Config.U8(C::bAudio))
        t.Group("I2C for Audio", kI2cAudio);
    if (Config.U8(C::bEthernet)) {
        TConnector* c = t.Group("Gigabit Ethernet", kEthernetClock);
        t.AddInterleaved(c, kEthernetData);
        t.Add(c, kEthernet);
    }
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSRAM))
        t.Group("SRAM", kSram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (const uint8_t card = Config.U8(C::nGpioDaughterId); card != 0)
        t.Master(kGpioMaster, card);
    if (const uint8_t card = Config.U8(C::nHSMCDaughterId); card != 0)
        t.Master(kHsmcMaster, card);
}
