#include "CONFIG_BELMIC.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/QsfText.h"

namespace {

using C = BELMIC_CONFIG;
using kit::ClockRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_BELMIC",
                                   "Config.BoardId == MAINBOARD_BELMIC",
                                   20,
                                   "Config.Size == sizeof(BELMIC_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone II", "EP2C20F484C7", 484, "FBGA", nullptr, 7};
constexpr kit::NceoPin kNceo{.location = "W20", .lineEnd = false};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "L1", LVTTL, 20},
    {"CLOCK_27[0]", "D12", LVTTL, 37},
    {"CLOCK_27[1]", "E12", LVTTL, 37},
    {"CLOCK_24[0]", "B12", LVTTL, 41},
    {"CLOCK_24[1]", "A12", LVTTL, 41},
};
// An ordinary input: no clock mark.
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "M21", IN, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "R20 R19 U19 Y19 T18 V19 Y18 U18 R18 R17", OUT, LVTTL, 10, 0, {"nNum == 10", 86}},
    {"LEDG", "U22 U21 V22 V21 W22 W21 Y22 Y21", OUT, LVTTL, 8, 0, {"nNum == 8", 93}},
};
constexpr PinRow kKey[] = {
    {"KEY", "R22 R21 T22 T21", IN, LVTTL, 4, 0, {"nNum == 4", 109}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "L22 L21 M22 V12 W12 U12 U11 M2 M1 L2", IN, LVTTL, 10, 0, {"nNum == 10", 124}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "J2 J1 H2 H1 F2 F1 E2", OUT, LVTTL, 7},
    {"HEX1", "E1 H6 H5 H4 G3 D2 D1", OUT, LVTTL, 7},
    {"HEX2", "G5 G6 C2 C1 E3 E4 D3", OUT, LVTTL, 7},
    {"HEX3", "F4 D5 D6 J4 L8 F3 D4", OUT, LVTTL, 7},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G12", OUT, LVTTL},
    {"UART_RXD", "F14", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "H15", IO, LVTTL},
    {"PS2_DAT", "J14", IO, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "A11", OUT, LVTTL},
    {"VGA_VS", "B11", OUT, LVTTL},
    {"VGA_R", "D9 C9 A7 B7", OUT, LVTTL, 4},
    {"VGA_G", "B8 C10 B9 A8", OUT, LVTTL, 4},
    {"VGA_B", "A9 D11 A10 B10", OUT, LVTTL, 4},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "A6", IO, LVTTL},
    {"AUD_ADCDAT", "B6", IN, LVTTL},
    {"AUD_DACLRCK", "A5", IO, LVTTL},
    {"AUD_DACDAT", "B5", OUT, LVTTL},
    {"AUD_XCK", "B4", OUT, LVTTL},
    {"AUD_BCLK", "A4", IO, LVTTL},
    {"I2C_SCLK", "A3", OUT, LVTTL},
    {"I2C_SDAT", "B3", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "Y20", IO, LVTTL},
    {"SD_CLK", "V20", OUT, LVTTL},
    {"SD_DAT", "W20", IO, LVTTL},
    {"SD_DAT3", "U20", IO, LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR", "W4 W5 Y3 Y4 R6 R5 P6 P5 P3 N4 W3 N6", OUT, LVTTL, 12},
    {"DRAM_DQ", "U1 U2 V1 V2 W1 W2 Y1 Y2 N1 N2 P1 P2 R1 R2 T1 T2", IO, LVTTL, 16},
    {"DRAM_BA", "U3 V4", OUT, LVTTL, 2},
    {"DRAM_LDQM", "R7", OUT, LVTTL},
    {"DRAM_UDQM", "M5", OUT, LVTTL},
    {"DRAM_RAS_N", "T5", OUT, LVTTL},
    {"DRAM_CAS_N", "T3", OUT, LVTTL},
    {"DRAM_CKE", "N3", OUT, LVTTL},
    {"DRAM_CLK", "U4", OUT, LVTTL},
    {"DRAM_WE_N", "R8", OUT, LVTTL},
    {"DRAM_CS_N", "T6", OUT, LVTTL},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR", "AA3 AB3 AA4 AB4 AA5 AB10 AA11 AB11 V11 W11 R11 T11 Y10 U10 R10 T7 Y6 Y5", OUT, LVTTL, 18, 0, {"nNum == 18", 298}},
    {"SRAM_DQ", "AA6 AB6 AA7 AB7 AA8 AB8 AA9 AB9 Y9 W9 V9 U9 R9 W8 V8 U8", IO, LVTTL, 16, 0, {"nNum == 16", 308}},
    {"SRAM_WE_N", "AA10", OUT, LVTTL},
    {"SRAM_OE_N", "T8", OUT, LVTTL},
    {"SRAM_UB_N", "W7", OUT, LVTTL},
    {"SRAM_LB_N", "Y7", OUT, LVTTL},
    {"SRAM_CE_N", "AB5", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR", "AB20 AA14 Y16 R15 T15 U15 V15 W15 R14 Y13 R12 T12 AB14 AA13 AB13 AA12 AB12 AA20 U14 V14 U13 R13", OUT, LVTTL, 22, 0, {"nNum == 22", 333}},
    {"FL_DQ", "AB16 AA16 AB17 AA17 AB18 AA18 AB19 AA19", IO, LVTTL, 8, 0, {"nNum == 8", 342}},
    {"FL_OE_N", "AA15", OUT, LVTTL},
    {"FL_RST_N", "W14", OUT, LVTTL},
    {"FL_WE_N", "Y14", OUT, LVTTL},
    {"FL_CE_N", "AB15", OUT, LVTTL},
};
// Header positions 1 to 40; 11, 12, 29 and 30 carry power.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "A13 B13 A14 B14 A15 B15 A16 B16 A17 B17 - - A18 B18 A19 B19 A20 B20 C21 C22 "
    "D21 D22 E21 E22 F21 F22 G21 G22 - - J21 J22 K21 K22 J19 J20 J18 K20 L19 L18",
    "H12 H13 H14 G15 E14 E15 F15 G16 F12 F13 - - C14 D14 D15 D16 C17 C18 C19 C20 "
    "D19 D20 E20 F20 E19 E18 G20 G18 - - G17 H17 J15 H18 N22 N21 P15 N15 P17 P18",
    {376, 377, 382, 402, 402});
// clang-format on

} // namespace

void ConfigBelmicPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(kit::MakeNceoText(kNceo));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_BELMIC, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("Sma", kSma);
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
        t.Group("PS2", kPs2);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSRAM))
        t.Group("SRAM", kSram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[C::GPIO_0]), Config.U8(C::nGpioDaughterId[C::GPIO_1]));
}
