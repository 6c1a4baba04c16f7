#include "CONFIG_DORVEL.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/QsfText.h"

namespace {

using C = DORVEL_CONFIG;
using kit::ClockRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_DORVEL",
                                   "Config.BoardId == MAINBOARD_DORVEL",
                                   20,
                                   "Config.Size == sizeof(DORVEL_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone II", "EP2C70F896C6", 896, "FBGA", nullptr, 6};
constexpr kit::NceoPin kNceo{.location = "AD25", .lineEnd = false};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "AD15", LVTTL, 20},
    {"CLOCK_50_2", "D16", LVTTL, 20},
    {"CLOCK_50_3", "R28", LVTTL, 20},
    {"CLOCK_50_4", "R3", LVTTL, 20},
    {"CLOCK_28", "E16", LVTTL, 35},
};
// An ordinary input: no clock mark.
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "R29", IN, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AJ6 AK5 AJ5 AJ4 AK3 AH4 AJ3 AJ2 AH3 AD14 AC13 AB13 AC12 AB12 AC11 AD9 AD8 AJ7", OUT, LVTTL, 18, 0, {"nNum == 18", 83}},
    {"LEDG", "W27 W25 W23 Y27 Y24 Y23 AA27 AA24 AC14", OUT, LVTTL, 9, 0, {"nNum == 9", 90}},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "T29 T28 U30 U29", IN, LVTTL, 4, 0, {"nNum == 4", 106}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AA23 AB26 AB25 AC27 AC26 AC24 AC23 AD25 AD24 AE27 W5 V10 U9 T9 L5 L4 L7 L8", IN, LVTTL, 18, 0, {"nNum == 18", 122}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "AF12", OUT, LVTTL},
    {"HEX1_DP", "AC17", OUT, LVTTL},
    {"HEX2_DP", "AC19", OUT, LVTTL},
    {"HEX3_DP", "M4", OUT, LVTTL},
    {"HEX4_DP", "L6", OUT, LVTTL},
    {"HEX5_DP", "K6", OUT, LVTTL},
    {"HEX6_DP", "K2", OUT, LVTTL},
    {"HEX7_DP", "G2", OUT, LVTTL},
    {"HEX0_D", "AE8 AF9 AH9 AD10 AF10 AD11 AD12", OUT, LVTTL, 7},
    {"HEX1_D", "AG13 AE16 AF16 AG16 AE17 AF17 AD17", OUT, LVTTL, 7},
    {"HEX2_D", "AE7 AF7 AH5 AG4 AB18 AB19 AE19", OUT, LVTTL, 7},
    {"HEX3_D", "P6 P4 N10 N7 M8 M7 M6", OUT, LVTTL, 7},
    {"HEX4_D", "P1 P2 P3 N2 N3 M1 M2", OUT, LVTTL, 7},
    {"HEX5_D", "M3 L1 L2 L3 K1 K4 K5", OUT, LVTTL, 7},
    {"HEX6_D", "H6 H4 H7 H8 G4 F4 E4", OUT, LVTTL, 7},
    {"HEX7_D", "K3 J1 J2 H1 H2 H3 G1", OUT, LVTTL, 7},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA", "E1 E3 D2 D3 C1 C2 C3 B2", IO, LVTTL, 8},
    {"LCD_BLON", "G3", OUT, LVTTL},
    {"LCD_RW", "F3", OUT, LVTTL},
    {"LCD_EN", "E2", OUT, LVTTL},
    {"LCD_RS", "F2", OUT, LVTTL},
    {"LCD_ON", "F1", OUT, LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "E21", OUT, LVTTL},
    {"UART_RXD", "D21", IN, LVTTL},
    {"UART_CTS", "G22", OUT, LVTTL},
    {"UART_RTS", "F23", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBCLK", "F24", IO, LVTTL},
    {"PS2_KBDAT", "E24", IO, LVTTL},
    {"PS2_MSCLK", "D26", IO, LVTTL},
    {"PS2_MSDAT", "D25", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "W28", IO, LVTTL},
    {"SD_CLK", "T26", OUT, LVTTL},
    {"SD_DAT", "W29", IO, LVTTL},
    {"SD_DAT3", "Y30", IO, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "J19", OUT, LVTTL},
    {"VGA_VS", "H19", OUT, LVTTL},
    {"VGA_SYNC", "B15", OUT, LVTTL},
    {"VGA_CLK", "D24", OUT, LVTTL},
    {"VGA_BLANK_N", "C15", OUT, LVTTL},
    {"VGA_R", "D23 E23 E22 D22 H21 G21 H20 F20 E20 G20", OUT, LVTTL, 10, 0, {"nNum == 10", 280}},
    {"VGA_G", "A10 B11 A11 C12 B12 A12 C13 B13 B14 A14", OUT, LVTTL, 10, 0, {"nNum == 10", 287}},
    {"VGA_B", "B16 C16 A17 B17 C18 B18 B19 A19 C19 D19", OUT, LVTTL, 10, 0, {"nNum == 10", 294}},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "F19", IO, LVTTL},
    {"AUD_ADCDAT", "E19", IN, LVTTL},
    {"AUD_DACLRCK", "G18", IO, LVTTL},
    {"AUD_DACDAT", "F18", OUT, LVTTL},
    {"AUD_XCK", "D17", OUT, LVTTL},
    {"AUD_BCLK", "E17", IO, LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "J18", OUT, LVTTL},
    {"I2C_SDAT", "H18", IO, LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ENET_CLK", "D27", OUT, LVTTL},
    {"ENET_CMD", "B27", OUT, LVTTL},
    {"ENET_CS_N", "C28", OUT, LVTTL},
    {"ENET_INT", "C27", IN, LVTTL},
    {"ENET_RD_N", "A28", OUT, LVTTL},
    {"ENET_WR_N", "B28", OUT, LVTTL},
    {"ENET_RST_N", "B29", OUT, LVTTL},
    {"ENET_DATA", "A23 C22 B22 A22 B21 A21 B20 A20 B26 A26 B25 A25 C24 B24 A24 B23", IO, LVTTL, 16, 0, {"nNum == 16", 358}},
};
constexpr PinRow kTvDecoder1[] = {
    {"TD_HS", "E13", IN, LVTTL},
    {"TD_VS", "E14", IN, LVTTL},
    {"TD_CLK27", "G15", IN, LVTTL},
    {"TD_RESET_N", "D14", OUT, LVTTL},
    {"TD_DATA", "A6 B6 A5 B5 B4 C4 A3 B3", IN, LVTTL, 8, 0, {"nNum == 8", 378}},
};
// TD2_DATA is inout where TD_DATA is input, as the board's table has it.
constexpr PinRow kTvDecoder2[] = {
    {"TD2_HS", "E15", IN, LVTTL},
    {"TD2_VS", "D15", IN, LVTTL},
    {"TD2_CLK27", "H15", IN, LVTTL},
    {"TD2_RESET_N", "B10", OUT, LVTTL},
    {"TD2_DATA", "C10 A9 B9 C9 A8 B8 A7 B7", IO, LVTTL, 8, 0, {"nNum == 8", 398}},
};
constexpr PinRow kUsb[] = {
    {"OTG_ADDR", "E9 D8", OUT, LVTTL, 2},
    {"OTG_CS_N", "E10", OUT, LVTTL},
    {"OTG_RD_N", "D10", OUT, LVTTL},
    {"OTG_WR_N", "E11", OUT, LVTTL},
    {"OTG_RST_N", "H14", OUT, LVTTL},
    {"OTG_INT", "F13 J13", IN, LVTTL, 2},
    {"OTG_DACK_N", "D12 E12", OUT, LVTTL, 2},
    {"OTG_DREQ", "G12 F12", IN, LVTTL, 2},
    {"OTG_FSPEED", "F7", IO, LVTTL},
    {"OTG_LSPEED", "F8", IO, LVTTL},
    {"OTG_DATA", "H10 G9 G11 F11 J12 H12 H13 G13 D4 D5 D6 E7 D7 E8 D9 G10", IO, LVTTL, 16, 0, {"nNum == 16", 430}},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "W21", OUT, LVTTL},
    {"IRDA_RXD", "W22", IN, LVTTL},
};
constexpr PinRow kSdram0[] = {
    {"DRAM0_BA", "AA9 AA10", OUT, LVTTL, 2},
    {"DRAM0_LDQM", "V9", OUT, LVTTL},
    {"DRAM0_UDQM", "AB6", OUT, LVTTL},
    {"DRAM0_RAS_N", "Y9", OUT, LVTTL},
    {"DRAM0_CAS_N", "W10", OUT, LVTTL},
    {"DRAM0_CKE", "AA8", OUT, LVTTL},
    {"DRAM0_CLK", "AD6", OUT, LVTTL},
    {"DRAM0_WE_N", "W9", OUT, LVTTL},
    {"DRAM0_CS_N", "Y10", OUT, LVTTL},
    {"DRAM0_DQ", "AC1 AC2 AC3 AD1 AD2 AD3 AE1 AE2 AE3 AF1 AF2 AF3 AG2 AG3 AH1 AH2", IO, LVTTL, 16, 0, {"nNum == 16", 469}},
    {"DRAM0_ADDR", "AA4 AA5 AA6 AB5 AB7 AC4 AC5 AC6 AD4 AC7 Y8 AE4 AF4", OUT, LVTTL, 13, 0, {"nNum == 13", 476}},
};
constexpr PinRow kSdram1[] = {
    {"DRAM1_BA", "T7 T8", OUT, LVTTL, 2},
    {"DRAM1_LDQM", "M10", OUT, LVTTL},
    {"DRAM1_UDQM", "U8", OUT, LVTTL},
    {"DRAM1_RAS_N", "N9", OUT, LVTTL},
    {"DRAM1_CAS_N", "N8", OUT, LVTTL},
    {"DRAM1_CKE", "L10", OUT, LVTTL},
    {"DRAM1_CLK", "G5", OUT, LVTTL},
    {"DRAM1_WE_N", "M9", OUT, LVTTL},
    {"DRAM1_CS_N", "P9", OUT, LVTTL},
    {"DRAM1_DQ", "U1 U2 U3 V2 V3 W1 W2 W3 Y1 Y2 Y3 AA1 AA2 AA3 AB1 AB2", IO, LVTTL, 16, 0, {"nNum == 16", 506}},
    {"DRAM1_ADDR", "T5 T6 U4 U6 U7 V7 V8 W4 W7 W8 T4 Y4 Y7", OUT, LVTTL, 13, 0, {"nNum == 13", 514}},
};
constexpr PinRow kSsram[] = {
    {"SRAM_ADDR", "AG8 AF8 AH7 AG7 AG6 AG5 AE12 AG12 AD13 AE13 AF14 AG14 AE15 AF15 AC16 AF20 AG20 AE11 AF11", OUT, LVTTL, 19, 0, {"nNum == 19", 533}},
    {"SRAM_DQ", "AH10 AJ10 AK10 AJ11 AK11 AH12 AJ12 AH16 AK17 AJ17 AH17 AJ18 AH18 AK19 AJ19 AK23 AJ20 AK21 AJ21 AK22 AJ22 AH15 AJ15 AJ16 AK14 AJ14 AJ13 AH13 AK12 AK7 AJ8 AK8", IO, LVTTL, 32, 0, {"nNum == 32", 545}},
    {"SRAM_ADSC_N", "AG17", OUT, LVTTL},
    {"SRAM_ADSP_N", "AC18", OUT, LVTTL},
    {"SRAM_ADV_N", "AD16", OUT, LVTTL},
    {"SRAM_BE_N", "AC21 AC20 AD20 AH20", OUT, LVTTL, 4},
    {"SRAM_CE1_N", "AH19", OUT, LVTTL},
    {"SRAM_CE2", "AG19", OUT, LVTTL},
    {"SRAM_CE3_N", "AD22", OUT, LVTTL},
    {"SRAM_CLK", "AD7", OUT, LVTTL},
    {"SRAM_DPA", "AK9 AJ23 AK20 AJ9", IO, LVTTL, 4},
    {"SRAM_GW_N", "AG18", OUT, LVTTL},
    {"SRAM_OE_N", "AD18", OUT, LVTTL},
    {"SRAM_WE_N", "AF18", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FLASH_ADDR", "AF24 AG24 AE23 AG23 AF23 AG22 AH22 AF22 AH27 AJ27 AH26 AJ26 AK26 AJ25 AK25 AH24 AG25 AF21 AD21 AK28 AJ28 AE20", OUT, LVTTL, 22, 0, {"nNum == 22", 585}},
    {"FLASH_DQ", "AF29 AE28 AE30 AD30 AC29 AB29 AA29 Y28 AF30 AE29 AD29 AC28 AC30 AB30 AA30", IO, LVTTL, 15, 0, {"nNum == 15", 595}},
    {"FLASH_DQ15_AM1", "AE24", OUT, LVTTL},
    {"FLASH_BYTE_N", "Y29", OUT, LVTTL},
    {"FLASH_CE_N", "AG28", OUT, LVTTL},
    {"FLASH_OE_N", "AG29", OUT, LVTTL},
    {"FLASH_RESET_N", "AH28", OUT, LVTTL},
    {"FLASH_RY", "AH30", OUT, LVTTL},
    {"FLASH_WE_N", "AJ29", OUT, LVTTL},
    {"FLASH_WP_N", "AH29", OUT, LVTTL},
};
// Header positions 1 to 40; 11, 12, 29 and 30 carry power.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "T25 C30 T24 C29 E28 D29 E27 D28 E29 G25 - - E30 G26 F29 G29 F30 G30 H23 H29 "
    "G24 H30 J29 H25 J30 H24 J25 K24 - - J24 K25 L22 M21 L21 M22 N22 N25 N21 N24",
    "AH14 G27 AG15 G28 H27 L24 H28 L25 K27 L28 - - K28 L27 K29 M25 K30 M24 AF27 L29 "
    "AF28 L30 P26 P28 P25 P27 M29 R26 - - M30 R27 P24 N28 P23 N29 R23 P29 R22 P30",
    {632, 633, 638, 658, 658});
