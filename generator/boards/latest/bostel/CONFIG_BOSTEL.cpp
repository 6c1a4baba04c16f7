#include "CONFIG_BOSTEL.h"

#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "model/DaughterCatalogue.h"
#include "platform/Text.h"

namespace {

using C = BOSTEL_CONFIG;
using kit::ClockRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_BOSTEL", "Config.BoardId == MAINBOARD_BOSTEL", kit::kHeadIdLine,
                                   "Config.Size == sizeof(BOSTEL_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"MAX 10 FPGA", "10M50DAF484C6GES", 484, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// clang-format off
constexpr ClockRow kClock[] = {
    {"ADC_CLK_10", "M9", LVTTL, 0, "10.0 MHz"},
    {"MAX10_CLK1_50", "N5", LVTTL, 0, "50.0 MHz"},
    {"MAX10_CLK2_50", "V9", LVTTL, 0, "50.0 MHz"},
    {"MAX10_CLK3_50", "N14", IOSTD_1V5, 0, "50.0 MHz"},
};
constexpr PinRow kKey[] = {
    {"KEY[0]", "T22", IN, IOSTD_1V5_SCHMITT},
    {"KEY[1]", "U22", IN, IOSTD_1V5_SCHMITT},
    {"KEY[2]", "AA22", IN, IOSTD_1V5_SCHMITT},
    {"KEY[3]", "AA21", IN, IOSTD_1V5_SCHMITT},
    {"KEY[4]", "R22", IN, IOSTD_1V5_SCHMITT},
    {"FPGA_RESET_n", "D9", IN, LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "N22 M22 N21 L22 J22 H22 J21 C21 G19 H21", IN, IOSTD_1V5, 10},
};
constexpr PinRow kLed[] = {
    {"LEDR", "C2 B3 A3 C3 A4 B4 C4 B5 C5 D5", OUT, LVTTL, 10},
};
constexpr PinRow kHex[] = {
    {"HEX0", "D6 A5 C6 A6 F7 D7 B7", OUT, LVTTL, 7},
    {"HEX1", "C7 C8 D8 D10 E10 H11 E6", OUT, LVTTL, 7},
};
constexpr PinRow kAudio[] = {
    {"AUDIO_BCLK", "J12", IO, IOSTD_2V5},
    {"AUDIO_DIN_MFP1", "J13", OUT, IOSTD_2V5},
    {"AUDIO_DOUT_MFP2", "H13", IN, IOSTD_2V5},
    {"AUDIO_GPIO_MFP5", "D14", IO, IOSTD_2V5},
    {"AUDIO_MCLK", "J11", OUT, IOSTD_2V5},
    {"AUDIO_MISO_MFP4", "E13", IN, IOSTD_2V5},
    {"AUDIO_RESET_n", "D13", IO, IOSTD_2V5},
    {"AUDIO_SCLK_MFP3", "H14", OUT, IOSTD_2V5},
    {"AUDIO_SCL_SS_n", "F15", OUT, IOSTD_2V5},
    {"AUDIO_SDA_MOSI", "F16", IO, IOSTD_2V5},
    {"AUDIO_SPI_SELECT", "E14", OUT, IOSTD_2V5},
    {"AUDIO_WCLK", "H12", IO, IOSTD_2V5},
};
constexpr PinRow kDac[] = {
    {"DAC_DATA", "A2", IO, LVTTL},
    {"DAC_SCLK", "B1", OUT, LVTTL},
    {"DAC_SYNC_n", "B2", OUT, LVTTL},
};
constexpr PinRow kDdr3[] = {
    {"DDR3_A", "U20 F19 V20 G20 F22 E20 E21 Y20 C22 D22 J14 E22 G22 D19 C20", OUT, SSTL, 15},
    {"DDR3_BA[0]", "W22", OUT, SSTL},
    {"DDR3_BA[1]", "Y21", OUT, SSTL},
    {"DDR3_BA[2]", "Y22", OUT, SSTL},
    {"DDR3_CAS_n", "U19", OUT, SSTL},
    {"DDR3_CKE", "V18", OUT, SSTL},
    {"DDR3_CK_n", "E18", IO, DIFF},
    {"DDR3_CK_p", "D18", IO, DIFF},
    {"DDR3_CS_n", "W20", OUT, SSTL},
    {"DDR3_DM[0]", "J15", OUT, SSTL},
    {"DDR3_DM[1]", "N19", OUT, SSTL},
    {"DDR3_DM[2]", "T18", OUT, SSTL},
    {"DDR3_DQ", "J18 H19 K20 H18 K18 H20 K19 J20 L18 M18 M14 N20 L20 M20 M15 L19 T19 R20 R15 P15 P19 P14 R14 P20", IO, SSTL, 24},
    {"DDR3_DQS_n[0]", UNPLACED, IO, DIFF},
    {"DDR3_DQS_n[1]", UNPLACED, IO, DIFF},
    {"DDR3_DQS_n[2]", UNPLACED, IO, DIFF},
    {"DDR3_DQS_p[0]", "K14", IO, DIFF},
    {"DDR3_DQS_p[1]", "L14", IO, DIFF},
    {"DDR3_DQS_p[2]", "R18", IO, DIFF},
    {"DDR3_ODT", "V22", OUT, SSTL},
    {"DDR3_RAS_n", "N18", OUT, SSTL},
    {"DDR3_RESET_n", "B22", OUT, SSTL},
    {"DDR3_WE_n", "W19", OUT, SSTL},
};
constexpr PinRow kQspiFlash[] = {
    {"FLASH_DATA[0]", "AB18", IO, LVTTL},
    {"FLASH_DATA[1]", "AA19", IO, LVTTL},
    {"FLASH_DATA[2]", "AB19", IO, LVTTL},
    {"FLASH_DATA[3]", "AA20", IO, LVTTL},
    {"FLASH_DCLK", "AB17", OUT, LVTTL},
    {"FLASH_NCSO", "AB21", OUT, LVTTL},
    {"FLASH_RESET_n", "AB20", OUT, LVTTL},
};
constexpr PinRow kGSensor[] = {
    {"GSENSOR_CS_n", "C16", OUT, IOSTD_2V5},
    {"GSENSOR_INT[1]", "B15", IN, IOSTD_2V5},
    {"GSENSOR_INT[2]", "D17", IN, IOSTD_2V5},
    {"GSENSOR_SCLK", "A15", IO, IOSTD_2V5},
    {"GSENSOR_SDI", "C15", IO, IOSTD_2V5},
    {"GSENSOR_SDO", "B16", IO, IOSTD_2V5},
};
constexpr PinRow kHdmiRx[] = {
    {"HDMI_AP", "W9", IN, LVTTL},
    {"HDMI_I2C_SCL", "R13", IO, LVTTL},
    {"HDMI_I2C_SDA", "P13", IO, LVTTL},
    {"HDMI_LRCLK", "V11", IO, LVTTL},
    {"HDMI_MCLK", "R12", IO, LVTTL},
    {"HDMI_RX_CLK", "P11", IN, LVTTL},
    {"HDMI_RX_D", "AA9 AB9 Y10 AA10 AB10 Y11 AA11 AB11 Y14 AB15 AA15 W14 V14 V15 U15 AB14 AA14 AB13 Y13 AB12 AA12 W13 W12 V13", IN, LVTTL, 24},
    {"HDMI_RX_DE", "W10", IN, LVTTL},
    {"HDMI_RX_HS", "V12", IO, LVTTL},
    {"HDMI_RX_INT1", "P12", IN, LVTTL},
    {"HDMI_RX_RESET_n", "AA13", IO, LVTTL},
    {"HDMI_RX_VS", "W11", IN, LVTTL},
    {"HDMI_SCLK", "W8", IO, LVTTL},
};
constexpr PinRow kLightSensor[] = {
    {"LSENSOR_INT", "M2", IO, LVTTL},
    {"LSENSOR_SCL", "M1", OUT, LVTTL},
    {"LSENSOR_SDA", "T3", IO, LVTTL},
};
constexpr PinRow kMipi[] = {
    {"MIPI_CS_n", "U7", OUT, LVTTL},
    {"MIPI_I2C_SCL", "Y1", OUT, LVTTL},
    {"MIPI_I2C_SDA", "Y2", IO, LVTTL},
    {"MIPI_PIXEL_CLK", "V10", IN, LVTTL},
    {"MIPI_PIXEL_D", "U6 W5 V7 V5 W4 V4 W3 W6 W7 Y3 Y4 Y5 AB3 AB4 AA5 AB5 AB7 Y8 AA8 AA7 Y7 AB6 AA6 Y6", IN, LVTTL, 24},
    {"MIPI_PIXEL_HS", "AA2", IN, LVTTL},
    {"MIPI_PIXEL_VS", "AA1", IN, LVTTL},
    {"MIPI_RESET_n", "AA3", OUT, LVTTL},
    {"MIPI_REFCLK", "W17", OUT, LVTTL},
    {"CAMERA_I2C_SCL", "A20", OUT, IOSTD_2V5},
    {"CAMERA_I2C_SDA", "B19", IO, IOSTD_2V5},
    {"CAMERA_PWDN_n", "R11", IO, LVTTL},
};
constexpr PinRow kDrovik2[] = {
    {"DROVIK2_B", "P4 P5 N3 P8 N4 N8 N9 M8", OUT, LVTTL, 8},
    {"DROVIK2_BL_ON_n", "R9", IO, LVTTL},
    {"DROVIK2_DCLK", "W1", OUT, LVTTL},
    {"DROVIK2_G", "T5 T6 R1 R2 R4 P1 R5 R7", OUT, LVTTL, 8},
    {"DROVIK2_HSD", "N1", OUT, LVTTL},
    {"DROVIK2_I2C_SCL", "P9", OUT, LVTTL},
    {"DROVIK2_I2C_SDA", "P10", IO, LVTTL},
    {"DROVIK2_INT", "R10", IN, LVTTL},
    {"DROVIK2_R", "U5 U4 U3 W2 U2 V1 T2 T1", OUT, LVTTL, 8},
    {"DROVIK2_VSD", "N2", OUT, LVTTL},
};
constexpr PinRow kEthernetHead[] = {
    {"NET_GTX_CLK", "C11", OUT, IOSTD_2V5},
    {"NET_INT_n", "C13", IN, IOSTD_2V5},
    {"NET_LINK100", "A7", IN, IOSTD_2V5},
    {"NET_MDC", "D12", OUT, IOSTD_2V5},
    {"NET_MDIO", "E12", IO, IOSTD_2V5},
    {"NET_RST_N", "C14", OUT, IOSTD_2V5},
};
constexpr ClockRow kNetRxClock{"NET_RX_CLK", "J10", LVTTL, 0, "125.0 MHz"};
constexpr PinRow kEthernetReceive[] = {
    {"NET_RX_COL", "C9", IN, IOSTD_2V5},
    {"NET_RX_CRS", "A9", IN, IOSTD_2V5},
    {"NET_RX_D[0]", "A10", IN, IOSTD_2V5},
    {"NET_RX_D[1]", "B10", IN, IOSTD_2V5},
    {"NET_RX_D[2]", "A11", IN, IOSTD_2V5},
    {"NET_RX_D[3]", "B11", IN, IOSTD_2V5},
    {"NET_RX_DV", "A8", IN, IOSTD_2V5},
    {"NET_RX_ER", "B8", IN, IOSTD_2V5},
};
constexpr ClockRow kNetTxClock{"NET_TX_CLK", "E11", LVTTL, 0, "125.0 MHz"};
constexpr PinRow kEthernetTransmit[] = {
    {"NET_TX_D[0]", "A12", OUT, IOSTD_2V5},
    {"NET_TX_D[1]", "B12", OUT, IOSTD_2V5},
    {"NET_TX_D[2]", "A13", OUT, IOSTD_2V5},
    {"NET_TX_D[3]", "A14", OUT, IOSTD_2V5},
    {"NET_TX_EN", "C10", OUT, IOSTD_2V5},
    {"NET_TX_ER", "C12", OUT, IOSTD_2V5},
};
constexpr PinRow kPowerMonitor[] = {
    {"PM_I2C_SCL", "E8", OUT, LVTTL},
    {"PM_I2C_SDA", "E9", IO, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "V3", IO, LVTTL},
    {"PS2_CLK2", "U1", IO, LVTTL},
    {"PS2_DAT", "P3", IO, LVTTL},
    {"PS2_DAT2", "R3", IO, LVTTL},
};
constexpr PinRow kHumidity[] = {
    {"RH_TEMP_DRDY_n", "Y19", IN, LVTTL},
    {"RH_TEMP_I2C_SCL", "Y18", OUT, LVTTL},
    {"RH_TEMP_I2C_SDA", "W18", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "A16", OUT, IOSTD_2V5},
    {"SD_CMD", "C18", IO, IOSTD_2V5},
    {"SD_DATA[0]", "A17", IO, IOSTD_2V5},
    {"SD_DATA[1]", "A18", IO, IOSTD_2V5},
    {"SD_DATA[2]", "B17", IO, IOSTD_2V5},
    {"SD_DATA[3]", "C17", IO, IOSTD_2V5},
};
constexpr PinRow kUart[] = {
    {"UART_RESET_n", "D15", OUT, IOSTD_2V5},
    {"UART_RX", "E16", IN, IOSTD_2V5},
    {"UART_TX", "E15", OUT, IOSTD_2V5},
};
// The header's pins keep "3.3-V LVTTL"; the card brings names and directions.
constexpr PinRow kMoxen[] = {
    {"GPIO", "Y17 AA17 V16 W15 AB16 AA16 Y16 W16", DIRECTION_BY_DAUGHTER, LVTTL, 8},
};
// clang-format on

} // namespace

void ConfigBostelPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_BOSTEL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bLED))
        t.Group("LEDR", kLed);
    if (Config.U8(C::bHex))
        t.Group("HEX", kHex);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bDAC))
        t.Group("DAC", kDac);
    if (Config.U8(C::bDDR3))
        t.Group("DDR3 SDRAM", kDdr3);
    if (Config.U8(C::bQspiFlash))
        t.Group("QSPI Flash", kQspiFlash);
    if (Config.U8(C::bGSensor))
        t.Group("G-Sensor", kGSensor);
    if (Config.U8(C::bHdmiRx))
        t.Group("HDMI-RX", kHdmiRx);
    if (Config.U8(C::bLightSensor))
        t.Group("Light Sensor", kLightSensor);
    if (Config.U8(C::bMIPI))
        t.Group("MIPI CS2 Camera", kMipi);
    if (Config.U8(C::bDrovik2))
        t.Group("DROVIK2", kDrovik2);
    if (Config.U8(C::bEthernet)) {
        TConnector* c = t.Group("Ethernet", kEthernetHead);
        t.Add(c, kNetRxClock);
        t.Add(c, kEthernetReceive);
        t.Add(c, kNetTxClock);
        t.Add(c, kEthernetTransmit);
    }
    if (Config.U8(C::bPowerMonitor))
        t.Group("Power Monitor", kPowerMonitor);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bHumiditySensor))
        t.Group("Humidity and Temperature Sensor", kHumidity);
    if (Config.U8(C::bSdCard))
        t.Group("MicroSD Card", kSdCard);
    if (Config.U8(C::bUart2Usb))
        t.Group("Uart to USB", kUart);
    // The whole 32-bit field counts; its low byte is the card.
    const int32_t moxen = Config.I32(C::nMoxenDaughterId);
    if (moxen != 0) {
        const auto card = static_cast<int8_t>(moxen & 0xFF);
        auto* c = new TConnector("Moxen 2x6 GPIO Header",
                                 platform::Format("Moxen connect to %s", BoardName(card).c_str()),
                                 CONNECTOR_MOXEN_2x6, -1);
        t.Add(c, kMoxen);
        c->SetMaster(1);
        c->SetMasterId(MASTER_MOXEN);
        board->AddConnector(c);
    }
}
