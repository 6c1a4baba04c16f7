#include "CONFIG_CARDIX.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/QsfText.h"

namespace {

using C = CARDIX_CONFIG;
using kit::ClockRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_CARDIX",
                                   "Config.BoardId == MAINBOARD_CARDIX",
                                   20,
                                   "Config.Size == sizeof(CARDIX_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone II", "EP2C35F672C6", 672, "FBGA", nullptr, 6};
constexpr kit::NceoPin kNceo{.location = "AE24", .lineEnd = false};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "N2", LVTTL, 20},
    {"CLOCK_27", "D13", LVTTL, 37},
};
// An ordinary input: no clock mark.
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "P26", IN, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AE23 AF23 AB21 AC22 AD22 AD23 AD21 AC21 AA14 Y13 AA13 AC14 AD15 AE15 AF13 AE13 AE12 AD12", OUT, LVTTL, 18, 0, {"nNum == 18", 68}},
    {"LEDG", "AE22 AF22 W19 V18 U18 U17 AA20 Y18 Y12", OUT, LVTTL, 9, 0, {"nNum == 9", 75}},
};
constexpr PinRow kKey[] = {
    {"KEY", "G26 N23 P23 W26", IN, LVTTL, 4, 0, {"nNum == 4", 91}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "N25 N26 P25 AE14 AF14 AD13 AC13 C13 B13 A13 N1 P1 P2 T7 U3 U4 V1 V2", IN, LVTTL, 18, 0, {"nNum == 18", 107}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_D", "AF10 AB12 AC12 AD11 AE11 V14 V13", OUT, LVTTL, 7},
    {"HEX1_D", "V20 V21 W21 Y22 AA24 AA23 AB24", OUT, LVTTL, 7},
    {"HEX2_D", "AB23 V22 AC25 AC26 AB26 AB25 Y24", OUT, LVTTL, 7},
    {"HEX3_D", "Y23 AA25 AA26 Y26 Y25 U22 W24", OUT, LVTTL, 7},
    {"HEX4_D", "U9 U1 U2 T4 R7 R6 T3", OUT, LVTTL, 7},
    {"HEX5_D", "T2 P6 P7 T9 R5 R4 R3", OUT, LVTTL, 7},
    {"HEX6_D", "R2 P4 P3 M2 M3 M5 M4", OUT, LVTTL, 7},
    {"HEX7_D", "L3 L2 L9 L6 L7 P9 N9", OUT, LVTTL, 7},
};
// LCD_ON's location is written with a lower-case letter, as the board's table has it.
constexpr PinRow kLcd[] = {
    {"LCD_DATA[0]", "J1", IO, LVTTL},
    {"LCD_DATA[1]", "J2", IO, LVTTL},
    {"LCD_DATA[2]", "H1", IO, LVTTL},
    {"LCD_DATA[3]", "H2", IO, LVTTL},
    {"LCD_DATA[4]", "J4", IO, LVTTL},
    {"LCD_DATA[5]", "J3", IO, LVTTL},
    {"LCD_DATA[6]", "H4", IO, LVTTL},
    {"LCD_DATA[7]", "H3", IO, LVTTL},
    {"LCD_BLON", "K2", OUT, LVTTL},
    {"LCD_RW", "K4", OUT, LVTTL},
    {"LCD_EN", "K3", OUT, LVTTL},
    {"LCD_RS", "K1", OUT, LVTTL},
    {"LCD_ON", "l4", OUT, LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "B25", OUT, LVTTL},
    {"UART_RXD", "C25", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "D26", IO, LVTTL},
    {"PS2_DAT", "C24", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "Y21", IO, LVTTL},
    {"SD_CLK", "AD25", OUT, LVTTL},
    {"SD_DAT", "AD24", IO, LVTTL},
    {"SD_DAT3", "AC23", IO, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "A7", OUT, LVTTL},
    {"VGA_VS", "D8", OUT, LVTTL},
    {"VGA_SYNC", "B7", OUT, LVTTL},
    {"VGA_CLK", "B8", OUT, LVTTL},
    {"VGA_BLANK", "D6", OUT, LVTTL},
    {"VGA_R", "C8 F10 G10 D9 C9 A8 H11 H12 F11 E10", OUT, LVTTL, 10, 0, {"nNum == 10", 251}},
    {"VGA_G", "B9 A9 C10 D10 B10 A10 G11 D11 E12 D12", OUT, LVTTL, 10, 0, {"nNum == 10", 258}},
    {"VGA_B", "J13 J14 F12 G12 J10 J11 C11 B11 C12 B12", OUT, LVTTL, 10, 0, {"nNum == 10", 265}},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C5", IO, LVTTL},
    {"AUD_ADCDAT", "B5", IN, LVTTL},
    {"AUD_DACLRCK", "C6", IO, LVTTL},
    {"AUD_DACDAT", "A4", OUT, LVTTL},
    {"AUD_XCK", "A5", OUT, LVTTL},
    {"AUD_BCLK", "B4", IO, LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "A6", OUT, LVTTL},
    {"I2C_SDAT", "B6", IO, LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ENET_CLK", "B24", OUT, LVTTL},
    {"ENET_CMD", "A21", OUT, LVTTL},
    {"ENET_CS_N", "A23", OUT, LVTTL},
    {"ENET_INT", "B21", IN, LVTTL},
    {"ENET_RD_N", "A22", OUT, LVTTL},
    {"ENET_WR_N", "B22", OUT, LVTTL},
    {"ENET_RST_N", "B23", OUT, LVTTL},
    {"ENET_DATA", "D17 C17 B18 A18 B17 A17 B16 B15 B20 A20 C19 D19 B19 A19 E18 D18", IO, LVTTL, 16, 0, {"nNum == 16", 324}},
};
// TD_CLK27 is an ordinary input: no clock mark.
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "D5", IN, LVTTL},
    {"TD_VS", "K9", IN, LVTTL},
    {"TD_CLK27", "C16", IN, LVTTL},
    {"TD_RESET", "C4", OUT, LVTTL},
    {"TD_DATA", "J9 E8 H8 H10 G9 F9 D7 C7", IN, LVTTL, 8, 0, {"nNum == 8", 344}},
};
constexpr PinRow kUsb[] = {
    {"OTG_ADDR[0]", "K7", OUT, LVTTL},
    {"OTG_ADDR[1]", "F2", OUT, LVTTL},
    {"OTG_CS_N", "F1", OUT, LVTTL},
    {"OTG_RD_N", "G2", OUT, LVTTL},
    {"OTG_WR_N", "G1", OUT, LVTTL},
    {"OTG_RST_N", "G5", OUT, LVTTL},
    {"OTG_INT[0]", "B3", IN, LVTTL},
    {"OTG_INT[1]", "C3", IN, LVTTL},
    {"OTG_DACK_N[0]", "C2", OUT, LVTTL},
    {"OTG_DACK_N[1]", "B2", OUT, LVTTL},
    {"OTG_DREQ[0]", "F6", IN, LVTTL},
    {"OTG_DREQ[1]", "E5", IN, LVTTL},
    {"OTG_FSPEED", "F3", IO, LVTTL},
    {"OTG_LSPEED", "G6", IO, LVTTL},
    {"OTG_DATA", "F4 D2 D1 F7 J5 J8 J7 H6 E2 E1 K6 K5 G4 G3 J6 K8", IO, LVTTL, 16, 0, {"nNum == 16", 375}},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "AE24", OUT, LVTTL},
    {"IRDA_RXD", "AE25", IN, LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "AE2", OUT, LVTTL},
    {"DRAM_BA[1]", "AE3", OUT, LVTTL},
    {"DRAM_LDQM", "AD2", OUT, LVTTL},
    {"DRAM_UDQM", "Y5", OUT, LVTTL},
    {"DRAM_RAS_N", "AB4", OUT, LVTTL},
    {"DRAM_CAS_N", "AB3", OUT, LVTTL},
    {"DRAM_CKE", "AA6", OUT, LVTTL},
    {"DRAM_CLK", "AA7", OUT, LVTTL},
    {"DRAM_WE_N", "AD3", OUT, LVTTL},
    {"DRAM_CS_N", "AC3", OUT, LVTTL},
    {"DRAM_DQ", "V6 AA2 AA1 Y3 Y4 R8 T8 V7 W6 AB2 AB1 AA4 AA3 AC2 AC1 AA5", IO, LVTTL, 16, 0, {"nNum == 16", 413}},
    {"DRAM_ADDR", "T6 V4 V3 W2 W1 U6 U7 U5 W4 W3 Y1 V5", OUT, LVTTL, 12, 0, {"nNum == 12", 420}},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR", "AE4 AF4 AC5 AC6 AD4 AD5 AE5 AF5 AD6 AD7 V10 V9 AC7 W8 W10 Y10 AB8 AC8", OUT, LVTTL, 18, 0, {"nNum == 18", 439}},
    {"SRAM_DQ", "AD8 AE6 AF6 AA9 AA10 AB10 AA11 Y11 AE7 AF7 AE8 AF8 W11 W12 AC9 AC10", IO, LVTTL, 16, 0, {"nNum == 16", 449}},
    {"SRAM_WE_N", "AE10", OUT, LVTTL},
    {"SRAM_OE_N", "AD10", OUT, LVTTL},
    {"SRAM_UB_N", "AF9", OUT, LVTTL},
    {"SRAM_LB_N", "AE9", OUT, LVTTL},
    {"SRAM_CE_N", "AC11", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR", "AC18 AB18 AE19 AF19 AE18 AF18 Y16 AA16 AD17 AC17 AE17 AF17 W16 W15 AC16 AD16 AE16 AC15 AB15 AA15 Y15 Y14", OUT, LVTTL, 22, 0, {"nNum == 22", 474}},
    {"FL_DQ", "AD19 AC19 AF20 AE20 AB20 AC20 AF21 AE21", IO, LVTTL, 8, 0, {"nNum == 8", 483}},
    {"FL_CE_N", "V17", OUT, LVTTL},
    {"FL_OE_N", "W17", OUT, LVTTL},
    {"FL_RST_N", "AA18", OUT, LVTTL},
    {"FL_WE_N", "AA17", OUT, LVTTL},
};
// Header positions 1 to 40; 11, 12, 29 and 30 carry power.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "D25 J22 E26 E25 F24 F23 J21 J20 F25 F26 - - N18 P18 G23 G24 K22 G25 H23 H24 "
    "J23 J24 H25 H26 H19 K18 K19 K21 - - K23 K24 L21 L20 J25 J26 L23 L24 L25 L19",
    "K25 K26 M22 M23 M19 M20 N20 M21 M24 M25 - - N24 P24 R25 R24 R20 T22 T23 T24 "
    "T25 T18 T21 T20 U26 U25 U23 U24 - - R19 T19 U20 U21 V26 V25 V24 V23 W25 W23",
    {517, 518, 523, 543, 543});
// clang-format on

} // namespace

std::string CardixI2cName(bool audio, bool tvDecoder) {
    std::string name = "I2C for ";
    if (audio)
        name += "Audio";
    if (audio && tvDecoder)
        name += " and ";
    if (tvDecoder)
        name += "Tv-Decode";
    return name;
}

void ConfigCardixPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(kit::MakeNceoText(kNceo));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_CARDIX, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const bool audio = Config.U8(C::bAudio) != 0;
    const bool tvDecoder = Config.U8(C::bTvDecode) != 0;
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
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (audio)
        t.Group("Audio", kAudio);
    if (audio || tvDecoder)
        t.Group(CardixI2cName(audio, tvDecoder), kI2c);
    if (Config.U8(C::bEthernet))
        t.Group("Ethernet", kEthernet);
    if (tvDecoder)
        t.Group("TV Decoder", kTvDecoder);
    if (Config.U8(C::bUSB))
        t.Group("USB OTG", kUsb);
    if (Config.U8(C::bIR))
        t.Group("IR", kIr);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSRAM))
        t.Group("SRAM", kSram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[C::GPIO_0]), Config.U8(C::nGpioDaughterId[C::GPIO_1]));
}