// clang-format on

} // namespace

std::string DorvelI2cName(bool audio, bool tvDecoder1, bool tvDecoder2) {
    std::string name = "I2C for ";
    if (audio)
        name += "Audio";
    if (audio && (tvDecoder1 || tvDecoder2))
        name += " and ";
    if (tvDecoder1 && tvDecoder2)
        name += "Tv-Decode 1 and 2";
    else if (tvDecoder1)
        name += "Tv-Decode 1";
    else if (tvDecoder2)
        name += "Tv-Decode 2";
    return name;
}

void ConfigDorvelPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(kit::MakeNceoText(kNceo));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_DORVEL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const bool audio = Config.U8(C::bAudio) != 0;
    const bool tvDecoder1 = Config.U8(C::bTvDecode1) != 0;
    const bool tvDecoder2 = Config.U8(C::bTvDecode2) != 0;
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("Sma", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON", kButton);
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
    if (audio || tvDecoder1 || tvDecoder2)
        t.Group(DorvelI2cName(audio, tvDecoder1, tvDecoder2), kI2c);
    if (Config.U8(C::bEthernet))
        t.Group("Ethernet", kEthernet);
    if (tvDecoder1)
        t.Group("TV Decoder 1", kTvDecoder1);
    if (tvDecoder2)
        t.Group("TV Decoder 2", kTvDecoder2);
    if (Config.U8(C::bUSB))
        t.Group("USB OTG", kUsb);
    if (Config.U8(C::bIR))
        t.Group("IR", kIr);
    if (Config.U8(C::bSDRAM1))
        t.Group("SDRAM0", kSdram0);
    if (Config.U8(C::bSDRAM2))
        t.Group("SDRAM1", kSdram1);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM", kSsram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[C::GPIO_0]), Config.U8(C::nGpioDaughterId[C::GPIO_1]));
}
