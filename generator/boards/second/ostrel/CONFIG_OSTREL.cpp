#include "CONFIG_OSTREL.h"

#include "OstrelText.h"
#include "boards/kit/AnyTicked.h"
#include "boards/kit/PinTable.h"
#include "boards/second/OscillatorPins.h"
#include "platform/Text.h"

namespace {

using C = OSTREL_CONFIG;
using kit::ClockRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_OSTREL", "Config.BoardId == MAINBOARD_OSTREL", 66,
                                   "Config.Size == sizeof(OSTREL_CONFIG)", 67};
constexpr kit::DeviceRow kDevice{"Stratix V", "5SGXEA7N2F45C2", 1932, "FBGA", "2_H2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V15 = IOSTD_1V5;
constexpr auto V18 = IOSTD_1V8;
constexpr auto V25 = IOSTD_2V5;
constexpr auto HSTL = IOSTD_1V8_HSTL_I;
constexpr auto DIFF_HSTL = IOSTD_DIFF_1V8_HSTL_I;
constexpr auto SSTL = IOSTD_SSTL_15_I;
constexpr auto DIFF_SSTL = IOSTD_DIFF_1V5_SSTL_I;
constexpr auto PCML = IOSTD_1V5_PCML;
constexpr auto HCSL = IOSTD_HCSL;

// Locations written "?" (kit::UNPLACED) are those the board's data leaves out of a bus.
// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_50_B3B", "AW35", V25, 20},
    {"OSC_50_B3D", "BC28", V25, 20},
    {"OSC_50_B4A", "AP10", V15, 20},
    {"OSC_50_B4D", "AY18", V15, 20},
    {"OSC_50_B7A", "M9", V18, 20},
    {"OSC_50_B7D", "J18", V18, 20},
    {"OSC_50_B8A", "R36", V18, 20},
    {"OSC_50_B8D", "R25", V18, 20},
};
// The oscillator blocks run from this clock when the CLOCK group is not chosen.
constexpr ClockRow kOscillatorClock[] = {
    {"OSC_50_B3B", "AW35", V25, 20},
};
constexpr PinRow kLed[] = {
    {"LED", "C33 B32 C34 B34", OUT, V25, 4, 0, {"nNum == 4", 145}},
    {"LED_BRACKET", "BC29 BD29 BA28 BB29", OUT, V25, 4, 0, {"nNum == 4", 153}},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "A35 A34", IN, V25, 2, 0, {"nNum == 2", 169}},
};
constexpr PinRow kReset[] = {
    {"CPU_RESET_n", "BC37", IN, V25},
};
constexpr PinRow kSwitch[] = {
    {"SW", "E33 D33", IN, V25, 2, 0, {"nNum == 2", 199}},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "F35", OUT, V25},
    {"TEMP_DATA", "E35", IO, V25},
    {"TEMP_INT_n", "G34", IN, V25},
    {"TEMP_OVERT_n", "H35", IN, V25},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "F34", IO, V25},
};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "AU23", OUT, V25},
    {"RS422_DIN", "AR24", IN, V25},
    {"RS422_DOUT", "AV23", OUT, V25},
    {"RS422_RE_n", "AL24", OUT, V25},
    {"RS422_TE", "AL23", OUT, V25},
};
// Receive and transmit lanes alternate: RX[0], TX[0], RX[1], ...
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "BB43 BA41 AW41 AY43 AT43 AP43 AM43 AK43", IN, PCML, 8, 0, {"nNum == 8", 273}},
    {"PCIE_TX_p", "AY39 AV39 AT39 AU41 AN41 AL41 AJ41 AG41", OUT, PCML, 8, 0, {"nNum == 8", 273}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AK38", IN, HCSL},
    {"PCIE_PERST_n", "AU33", IN, V25},
    {"PCIE_WAKE_n", "AY37", OUT, V25},
    {"PCIE_SMBCLK", "AW37", IO, V25},
    {"PCIE_SMBDAT", "AV37", IO, V25},
};
constexpr PinRow kFlashBus[] = {
    {"FSM_D", "AF28 AG30 AG25 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AL31", IO, V25, 32, 0, {"nNum == 32", 317}},
    {"FSM_A", "AG33 AN31 AP31 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AF31", OUT, V25, 27, 0, {"nNum == 27", 326}},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AT29", OUT, V25},
    {"FLASH_CE_n[0]", "AJ31", OUT, V25},
    {"FLASH_CE_n[1]", "AW32", OUT, V25},
    {"FLASH_CLK", "AU31", OUT, V25},
    {"FLASH_OE_n", "AU30", OUT, V25},
    {"FLASH_RDY_BSY_n[0]", "AJ30", IN, V25},
    {"FLASH_RDY_BSY_n[1]", "AV32", IN, V25},
    {"FLASH_RESET_n", "AV31", OUT, V25},
    {"FLASH_WE_n", "AH30", OUT, V25},
};
constexpr PinRow kRzq[] = {
    {"RZQ_0", "BA36", IN, V25},
    {"RZQ_1", "AR8", IN, V15},
    {"RZQ_4", "H9", IN, V18},
    {"RZQ_5", "P35", IN, V18},
};
// One QDRII+ SRAM after its prefix "QDRII<X>"; the locations come from kQdriiLocations.
constexpr PinRow kQdriiShape[] = {
    {"_A", nullptr, OUT, HSTL, 21},
    {"_D", nullptr, OUT, HSTL, 18},
    {"_Q", nullptr, IN, HSTL, 18},
    {"_BWS_n", nullptr, OUT, HSTL, 2},
    {"_K_p", nullptr, OUT, DIFF_HSTL},
    {"_K_n", nullptr, OUT, DIFF_HSTL},
    {"_CQ_p", nullptr, IN, HSTL},
    {"_CQ_n", nullptr, IN, HSTL},
    {"_DOFF_n", nullptr, OUT, HSTL},
    {"_ODT", nullptr, OUT, HSTL},
    {"_QVLD", nullptr, IN, HSTL},
    {"_RPS_n", nullptr, OUT, HSTL},
    {"_WPS_n", nullptr, OUT, HSTL},
};
// Columns: A[0..20], D[0..17], Q[0..17], BWS_n[0..1], then K_p, K_n, CQ_p, CQ_n, DOFF_n, ODT, QVLD, RPS_n, WPS_n.
constexpr const char* kQdriiLocations[][5] = {
    {"R15 J13 U15 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? W17", "A11 A10 B11 ? ? ? ? ? ? ? ? ? ? ? ? ? ? C10", "M11 N11 V9 ? ? ? ? ? ? ? ? ? ? ? ? ? ? R12", "R13 P14", "V12 V11 T12 K11 B10 F10 G10 K12 F11"},
    {"F22 A14 F23 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? D24", "N20 P20 B19 ? ? ? ? ? ? ? ? ? ? ? ? ? ? W18", "V17 U17 T17 ? ? ? ? ? ? ? ? ? ? ? ? ? ? L14", "J19 A19", "C19 C18 K15 E15 B14 C15 C16 M20 A17"},
    {"J27 H28 A26 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? A28", "V19 F20 H20 ? ? ? ? ? ? ? ? ? ? ? ? ? ? T21", "U24 P24 M23 ? ? ? ? ? ? ? ? ? ? ? ? ? ? K25", "L21 P21", "N22 M22 L23 K26 E26 G25 H25 K21 T22"},
    {"U26 T27 P26 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? D26", "H31 H30 H32 ? ? ? ? ? ? ? ? ? ? ? ? ? ? T29", "B29 E30 R28 ? ? ? ? ? ? ? ? ? ? ? ? ? ? A32", "T31 R30", "K30 K29 T28 C31 G31 D32 E32 U30 P30"},
};
// One DDR3 SDRAM bank after its prefix "DDR3<X>"; the locations come from kDdr3Locations.
constexpr PinRow kDdr3Shape[] = {
    {"_A", nullptr, OUT, SSTL, 16},
    {"_BA", nullptr, OUT, SSTL, 3},
    {"_DQ", nullptr, IO, SSTL, 16},
    {"_DQS", nullptr, IO, DIFF_SSTL, 2},
    {"_DQS_n", nullptr, IO, DIFF_SSTL, 2},
    {"_DM", nullptr, OUT, SSTL, 2},
    {"_ODT", nullptr, OUT, SSTL, 1, 0, {"no == 1", 758}},
    {"_CS_n", nullptr, OUT, SSTL, 1, 0, {"no == 1", 769}},
    {"_CKE", nullptr, OUT, SSTL, 1, 0, {"no == 1", 780}},
    {"_CK", nullptr, OUT, DIFF_SSTL},
    {"_CK_n", nullptr, OUT, DIFF_SSTL},
    {"_CAS_n", nullptr, OUT, SSTL},
    {"_RAS_n", nullptr, OUT, SSTL},
    {"_WE_n", nullptr, OUT, SSTL},
    {"_RESET_n", nullptr, OUT, SSTL},
};
// Columns: A[0..15], BA[0..2], DQ[0..15], DQS / DQS_n / DM, then ODT[0], CS_n[0], CKE[0], CK, CK_n, CAS_n, RAS_n, WE_n, RESET_n.
constexpr const char* kDdr3Locations[][5] = {
    {"AU14 AK15 AJ14 ? ? ? ? ? ? ? ? ? ? ? ? BD16", "BC16 AP15 AV14", "AG9 AJ10 AL11 ? ? ? ? ? ? ? ? ? ? ? ? AU9", "AG12 AU10 AH12 AV11 AJ12 AU11", "AY13 BB15 BD14 AG16 AF17 BA13 BC13 BB14 AE15"},
    {"AR22 AM20 AN22 ? ? ? ? ? ? ? ? ? ? ? ? AT20", "AT21 AP21 AU21", "AN20 AL18 AN19 ? ? ? ? ? ? ? ? ? ? ? ? AJ15", "AP18 AH18 AR19 AH19 AV19 AJ18", "AV22 AY21 BC22 BB20 BB21 AW20 AW21 AV20 AH21"},
};
constexpr PinRow kSata[] = {
    {"SATA_HOST_RX_p", "AP2", IN, PCML},
    {"SATA_HOST_TX_p", "AL4", OUT, PCML},
    {"SATA_REFCLK_p", "AF7", IN, HCSL},
};
// In pin order: TX_p, RX_p, RATESEL[0..1], LOS, MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
constexpr const char* kSfpLocations[] = {
    "AY6 BB2 AY25 AV25 AW24 BA25 BA24 BB26 BC26 BD26",
    "AT6 AW4 AJ22 AH22 AJ23 AK23 AR25 AP24 AU25 AU24",
};
constexpr PinRow kSi570Control[] = {
    {"CLOCK_SCL", "B35", OUT, V25},
    {"CLOCK_SDA", "C36", IO, V25},
};
constexpr PinRow kCdcm61004Control[] = {
    {"CLK_CE", "AT23", OUT, V25},
    {"CLK_RST_n", "AY24", OUT, V25},
    {"CLK_OD[0]", "BB23", OUT, V25},
    {"CLK_OD[1]", "BB24", OUT, V25},
    {"CLK_OD[2]", "BC23", OUT, V25},
    {"CLK_OS[0]", "AW23", OUT, V25},
    {"CLK_OS[1]", "AR23", OUT, V25},
    {"CLK_PR[0]", "BC25", OUT, V25},
    {"CLK_PR[1]", "BD25", OUT, V25},
};
// clang-format on

