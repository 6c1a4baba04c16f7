#include "CONFIG_XYLMAR.h"
#include "XylmarText.h"

namespace {

using C = XYLMAR_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;
using kit::UNPLACED;

// The board's own text spells its source "CONFIG_Xylmar".
constexpr kit::TableChecks kChecks{"CONFIG_Xylmar", "Config.BoardId == MAINBOARD_XYLMAR", 24,
                                   "Config.Size == sizeof(XYLMAR_CONFIG)", 25};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSXFC6C6U23C6", 896, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto TTL = IOSTD_3V3_LVTTL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// clang-format off
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "U9", OUT, TTL},
    {"ADC_SCK", "V10", OUT, TTL},
    {"ADC_SDI", "AC4", OUT, TTL},
    {"ADC_SDO", "AD4", IN, TTL},
};
constexpr PinRow kArduino[] = {
    {"ARDUINO_IO", "AG13 AF13 AG10 AG9 U14 U13 AG8 AH8 AF17 AE15 AF15 AG16 AH11 AH12 AH9 AG11", IO, TTL, 16},
    {"ARDUINO_RESET_N", "AH7", IO, TTL},
};
constexpr ClockRow kClock[] = {
    {"FPGA_CLK1_50", "V11", TTL, 0, "50.0 MHz"},
    {"FPGA_CLK2_50", "Y13", TTL, 0, "50.0 MHz"},
    {"FPGA_CLK3_50", "E11", TTL, 0, "50.0 MHz"},
};
constexpr PinRow kHdmi[] = {
    {"HDMI_I2C_SCL", "U10", IO, TTL},
    {"HDMI_I2C_SDA", "AA4", IO, TTL},
    {"HDMI_I2S", "T13", IO, TTL},
    {"HDMI_LRCLK", "T11", IO, TTL},
    {"HDMI_MCLK", "U11", IO, TTL},
    {"HDMI_SCLK", "T12", IO, TTL},
    {"HDMI_TX_CLK", "AG5", OUT, TTL},
    {"HDMI_TX_D", "AD12 AE12 W8 Y8 AD11 AD10 AE11 Y5 AF10 Y4 AE9 AB4 AE7 AF6 AF8 AF5 AE4 AH2 AH4 AH5 AH6 AG6 AF9 AE8", OUT, TTL, 24},
    {"HDMI_TX_DE", "AD19", OUT, TTL},
    {"HDMI_TX_HS", "T8", OUT, TTL},
    {"HDMI_TX_INT", "AF11", IN, TTL},
    {"HDMI_TX_VS", "V13", OUT, TTL},
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
    {"HPS_DDR3_RZQ", UNPLACED, IN, IOSTD_1V5},
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
    {"HPS_GSENSOR_INT", UNPLACED, IO, TTL},
    {"HPS_I2C0_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C0_SDAT", UNPLACED, IO, TTL},
    {"HPS_I2C1_SCLK", UNPLACED, IO, TTL},
    {"HPS_I2C1_SDAT", UNPLACED, IO, TTL},
    {"HPS_KEY", UNPLACED, IO, TTL},
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
constexpr PinRow kKey[] = {
    {"KEY[0]", "AH17", IN, TTL},
    {"KEY[1]", "AH16", IN, TTL},
};
constexpr PinRow kLed[] = {
    {"LED", "W15 AA24 V16 V15 AF26 AE26 Y16 AA23", OUT, TTL, 8},
};
constexpr PinRow kSwitch[] = {
    {"SW[0]", "Y24", IN, TTL},
    {"SW[1]", "W24", IN, TTL},
    {"SW[2]", "W21", IN, TTL},
    {"SW[3]", "W20", IN, TTL},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power and ground.
constexpr MasterRow kGpio0{"GPIO_0", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "V12 E8 W12 D11 D8 AH13 AF7 AH14 AF4 AH3 - - "
    "AD5 AG14 AE23 AE6 AD23 AE24 D12 AD20 C12 AD17 AC23 AC22 Y19 AB23 AA19 W11 - - "
    "AA18 W14 Y18 Y17 AB25 AB26 Y11 AA26 AA13 AA11"};
constexpr MasterRow kGpio1{"GPIO_1", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_1,
    "Y15 AC24 AA15 AD26 AG28 AF28 AE25 AF27 AG26 AH27 - - "
    "AG25 AH26 AH24 AF25 AG23 AF23 AG24 AH22 AH21 AG21 AH23 AA20 AF22 AE22 AG20 AF21 - - "
    "AG19 AH19 AG18 AH18 AF18 AF20 AG15 AE20 AE19 AE17"};
// An 80-pin card on both headers: GPIO-0's positions, then GPIO-1's. A header takes any
// card id but 0.
constexpr kit::HeaderPair kGpio{kGpio0, kGpio1,
    {"GPIO_0_1", "GPIO_0_1 connect to %s", CONNECTOR_GPIO80, MASTER_GPIO_BOTH, nullptr}, kit::PairCards::NonZero};
// clang-format on

} // namespace

void AddXylmarGroups(kit::PinTable& t, const XylmarGroups& g) {
    if (g.adc)
        t.Group("ADC", kAdc);
    if (g.arduino)
        t.Group("ARDUINO", kArduino);
    if (g.osc)
        t.Group("CLOCK", kClock);
    if (g.hdmiTx)
        t.Group("HDMI", kHdmi);
    if (g.hps)
        t.Group("HPS", kHps);
    if (g.button)
        t.Group("KEY", kKey);
    if (g.led)
        t.Group("LED", kLed);
    if (g.sw)
        t.Group("SW", g.switches);
}

void ConfigXylmarPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeXylmarText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_XYLMAR, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    AddXylmarGroups(t, {Config.U8(C::bADC) != 0, Config.U8(C::bArduino) != 0, Config.U8(C::bOSC) != 0,
                        Config.U8(C::bHdmiTx) != 0, Config.U8(C::bHPS) != 0, Config.U8(C::bButton) != 0,
                        Config.U8(C::bLED) != 0, Config.U8(C::bSwitch) != 0, kSwitch});
    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[GPIO_0]), Config.U8(C::nGpioDaughterId[GPIO_1]));
}
