#include "CONFIG_NORRIK.h"

#include "NorrikText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = NORRIK_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_Norrik",
                                   "Config.BoardId == MAINBOARD_NORRIK",
                                   35,
                                   "Config.Size == sizeof(NORRIK_CONFIG)",
                                   36,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone IV GX", "EP4CGX150DF31C7", 896, "FBGA", nullptr, 7};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto V25 = IOSTD_2V5;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "AJ16", LVTTL, 20, nullptr, IN, "BANK 4"},
    {"CLOCK2_50", "A15", LVTTL, 20, nullptr, IN, "BANK 7"},
    {"CLOCK3_50", "V11", V25, 20, nullptr, IN, "BANK 3A"},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AK16", IN, LVTTL},
    {"SMA_CLKOUT", "AF25", OUT, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "T23 T24 V27 W25 T21 T26 R25 T27 P25 R24 P21 N24 N21 M25 K24 L25 M21 M22", OUT, V25, 18, 0, {"nNum == 18", 96}},
    {"LEDG", "AA25 AB25 F27 F26 W26 Y22 Y25 AA22 J25", OUT, V25, 9, 0, {"nNum == 9", 103}},
};
constexpr PinRow kKey[] = {
    {"KEY", "AA26 AE25 AF30 AE26", IN, V25, 4, 0, {"nNum == 4", 119}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "V28 U30 V21 C2 AB30 U21 T28 R30 P30 R29 R26 N26 M26 N25 J26 K25 C30 H25", IN, V25, 18, 0, {"nNum == 18", 136}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "E15 E12 G11 F11 F16 D16 F14", OUT, V25, 7},
    {"HEX1", "G14 B13 G13 F12 G12 J9 G10", OUT, V25, 7},
    {"HEX2", "G8 G7 F7 AG30 F6 F4 F10", OUT, V25, 7},
    {"HEX3", "D10 D7 E6 E4 E3 D5 D4", OUT, V25, 7},
    {"HEX4", "A14 A13 C7 C6 C5 C4 C3", OUT, V25, 7},
    {"HEX5", "D3 A10 A9 A7 A6 A11 B6", OUT, V25, 7},
    {"HEX6", "B9 B10 C8 C9 D8 D9 E9", OUT, V25, 7},
    {"HEX7", "E10 F8 F9 C10 C11 C12 D12", OUT, V25, 7},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[0]", "AG4", IO, LVTTL},
    {"LCD_DATA[1]", "AF3", IO, LVTTL},
    {"LCD_DATA[2]", "AH3", IO, LVTTL},
    {"LCD_DATA[3]", "AE5", IO, LVTTL},
    {"LCD_DATA[4]", "AH2", IO, LVTTL},
    {"LCD_DATA[5]", "AE3", IO, LVTTL},
    {"LCD_DATA[6]", "AH4", IO, LVTTL},
    {"LCD_DATA[7]", "AE4", IO, LVTTL},
    {"LCD_RW", "AJ3", OUT, LVTTL},
    {"LCD_EN", "AF4", OUT, LVTTL},
    {"LCD_RS", "AG3", OUT, LVTTL},
    {"LCD_ON", "AF27", OUT, V25},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "H24", OUT, LVTTL},
    {"UART_RXD", "B27", IN, LVTTL},
    {"UART_RTS", "A29", OUT, LVTTL},
    {"UART_CTS", "D26", IN, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "AF18", IO, LVTTL},
    {"SD_CLK", "AH25", OUT, LVTTL},
    {"SD_WP_N", "AJ27", IN, LVTTL},
    {"SD_DAT[0]", "AH27", IO, LVTTL},
    {"SD_DAT[1]", "AJ28", IO, LVTTL},
    {"SD_DAT[2]", "AD24", IO, LVTTL},
    {"SD_DAT[3]", "AE18", IO, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "B24", OUT, LVTTL},
    {"VGA_VS", "A24", OUT, LVTTL},
    {"VGA_SYNC_N", "AH20", OUT, LVTTL},
    {"VGA_CLK", "D27", OUT, LVTTL},
    {"VGA_BLANK_N", "F25", OUT, LVTTL},
    {"VGA_R", "A17 C18 B18 A18 E18 E19 B19 C19", OUT, LVTTL, 8, 0, {"nNum == 8", 288}},
    {"VGA_G", "D20 C20 A20 K19 A21 F21 A22 B22", OUT, LVTTL, 8, 0, {"nNum == 8", 295}},
    {"VGA_B", "E24 C24 B25 C23 F24 A23 G25 C22", OUT, LVTTL, 8, 0, {"nNum == 8", 302}},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_SCLK", "AG27", OUT, LVTTL},
    {"EEP_I2C_SDAT", "AG25", IO, LVTTL},
};
// The data pairs in turn: TX[k], RX[k].
constexpr PinRow kEthernetData[] = {
    {"ENET_TX_DATA", "B12 E7 C13 D15", OUT, V25, 4, 0, {"nNum == 4", 363}},
    {"ENET_RX_DATA", "F15 E13 A5 B7", IN, V25, 4, 0, {"nNum == 4", 363}},
};
constexpr PinRow kEthernet[] = {
    {"ENET_GTX_CLK", "A12", OUT, V25},
    {"ENET_TX_EN", "D14", OUT, V25},
    {"ENET_TX_ER", "D13", OUT, V25},
    {"ENET_INT_N", "E16", IN, V25},
    {"ENET_RST_N", "C14", OUT, V25},
    {"ENET_RX_DV", "A8", IN, V25},
    {"ENET_RX_ER", "D11", IN, V25},
    {"ENET_RX_COL", "G15", IN, V25},
    {"ENET_RX_CRS", "D6", IN, V25},
    {"ENET_RX_CLK", "L15", IN, V25},
    {"ENET_TX_CLK", "F13", IN, V25},
    {"ENET_MDC", "C16", OUT, V25},
    {"ENET_MDIO", "C15", IO, V25},
    {"ENET_LINK100", "F5", IN, V25},
};
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "C28", IN, LVTTL},
    {"TD_VS", "E22", IN, LVTTL},
    {"TD_CLK27", "B15", IN, LVTTL},
    {"TD_RESET_N", "E25", OUT, LVTTL},
    {"I2C_SCLK", "C27", OUT, LVTTL},
    {"I2C_SDAT", "G21", IO, LVTTL},
    {"TD_DATA", "C17 D17 A16 B16 G18 G17 K18 K17", IN, LVTTL, 8, 0, {"nNum == 8", 415}},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AH28", IN, LVTTL},
};
// DRAM_DQ[3] to DRAM_DQ[30]: locations not given.
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "AH5", OUT, LVTTL},
    {"DRAM_BA[1]", "AG6", OUT, LVTTL},
    {"DRAM_DQM[0]", "AF10", OUT, LVTTL},
    {"DRAM_DQM[1]", "AB14", OUT, LVTTL},
    {"DRAM_DQM[2]", "AH15", OUT, LVTTL},
    {"DRAM_DQM[3]", "AH10", OUT, LVTTL},
    {"DRAM_RAS_N", "AK4", OUT, LVTTL},
    {"DRAM_CAS_N", "AJ4", OUT, LVTTL},
    {"DRAM_CKE", "AD6", OUT, LVTTL},
    {"DRAM_CLK", "AE6", OUT, LVTTL},
    {"DRAM_WE_N", "AK3", OUT, LVTTL},
    {"DRAM_CS_N", "AG5", OUT, LVTTL},
    {"DRAM_DQ", "AD10 AD9 AE9 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AK5", IO, LVTTL, 32, 0, {"nNum == 32", 460}},
    {"DRAM_ADDR", "AG7 AJ7 AG8 AH8 AE16 AF16 AE14 AE15 AE13 AE12 AH6 AE11 AE10", OUT, LVTTL, 13, 0, {"nNum == 13", 467}},
};
constexpr PinRow kSsram[] = {
    {"SSRAM0_CE_N", "AJ21", OUT, LVTTL},
    {"SSRAM1_CE_N", "AG23", OUT, LVTTL},
    {"SSRAM_ADSC_N", "AK25", OUT, LVTTL},
    {"SSRAM_ADSP_N", "AJ25", OUT, LVTTL},
    {"SSRAM_ADV_N", "AH26", OUT, LVTTL},
    {"SSRAM_BE[0]", "AF22", OUT, LVTTL},
    {"SSRAM_BE[1]", "AK22", OUT, LVTTL},
    {"SSRAM_BE[2]", "AJ22", OUT, LVTTL},
    {"SSRAM_BE[3]", "AF21", OUT, LVTTL},
    {"SSRAM_CLK", "AF24", OUT, LVTTL},
    {"SSRAM_GW_N", "AK23", OUT, LVTTL},
    {"SSRAM_OE_N", "AG24", OUT, LVTTL},
    {"SSRAM_WE_N", "AK24", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_CE_N", "AG19", OUT, LVTTL},
    {"FL_OE_N", "AJ19", OUT, LVTTL},
    {"FL_RESET_N", "AG18", OUT, LVTTL},
    {"FL_RY", "AF19", IN, LVTTL},
    {"FL_WE_N", "AG17", OUT, LVTTL},
    {"FL_WP_N", "AK18", OUT, LVTTL},
};
// Slot 0 of the address table is empty: FS_ADDR[0] does not exist. FS_ADDR[4] to
// FS_ADDR[25] and FS_DQ[3] to FS_DQ[30]: locations not given.
constexpr PinRow kSharedBus[] = {
    {"FS_ADDR", "- AB22 AH19 AK19 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AB16", OUT, LVTTL, 27, 0, {"nNum == 27", 526}},
    {"FS_DQ", "AK29 AE23 AH24 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AJ9", IO, LVTTL, 32, 0, {"nNum == 32", 541}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_P", "V15", IN, IOSTD_HCSL},
    {"PCIE_WAKE_N", "C29", OUT, V25},
    {"PCIE_PERST_N", "A4", IN, V25},
};
constexpr PinRow kPcieLanes[] = {
    {"PCIE_TX_P[0]", "AB4", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_P[0]", "AC2", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_P[1]", "Y4", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_P[1]", "AA2", IN, IOSTD_1V5_PCML},
};
constexpr PinRow kGSensor[] = {
    {"G_SENSOR_SDAT", "AK26", IO, LVTTL},
    {"G_SENSOR_SCLK", "AK27", OUT, LVTTL},
    {"G_SENSOR_INT1", "AC30", IN, V25},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AF28", IO, V25},
};
// Header positions 13-39 and HSMC positions 51-154: locations not given.
constexpr LocationRun kGpioLocations[] = {
    {1, "G16 F17 D18 F18 D19 K21 F19 K22 B21 C21"},
    {13, kit::UNPLACED, 39},
    {40, "Y21"},
};
constexpr LocationRun kHsmcLocations[] = {
    {33, "AD25 AD26"},
    {39, "G6 K15 AC25 E27 AB26 E28"},
    {47, "J28 G26 H28 G27"},
    {51, kit::UNPLACED, 154},
    {155, "AA28 T29 Y28 T30"},
};
// The HSMC clock input stays an input at 2.5 V whatever the card says.
constexpr kit::PositionOverride kHsmcClockIn[] = {
    {40, IN, V25},
};
constexpr kit::MaskedMasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0, &kit::kGpio40Mask, kGpioLocations, {"nNum == GPIO_PIN_NUM", 599}};
constexpr kit::MaskedMasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kit::kHsmcClockPairMask, kHsmcLocations, {"nNum == 160", 640}, kHsmcClockIn};
// clang-format on

} // namespace

void ConfigNorrikPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<NorrikText>(t.RecordCopy<NORRIK_CONFIG>(Config)));
    t.Begin(MAINBOARD_NORRIK, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED (High Active)", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY (Active Low)", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7 (Low Active)", kSeg7);
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bEEPROM))
        t.Group("I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)", kEeprom);
    if (Config.U8(C::bEthernet)) {
        TConnector* c = t.Group("Ethernet");
        t.AddInterleaved(c, kEthernetData);
        t.Add(c, kEthernet);
    }
    if (Config.U8(C::bTvDecoder))
        t.Group("TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", kTvDecoder);
    if (Config.U8(C::bIR))
        t.Group("IR Receiver", kIr);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM", kSsram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    if (Config.U8(C::bFlash) || Config.U8(C::bSSRAM))
        t.Group("Data and Address bus shared by Flash & SSRAM", kSharedBus);
    const bool hardIp = Config.U8(C::bPCIeHardIP) != 0;
    if (hardIp || Config.U8(C::bPCIeSoftIP)) {
        TConnector* c = t.Group("PCIe", kPcie);
        if (hardIp)
            t.Add(c, kPcieLanes);
    }
    if (Config.U8(C::bAccelerometer))
        t.Group("G-Sensor", kGSensor);
    if (const uint8_t card = Config.U8(C::nGpioDaughterId); card != 0)
        t.Master(kGpioMaster, card);
    if (const uint8_t card = Config.U8(C::nHSMCDaughterId); card != 0)
        t.Master(kHsmcMaster, card);
    // The fan is on every project, last: the board text drives it.
    t.Group("Fan Control", kFan);
}
