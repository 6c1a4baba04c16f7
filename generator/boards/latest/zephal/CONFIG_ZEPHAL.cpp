#include "CONFIG_ZEPHAL.h"

#include "ZephalText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "cards/CardTables.h"
#include "platform/Assert.h"
#include "platform/Text.h"

#include <span>

namespace {

using C = ZEPHAL_CONFIG;
using kit::ClockRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_ZEPHAL", "Config.BoardId == MAINBOARD_ZEPHAL", kit::kHeadIdLine,
                                   "Config.Size == sizeof(ZEPHAL_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"MAX 10 FPGA", "10M50DAF484C6GES", 484, "FBGA", "6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;

// The board revisions a row belongs to: 0 is revision A, 1 B, every other value C.
enum Revisions : uint8_t {
    REV_A = 1,
    REV_B = 2,
    REV_C = 4,
    REV_AB = REV_A | REV_B,
    REV_BC = REV_B | REV_C,
    REV_ALL = REV_A | REV_B | REV_C
};

struct RevisionRow {
    PinRow pin;
    uint8_t revisions;
};

// clang-format off
constexpr ClockRow kClock[] = {
    {"ADC_CLK_10", "M9", IOSTD_2V5, 0, "10.0 MHz"},
    {"MAX10_CLK1_50", "M8", IOSTD_2V5, 0, "50.0 MHz"},
    {"MAX10_CLK2_50", "P11", LVTTL, 0, "50.0 MHz"},
};
constexpr PinRow kKey[] = {
    {"KEY[0]", "H21", IN, IOSTD_1V5_SCHMITT},
    {"KEY[1]", "H22", IN, IOSTD_1V5_SCHMITT},
};
constexpr PinRow kLed[] = {
    {"LED", "C7 C8 A6 B7 C4 A5 B4 C5", OUT, IOSTD_1V2, 8},
};
constexpr PinRow kCapSense[] = {
    {"CAP_SENSE_I2C_SCL", "AB2", IO, LVTTL},
    {"CAP_SENSE_I2C_SDA", "AB3", IO, LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUDIO_BCLK", "R14", IO, IOSTD_1V5},
    {"AUDIO_DIN_MFP1", "P15", OUT, IOSTD_1V5},
    {"AUDIO_DOUT_MFP2", "P18", IN, IOSTD_1V5},
    {"AUDIO_GPIO_MFP5", "M22", IO, IOSTD_1V5},
    {"AUDIO_MCLK", "P14", OUT, IOSTD_1V5},
    {"AUDIO_MISO_MFP4", "N21", IN, IOSTD_1V5},
    {"AUDIO_RESET_n", "M21", IO, IOSTD_1V5},
    {"AUDIO_SCLK_MFP3", "P19", OUT, IOSTD_1V5},
    {"AUDIO_SCL_SS_n", "P20", OUT, IOSTD_1V5},
    {"AUDIO_SDA_MOSI", "P21", IO, IOSTD_1V5},
    {"AUDIO_SPI_SELECT", "N22", OUT, IOSTD_1V5},
    {"AUDIO_WCLK", "R15", IO, IOSTD_1V5},
};
// The DDR3 memory; DDR3_A[3], DDR3_BA[0], DDR3_CS_n and DDR3_ODT moved on revision C.
constexpr RevisionRow kSdram[] = {
    {{"DDR3_A", "E21 V20 V21", OUT, SSTL, 3}, REV_ALL},
    {{"DDR3_A[3]", "F18", OUT, SSTL}, REV_AB},
    {{"DDR3_A[3]", "C20", OUT, SSTL}, REV_C},
    {{"DDR3_A", "Y21 J14 V18 U20 Y20 W22 C22 Y22 N18 V22 W20", OUT, SSTL, 11, 4}, REV_ALL},
    {{"DDR3_BA[0]", "E19", OUT, SSTL}, REV_AB},
    {{"DDR3_BA[0]", "D19", OUT, SSTL}, REV_C},
    {{"DDR3_BA[1]", "W19", OUT, SSTL}, REV_ALL},
    {{"DDR3_BA[2]", "F19", OUT, SSTL}, REV_ALL},
    {{"DDR3_CAS_n", "E20", OUT, SSTL}, REV_ALL},
    {{"DDR3_CKE", "B22", OUT, SSTL}, REV_ALL},
    {{"DDR3_CK_n", "E18", IO, DIFF}, REV_ALL},
    {{"DDR3_CK_p", "D18", IO, DIFF}, REV_ALL},
    {{"DDR3_CLK_50", "N15", IN, IOSTD_1V5}, REV_ALL},
    {{"DDR3_CS_n", "F20", OUT, SSTL}, REV_AB},
    {{"DDR3_CS_n", "F22", OUT, SSTL}, REV_C},
    {{"DDR3_DM[0]", "N19", OUT, SSTL}, REV_ALL},
    {{"DDR3_DM[1]", "J15", OUT, SSTL}, REV_ALL},
    {{"DDR3_DQ", "L20 L19 L18 M15 M18 M14 M20 N20 K19 K18 J18 K20 H18 J20 H20 H19", IO, SSTL, 16}, REV_ALL},
    {{"DDR3_DQS_n[0]", UNPLACED, IO, DIFF}, REV_ALL},
    {{"DDR3_DQS_n[1]", UNPLACED, IO, DIFF}, REV_ALL},
    {{"DDR3_DQS_p[0]", "L14", IO, DIFF}, REV_ALL},
    {{"DDR3_DQS_p[1]", "K14", IO, DIFF}, REV_ALL},
    {{"DDR3_ODT", "F21", OUT, SSTL}, REV_AB},
    {{"DDR3_ODT", "G22", OUT, SSTL}, REV_C},
    {{"DDR3_RAS_n", "D22", OUT, SSTL}, REV_ALL},
    {{"DDR3_RESET_n", "U19", OUT, SSTL}, REV_ALL},
    {{"DDR3_WE_n", "E22", OUT, SSTL}, REV_ALL},
};
constexpr PinRow kFlash[] = {
    {"FLASH_DATA[0]", "P12", IO, LVTTL},
    {"FLASH_DATA[1]", "V4", IO, LVTTL},
    {"FLASH_DATA[2]", "V5", IO, LVTTL},
    {"FLASH_DATA[3]", "P10", IO, LVTTL},
    {"FLASH_DCLK", "R12", OUT, LVTTL},
    {"FLASH_NCSO", "R10", OUT, LVTTL},
    {"FLASH_RESET_n", "W10", OUT, LVTTL},
};
constexpr RevisionRow kGSensor[] = {
    {{"GSENSOR_PD", "AB5", OUT, LVTTL}, REV_AB},
    {{"GSENSOR_ST", "AA5", OUT, LVTTL}, REV_AB},
    {{"G_SENSOR_CS_n", "E9", OUT, IOSTD_1V2}, REV_C},
    {{"G_SENSOR_SCLK", "B5", IO, IOSTD_1V2}, REV_C},
    {{"G_SENSOR_INT1", "E8", IN, IOSTD_1V2}, REV_C},
    {{"G_SENSOR_SDO", "D5", IO, IOSTD_1V2}, REV_C},
    {{"G_SENSOR_INT2", "D7", IN, IOSTD_1V2}, REV_C},
    {{"G_SENSOR_SDI", "C6", IO, IOSTD_1V2}, REV_C},
};
constexpr RevisionRow kHdmiTx[] = {
    {{"HDMI_I2C_SCL", "C10", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_I2C_SDA", "B15", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_I2S[0]", "A9", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_I2S[1]", "A11", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_I2S[2]", "A8", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_I2S[3]", "B8", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_LRCLK", "A10", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_MCLK", "A7", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_SCLK", "D12", IO, IOSTD_1V8}, REV_ALL},
    {{"HDMI_TX_CLK", "D6", OUT, IOSTD_1V2}, REV_A},
    {{"HDMI_TX_CLK", "A20", OUT, IOSTD_1V8}, REV_BC},
    {{"HDMI_TX_D", "C18 D17 C17 C19 D14 B19 D13 A19 C14 A17 B16 C15 A14 A15 A12 A16 A13 C16 C12 B17 B12 B14 A18 C13", OUT, IOSTD_1V8, 24}, REV_ALL},
    {{"HDMI_TX_DE", "C9", OUT, IOSTD_1V8}, REV_ALL},
    {{"HDMI_TX_HS", "B11", OUT, IOSTD_1V8}, REV_ALL},
    {{"HDMI_TX_INT", "B10", IN, IOSTD_1V8}, REV_ALL},
    {{"HDMI_TX_VS", "C11", OUT, IOSTD_1V8}, REV_ALL},
};
constexpr PinRow kLightSensor[] = {
    {"LIGHT_I2C_SCL", "Y8", OUT, LVTTL},
    {"LIGHT_I2C_SDA", "AA8", IO, LVTTL},
    {"LIGHT_INT", "AA9", IO, LVTTL},
};
constexpr PinRow kMipi[] = {
    {"MIPI_CORE_EN", "V3", OUT, IOSTD_2V5},
    {"MIPI_I2C_SCL", "M1", OUT, IOSTD_2V5},
    {"MIPI_I2C_SDA", "M2", IO, IOSTD_2V5},
    {"MIPI_LP_MC_n", "E10", IN, IOSTD_1V2},
    {"MIPI_LP_MC_p", "E11", IN, IOSTD_1V2},
    {"MIPI_LP_MD_n[0]", "A3", IN, IOSTD_1V2},
    {"MIPI_LP_MD_n[1]", "C2", IN, IOSTD_1V2},
    {"MIPI_LP_MD_n[2]", "B2", IN, IOSTD_1V2},
    {"MIPI_LP_MD_n[3]", "A2", IN, IOSTD_1V2},
    {"MIPI_LP_MD_p[0]", "A4", IN, IOSTD_1V2},
    {"MIPI_LP_MD_p[1]", "C3", IN, IOSTD_1V2},
    {"MIPI_LP_MD_p[2]", "B1", IN, IOSTD_1V2},
    {"MIPI_LP_MD_p[3]", "B3", IN, IOSTD_1V2},
    {"MIPI_MCLK", "U3", OUT, IOSTD_2V5},
    {"MIPI_MC_p", "N5", IN, IOSTD_LVDS},
    {"MIPI_MD_p[0]", "R2", IN, IOSTD_LVDS},
    {"MIPI_MD_p[1]", "N1", IN, IOSTD_LVDS},
    {"MIPI_MD_p[2]", "T2", IN, IOSTD_LVDS},
    {"MIPI_MD_p[3]", "N2", IN, IOSTD_LVDS},
    {"MIPI_RESET_n", "T3", OUT, IOSTD_2V5},
    {"MIPI_WP", "U1", OUT, IOSTD_2V5},
};
constexpr PinRow kEthernetHead[] = {
    {"NET_COL", "R4", IN, IOSTD_2V5},
    {"NET_CRS", "P5", IN, IOSTD_2V5},
    {"NET_MDC", "R5", OUT, IOSTD_2V5},
    {"NET_MDIO", "N8", IO, IOSTD_2V5},
    {"NET_PCF_EN", "V9", OUT, LVTTL},
    {"NET_RESET_n", "R3", OUT, IOSTD_2V5},
    {"NET_RXD[0]", "U5", IN, IOSTD_2V5},
    {"NET_RXD[1]", "U4", IN, IOSTD_2V5},
    {"NET_RXD[2]", "R7", IN, IOSTD_2V5},
    {"NET_RXD[3]", "P8", IN, IOSTD_2V5},
};
constexpr ClockRow kNetRxClock{"NET_RX_CLK", "T6", IOSTD_2V5, 0, "25.0 MHz"};
constexpr PinRow kEthernetMiddle[] = {
    {"NET_RX_DV", "P4", IN, IOSTD_2V5},
    {"NET_RX_ER", "V1", IN, IOSTD_2V5},
    {"NET_TXD[0]", "U2", OUT, IOSTD_2V5},
    {"NET_TXD[1]", "W1", OUT, IOSTD_2V5},
    {"NET_TXD[2]", "N9", OUT, IOSTD_2V5},
    {"NET_TXD[3]", "W2", OUT, IOSTD_2V5},
};
constexpr ClockRow kNetTxClock{"NET_TX_CLK", "T5", IOSTD_2V5, 0, "25.0 MHz"};
constexpr PinRow kEthernetTail[] = {
    {"NET_TX_EN", "P3", OUT, IOSTD_2V5},
};
constexpr PinRow kPowerMonitor[] = {
    {"PMONITOR_ALERT", "Y4", IN, LVTTL},
    {"PMONITOR_I2C_SCL", "Y3", OUT, LVTTL},
    {"PMONITOR_I2C_SDA", "Y1", IO, LVTTL},
};
constexpr PinRow kHumidity[] = {
    {"RH_TEMP_DRDY_n", "AB9", IN, LVTTL},
    {"RH_TEMP_I2C_SCL", "Y10", OUT, LVTTL},
    {"RH_TEMP_I2C_SDA", "AA10", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "T20", OUT, IOSTD_1V5},
    {"SD_CMD", "T21", IO, IOSTD_1V5},
    {"SD_CMD_DIR", "U22", OUT, IOSTD_1V5},
    {"SD_D0_DIR", "T22", OUT, IOSTD_1V5},
    {"SD_D123_DIR", "U21", IO, IOSTD_1V5},
    {"SD_DAT[0]", "R18", IO, IOSTD_1V5},
    {"SD_DAT[1]", "T18", IO, IOSTD_1V5},
    {"SD_DAT[2]", "T19", IO, IOSTD_1V5},
    {"SD_DAT[3]", "R20", IO, IOSTD_1V5},
    {"SD_FB_CLK", "R22", IN, IOSTD_1V5},
    {"SD_SEL", "P13", OUT, LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[0]", "J21", IN, IOSTD_1V5_SCHMITT},
    {"SW[1]", "J22", IN, IOSTD_1V5_SCHMITT},
};
constexpr PinRow kTempSensor[] = {
    {"TEMP_CS_n", "AB4", OUT, LVTTL},
    {"TEMP_SC", "AA1", OUT, LVTTL},
    {"TEMP_SIO", "Y2", IO, LVTTL},
};
constexpr ClockRow kUsbClock{"USB_CLKIN", "H11", IOSTD_1V2, 0, "60.0 MHz"};
constexpr PinRow kUsb[] = {
    {"USB_CS", "J11", OUT, IOSTD_1V8},
    {"USB_DATA", "E12 E13 H13 E14 H14 D15 E15 F15", IO, IOSTD_1V8, 8},
    {"USB_DIR", "J13", IN, IOSTD_1V8},
    {"USB_FAULT_n", "D8", IN, IOSTD_1V2},
    {"USB_NXT", "H12", IN, IOSTD_1V8},
    {"USB_RESET_n", "E16", OUT, IOSTD_1V8},
    {"USB_STP", "J12", OUT, IOSTD_1V8},
};

// The BBB header's rows P8 and P9, positions 1 to 46; "-" is a position without an FPGA pin.
constexpr int nPinNum = 46;
constexpr const char* kBbbP8 =
    "- - W18 Y18 Y19 AA17 AA20 AA19 AB21 AB20 AB19 Y16 V16 AB18 V15 W17 AB17 AA16 AB16 W16 "
    "AB15 W15 Y14 AA15 AB14 AA14 AB13 AA13 AB12 AA12 AB11 AA11 AB10 Y13 Y11 W13 W12 W11 V12 V11 "
    "V13 V14 Y17 W14 U15 R13";
constexpr const char* kBbbP9 =
    "- - - - - - - - - - Y5 Y6 W6 W7 W8 V8 AB8 V7 R11 AB7 "
    "AB6 AA7 AA6 Y7 V10 U7 W9 W5 R9 W4 P9 - - - - - - - - - "
    "V17 W3 - - - -";
constexpr PinRow kBbbEnd[] = {
    {"BBB_PWR_BUT", "U6", IN, LVTTL},
    {"BBB_SYS_RESET_n", "AA2", IN, LVTTL},
};
// clang-format on

// The pin-out kinds of the header's lookup table.
constexpr uint8_t kPinOutWifiBle = 2;
constexpr uint8_t kPinOutMode7 = 10;

uint8_t RevisionOf(int32_t revision) {
    return revision == 0 ? REV_A : revision == 1 ? REV_B : REV_C;
}

void AddFor(kit::PinTable& t, TConnector* c, std::span<const RevisionRow> rows, uint8_t revision) {
    for (const RevisionRow& row : rows)
        if (row.revisions & revision)
            t.Add(c, row.pin);
}

TPin* BbbPin(const std::string& name, const std::string& location, int direction, int standard) {
    return new TPin(name.c_str(), location.c_str(), static_cast<uint8_t>(direction),
                    static_cast<uint8_t>(standard), 0.0f);
}

// One row of the header in one mode: the positions with an FPGA pin, in position order.
void AddBbbRow(TConnector* c, uint8_t mode, uint8_t header, const char* positions) {
    const std::vector<std::string> locations = kit::Words(positions);
    PW_ASSERT(static_cast<int>(locations.size()) == nPinNum, "nNum == nPinNum", kChecks.source,
              kit::kRowCountLine);
    int n = 0;
    for (int position = 1; position <= nPinNum; ++position) {
        const std::string& location = locations[static_cast<std::size_t>(position - 1)];
        if (location == kit::EMPTY_SLOT)
            continue;
        if (mode == 1) {
            c->AddPin(BbbPin(platform::Format(header == 0 ? "GPIO0_D[%d]" : "GPIO1_D[%d]", n++), location,
                             DIRECTION_INOUT, LVTTL));
            continue;
        }
        int standard = 0;
        int direction = 0;
        std::string name;
        GetBbbPinOut(mode == 2 ? kPinOutWifiBle : kPinOutMode7, header, position, standard, direction, name);
        if (!name.empty())
            c->AddPin(BbbPin(name, location, direction, standard));
    }
}

} // namespace

void ConfigZephalPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeZephalText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_ZEPHAL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const uint8_t rev = RevisionOf(Config.I32(C::nBoardRevision));
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bCapButton))
        t.Group("CapSense Button", kCapSense);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bDDR3))
        AddFor(t, t.Group("SDRAM"), kSdram, rev);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    if (Config.U8(C::bGSensor))
        AddFor(t, t.Group("G-Sensor"), kGSensor, rev);
    if (Config.U8(C::bHdmiTx))
        AddFor(t, t.Group("HDMI-TX"), kHdmiTx, rev);
    if (Config.U8(C::bLightSensor))
        t.Group("Light Sensor", kLightSensor);
    if (Config.U8(C::bMIPI))
        t.Group("MIPI", kMipi);
    if (Config.U8(C::bEthernet)) {
        TConnector* c = t.Group("Ethernet", kEthernetHead);
        t.Add(c, kNetRxClock);
        t.Add(c, kEthernetMiddle);
        t.Add(c, kNetTxClock);
        t.Add(c, kEthernetTail);
    }
    if (Config.U8(C::bPowerMonitor))
        t.Group("Power Monitor", kPowerMonitor);
    if (Config.U8(C::bHumiditySensor))
        t.Group("Humidity and Temperature Sensor", kHumidity);
    if (Config.U8(C::bSdCard))
        t.Group("MicroSD Card", kSdCard);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bTempSensor))
        t.Group("Board Temperature Sensor", kTempSensor);
    if (Config.U8(C::bUSB)) {
        TConnector* c = t.Group("USB");
        t.Add(c, kUsbClock);
        t.Add(c, kUsb);
    }
    // The header is no master: its pins are built here, in the stored mode's pin-out,
    // and named without the header's prefix.
    const uint8_t mode = Config.U8(C::nBbbMode);
    if (mode != 0) {
        TConnector* c = t.Group("BBB Conector");
        AddBbbRow(c, mode, 0, kBbbP8);
        AddBbbRow(c, mode, 1, kBbbP9);
        t.Add(c, kBbbEnd);
    }
}
