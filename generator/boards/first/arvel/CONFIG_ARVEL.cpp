#include "CONFIG_ARVEL.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/QsfText.h"

namespace {

using C = ARVEL_CONFIG;
using kit::ClockRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_ARVEL",
                                   "Config.BoardId == MAINBOARD_ARVEL",
                                   20,
                                   "Config.Size == sizeof(ARVEL_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone III", "EP3C16F484C6", 484, "FBGA", nullptr, 6};
constexpr kit::NceoPin kNceo{.location = "K22", .lineEnd = true};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "G21", LVTTL, 20},
    {"CLOCK_50_2", "B12", LVTTL, 20},
};
constexpr PinRow kLed[] = {
    {"LED", "J1 J2 J3 H1 F2 E1 C1 C2 B2 B1", OUT, LVTTL, 10},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "H2 G3 F1", IN, LVTTL, 3},
};
constexpr PinRow kSwitch[] = {
    {"SW", "J6 H5 H6 G4 G5 J7 H7 E3 E4 D2", IN, LVTTL, 10},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "D13", OUT, LVTTL},
    {"HEX1_DP", "B15", OUT, LVTTL},
    {"HEX2_DP", "A18", OUT, LVTTL},
    {"HEX3_DP", "G16", OUT, LVTTL},
    {"HEX0_D", "E11 F11 H12 H13 G12 F12 F13", OUT, LVTTL, 7},
    {"HEX1_D", "A13 B13 C13 A14 B14 E14 A15", OUT, LVTTL, 7},
    {"HEX2_D", "D15 A16 B16 E15 A17 B17 F14", OUT, LVTTL, 7},
    {"HEX3_D", "B18 F15 A19 B19 C19 D19 G15", OUT, LVTTL, 7},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "U21", OUT, LVTTL},
    {"UART_RXD", "U22", IN, LVTTL},
    {"UART_CTS", "V21", OUT, LVTTL},
    {"UART_RTS", "V22", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBDAT", "P21", IO, LVTTL},
    {"PS2_KBCLK", "P22", IO, LVTTL},
    {"PS2_MSDAT", "R22", IO, LVTTL},
    {"PS2_MSCLK", "R21", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "Y22", IO, LVTTL},
    {"SD_CLK", "Y21", OUT, LVTTL},
    {"SD_WPn", "W20", IN, LVTTL},
    {"SD_DAT", "AA22", IO, LVTTL},
    {"SD_DAT3", "W21", IO, LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA", "D22 D21 C22 C21 B22 B21 D20 C20", IO, LVTTL, 8},
    {"LCD_BLON", "F21", OUT, LVTTL},
    {"LCD_RW", "E22", OUT, LVTTL},
    {"LCD_EN", "E21", OUT, LVTTL},
    {"LCD_RS", "F22", OUT, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "L21", OUT, LVTTL},
    {"VGA_VS", "L22", OUT, LVTTL},
    {"VGA_R", "H19 H17 H20 H21", OUT, LVTTL, 4},
    {"VGA_G", "H22 J17 K17 J21", OUT, LVTTL, 4},
    {"VGA_B", "K22 K21 J22 K18", OUT, LVTTL, 4},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "B5", OUT, LVTTL},
    {"DRAM_BA[1]", "A4", OUT, LVTTL},
    {"DRAM_LDQM", "E7", OUT, LVTTL},
    {"DRAM_UDQM", "B8", OUT, LVTTL},
    {"DRAM_RAS_N", "F7", OUT, LVTTL},
    {"DRAM_CAS_N", "G8", OUT, LVTTL},
    {"DRAM_CKE", "E6", OUT, LVTTL},
    {"DRAM_CLK", "E5", OUT, LVTTL},
    {"DRAM_WE_N", "D6", OUT, LVTTL},
    {"DRAM_CS_N", "G7", OUT, LVTTL},
    {"DRAM_DQ", "D10 G10 H10 E9 F9 G9 H9 F8 A8 B9 A9 C10 B10 A10 E10 F10", IO, LVTTL, 16, 0, {"nNum == 16", 231}},
    {"DRAM_ADDR", "C4 A3 B3 C3 A5 C6 B6 A6 C7 B7 B4 A7 C8", OUT, LVTTL, 13, 0, {"nNum == 13", 238}},
};
// FLASH_DQ[4]'s location is written in lower case, as the board's table has it.
constexpr PinRow kFlash[] = {
    {"FLASH_ADDR", "P7 P5 P6 N7 N5 N6 M8 M4 P2 N2 N1 M3 M2 M1 L7 L6 AA2 M5 M6 P1 P3 R2", OUT, LVTTL, 22, 0, {"nNum == 22", 259}},
    {"FLASH_DQ", "R7 P8 R8 U1 v2 V3 W1 Y1 T5 T7 T4 U2 V1 V4 W2", IO, LVTTL, 15, 0, {"nNum == 15", 269}},
    {"FLASH_DQ15_AM1", "Y2", OUT, LVTTL},
    {"FLASH_BYTE_N", "AA1", OUT, LVTTL},
    {"FLASH_CE_N", "N8", OUT, LVTTL},
    {"FLASH_OE_N", "R6", OUT, LVTTL},
    {"FLASH_RESET_N", "R1", OUT, LVTTL},
    {"FLASH_RY", "M7", OUT, LVTTL},
    {"FLASH_WE_N", "P4", OUT, LVTTL},
    {"FLASH_WP_N", "T3", OUT, LVTTL},
};
// Header positions 1 to 40; 11, 12, 29 and 30 carry power.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "AB12 AB16 AA12 AA16 AA15 AB15 AA14 AB14 AB13 AA13 - - AB10 AA10 AB8 AA8 AB5 AA5 AB3 AB4 "
    "AA3 AA4 V14 U14 Y13 W13 U13 V12 - - R10 V11 Y10 W10 T8 V8 W7 W6 V5 U7",
    "AB11 AA20 AA11 AB20 AA19 AB19 AB18 AA18 AA17 AB17 - - Y17 W17 U15 T15 W15 V15 R16 AB9 "
    "T16 AA9 AA7 AB7 T14 R14 U12 T12 - - R11 R12 U10 T10 U9 T9 Y7 U8 V6 V7",
    {307, 308, 313, 333, 333});
// clang-format on

} // namespace

void ConfigArvelPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(kit::MakeNceoText(kNceo));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_ARVEL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON", kButton);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[C::GPIO_0]), Config.U8(C::nGpioDaughterId[C::GPIO_1]));
}
