#include "CONFIG_GALDOR.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "platform/Assert.h"

#include <string>
#include <utility>

namespace {

using C = GALDOR_CONFIG;
using N = GALDOR_CONFIG::NODE_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_GALDOR",
                                   "Config.BoardId == MAINBOARD_GALDOR",
                                   19,
                                   "Config.Size == sizeof(GALDOR_CONFIG)",
                                   20,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Stratix IV", "EP4SGX230KF40C2", 1517, "FBGA", nullptr, 2};
// The device of each variant.
constexpr const char* kVariantDevices[] = {"EP4SGX230KF40C2", "EP4SGX530KH40C2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto V25 = IOSTD_2V5;
constexpr auto LVDS = IOSTD_LVDS;
constexpr auto PCML = IOSTD_1V4_PCML;
constexpr auto HCSL = IOSTD_HCSL;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF = IOSTD_DIFF_1V5_SSTL_I;
constexpr const char* NC = kit::UNPLACED;

// clang-format off
// Slots 0 and 1 of the oscillator table are empty.
constexpr ClockRow kClock[] = {
    {"OSC_B[2]", "AC35", LVTTL, 20},
    {"OSC_B[3]", "AW22", LVTTL, 20},
    {"OSC_B[4]", "AW19", LVTTL, 20},
    {"OSC_B[5]", "AC6", LVTTL, 20},
    {"OSC_B[6]", "AB6", LVTTL, 20},
    {"OSC_B[7]", "A19", LVTTL, 20},
};
constexpr PinRow kReset[] = {
    {"CPU_RESET_n", "V34", IN, LVTTL},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "B23", IN, LVDS},
    {"SMA_CLKIN_n", "A22", IN, LVDS},
    {"SMA_CLKOUT_p", "M20", OUT, LVDS},
    {"SMA_CLKOUT_n", "L20", OUT, LVDS},
    {"SMA_GXBCLK_p[0]", "G38", IN, LVDS},
    {"SMA_GXBCLK_n[0]", "G39", IN, LVDS},
    {"SMA_GXBCLK_p[1]", "W2", IN, LVDS},
    {"SMA_GXBCLK_n[1]", "W1", IN, LVDS},
};
constexpr PinRow kLed[] = {
    {"LED", "AG30 AE30 AE31 AL34 AL35 AH32 AH33 AB10", OUT, LVTTL, 8, 0, {"nNum == 8", 100}},
};
// The buttons are inputs: the board drives them.
constexpr PinRow kButton[] = {
    {"BUTTON", "AB13 AB12 AB9 AC8 AH6 AH5 L7 K7", IN, LVTTL, 8, 0, {"nNum == 8", 121}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "J7 K6 K5 J6 J5 M27 K27 J27", IN, LVTTL, 8, 0, {"nNum == 8", 140}},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_CLK", "P4", OUT, LVTTL},
    {"TEMP_DATA", "P1", IO, LVTTL},
    {"TEMP_INT_n", "N2", IN, LVTTL},
};
constexpr PinRow kFan[] = {
    {"FAN_PWR_ON", "AP20", OUT, LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_PWR_ON", "P4", OUT, LVTTL},
    {"LCD_BL_ON", "P4", OUT, LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SDA", "P4", IO, LVTTL},
    {"I2C_SCL", "P4", OUT, LVTTL},
};
constexpr PinRow kUsb[] = {
    {"USB_D", "AD19 AG19 AG18 AE18 AT17 AW18 AT18 AU18", IO, LVTTL, 8, 0, {"nNum == 8", 217}},
    {"USB_RXF_n", "AE19", IN, LVTTL},
    {"USB_TXE_n", "AF19", IN, LVTTL},
    {"USB_CLKOUT", "AV19", IN, LVTTL},
    {"USB_RD_n", "AU17", OUT, LVTTL},
    {"USB_WR_n", "AV17", OUT, LVTTL},
    {"USB_OE_n", "AN19", OUT, LVTTL},
    {"USB_SIWU_n", "AM19", OUT, LVTTL},
    {"USB_RESET_n", NC, OUT, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "AV20", IO, LVTTL},
    {"SD_CLK", "AT19", OUT, LVTTL},
    {"SD_WP_n", "AH18", IN, LVTTL},
    {"SD_DAT", "AR20 AT20 AU19 AU20", IO, LVTTL, 4},
};
// Port by port: the receive pair, then the transmit pair.
constexpr PinRow kEthernet[] = {
    {"ETH_RX_p[0]", "N33", IN, LVTTL},
    {"ETH_RX_n[0]", "N34", IN, LVTTL},
    {"ETH_TX_p[0]", "M32", OUT, LVTTL},
    {"ETH_TX_n[0]", "L32", OUT, LVTTL},
    {"ETH_RX_p[1]", "J34", IN, LVTTL},
    {"ETH_RX_n[1]", "J35", IN, LVTTL},
    {"ETH_TX_p[1]", "P31", OUT, LVTTL},
    {"ETH_TX_n[1]", "P32", OUT, LVTTL},
    {"ETH_RX_p[2]", "K34", IN, LVTTL},
    {"ETH_RX_n[2]", "K35", IN, LVTTL},
    {"ETH_TX_p[2]", "T30", OUT, LVTTL},
    {"ETH_TX_n[2]", "T31", OUT, LVTTL},
    {"ETH_RX_p[3]", "U31", IN, LVTTL},
    {"ETH_RX_n[3]", "V31", IN, LVTTL},
    {"ETH_TX_p[3]", "R32", OUT, LVTTL},
    {"ETH_TX_n[3]", "R33", OUT, LVTTL},
    {"ETH_INT", "M34", IN, LVTTL},
    {"ETH_MDIO", "M33", IO, LVTTL},
    {"ETH_MDC", "R30", OUT, LVTTL},
    {"ETH_RST_n", NC, OUT, LVTTL},
};
// Lane by lane: receive, then transmit; only the positive side of each pair.
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "AU38 AR38 AJ38 AG38 AE38 AC38 U38 R38", IN, PCML, 8, 0, {"nNum == 8", 323}},
    {"PCIE_TX_p", "AT36 AP36 AH36 AF36 AD36 AB36 T36 P36", OUT, PCML, 8, 0, {"nNum == 8", 323}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLKI_p", "AN38", IN, HCSL},
    {"PCIE_REFCLKI_n", "AN39", IN, HCSL},
    {"PCIE_RESET_n", NC, OUT, LVTTL},
    {"PCIE_PREST_n", NC, IN, LVTTL},
    {"PCIE_PWRON", NC, IN, LVTTL},
    {"PCIE_WAKE_n", NC, OUT, LVTTL},
};
constexpr PinRow kBridgeLanes[] = {
    {"FPGA_RX_p", "AE2 AC2 U2 R2 N2 L2 E2 C2", IN, PCML, 8, 0, {"nNum == 8", 381}},
    {"FPGA_TX_p", "AD4 AB4 T4 P4 M4 K4 D4 B4", OUT, PCML, 8, 0, {"nNum == 8", 381}},
};
constexpr PinRow kBridge[] = {
    {"FPGA_REFCLK_p", "AA22", IN, HCSL},
};
// The address pins count from 1; FSM_A[4..19] and FSM_A[21..24]: locations not given.
constexpr const char* kFsmA = "M21 R20 N21 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? C22 ? ? ? ? D26";
constexpr const char* kFsmD = "J25 M24 K24 J24 M23 N22 P22 R22 L23 K23 P23 N23 D25 G25 G24 F24";
constexpr PinRow kSharedBus[] = {
    {"FSM_D", kFsmD, IO, LVTTL, 16, 0, {"nNum == 16", 425}},
    {"FSM_A", kFsmA, OUT, LVTTL, 25, 1, {"nNum == 25", 434}},
};
// Without the flash the SSRAM takes the first twenty address pins.
constexpr PinRow kSharedBusSsram[] = {
    {"FSM_D", kFsmD, IO, LVTTL, 16, 0, {"nNum == 16", 425}},
    {"FSM_A", kFsmA, OUT, LVTTL, 25, 1, {"nNum == 25", 434}, 20},
};
constexpr PinRow kFlash[] = {
    {"FLASH_RYBY_n", "L35", IN, LVTTL},
    {"FLASH_CLK", "A26", OUT, LVTTL},
    {"FLASH_RST_n", "W28", OUT, LVTTL},
    {"FLASH_OE_n", NC, OUT, LVTTL},
    {"FLASH_WE_n", NC, OUT, LVTTL},
    {"FLASH_ADV_n", "L34", OUT, LVTTL},
    {"FLASH_CS_n", "V28", OUT, LVTTL},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", NC, OUT, LVTTL},
    {"SSRAM_BWB_n", NC, OUT, LVTTL},
    {"SSRAM_CLK", "N20", OUT, LVTTL},
    {"SSRAM_OE_n", "P20", OUT, LVTTL},
    {"SSRAM_WE_n", NC, OUT, LVTTL},
    {"SSRAM_CKE_n", NC, OUT, LVTTL},
    {"SSRAM_CE_n", NC, OUT, LVTTL},
    {"SSRAM_ADV", "E25", OUT, LVTTL},
};
// DDR3_dq[3..30]: locations not given.
constexpr PinRow kDdr3[] = {
    {"DDR3_ba[0]", "J18", OUT, SSTL},
    {"DDR3_ba[1]", "L14", OUT, SSTL},
    {"DDR3_ba[2]", "K14", OUT, SSTL},
    {"DDR3_dm", "H13 B11 N16 G16", OUT, SSTL, 4},
    {"DDR3_dqs[0]", "F13", IO, DIFF},
    {"DDR3_dqsn[0]", "E13", IO, DIFF},
    {"DDR3_dqs[1]", "D14", IO, DIFF},
    {"DDR3_dqsn[1]", "C14", IO, DIFF},
    {"DDR3_dqs[2]", "K16", IO, DIFF},
    {"DDR3_dqsn[2]", "J16", IO, DIFF},
    {"DDR3_dqs[3]", "D15", IO, DIFF},
    {"DDR3_dqsn[3]", "C15", IO, DIFF},
    {"DDR3_cke[0]", "A16", OUT, SSTL},
    {"DDR3_clk[0]", "L13", IO, DIFF},
    {"DDR3_clk_n[0]", "K13", IO, DIFF},
    {"DDR3_cs_n", "F17", OUT, SSTL},
    {"DDR3_we_n", "C17", OUT, SSTL},
    {"DDR3_ras_n", "D18", OUT, SSTL},
    {"DDR3_cas_n", "C18", OUT, SSTL},
    {"DDR3_reset_n", "F20", OUT, SSTL},
    {"DDR3_odt", "G20", OUT, SSTL},
    {"DDR3_dq", "E14 G13 J13 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? F15", IO, SSTL, 32, 0, {"nNum == 32", 530}},
    {"DDR3_addr", "N15 K12 R18 A10 K15 D13 M14 A14 N13 M13 J15 R14 P16 B14 P18", OUT, SSTL, 15, 0, {"nNum == 15", 537}},
};
constexpr PinRow kHsmcI2c[] = {
    {"HSMC_SCL", "G26", OUT, V25},
    {"HSMC_SDA", "F26", IO, V25},
};

// The socket follows the module's positions; 13-198 (the SCL pin at 197 among them):
// locations not given.
constexpr LocationRun kDdr2Locations[] = {
    {4, "AW34 AV32 AW33 AV31"},
    {10, "AW31 AW30"},
    {13, NC, 198},
    {200, "AW25"},
};
constexpr kit::MaskedMasterRow kDdr2Master{"DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM, &kit::kDdr2SodimmMask, kDdr2Locations, {}, {}, 124, {"pCon->ActivePinCount == 124", 589}};

// The positions not listed: locations not given.
constexpr LocationRun kHsmcALocations[] = {
    {17, "M36 N38 M37 N39"},
    {21, NC, 32},
    {39, "L8 AA5"},
    {41, NC, 158},
};
constexpr LocationRun kHsmcBLocations[] = {
    {17, "AT4 AU2 AT3 AU1"},
    {21, NC, 32},
    {39, "AB11 AC5"},
    {41, NC, 158},
};
constexpr LocationRun kHsmcCLocations[] = {
    {39, "AF29 AC34 AC26 AT34"},
    {43, NC, 158},
};
constexpr LocationRun kHsmcDLocations[] = {
    {39, "W32 AB34 K30 C32"},
    {43, NC, 158},
};
// Ports A and B carry four transceiver lanes, C and D none.
constexpr kit::MaskedMasterRow kHsmcMasters[] = {
    {"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kit::kHsmcXcvr4Mask, kHsmcALocations, {"nNum == 160", 701}},
    {"HSMC-B", "HSMC-B connect to %s", CONNECTOR_HSMC, MASTER_HSMC_B, &kit::kHsmcXcvr4Mask, kHsmcBLocations, {"nNum == 160", 701}},
    {"HSMC-C", "HSMC-C connect to %s", CONNECTOR_HSMC, MASTER_HSMC_C, &kit::kHsmcNoXcvrMask, kHsmcCLocations, {"nNum == 160", 701}},
    {"HSMC-D", "HSMC-D connect to %s", CONNECTOR_HSMC, MASTER_HSMC_D, &kit::kHsmcNoXcvrMask, kHsmcDLocations, {"nNum == 160", 701}},
};
// clang-format on

} // namespace

std::string GaldorI2cBusName(bool lcd, bool temperature, bool eeprom) {
    std::string name;
    for (const auto& [ticked, part] :
         {std::pair{lcd, "LCD"}, std::pair{temperature, "Temperatur"}, std::pair{eeprom, "EEPROM"}}) {
        if (!ticked)
            continue;
        if (!name.empty())
            name += "+";
        name += part;
    }
    return name.empty() ? name : name + " I2C Shared Bus";
}

void ConfigGaldorPins(TMainBoard* board, const SettingsRecord& Config, int node) {
    kit::PinTable t(board, kChecks);
    const std::string device = board->m_Device;
    t.Begin(MAINBOARD_GALDOR, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    // Another variant leaves the device as it was.
    const uint8_t variant = Config.U8(C::nBoardType);
    board->m_Device = variant < std::size(kVariantDevices) ? kVariantDevices[variant] : device;

    auto on = [&](std::size_t field) { return Config.U8(C::Node(node, field)) != 0; };
    if (on(N::bOSC)) {
        TConnector* c = t.Group("CLOCK", kClock);
        t.Add(c, kReset);
    }
    if (on(N::bSma))
        t.Group("SMA", kSma);
    if (on(N::bLED))
        t.Group("LED x 8", kLed);
    if (on(N::bButton))
        t.Group("BUTTON x 8", kButton);
    if (on(N::bSwitch))
        t.Group("SWITCH x 8", kSwitch);
    if (on(N::bTemp))
        t.Group("Temperature", kTemperature);
    if (on(N::bFan))
        t.Group("Fan", kFan);
    if (on(N::bLCD) || on(N::bEEPROM))
        t.Group("16x2 Character LCD", kLcd);
    const std::string bus = GaldorI2cBusName(on(N::bLCD), on(N::bTemp), on(N::bEEPROM));
    if (!bus.empty())
        t.Group(bus, kI2c);
    if (on(N::bUSB))
        t.Group("High-Speed USB-FIFO", kUsb);
    if (on(N::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (on(N::bEthernet))
        t.Group("Ethernet x 4", kEthernet);
    if (on(N::bPCIe)) {
        TConnector* c = t.Group("PCIe x 8");
        t.AddInterleaved(c, kPcieLanes);
        t.Add(c, kPcie);
    }
    if (on(N::bFPGABridge)) {
        TConnector* c = t.Group("FPGA Bridge (Transceiver x 8)");
        t.AddInterleaved(c, kBridgeLanes);
        t.Add(c, kBridge);
    }
    if (on(N::bFlash) || on(N::bSSRAM))
        t.Group("Flash and SRAM Address/Data Share Bus", on(N::bFlash)
                                                             ? std::span<const PinRow>(kSharedBus)
                                                             : std::span<const PinRow>(kSharedBusSsram));
    if (on(N::bFlash))
        t.Group("Flash Control", kFlash);
    if (on(N::bSSRAM))
        t.Group("SSRAM Control", kSsram);
    PW_ASSERT(!on(N::bMax2), "!Config.F[f].bMax2", "CONFIG_GALDOR", 480);
    if (on(N::bDDR3))
        t.Group("DDR3", kDdr3);
    if (on(N::bDDR2))
        t.Master(kDdr2Master, 0);
    bool hsmc = false;
    for (int port = 0; port < 4; ++port) {
        const uint8_t card = Config.U8(C::HsmcDaughterId(node, port));
        if (card == 0)
            continue;
        t.Master(kHsmcMasters[port], card);
        hsmc = true;
    }
    if (hsmc)
        t.Group("HSMC I2C", kHsmcI2c);
}
