#include "CONFIG_HARLIN.h"

#include "HarlinText.h"
#include "boards/kit/AnyTicked.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "platform/Assert.h"

namespace {

using C = HARLIN_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_HARLIN", "Config.BoardId == MAINBOARD_HARLIN", 23,
                                   "Config.Size == sizeof(HARLIN_CONFIG)", 24};
constexpr kit::DeviceRow kDevice{"Stratix IV", "EP4SGX230KF40C2", 1517, "FBGA", nullptr, 2};
// The device of each variant.
constexpr const char* kVariantDevices[] = {"EP4SGX230KF40C2", "EP4SGX530KH40C2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V18 = IOSTD_1V8;
constexpr auto V25 = IOSTD_2V5;
constexpr auto PCIX = IOSTD_3V0_PCI_X;
constexpr auto LVDS = IOSTD_LVDS;
constexpr auto PCML = IOSTD_1V4_PCML;
constexpr auto HCSL = IOSTD_HCSL;

// clang-format off
// Slots 0 and 1 of the oscillator table are empty.
constexpr ClockRow kOscillators[] = {
    {"OSC_50_BANK2", "AC35", V25, 20},
    {"OSC_50_BANK3", "AV22", V18, 20},
    {"OSC_50_BANK4", "AV19", V18, 20},
    {"OSC_50_BANK5", "AC6", PCIX, 20},
    {"OSC_50_BANK6", "AB6", V25, 20},
    {"OSC_50_BANK7", "A19", V18, 20},
};
constexpr PinRow kClockPins[] = {
    {"GCLKOUT_FPGA", "AH19", OUT, V18},
    {"GCLKIN", "A21", IN, V18},
    {"PLL_CLKIN_p", "B22", IN, LVDS},
};
// The external PLL's controller runs from this oscillator and reset even when their
// own groups are not ticked.
constexpr ClockRow kPllOscillator[] = {
    {"OSC_50_BANK2", "AC35", V25, 20},
};
constexpr PinRow kPllReset[] = {
    {"CPU_RESET_n", "V34", IN, V25},
};
constexpr PinRow kExtPll[] = {
    {"MAX_I2C_SCLK", "AP24", OUT, V18},
    {"MAX_I2C_SDAT", "AN22", IO, V18},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "B23", IN, LVDS},
    {"SMA_CLKOUT_p", "M20", OUT, LVDS},
    {"SMA_GXBCLK_p", "W2", IN, LVDS},
};
constexpr PinRow kLed[] = {
    {"LED", "V28 W28 R29 P29 N29 M29 M30 N30", OUT, V25, 8, 0, {"nNum == 8", 130}},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "AH5 AG5 AG7 AG8", IN, PCIX, 4, 0, {"nNum == 4", 153}},
    {"EXT_IO", "AC11", IO, PCIX},
    {"CPU_RESET_n", "V34", IN, V25},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AB13 AB12 AB11 AB10 AB9 AC8 AH6 AG6", IN, PCIX, 8, 0, {"nNum == 8", 184}},
};
constexpr PinRow kSlideSwitch[] = {
    {"SLIDE_SW[0]", "J7", IN, V25},
    {"SLIDE_SW[1]", "K7", IN, V25},
    {"SLIDE_SW[2]", "AK6", IN, PCIX},
    {"SLIDE_SW[3]", "L7", IN, V25},
};
constexpr PinRow kSeg7[] = {
    {"SEG0_D", "L34 M34 M33 H31 J33 L35 K32", OUT, V25, 7},
    {"SEG0_DP", "AL34", OUT, V25},
    {"SEG1_D", "E31 F31 G31 C34 C33 D33 D34", OUT, V25, 7},
    {"SEG1_DP", "AL35", OUT, V25},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_SMCLK", "AN18", OUT, V18},
    {"TEMP_SMDAT", "AP18", IO, V18},
    {"TEMP_INT_n", "AP19", IN, V18},
};
constexpr PinRow kCurrent[] = {
    {"CSENSE_SCK", "AH13", OUT, V18},
    {"CSENSE_SDI", "AJ13", OUT, V18},
    {"CSENSE_SDO", "AK14", IN, V18},
    {"CSENSE_ADC_FO", "AK13", OUT, V18},
    {"CSENSE_CS_n[0]", "AG14", OUT, V18},
    {"CSENSE_CS_n[1]", "AG15", OUT, V18},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AP20", OUT, V18},
};
constexpr PinRow kEeprom[] = {
    {"EEP_SCL", "G33", OUT, V25},
    {"EEP_SDA", "F33", IO, V25},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "AV20", IO, V18},
    {"SD_CLK", "AT19", OUT, V18},
    {"SD_WP_n", "AH18", IN, V18},
    {"SD_DAT[0]", "AR20", IO, V18},
    {"SD_DAT[1]", "AT20", IO, V18},
    {"SD_DAT[2]", "AU19", IO, V18},
    {"SD_DAT[3]", "AU20", IO, V18},
};
constexpr PinRow kRs232[] = {
    {"UART_RXD", "AH32", IN, V25},
    {"UART_RTS", "AH33", IN, V25},
    {"UART_TXD", "AN34", OUT, V25},
    {"UART_CTS", "AN35", OUT, V25},
};
// Port by port: RX, TX, MDIO, MDC, INT_n.
constexpr PinRow kEthernet[] = {
    {"ETH_RX_p[0]", "U31", IN, LVDS},
    {"ETH_TX_p[0]", "T30", OUT, LVDS},
    {"ETH_MDIO[0]", "W32", IO, V25},
    {"ETH_MDC[0]", "R30", OUT, V25},
    {"ETH_INT_n[0]", "B20", IN, V18},
    {"ETH_RX_p[1]", "N33", IN, LVDS},
    {"ETH_TX_p[1]", "R32", OUT, LVDS},
    {"ETH_MDIO[1]", "J5", IO, V25},
    {"ETH_MDC[1]", "J6", OUT, V25},
    {"ETH_INT_n[1]", "AG30", IN, V25},
    {"ETH_RX_p[2]", "K34", IN, LVDS},
    {"ETH_TX_p[2]", "M32", OUT, LVDS},
    {"ETH_MDIO[2]", "K5", IO, V25},
    {"ETH_MDC[2]", "K6", OUT, V25},
    {"ETH_INT_n[2]", "AE30", IN, V25},
    {"ETH_RX_p[3]", "J34", IN, LVDS},
    {"ETH_TX_p[3]", "P31", OUT, LVDS},
    {"ETH_MDIO[3]", "N8", IO, V25},
    {"ETH_MDC[3]", "N7", OUT, V25},
    {"ETH_INT_n[3]", "AE31", IN, V25},
    {"ETH_RST_n", "V29", OUT, V25},
};
// Lane by lane: receive, then transmit.
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "AU38 AR38 AJ38 AG38 AE38 AC38 U38 R38", IN, PCML, 8, 0, {"nNum == 8", 398}},
    {"PCIE_TX_p", "AT36 AP36 AH36 AF36 AD36 AB36 T36 P36", OUT, PCML, 8, 0, {"nNum == 8", 398}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AN38", IN, HCSL},
    {"PCIE_PREST_n", "V30", IN, V25},
    {"PCIE_WAKE_n", "U35", OUT, V25},
    {"PCIE_SMBCLK", "R31", IN, V25},
    {"PCIE_SMBDAT", "W33", IO, V25},
};
// The address pins count from 1; FSM_A[4..19] and FSM_A[21..24]: locations not given.
constexpr const char* kFsmA = "G22 G23 A25 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? T28 ? ? ? ? C22";
constexpr PinRow kSharedBus[] = {
    {"FSM_D", "K29 J30 K30 L29 K31 E32 F32 H32 B32 C32 C35 D35 M22 M28 C31 D31", IO, V25, 16, 0, {"nNum == 16", 440}},
    {"FSM_A", kFsmA, OUT, V25, 25, 1, {"nNum == 25", 449}},
};
// Without the flash the SSRAM takes the first twenty address pins.
constexpr PinRow kSharedBusSsram[] = {
    {"FSM_D", "K29 J30 K30 L29 K31 E32 F32 H32 B32 C32 C35 D35 M22 M28 C31 D31", IO, V25, 16, 0, {"nNum == 16", 440}},
    {"FSM_A", kFsmA, OUT, V25, 25, 1, {"nNum == 25", 449}, 20},
};
constexpr PinRow kFlash[] = {
    {"FLASH_RYBY_n", "G21", IN, V25},
    {"FLASH_CLK", "E22", OUT, V25},
    {"FLASH_RESET_n", "D21", OUT, V25},
    {"FLASH_OE_n", "N21", OUT, V25},
    {"FLASH_WE_n", "R20", OUT, V25},
    {"FLASH_ADV_n", "F21", OUT, V25},
    {"FLASH_CE_n", "F23", OUT, V25},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", "R27", OUT, V25},
    {"SSRAM_BWB_n", "N31", OUT, V25},
    {"SSRAM_CLK", "M31", OUT, V25},
    {"SSRAM_OE_n", "H34", OUT, V25},
    {"SSRAM_WE_n", "L31", OUT, V25},
    {"SSRAM_CKE_n", "N28", OUT, V25},
    {"SSRAM_CE_n", "R28", OUT, V25},
    {"SSRAM_ADV", "H35", OUT, V25},
};
// OTG_D[3..30]: locations not given. The address pins count from 1.
constexpr PinRow kUsb[] = {
    {"OTG_D", "AF16 AJ14 AD15 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? L26", IO, V18, 32, 0, {"nNum == 32", 511}},
    {"OTG_A", "K26 P25 N25 R24 P24 M25 L25 N23 K28 A29 J27 G26 F26 G28 B26 D17 F16", OUT, V18, 17, 1, {"nNum == 17", 520}},
    {"OTG_CS_n", "P19", OUT, V18},
    {"OTG_DC_DACK", "AH20", OUT, V18},
    {"OTG_DC_DREQ", "AP21", IN, V18},
    {"OTG_DC_IRQ", "AT22", IN, V18},
    {"OTG_HC_DACK", "AT21", OUT, V18},
    {"OTG_HC_DREQ", "AN21", IN, V18},
    {"OTG_HC_IRQ", "AJ20", IN, V18},
    {"OTG_OE_n", "N19", OUT, V18},
    {"OTG_RESET_n", "AU22", OUT, V18},
    {"OTG_WE_n", "AR22", OUT, V18},
};
// One receive and one transmit pin per SATA port, in the record's order.
constexpr PinRow kSataPorts[4][2] = {
    {{"SATA_HOST_RX_p[0]", "AR2", IN, PCML}, {"SATA_HOST_TX_p[0]", "AP4", OUT, PCML}},
    {{"SATA_HOST_RX_p[1]", "AG2", IN, PCML}, {"SATA_HOST_TX_p[1]", "AF4", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[0]", "AU2", IN, PCML}, {"SATA_DEVICE_TX_p[0]", "AT4", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[1]", "AJ2", IN, PCML}, {"SATA_DEVICE_TX_p[1]", "AH4", OUT, PCML}},
};
constexpr PinRow kSataClock[] = {
    {"SATA_REFCLK_p", "AN2", IN, PCML},
};
// The on-die-termination reference pins beside each socket.
constexpr PinRow kDdr2Termination[2][2] = {
    {{"M1_DDR2_oct_rup", "AF25", IN, V18}, {"M1_DDR2_oct_rdn", "AG25", IN, V18}},
    {{"M2_DDR2_oct_rup", "P14", IN, V18}, {"M2_DDR2_oct_rdn", "N14", IN, V18}},
};
constexpr PinRow kHsmcI2c[] = {
    {"HSMC_SCL", "L19", OUT, V18},
    {"HSMC_SDA", "M19", IO, V18},
};

