#include "CONFIG_VARDIS.h"

#include "VardisText.h"
#include "boards/kit/PinTable.h"

namespace {

using C = VARDIS_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_VARDIS", "Config.BoardId == MAINBOARD_VARDIS", 23,
                                   "Config.Size == sizeof(VARDIS_CONFIG)", 24};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSEMA6F31C6", 896, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto TTL = IOSTD_3V3_LVTTL;
constexpr auto V15 = IOSTD_1V5;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "AF14", V15, 20, nullptr, IN, "BANK 3B"},
    {"CLOCK2_50", "AA16", V15, 20, nullptr, IN, "BANK 4A"},
    {"CLOCK3_50", "Y26", TTL, 20, nullptr, IN, "BANK 5B"},
    {"CLOCK4_50", "K14", TTL, 20, nullptr, IN, "BANK 8A"},
};
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AH2", OUT, TTL},
    {"ADC_DIN", "AJ2", OUT, TTL},
    {"ADC_DOUT", "AG1", IN, TTL},
    {"ADC_SCLK", "AJ1", OUT, TTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCDAT", "K7", IN, TTL},
    {"AUD_ADCLRCK", "K8", IO, TTL},
    {"AUD_BCLK", "H7", IO, TTL},
    {"AUD_DACDAT", "J7", OUT, TTL},
    {"AUD_DACLRCK", "H8", IO, TTL},
    {"AUD_XCK", "G7", OUT, TTL},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCLK", "J12", OUT, TTL},
    {"FPGA_I2C_SDAT", "K12", IO, TTL},
};
constexpr PinRow kHdmi[] = {
    {"HDMI_I2S0", "W22", OUT, TTL},
    {"HDMI_LRCLK", "W21", OUT, TTL},
    {"HDMI_MCLK", "G8", OUT, TTL},
    {"HDMI_SCLK", "W20", OUT, TTL},
    {"HDMI_TX_CLK", "A10", OUT, TTL},
    {"HDMI_TX_D", "C7 B7 E9 B8 A8 C9 A9 D9 D10 F9 D7 E8 F8 E7 E6 E4 E3 D5 D4 D6 C3 C4 C5 B5", OUT, TTL, 24},
    {"HDMI_TX_DE", "A6", OUT, TTL},
    {"HDMI_TX_HS", "B6", OUT, TTL},
    {"HDMI_TX_INT", "A4", IN, TTL},
    {"HDMI_TX_VS", "C8", OUT, TTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "AK28", OUT, V15, 1, 0},
    {"HEX0", "AH28 AG28 AJ29 AH29 AH30 AG30", OUT, TTL, 6, 1},
    {"HEX1", "AD21 AC22 AC23 AE24 AD24 AF25 AH27", OUT, V15, 7},
    {"HEX2", "AB17 AD17 AC18 Y19 AJ19 AA20 AD20", OUT, V15, 7},
    {"HEX3", "AE13 AF15 AE14 AD14 AC14 AG13 AF13", OUT, V15, 7},
    {"HEX4", "AG8 AF8 AE7 AD7 AF9 AF10 AE9", OUT, TTL, 7},
    {"HEX5", "AF4 AH5 AF5 AG5 AF6 AG6 AG7", OUT, TTL, 7},
};
constexpr PinRow kDdr3[] = {
    {"FPGA_DDR3_ADDR", "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12", OUT, SSTL, 15},
    {"FPGA_DDR3_BA", "AH10 AJ11 AK11", OUT, SSTL, 3},
    {"FPGA_DDR3_CAS_N", "AH7", OUT, SSTL},
    {"FPGA_DDR3_CKE", "AJ21", OUT, SSTL},
    {"FPGA_DDR3_CK_N", "AA15", OUT, DIFF},
    {"FPGA_DDR3_CK_P", "AA14", OUT, DIFF},
    {"FPGA_DDR3_CS_N", "AB15", OUT, SSTL},
    {"FPGA_DDR3_DM", "AH17 AG23 AK23 AJ27", OUT, SSTL, 4},
    {"FPGA_DDR3_DQ", "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27", IO, SSTL, 32},
    {"FPGA_DDR3_DQS_N", "W16 W17 AA18 AD19", IO, DIFF, 4},
    {"FPGA_DDR3_DQS_P", "V16 V17 Y17 AC20", IO, DIFF, 4},
    {"FPGA_DDR3_ODT", "AE16", OUT, SSTL},
    {"FPGA_DDR3_RAS_N", "AH8", OUT, SSTL},
    {"FPGA_DDR3_RESET_N", "AK21", OUT, SSTL},
    {"FPGA_DDR3_RZQ", "AG17", IN, SSTL},
    {"FPGA_DDR3_WE_N", "AJ6", OUT, SSTL},
};
// The board's data gives no FPGA locations for the HPS part.
constexpr PinRow kHps[] = {
    {"HPS_CONV_USB_N", UNPLACED, IO, TTL},
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
    {"HPS_DDR3_RZQ", UNPLACED, IN, SSTL},
    {"HPS_DDR3_WE_N", UNPLACED, OUT, SSTL},
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
    {"HPS_GSENSOR_INT", UNPLACED, IO, TTL},
    {"HPS_I2C1_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C1_SDAT", UNPLACED, IO, TTL},
    {"HPS_I2C2_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C2_SDAT", UNPLACED, IO, TTL},
    {"HPS_I2C_CONTROL", UNPLACED, IO, TTL},
    {"HPS_KEY", UNPLACED, IO, TTL},
    {"HPS_LCM_BK", UNPLACED, IO, TTL},
    {"HPS_LCM_D_C", UNPLACED, IO, TTL},
    {"HPS_LCM_RST_N", UNPLACED, IO, TTL},
    {"HPS_LCM_SPIM_CLK", UNPLACED, OUT, TTL},
    {"HPS_LCM_SPIM_MOSI", UNPLACED, OUT, TTL},
    {"HPS_LCM_SPIM_SS", UNPLACED, OUT, TTL},
    {"HPS_SPIM0_MISO", UNPLACED, IN, TTL},
    {"HPS_LED", UNPLACED, IO, TTL},
    {"HPS_LTC_GPIO", UNPLACED, IO, TTL},
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
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AA30", IN, TTL},
    {"IRDA_TXD", "AB30", OUT, TTL},
};
constexpr PinRow kKey[] = {
    {"KEY", "AA13 AB13 W15 Y16", IN, V15, 4},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AA12 AB12 AC12 AD12 AE12 AD11 AE11 AD10 AC9 AD9", OUT, TTL, 10},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AG2", IO, TTL},
    {"PS2_CLK2", "AG3", IO, TTL},
    {"PS2_DAT", "AH3", IO, TTL},
    {"PS2_DAT2", "AH4", IO, TTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AG11 AG10 AF11 AH9 AK6 AJ5 AJ4 AK4 AK3 AK2", IN, V15, 10},
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
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power and ground.
constexpr MasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "AA26 V23 AB27 W24 V25 W25 Y21 Y23 Y27 Y24 - - "
    "AA24 AA28 AB22 AB23 AA25 AB26 AB28 AB25 AC27 AC28 AC29 AC30 AC25 AD26 AD27 AD29 - - "
    "AD30 AD25 AE26 AE27 AE29 AE28 AF29 AF30 AG27 AF28"};
// clang-format on

} // namespace

void ConfigVardisPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<VardisText>(t.RecordCopy<VARDIS_CONFIG>(Config)));
    t.Begin(MAINBOARD_VARDIS, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bADC))
        t.Group("ADC", kAdc);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bAudio) || Config.U8(C::bVideoIn))
        t.Group("I2C for Audio and Video-In", kI2c);
    if (Config.U8(C::bHDMI))
        t.Group("HDMI", kHdmi);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bDDR3))
        t.Group("DDR3", kDdr3);
    if (Config.U8(C::bHPS))
        t.Group("HPS", kHps);
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
    if (const uint8_t gpio = Config.U8(C::nGpioDaughterId[GPIO_0]); gpio != 0)
        t.Master(kGpioMaster, gpio);
}
