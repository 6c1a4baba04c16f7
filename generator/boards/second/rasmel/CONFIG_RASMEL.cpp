#include "CONFIG_RASMEL.h"

#include "RasmelText.h"
#include "boards/kit/PinTable.h"
#include "boards/second/OscillatorPins.h"
#include "model/DaughterCatalogue.h"

namespace {

using C = RASMEL_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_RASMEL", "Config.BoardId == MAINBOARD_RASMEL", 33,
                                   "Config.Size == sizeof(RASMEL_CONFIG)", 34};
constexpr kit::DeviceRow kDevice{"Stratix V", "5SGXEA3K2F40C3", 1517, "FBGA", "3_H2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V25 = IOSTD_2V5;
constexpr auto PCML = IOSTD_1V5_PCML;
constexpr auto HCSL = IOSTD_HCSL;

// Locations written "?" (kit::UNPLACED) are those the board's data leaves out of a bus.
// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_50_B3B", "AV29", V25, 20},
    {"OSC_50_B3D", "AK23", V25, 20},
    {"OSC_50_B4A", "AL7", V25, 20},
    {"OSC_50_B4D", "AF17", V25, 20},
    {"OSC_50_B7A", "G7", V25, 20},
    {"OSC_50_B7D", "P16", V25, 20},
    {"OSC_50_B8A", "E34", V25, 20},
    {"OSC_50_B8D", "J23", V25, 20},
};
// The oscillator blocks run from this clock when the CLOCK group is not chosen.
constexpr ClockRow kOscillatorClock[] = {
    {"OSC_50_B3B", "AV29", V25, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "U15", IN, V25},
    {"SMA_CLKOUT", "AD30", OUT, V25},
};
constexpr PinRow kLed[] = {
    {"LED", "C16 D18 B16 A16", OUT, V25, 4},
    {"LED_BRACKET", "E18 E17 E19 D16", OUT, V25, 4},
    {"LED_RJ45_L", "M15", OUT, V25},
    {"LED_RJ45_R", "N15", OUT, V25},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "C18 B19 B17 A17", IN, V25, 4, 0, {"nNum == 4", 134}},
    {"CPU_RESET_n", "AM34", IN, V25},
};
constexpr PinRow kReset[] = {
    {"CPU_RESET_n", "AM34", IN, V25},
};
constexpr PinRow kSwitch[] = {
    {"SW", "F17 G17 G19 G16", IN, V25, 4, 0, {"nNum == 4", 160}},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "M17", OUT, V25},
    {"TEMP_DATA", "AN17", IO, V25},
    {"TEMP_INT_n", "AT17", IN, V25},
    {"TEMP_OVERT_n", "AR17", IN, V25},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AW16", IO, V25},
};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "K16", OUT, V25},
    {"RS422_DIN", "H19", IN, V25},
    {"RS422_DOUT", "H17", OUT, V25},
    {"RS422_RE_n", "L16", OUT, V25},
    {"RS422_TE", "H16", OUT, V25},
};
// Receive and transmit lanes alternate: RX[0], TX[0], RX[1], ...
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "AV38 AT38 AP38 AM38 AH38 AF38 AD38 AB38", IN, PCML, 8, 0, {"nNum == 8", 233}},
    {"PCIE_TX_p", "AU36 AR36 AN36 AL36 AG36 AE36 AC36 AA36", OUT, PCML, 8, 0, {"nNum == 8", 233}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AF34", IN, HCSL},
    {"PCIE_PERST_n", "AC28", IN, V25},
    {"PCIE_WAKE_n", "AE29", OUT, V25},
    {"PCIE_SMBCLK", "AF28", IO, V25},
    {"PCIE_SMBDAT", "AB28", IO, V25},
};
constexpr PinRow kSharedBus[] = {
    {"FSM_D", "AJ24 AH27 AG27 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AB27", IO, V25, 32, 0, {"nNum == 32", 277}},
    {"FSM_A", "AW22 AV23 AV25 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AR25", OUT, V25, 27, 0, {"nNum == 27", 286}},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AR27", OUT, V25},
    {"FLASH_CE_n[0]", "AU25", OUT, V25},
    {"FLASH_CE_n[1]", "AN24", OUT, V25},
    {"FLASH_CLK", "AB30", OUT, V25},
    {"FLASH_OE_n", "AP27", OUT, V25},
    {"FLASH_RDY_BSY_n[0]", "AU26", IN, V25},
    {"FLASH_RDY_BSY_n[1]", "AR28", IN, V25},
    {"FLASH_RESET_n", "AT27", OUT, V25},
    {"FLASH_WE_n", "AP28", OUT, V25},
};
constexpr PinRow kSsramControl[] = {
    {"SSRAM_ADSC_n", "AM29", OUT, V25},
    {"SSRAM_ADSP_n", "AN28", OUT, V25},
    {"SSRAM_ADV_n", "AN26", OUT, V25},
    {"SSRAM_BE_n", "AJ29 AL28 AK27 AH25", OUT, V25, 4},
    {"SSRAM_CE1_n", "AL26", OUT, V25},
    {"SSRAM_CLK", "AE30", OUT, V25},
    {"SSRAM_DPA", "AK30 AN25 AL27 AN27", IO, V25, 4},
    {"SSRAM_GW_n", "AL30", OUT, V25},
    {"SSRAM_MODE", "AJ27", OUT, V25},
    {"SSRAM_OE_n", "AM28", OUT, V25},
    {"SSRAM_WE_n", "AK29", OUT, V25},
    {"SSRAM_ZZ", "AL29", OUT, V25},
};
constexpr PinRow kSataHost[] = {
    {"SATA_HOST_RX_p", "K2", IN, PCML},
    {"SATA_HOST_TX_p", "J4", OUT, PCML},
};
constexpr PinRow kSataDevice[] = {
    {"SATA_DEVICE_RX_p", "P2", IN, PCML},
    {"SATA_DEVICE_TX_p", "N4", OUT, PCML},
};
// In pin order: TX_p, RX_p, RATESEL[0..1], LOS, MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
constexpr const char* kSfpLocations[] = {
    "AA4 AB2 AE11 AE9 AE10 AD9 AC9 AC12 AB9 AB12",
    "AE4 AF2 AN11 AP9 AN9 AM10 AM11 AL10 AL11 AK11",
    "AN4 AP2 AJ10 AL12 AK12 AH9 AH10 AG9 AG12 AF11",
    "AU4 AV2 AU11 AW11 AV11 AU10 AU9 AT9 AT11 AR9",
};
constexpr PinRow kSi570Control[] = {
    {"CLOCK_SCL", "AD15", OUT, V25},
    {"CLOCK_SDA", "AD16", IO, V25},
};
constexpr PinRow kCdcm61004Control[] = {
    {"CLK_CE", "AH15", OUT, V25},
    {"CLK_RST_n", "AC15", OUT, V25},
    {"CLK_OD", "AB15 AA15 AA14", OUT, V25, 3},
    {"CLK_OS", "AG14 AG15", OUT, V25, 2},
    {"CLK_PR", "AB16 AJ15", OUT, V25, 2},
};
// HSMC-A: the board's data counts its positions from 0; these are counted from 1 as on
// every other connector. Positions 35-38 and, from 45 on, the first two of every six
// hold no pin; the data gives the locations of 1-12, 39-40 and 155-158 only.
constexpr kit::PositionMask kHsmcMask{.count = 160, .empty = "35-38", .runFrom = 45, .runTo = 160};
static_assert(kit::MaskPinCount(kHsmcMask) == 116);
constexpr LocationRun kHsmcLocations[] = {
    {1, "R36 T38 R37 T39 W36 Y38 W37 Y39 C36 D38 C37 D39"},
    {13, UNPLACED, 38},
    {39, "D25 N32"},
    {41, UNPLACED, 154},
    {155, "P34 R32 N34 P32"},
};
constexpr kit::MaskedMasterRow kHsmcMaster{"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kHsmcMask, kHsmcLocations, {"nNum == 160", 640}};
// clang-format on

constexpr int kSfpCount = 4;

const char* CdcmGroupName(bool sfp, bool sata) {
    if (sfp && sata)
        return "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA";
    if (sata)
        return "Programmalbe Oscillator CDCM61004 for referece clock of SATA";
    return "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G";
}

} // namespace

void ConfigRasmelPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<RasmelText>(t.RecordCopy<RASMEL_CONFIG>(Config)));
    t.Begin(MAINBOARD_RASMEL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const int32_t si570 = Config.I32(C::nSi570Freq);
    const int32_t cdcm = Config.I32(C::nCdcm61004Freq);
    const bool sataHost = Config.U8(C::Sata(C::kSataHost)) != 0;
    const bool sataDevice = Config.U8(C::Sata(C::kSataDevice)) != 0;
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    else if (si570 != 0 || cdcm != 0)
        t.Group("CLOCK", kOscillatorClock);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED x 10", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON x 4 and CPU_RESET_n", kButton);
    else if (si570 != 0 || cdcm != 0)
        t.Group("CPU_RESET_n", kReset);
    if (Config.U8(C::bSwitch))
        t.Group("SWITCH x 4", kSwitch);
    if (Config.U8(C::bTemp))
        t.Group("Temperature", kTemp);
    if (Config.U8(C::bFan))
        t.Group("Fan", kFan);
    if (Config.U8(C::bRs422))
        t.Group("RS232", kRs422);
    if (Config.U8(C::bPCIe)) {
        TConnector* c = t.Group("PCIe x 8");
        t.AddInterleaved(c, kPcieLanes);
        t.Add(c, kPcie);
    }
    if (Config.U8(C::bFlash) || Config.U8(C::bSSRAM))
        t.Group("Flash/SSRAM/MAX Address/Data Share Bus", kSharedBus);
    if (Config.U8(C::bFlash))
        t.Group("Flash Control", kFlashControl);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM Control", kSsramControl);
    if (sataHost || sataDevice) {
        TConnector* c = t.Group("SATA");
        if (sataHost)
            t.Add(c, kSataHost);
        if (sataDevice)
            t.Add(c, kSataDevice);
        AddReferenceClock(t, c, "SATA_REFCLK_p", "V6", Cdcm61004Text(cdcm));
    }
    bool sfp = false;
    for (int i = 0; i < kSfpCount; ++i)
        if (Config.U8(C::Sfp(i))) {
            sfp = true;
            AddSfpCage(t, static_cast<char>('A' + i), kSfpLocations[i]);
        }
    if (sfp && si570 != 0)
        AddReferenceClock(t,
                          t.Group("SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)"),
                          "SFP_REFCLK_p", "AF6", Si570Text(si570));
    // The 1G reference clock joins the group made last: the Si570's, else the last cage's.
    if (sfp && cdcm != 0)
        AddReferenceClock(t, board->GetConnector(board->GetConnectorCount() - 1), "SFP1G_REFCLK_p", "AB6",
                          Cdcm61004Text(cdcm));
    if (si570 != 0)
        t.Group("Programmalbe Oscillator SI570", kSi570Control);
    if (cdcm != 0)
        t.Group(CdcmGroupName(sfp, sataHost || sataDevice), kCdcm61004Control);
    const uint8_t card = Config.U8(C::nHSMCDaughterId);
    if (card != 0) {
        t.Master(kHsmcMaster, card);
        if (cdcm != 0 && IsTransceiverBoard(static_cast<int8_t>(card)))
            AddReferenceClock(t, t.Group("HSMC Transceiver Reference Clock"), "HSMC_REFCLK_p", "AB6",
                              Cdcm61004Text(cdcm));
    }
}