// Socket positions 10-198: locations not given.
constexpr LocationRun kDdr2Socket0[] = {
    {4, "AW34 AV32 AW33 AV31"},
    {10, kit::UNPLACED, 198},
    {200, "AW25"},
};
constexpr LocationRun kDdr2Socket1[] = {
    {4, "J12 F12 J13 H13"},
    {10, kit::UNPLACED, 198},
    {200, "B19"},
};
constexpr kit::MaskedMasterRow kDdr2Masters[] = {
    {"DDR2 SODIMM", "DDR2 SODIMM_0", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM_0, &kit::kDdr2SodimmMask, kDdr2Socket0, {"nNum == 200", 696}, {}, 124, {"pCon->ActivePinCount == 124", 709}},
    {"DDR2 SODIMM", "DDR2 SODIMM_1", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM_1, &kit::kDdr2SodimmMask, kDdr2Socket1, {"nNum == 200", 696}, {}, 124, {"pCon->ActivePinCount == 124", 709}},
};
constexpr const char* kDdr2Groups[] = {"DDR2 SODIMM_0 RUP/RDN", "DDR2 SODIMM_1 RUP/RDN"};

// Header positions 5-40: locations not given; 11, 12, 29 and 30 carry power.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "AF6 AU9 AE5 AR8 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?",
    "AW5 AW8 AW4 AV10 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?",
    {760, 761, 766, 786, 786});

