#include "CONFIG_TAVRIN.h"

#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"

namespace {

using C = TAVRIN_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_TAVRIN", "Config.BoardId == MAINBOARD_TAVRIN", kit::kHeadIdLine,
                                   "Config.Size == sizeof(TAVRIN_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CGXFC5C6F27C7", 672, "FBGA", "8_H6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_125_p", "U12", IOSTD_LVDS, 8},
    {"CLOCK_50_B5B", "R20", IOSTD_3V3_LVTTL, 20},
    {"CLOCK_50_B6A", "N20", IOSTD_3V3_LVTTL, 20},
    {"CLOCK_50_B7A", "H12", IOSTD_2V5, 20},
    {"CLOCK_50_B8A", "M10", IOSTD_2V5, 20},
};
constexpr PinRow kLed[] = {
    {"LEDG", "L7 K6 D8 E9 A5 B6 H8 H9", OUT, IOSTD_2V5, 8},
    {"LEDR", "F7 F6 G6 G7 J8 J7 K10 K8 H7 J10", OUT, IOSTD_2V5, 10},
};
constexpr PinRow kKey[] = {
    {"KEY", "P11 P12 Y15 Y16", IN, IOSTD_1V2, 4},
    {"CPU_RESET_n", "AB24", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AC9 AE10 AD13 AC8 W11 AB10 V10 AC10 Y11 AE19", IN, IOSTD_1V2, 10},
};
constexpr PinRow kSeg7Low[] = {
    {"HEX0", "V19 V18 V17 W18 Y20 Y19 Y18", OUT, IOSTD_1V2, 7},
    {"HEX1", "AA18 AD26 AB19 AE26 AE25 AC19 AF24", OUT, IOSTD_1V2, 7},
};
// GPIO header positions 24-27 and 30-39: a GPIO card takes them over.
constexpr PinRow kSeg7High[] = {
    {"HEX2", "AD7 AD6 U20 V22 V20 W21 W20", OUT, IOSTD_3V3_LVTTL, 7},
    {"HEX3", "Y24 Y23 AA23 AA22 AC24 AC23 AC22", OUT, IOSTD_3V3_LVTTL, 7},
};
constexpr PinRow kHdmiTx[] = {
    {"HDMI_TX_HS", "U26", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_VS", "U25", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_CLK", "Y25", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_DE", "Y26", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_INT", "T12", IN, IOSTD_1V2},
    {"HDMI_TX_D", "V23 AA26 W25 W26 V24 V25 U24 T23 T24 T26 R23 R25 P22 P23 N25 P26 P21 R24 R26 AB26 AA24 AB25 AC25 AD25", OUT, IOSTD_3V3_LVTTL, 24},
};
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AB22", OUT, IOSTD_1V2},
    {"ADC_SCK", "AA21", OUT, IOSTD_1V2},
    {"ADC_SDI", "Y10", OUT, IOSTD_1V2},
    {"ADC_SDO", "W10", IN, IOSTD_1V2},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C7", IO, IOSTD_2V5},
    {"AUD_ADCDAT", "D7", IN, IOSTD_2V5},
    {"AUD_DACLRCK", "G10", IO, IOSTD_2V5},
    {"AUD_DACDAT", "H10", OUT, IOSTD_2V5},
    {"AUD_XCK", "D6", OUT, IOSTD_2V5},
    {"AUD_BCLK", "E6", IO, IOSTD_2V5},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCL", "B7", OUT, IOSTD_2V5},
    {"I2C_SDA", "G11", IO, IOSTD_2V5},
};
constexpr PinRow kXcvrSma[] = {
    {"REFCLK_p0", "V6", IN, IOSTD_1V5_PCML},
    {"REFCLK_p1", "N7", IN, IOSTD_1V5_PCML},
    {"SMA_GXB_RX_p", "M2", IN, IOSTD_1V5_PCML},
    {"SMA_GXB_TX_p", "K2", OUT, IOSTD_1V5_PCML},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "W8", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AB6", OUT, IOSTD_3V3_LVTTL},
    {"SD_DAT", "U7 T7 V8 T8", IO, IOSTD_3V3_LVTTL, 4},
};
constexpr PinRow kUart[] = {
    {"UART_TX", "L9", OUT, IOSTD_2V5},
    {"UART_RX", "M9", IN, IOSTD_2V5},
};
constexpr PinRow kSram[] = {
    {"SRAM_A", "B25 B26 H19 H20 D25 C25 J20 J21 D22 E23 G20 F21 E21 F22 J25 J26 N24 M24", OUT, IOSTD_3V3_LVTTL, 18},
    {"SRAM_D", "E24 E25 K24 K23 F24 G24 L23 L24 H23 H24 H22 J23 F23 G22 L22 K21", IO, IOSTD_3V3_LVTTL, 16},
    {"SRAM_UB_n", "M25", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_n", "H25", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_n", "N23", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_n", "M22", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_WE_n", "G25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLpddr2[] = {
    {"DDR2LP_CK_p", "N10", OUT, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_CK_n", "P10", OUT, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[0]", "V13", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[0]", "W13", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[1]", "U14", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[1]", "V14", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[2]", "V15", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[2]", "W15", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[3]", "W16", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[3]", "W17", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_CKE[0]", "AF14", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CKE[1]", "AE13", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CS_n[0]", "R11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CS_n[1]", "T11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[0]", "AF11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[1]", "AE18", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[2]", "AE20", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[3]", "AE24", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_OCT_RZQ", "AE11", IN, IOSTD_1V2},
    {"DDR2LP_DQ", "AA14 Y14 AD11 AD12 Y13 W12 AD10 AF12 AC15 AB15 AC14 AF13 AB16 AA16 AE14 AF18 AD16 AD17 AC18 AF19 AC17 AB17 AF21 AE21 AE15 AE16 AC20 AD21 AF16 AF17 AD23 AF23", IO, IOSTD_1V2_HSUL, 32},
    {"DDR2LP_CA", "AE6 AF6 AF7 AF8 U10 U11 AE9 AF9 AB12 AB11", OUT, IOSTD_1V2_HSUL, 10},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power.
constexpr MasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "T21 D26 K25 E26 K26 M26 M21 P20 T22 T19 - - "
    "U19 U22 P8 R8 R9 R10 F26 Y9 G26 Y8 AA7 AA6 AD7 AD6 U20 V22 - - "
    "V20 W21 W20 Y24 Y23 AA23 AA22 AC24 AC23 AC22"};
// HSMC pin n at position n - 1. Positions 17 and 19 both carry V2, and 24 and 26 both AC4.
constexpr MasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A,
    "- - - - - - - - - - - - - - - - "
    "W4 V2 W3 V2 AA4 Y2 AA3 Y1 AC4 AB2 AC4 AB1 AE4 AD2 AE1 AD1 "
    "- - - - - - "
    "A7 N9 D11 H14 D12 H13 - - E10 N12 E11 M12 - - C9 M11 B9 L11 - - D10 H18 C10 H17 - - "
    "A12 L12 B11 K11 - - B10 H15 A11 J16 - - C20 J12 B19 J11 - - B15 G16 C15 G17 - - "
    "B22 G12 A21 F12 - - A19 G15 A18 G14 - - C13 E18 C12 F18 - - A8 F16 A9 E15 - - "
    "B12 E13 A13 D13 - - C23 C14 C22 D15 - - A14 E16 B14 D16 - - A23 D18 A22 D17 - - "
    "C17 E20 B17 E19 - - C19 D21 C18 D20 - - B21 B24 B20 A24 - - A17 L8 A16 K9 - -"};
// clang-format on

} // namespace

void ConfigTavrinPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_TAVRIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const uint8_t gpio = Config.U8(C::nGpioDaughterId);
    const uint8_t hsmc = Config.U8(C::nHsmcDaughterId);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSeg7)) {
        TConnector* c = t.Group("SEG7", kSeg7Low);
        if (gpio == 0)
            t.Add(c, kSeg7High);
    }
    if (Config.U8(C::bHDMI_TX))
        t.Group("HDMI-TX", kHdmiTx);
    if (Config.U8(C::bADC))
        t.Group("ADC SPI", kAdc);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    // One bus serves all of these.
    if (Config.U8(C::bAudio) || Config.U8(C::bHDMI_TX) || Config.U8(C::bSi5338_I2C) || hsmc != 0)
        t.Group("I2C for Audio/HDMI-TX/Si5338/HSMC", kI2c);
    if (Config.U8(C::bXcvrSma))
        t.Group("SMA Transceiver x1", kXcvrSma);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bUart2USB))
        t.Group("Uart to USB", kUart);
    if (Config.U8(C::bSRAM))
        t.Group("SRAM", kSram);
    if (Config.U8(C::bLPDDR2))
        t.Group("LPDDR2", kLpddr2);
    if (gpio != 0)
        t.Master(kGpioMaster, gpio);
    if (hsmc != 0)
        t.Master(kHsmcMaster, hsmc);
}