constexpr int kQdriiCount = 4;
constexpr int kDdr3Count = 2;
constexpr int kSfpCount = 2;
// The memories that use the RZQ pin.
constexpr std::size_t kMemories[] = {C::Ddr3(0),  C::Ddr3(1),  C::Qdrii(0),
                                     C::Qdrii(1), C::Qdrii(2), C::Qdrii(3)};

} // namespace

void ConfigOstrelPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<OstrelText>(t.RecordCopy<OSTREL_CONFIG>(Config)));
    t.Begin(MAINBOARD_OSTREL, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const int32_t si570 = Config.I32(C::nSi570Freq);
    const int32_t cdcm = Config.I32(C::nCdcm61004Freq);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    else if (si570 != 0 || cdcm != 0)
        t.Group("CLOCK", kOscillatorClock);
    if (Config.U8(C::bLED))
        t.Group("LED x 8", kLed);
    if (Config.U8(C::bButton)) {
        t.Group("BUTTON x 2", kButton);
        t.Group("CPU RESET", kReset);
    } else if (si570 != 0 || cdcm != 0) {
        t.Group("CPU_RESET_n for reset programmable oscillator", kReset);
    }
    if (Config.U8(C::bSwitch))
        t.Group("DIP SWITCH x 4", kSwitch);
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
    if (Config.U8(C::bFlash)) {
        t.Group("Flash/MAX Address/Data Share Bus", kFlashBus);
        t.Group("Flash Control", kFlashControl);
    }
    if (kit::AnyTicked(Config, kMemories))
        t.Group("RZQ", kRzq);
    for (int i = 0; i < kQdriiCount; ++i)
        if (Config.U8(C::Qdrii(i))) {
            const char x = static_cast<char>('A' + i);
            t.AddShaped(t.Group(platform::Format("QDRII+ SRAM %c", x)), platform::Format("QDRII%c", x),
                        kQdriiShape, kQdriiLocations[i]);
        }
    for (int i = 0; i < kDdr3Count; ++i)
        if (Config.U8(C::Ddr3(i))) {
            const char x = static_cast<char>('A' + i);
            t.AddShaped(t.Group(platform::Format("DDR3 SDRAM  %c", x)), platform::Format("DDR3%c", x),
                        kDdr3Shape, kDdr3Locations[i]);
        }
    if (Config.U8(C::bSata))
        t.Group("SATA", kSata);
    bool sfp = false;
    for (int i = 0; i < kSfpCount; ++i)
        if (Config.U8(C::Sfp(i))) {
            sfp = true;
            AddSfpCage(t, static_cast<char>('A' + i), kSfpLocations[i]);
        }
    if (sfp && si570 != 0) {
        TConnector* c = t.Group("SFP+ 10G Referece Clock which is generated by Si570");
        AddReferenceClock(t, c, "SFP_REFCLK_p", "AK7", Si570Text(si570));
        t.Add(c, kSi570Control);
    }
    if (sfp && cdcm != 0) {
        TConnector* c = t.Group("SFP+ 1G Referece Clock which is generated by CDCM61004");
        AddReferenceClock(t, c, "SFP1G_REFCLK_p", "AH6", Cdcm61004Text(cdcm));
        t.Add(c, kCdcm61004Control);
    }
}
