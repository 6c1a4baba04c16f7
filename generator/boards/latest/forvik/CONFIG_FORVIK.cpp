#include "CONFIG_FORVIK.h"

#include "ForvikText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"

namespace {

using C = TConfigForvik::FORVIK_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_Forvik", "Config.BoardId == MAINBOARD_FORVIK", kit::kHeadIdLine,
                                   "Config.Size == sizeof(TConfigForvik::FORVIK_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSXFC6D6F31C6", 896, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// clang-format off
// "%f MHz" of 50.0.
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "AF14", LVTTL, 0, "50.000000 MHz"},
    {"CLOCK2_50", "AA16", LVTTL, 0, "50.000000 MHz"},
    {"CLOCK3_50", "Y26", IOSTD_2V5, 0, "50.000000 MHz"},
    {"CLOCK4_50", "K14", LVTTL, 0, "50.000000 MHz"},
};
constexpr PinRow kKey[] = {
    {"KEY", "AJ4 AK4 AA14 AA15", IN, LVTTL, 4},
};
constexpr PinRow kSwitch[] = {
    {"SW", "V25 W25 Y27 AB28 AC28 AC29 AA30 AB30 AC30 AD30", IN, IOSTD_2V5, 10},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AC22 AC23 AD24 AE24 AF25 AG25 AF24 AB22 AB23 AA24", OUT, LVTTL, 10},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "Y17 W19 W17 W16 V16 V17 V18", OUT, LVTTL, 7},
    {"HEX1", "AE18 AE17 AE16 AD17 AB17 AA18 Y18", OUT, LVTTL, 7},
    {"HEX2", "AH18 AH17 AG18 AG17 AG16 AF16 AF18", OUT, LVTTL, 7},
    {"HEX3", "AF19 AE19 AD19 AC20 AA20 AA19 Y19", OUT, LVTTL, 7},
    {"HEX4", "AF21 AD21 AB21 AA21 AG20 AF20 AD20", OUT, LVTTL, 7},
    {"HEX5", "AH22 AG22 AG23 AF23 AE23 AE22 AG21", OUT, LVTTL, 7},
};
constexpr PinRow kSdram[] = {
    {"DRAM_CLK", "AH12", OUT, LVTTL},
    {"DRAM_CKE", "AK13", OUT, LVTTL},
    {"DRAM_ADDR", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14", OUT, LVTTL, 13},
    {"DRAM_BA", "AF13 AJ12", OUT, LVTTL, 2},
    {"DRAM_DQ", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5", IO, LVTTL, 16},
    {"DRAM_LDQM", "AB13", OUT, LVTTL},
    {"DRAM_UDQM", "AK12", OUT, LVTTL},
    {"DRAM_CS_N", "AG11", OUT, LVTTL},
    {"DRAM_WE_N", "AA13", OUT, LVTTL},
    {"DRAM_CAS_N", "AF11", OUT, LVTTL},
    {"DRAM_RAS_N", "AE13", OUT, LVTTL},
};
// TD_CLK27 is no clock of the table's.
constexpr PinRow kVideoIn[] = {
    {"TD_CLK27", "AC18", IN, LVTTL},
    {"TD_HS", "AH28", IN, LVTTL},
    {"TD_VS", "AG28", IN, LVTTL},
    {"TD_DATA", "AG27 AF28 AE28 AE27 AE26 AD27 AD26 AD25", IN, LVTTL, 8},
    {"TD_RESET_N", "AC27", OUT, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_CLK", "AK21", OUT, LVTTL},
    {"VGA_HS", "AK19", OUT, LVTTL},
    {"VGA_VS", "AK18", OUT, LVTTL},
    {"VGA_R", "AK29 AK28 AK27 AJ27 AH27 AF26 AG26 AJ26", OUT, LVTTL, 8},
    {"VGA_G", "AK26 AJ25 AH25 AK24 AJ24 AH24 AK23 AH23", OUT, LVTTL, 8},
    {"VGA_B", "AJ21 AJ20 AH20 AJ19 AH19 AJ17 AJ16 AK16", OUT, LVTTL, 8},
    {"VGA_BLANK_N", "AK22", OUT, LVTTL},
    {"VGA_SYNC_N", "AJ22", OUT, LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_BCLK", "AF30", IO, LVTTL},
    {"AUD_XCK", "AH30", OUT, LVTTL},
    {"AUD_ADCLRCK", "AH29", IO, LVTTL},
    {"AUD_ADCDAT", "AJ29", IN, LVTTL},
    {"AUD_DACLRCK", "AG30", IO, LVTTL},
    {"AUD_DACDAT", "AF29", OUT, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AB25", IO, LVTTL},
    {"PS2_CLK2", "AC25", IO, LVTTL},
    {"PS2_DAT", "AA25", IO, LVTTL},
    {"PS2_DAT2", "AB26", IO, LVTTL},
};
constexpr PinRow kAdc[] = {
    {"ADC_SCLK", "W24", OUT, LVTTL},
    {"ADC_DOUT", "V23", IN, LVTTL},
    {"ADC_DIN", "W22", OUT, LVTTL},
    {"ADC_CONVST", "Y21", OUT, LVTTL},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCLK", "Y24", OUT, LVTTL},
    {"FPGA_I2C_SDAT", "Y23", IO, LVTTL},
};
// The board data gives no location of any HPS pin.
constexpr PinRow kHps[] = {
    {"HPS_CONV_USB_N", UNPLACED, IO, LVTTL},
    {"HPS_DDR3_ADDR", UNPLACED, OUT, SSTL, 15},
    {"HPS_DDR3_BA", UNPLACED, OUT, SSTL, 3},
    {"HPS_DDR3_CAS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_CKE", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_CK_N", UNPLACED, OUT, DIFF},
    {"HPS_DDR3_CK_P", UNPLACED, OUT, DIFF},
    {"HPS_DDR3_CS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_DM", UNPLACED, OUT, SSTL, 4},
    {"HPS_DDR3_DQ", UNPLACED, IO, SSTL, 32},
    {"HPS_DDR3_DQS_N", UNPLACED, IO, DIFF, 4},
    {"HPS_DDR3_DQS_P", UNPLACED, IO, DIFF, 4},
    {"HPS_DDR3_ODT", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RAS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RESET_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RZQ", UNPLACED, IN, IOSTD_1V5},
    {"HPS_DDR3_WE_N", UNPLACED, OUT, SSTL},
    {"HPS_ENET_GTX_CLK", UNPLACED, OUT, LVTTL},
    {"HPS_ENET_INT_N", UNPLACED, IO, LVTTL},
    {"HPS_ENET_MDC", UNPLACED, OUT, LVTTL},
    {"HPS_ENET_MDIO", UNPLACED, IO, LVTTL},
    {"HPS_ENET_RX_CLK", UNPLACED, IN, LVTTL},
    {"HPS_ENET_RX_DATA", UNPLACED, IN, LVTTL, 4},
    {"HPS_ENET_RX_DV", UNPLACED, IN, LVTTL},
    {"HPS_ENET_TX_DATA", UNPLACED, OUT, LVTTL, 4},
    {"HPS_ENET_TX_EN", UNPLACED, OUT, LVTTL},
    {"HPS_FLASH_DATA", UNPLACED, IO, LVTTL, 4},
    {"HPS_FLASH_DCLK", UNPLACED, OUT, LVTTL},
    {"HPS_FLASH_NCSO", UNPLACED, OUT, LVTTL},
    {"HPS_GSENSOR_INT", UNPLACED, IO, LVTTL},
    {"HPS_I2C1_SCLK", UNPLACED, IO, LVTTL},
    {"HPS_I2C1_SDAT", UNPLACED, IO, LVTTL},
    {"HPS_I2C2_SCLK", UNPLACED, IO, LVTTL},
    {"HPS_I2C2_SDAT", UNPLACED, IO, LVTTL},
    {"HPS_I2C_CONTROL", UNPLACED, IO, LVTTL},
    {"HPS_KEY", UNPLACED, IO, LVTTL},
    {"HPS_LCM_BK", UNPLACED, IO, LVTTL},
    {"HPS_LCM_D_C", UNPLACED, IO, LVTTL},
    {"HPS_LCM_RST_N", UNPLACED, IO, LVTTL},
    {"HPS_LCM_SPIM_CLK", UNPLACED, IN, LVTTL},
    {"HPS_LCM_SPIM_MISO", UNPLACED, IN, LVTTL},
    {"HPS_LCM_SPIM_MOSI", UNPLACED, OUT, LVTTL},
    {"HPS_LCM_SPIM_SS", UNPLACED, OUT, LVTTL},
    {"HPS_LED", UNPLACED, IO, LVTTL},
    {"HPS_LTC_GPIO", UNPLACED, IO, LVTTL},
    {"HPS_RESET_N", UNPLACED, IO, LVTTL},
    {"HPS_SD_CLK", UNPLACED, OUT, LVTTL},
    {"HPS_SD_CMD", UNPLACED, IO, LVTTL},
    {"HPS_SD_DATA", UNPLACED, IO, LVTTL, 4},
    {"HPS_SPIM_CLK", UNPLACED, OUT, LVTTL},
    {"HPS_SPIM_MISO", UNPLACED, IN, LVTTL},
    {"HPS_SPIM_MOSI", UNPLACED, OUT, LVTTL},
    {"HPS_SPIM_SS", UNPLACED, OUT, LVTTL},
    {"HPS_UART_RX", UNPLACED, IN, LVTTL},
    {"HPS_UART_TX", UNPLACED, OUT, LVTTL},
    {"HPS_USB_CLKOUT", UNPLACED, IN, LVTTL},
    {"HPS_USB_DATA", UNPLACED, IO, LVTTL, 8},
    {"HPS_USB_DIR", UNPLACED, IN, LVTTL},
    {"HPS_USB_NXT", UNPLACED, IN, LVTTL},
    {"HPS_USB_STP", UNPLACED, OUT, LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "W21", OUT, LVTTL},
    {"IRDA_RXD", "W20", IN, LVTTL},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power and ground.
constexpr MasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "W15 AK2 Y16 AK3 AJ1 AJ2 AH2 AH3 AH4 AH5 - - AG1 AG2 AG3 AG5 AG6 AG7 AG8 AF4 "
    "AF5 AF6 AF8 AF9 AF10 AE7 AE9 AE11 - - AE12 AD7 AD9 AD10 AD11 AD12 AC9 AC12 AB12 AA12"};
// HSMC pin n at position n - 1; positions 1 to 32 hold no pin on this board.
constexpr MasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A,
    "- - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - "
    "AE29 AA28 - - - - AD29 J14 C10 H13 C9 H12 - - A9 G12 "
    "A8 G11 - - E8 K12 D7 J12 - - G7 G10 F6 F10 - - "
    "D6 J10 C5 J9 - - D5 K7 C4 K8 - - E3 J7 E2 H7 "
    "- - E4 H8 D4 G8 - - C3 F9 B3 F8 - - E7 AA26 "
    "E6 AB27 - - E1 F11 D1 E11 - - D2 B6 C2 B5 - - "
    "B2 E9 B1 D9 - - A4 E12 A3 D12 - - A6 D11 A5 D10 "
    "- - C7 C13 B7 B12 - - C8 F13 B8 E13 - - C12 H14 "
    "B11 G13 - - B13 F15 A13 F14 - - A11 H15 A10 G15 - -"};
// clang-format on

} // namespace

void ConfigForvikPins(TMainBoard* board, TConfigForvik* config) {
    // The writers read the settings object through the board's text; it stays the form's.
    board->SetBoardText(std::make_unique<ForvikText>(config));
    const C& Config = config->Config;
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_FORVIK, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bSeg7))
        t.Group("Seg7", kSeg7);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bVideoIn))
        t.Group("Video-In", kVideoIn);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bADC))
        t.Group("ADC", kAdc);
    // One bus serves both.
    if (Config.U8(C::bAudio) || Config.U8(C::bVideoIn))
        t.Group("I2C for Audio and Video-In", kI2c);
    if (Config.U8(C::bHPS))
        t.Group("HPS", kHps);
    if (Config.U8(C::bIR))
        t.Group("IR", kIr);
    const uint8_t gpio = Config.U8(C::nGpioDaughterId);
    const uint8_t hsmc = Config.U8(C::nHsmcDaughterId);
    if (gpio != 0)
        t.Master(kGpioMaster, gpio);
    if (hsmc != 0)
        t.Master(kHsmcMaster, hsmc);
}