// HSMC-A wires four transceiver lanes and position 38; HSMC-B eight lanes.
constexpr kit::PositionMask kHsmcAMask{.count = 160, .empty = "1-16 33-37", .runFrom = 45, .runTo = 160};
static_assert(kit::MaskPinCount(kHsmcAMask) == 99);
// The positions not listed: locations not given.
constexpr LocationRun kHsmcALocations[] = {
    {17, "B36 C38 B37 C39"},
    {21, kit::UNPLACED, 39},
    {40, "AC34"},
    {41, kit::UNPLACED, 95},
    {96, "AB34"},
    {97, kit::UNPLACED, 97},
    {98, "AA35"},
    {99, kit::UNPLACED, 157},
    {158, "AE35"},
};
constexpr LocationRun kHsmcBLocations[] = {
    {1, "B4 C2 B3 C1"},
    {5, kit::UNPLACED, 39},
    {40, "AA5"},
    {41, kit::UNPLACED, 95},
    {96, "W34"},
    {97, kit::UNPLACED, 97},
    {98, "W35"},
    {99, kit::UNPLACED, 157},
    {158, "W5"},
};
// The clock inputs of both connectors stay inputs whatever card is attached.
constexpr kit::PositionOverride kHsmcClockIns[] = {
    {40, IN, IOSTD_BY_DAUGHTER},
    {96, IN, IOSTD_BY_DAUGHTER},
    {98, IN, IOSTD_BY_DAUGHTER},
};
constexpr kit::MaskedMasterRow kHsmcMasters[] = {
    {"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kHsmcAMask, kHsmcALocations, {"nNum == 160", 896}, kHsmcClockIns},
    {"HSMC-B", "HSMC-B connect to %s", CONNECTOR_HSMC, MASTER_HSMC_B, &kit::kHsmcXcvr8Mask, kHsmcBLocations, {"nNum == 160", 896}, kHsmcClockIns},
};
// clang-format on

} // namespace

void ConfigHarlinPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<HarlinText>(t.RecordCopy<HARLIN_CONFIG>(Config)));
    t.Begin(MAINBOARD_HARLIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const uint8_t variant = Config.U8(C::nBoardType);
    if (variant >= std::size(kVariantDevices))
        platform::AssertFailed("0", "CONFIG_HARLIN", 40);
    board->m_Device = kVariantDevices[variant];

    const bool pll = Config.U8(C::bExtPLL) != 0;
    if (Config.U8(C::bOSC)) {
        TConnector* c = t.Group("CLOCK", kOscillators);
        t.Add(c, kClockPins);
    } else if (pll) {
        t.Group("CLOCK", kPllOscillator);
    }
    if (pll)
        t.Group("External PLL", kExtPll);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED x 8", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON x 4, EXT_IO and CPU_RESET_n", kButton);
    else if (pll)
        t.Group("CPU_RESET_n", kPllReset);
    if (Config.U8(C::bSwitch))
        t.Group("DIP SWITCH x 8", kSwitch);
    if (Config.U8(C::bSlideSwitch))
        t.Group("SLIDE SWITCH x 4", kSlideSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bTemp))
        t.Group("Temperature", kTemperature);
    if (Config.U8(C::bCurrent))
        t.Group("Current", kCurrent);
    if (Config.U8(C::bFan))
        t.Group("Fan", kFan);
    if (Config.U8(C::bEEPROM))
        t.Group("EEPROM", kEeprom);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bEthernet))
        t.Group("Ethernet x 4", kEthernet);
    if (Config.U8(C::bPCIe)) {
        TConnector* c = t.Group("PCIe x 8");
        t.AddInterleaved(c, kPcieLanes);
        t.Add(c, kPcie);
    }
    const bool flash = Config.U8(C::bFlash) != 0;
    if (flash || Config.U8(C::bSSRAM))
        t.Group("Flash and SRAM Address/Data Share Bus",
                flash ? std::span<const PinRow>(kSharedBus) : std::span<const PinRow>(kSharedBusSsram));
    if (flash)
        t.Group("Flash Control", kFlash);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM Control", kSsram);
    if (Config.U8(C::bUSB))
        t.Group("3-Ports High-Speed USB OTG", kUsb);
    if (kit::AnyTicked(Config, {C::Sata(0), C::Sata(1), C::Sata(2), C::Sata(3)})) {
        TConnector* c = t.Group("SATA");
        for (int port = 0; port < 4; ++port)
            if (Config.U8(C::Sata(port)))
                t.Add(c, kSataPorts[port]);
        t.Add(c, kSataClock);
    }
    PW_ASSERT(!Config.U8(C::bMax2), "!Config.bMax2", "CONFIG_HARLIN", 573);
    for (int socket = 0; socket < 2; ++socket) {
        if (!Config.U8(C::DDR2(socket)))
            continue;
        t.Master(kDdr2Masters[socket], 0);
        t.Group(kDdr2Groups[socket], kDdr2Termination[socket]);
    }
    t.PairMasters(kGpio, Config.U8(C::GpioDaughterId(0)), Config.U8(C::GpioDaughterId(1)));
    bool hsmc = false;
    for (int port = 0; port < 2; ++port) {
        const uint8_t card = Config.U8(C::HsmcDaughterId(port));
        if (card == 0)
            continue;
        t.Master(kHsmcMasters[port], card);
        hsmc = true;
    }
    if (hsmc)
        t.Group("HSMC I2C", kHsmcI2c);
}
