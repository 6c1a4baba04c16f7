#include "CONFIG_ULMARO.h"

#include "UlmaroText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"

namespace {

using C = ULMARO_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_ULMARO", "Config.BoardId == MAINBOARD_ULMARO", kit::kHeadIdLine,
                                   "Config.Size == sizeof(ULMARO_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSEMA5F31C6", 896, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto TTL = IOSTD_3V3_LVTTL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// clang-format off
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AJ4", OUT, TTL},
    {"ADC_DIN", "AK4", OUT, TTL},
    {"ADC_DOUT", "AK3", IN, TTL},
    {"ADC_SCLK", "AK2", OUT, TTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCDAT", "K7", IN, TTL},
    {"AUD_ADCLRCK", "K8", IO, TTL},
    {"AUD_BCLK", "H7", IO, TTL},
    {"AUD_DACDAT", "J7", OUT, TTL},
    {"AUD_DACLRCK", "H8", IO, TTL},
    {"AUD_XCK", "G7", OUT, TTL},
};
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "AF14", TTL, 20, nullptr, IN, "BANK 3B"},
    {"CLOCK2_50", "AA16", TTL, 20, nullptr, IN, "BANK 4A"},
    {"CLOCK3_50", "Y26", TTL, 20, nullptr, IN, "BANK 5B"},
    {"CLOCK4_50", "K14", TTL, 20, nullptr, IN, "BANK 8A"},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14", OUT, TTL, 13},
    {"DRAM_BA[0]", "AF13", OUT, TTL},
    {"DRAM_BA[1]", "AJ12", OUT, TTL},
    {"DRAM_CAS_N", "AF11", OUT, TTL},
    {"DRAM_CKE", "AK13", OUT, TTL},
    {"DRAM_CS_N", "AG11", OUT, TTL},
    {"DRAM_CLK", "AH12", OUT, TTL},
    {"DRAM_DQ", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5", IO, TTL, 16},
    {"DRAM_LDQM", "AB13", OUT, TTL},
    {"DRAM_RAS_N", "AE13", OUT, TTL},
    {"DRAM_UDQM", "AK12", OUT, TTL},
    {"DRAM_WE_N", "AA13", OUT, TTL},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCLK", "J12", OUT, TTL},
    {"FPGA_I2C_SDAT", "K12", IO, TTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "AE26 AE27 AE28 AG27 AF28 AG28 AH28", OUT, TTL, 7},
    {"HEX1", "AJ29 AH29 AH30 AG30 AF29 AF30 AD27", OUT, TTL, 7},
    {"HEX2", "AB23 AE29 AD29 AC28 AD30 AC29 AC30", OUT, TTL, 7},
    {"HEX3", "AD26 AC27 AD25 AC25 AB28 AB25 AB22", OUT, TTL, 7},
    {"HEX4", "AA24 Y23 Y24 W22 W24 V23 W25", OUT, TTL, 7},
    {"HEX5", "V25 AA28 Y27 AB27 AB26 AA26 AA25", OUT, TTL, 7},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AA30", IN, TTL},
    {"IRDA_TXD", "AB30", OUT, TTL},
};
constexpr PinRow kKey[] = {
    {"KEY[0]", "AA14", IN, TTL},
    {"KEY[1]", "AA15", IN, TTL},
    {"KEY[2]", "W15", IN, TTL},
    {"KEY[3]", "Y16", IN, TTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "V16 W16 V17 V18 W17 W19 Y19 W20 W21 Y21", OUT, TTL, 10},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AD7", IO, TTL},
    {"PS2_CLK2", "AD9", IO, TTL},
    {"PS2_DAT", "AE7", IO, TTL},
    {"PS2_DAT2", "AE9", IO, TTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AB12 AC12 AF9 AF10 AD11 AD12 AE11 AC9 AD10 AE12", IN, TTL, 10},
};
constexpr PinRow kVideoIn[] = {
    {"TD_CLK27", "H15", IN, TTL},
    {"TD_DATA", "D2 B1 E2 B2 D1 E1 C2 B3", IN, TTL, 8},
    {"TD_HS", "A5", IN, TTL},
    {"TD_RESET_N", "F6", OUT, TTL},
    {"TD_VS", "A3", IN, TTL},
};
constexpr PinRow kVga[] = {
    {"VGA_B", "B13 G13 H13 F14 H14 F15 G15 J14", OUT, TTL, 8},
    {"VGA_BLANK_N", "F10", OUT, TTL},
    {"VGA_CLK", "A11", OUT, TTL},
    {"VGA_G", "J9 J10 H12 G10 G11 G12 F11 E11", OUT, TTL, 8},
    {"VGA_HS", "B11", OUT, TTL},
    {"VGA_R", "A13 C13 E13 B12 C12 D12 E12 F13", OUT, TTL, 8},
    {"VGA_SYNC_N", "C10", OUT, TTL},
    {"VGA_VS", "D11", OUT, TTL},
};
// The board's data gives no FPGA locations for the HPS part.
constexpr PinRow kHps[] = {
    {"HPS_DDR3_ADDR", UNPLACED, OUT, SSTL, 15},
    {"HPS_DDR3_BA", UNPLACED, OUT, SSTL, 3},
    {"HPS_DDR3_DM", UNPLACED, OUT, SSTL, 4},
    {"HPS_DDR3_DQ", UNPLACED, IO, SSTL, 32},
    {"HPS_DDR3_CAS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_CKE", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_CS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_ODT", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RAS_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_WE_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RESET_N", UNPLACED, OUT, SSTL},
    {"HPS_DDR3_RZQ", UNPLACED, IN, SSTL},
    {"HPS_DDR3_DQS_P[0]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_N[0]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_P[1]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_N[1]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_P[2]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_N[2]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_P[3]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_DQS_N[3]", UNPLACED, IO, DIFF},
    {"HPS_DDR3_CK_P", UNPLACED, OUT, DIFF},
    {"HPS_DDR3_CK_N", UNPLACED, OUT, DIFF},
    {"HPS_ENET_GTX_CLK", UNPLACED, OUT, TTL},
    {"HPS_ENET_INT_N", UNPLACED, IO, TTL},
    {"HPS_ENET_MDC", UNPLACED, OUT, TTL},
    {"HPS_ENET_MDIO", UNPLACED, IO, TTL},
    {"HPS_ENET_RX_CLK", UNPLACED, IN, TTL},
    {"HPS_ENET_RX_DATA", UNPLACED, IN, TTL, 4},
    {"HPS_ENET_RX_DV", UNPLACED, IN, TTL},
    {"HPS_ENET_TX_DATA", UNPLACED, OUT, TTL, 4},
    {"HPS_ENET_TX_EN", UNPLACED, OUT, TTL},
    {"HPS_FLASH_DATA", UNPLACED, IO, TTL, 4},
    {"HPS_FLASH_DCLK", UNPLACED, OUT, TTL},
    {"HPS_FLASH_NCSO", UNPLACED, OUT, TTL},
    {"HPS_GPIO", UNPLACED, IO, TTL, 2},
    {"HPS_GSENSOR_INT", UNPLACED, IO, TTL},
    {"HPS_I2C1_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C1_SDAT", UNPLACED, IO, TTL},
    {"HPS_I2C2_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C2_SDAT", UNPLACED, IO, TTL},
    {"HPS_I2C_CONTROL", UNPLACED, IO, TTL},
    {"HPS_KEY", UNPLACED, IO, TTL},
    {"HPS_LED", UNPLACED, IO, TTL},
    {"HPS_SD_CLK", UNPLACED, OUT, TTL},
    {"HPS_SD_CMD", UNPLACED, IO, TTL},
    {"HPS_SD_DATA", UNPLACED, IO, TTL, 4},
    {"HPS_SPIM_CLK", UNPLACED, OUT, TTL},
    {"HPS_SPIM_MISO", UNPLACED, IN, TTL},
    {"HPS_SPIM_MOSI", UNPLACED, OUT, TTL},
    {"HPS_SPIM_SS", UNPLACED, IO, TTL},
    {"HPS_UART_RX", UNPLACED, IN, TTL},
    {"HPS_UART_TX", UNPLACED, OUT, TTL},
    {"HPS_USB_CLKOUT", UNPLACED, IN, TTL},
    {"HPS_USB_DATA", UNPLACED, IO, TTL, 8},
    {"HPS_USB_DIR", UNPLACED, IN, TTL},
    {"HPS_USB_NXT", UNPLACED, IN, TTL},
    {"HPS_USB_STP", UNPLACED, OUT, TTL},
    {"HPS_CONV_USB_N", UNPLACED, IO, TTL},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power and ground.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "AC18 Y17 AD17 Y18 AK16 AK18 AK19 AJ19 AJ17 AJ16 - - "
    "AH18 AH17 AG16 AE16 AF16 AG17 AA18 AA19 AE17 AC20 AH19 AJ20 AH20 AK21 AD19 AD20 - - "
    "AE18 AE19 AF20 AF21 AF19 AG21 AF18 AG20 AG18 AJ21",
    "AB17 AA21 AB21 AC23 AD24 AE23 AE24 AF25 AF26 AG25 - - "
    "AG26 AH24 AH27 AJ27 AK29 AK28 AK27 AJ26 AK26 AH25 AJ25 AJ24 AK24 AG23 AK23 AH23 - - "
    "AK22 AJ22 AH22 AG22 AF24 AF23 AE22 AD21 AA20 AC22",
    {.id0 = kit::kUlmaroPairLine0, .id1 = kit::kUlmaroPairLine1});
// clang-format on

} // namespace

void ConfigUlmaroPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<UlmaroText>(t.RecordCopy<ULMARO_CONFIG>(Config)));
    t.Begin(MAINBOARD_ULMARO, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bADC))
        t.Group("ADC", kAdc);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bAudio) || Config.U8(C::bVideoIn))
        t.Group("I2C for Audio and Video-In", kI2c);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bIR))
        t.Group("IR", kIr);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bVideoIn))
        t.Group("Video-In", kVideoIn);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bHPS))
        t.Group("HPS", kHps);

    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[GPIO_0]), Config.U8(C::nGpioDaughterId[GPIO_1]));
}
