#include "CONFIG_PALLEX.h"

#include "PallexText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "core/OscillatorText.h"
#include "platform/Text.h"

namespace {

using C = PALLEX_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::MaskedMasterRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_PALLEX", "Config.BoardId == MAINBOARD_PALLEX", 51,
                                   "Config.Size == sizeof(PALLEX_CONFIG)", 52};
constexpr kit::DeviceRow kDevice{"Stratix V", "5SGXEA7N2F45C2", 1932, "FBGA", "2_H2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V15 = IOSTD_1V5;
constexpr auto V18 = IOSTD_1V8;
constexpr auto V25 = IOSTD_2V5;
constexpr auto HSTL = IOSTD_1V8_HSTL_I;
constexpr auto DIFF_HSTL = IOSTD_DIFF_1V8_HSTL_I;
constexpr auto PCML = IOSTD_1V5_PCML;
constexpr auto HCSL = IOSTD_HCSL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_50_B3B", "AW35", V25, 20},
    {"OSC_50_B3D", "BC28", V18, 20},
    {"OSC_50_B4A", "AP10", V18, 20},
    {"OSC_50_B4D", "AY18", V18, 20},
    {"OSC_50_B7A", "M8", V15, 20},
    {"OSC_50_B7D", "J18", V15, 20},
    {"OSC_50_B8A", "R36", V15, 20},
    {"OSC_50_B8D", "R25", V18, 20},
};
// The oscillator controllers run from it when the CLOCK group is off.
constexpr ClockRow kOscillatorClock[] = {
    {"OSC_50_B3B", "AW35", V25, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "BB33", IN, V25},
    {"SMA_CLKOUT", "AV34", OUT, V25},
};
constexpr PinRow kLed[] = {
    {"LED", "AW37 AV37 BB36 BB39", OUT, V25, 4},
    {"LED_BRACKET", "AH15 AH13 AJ13 AJ14", OUT, V25, 4},
    {"LED_RJ45_L", "AG15", OUT, V25},
    {"LED_RJ45_R", "AG16", OUT, V25},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "AK15 AK14 AL14 AL15", IN, V25, 4, 0, {"nNum == 4", 159}},
};
// The reset of the oscillator controllers too.
constexpr PinRow kReset[] = {
    {"CPU_RESET_n", "BC37", IN, V25},
};
constexpr PinRow kSwitch[] = {
    {"SW", "B25 A25 B23 A23", IN, V18, 4, 0, {"nNum == 4", 185}},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_D", "G8 H8 J9 K10 K8 K9 N8", OUT, V15, 7},
    {"HEX0_DP", "P8", OUT, V15},
    {"HEX1_D", "H18 G16 F16 A7 B7 C9 D10", OUT, V15, 7},
    {"HEX1_DP", "E9", OUT, V15},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "D21", OUT, V25},
    {"TEMP_DATA", "D20", IO, V25},
    {"TEMP_INT_n", "C21", IN, V25},
    {"TEMP_OVERT_n", "C22", IN, V25},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AR32", IO, V25},
};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "AG14", OUT, V25},
    {"RS422_DIN", "AE18", IN, V25},
    {"RS422_DOUT", "AE17", OUT, V25},
    {"RS422_RE_n", "AF17", OUT, V25},
    {"RS422_TE", "AF16", OUT, V25},
};
// Taken lane by lane: RX then TX.
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "BB43 BA41 AW41 AY43 AT43 AP43 AM43 AK43", IN, PCML, 8, 0, {"nNum == 8", 310}},
    {"PCIE_TX_p", "AY39 AV39 AT39 AU41 AN41 AL41 AJ41 AG41", OUT, PCML, 8, 0, {"nNum == 8", 310}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AK38", IN, HCSL},
    {"PCIE_PERST_n", "AU33", IN, V25},
    {"PCIE_WAKE_n", "BD35", OUT, V25},
    {"PCIE_SMBCLK", "BD34", IO, V25},
    {"PCIE_SMBDAT", "AT33", IO, V25},
};
// Only the ends of the shared bus are given; the pins between stay unplaced.
constexpr PinRow kFlashBus[] = {
    {"FSM_D", "AG26 AD33 AE34 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? BD31", IO, V25, 32, 0, {"nNum == 32", 354}},
    {"FSM_A", "AU32 AH30 AJ30 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AT30", OUT, V25, 27, 0, {"nNum == 27", 363}},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AK29", OUT, V25},
    {"FLASH_CE_n", "AE27 BA31", OUT, V25, 2},
    {"FLASH_CLK", "AL29", OUT, V25},
    {"FLASH_OE_n", "AY30", OUT, V25},
    {"FLASH_RDY_BSY_n", "BA29 BB32", IN, V25, 2},
    {"FLASH_RESET_n", "AE28", OUT, V25},
    {"FLASH_WE_n", "AR31", OUT, V25},
};
// By port: host 0, host 1, device 0, device 1.
constexpr PinRow kSataPorts[][2] = {
    {{"SATA_HOST_RX_p[0]", "K2", IN, PCML}, {"SATA_HOST_TX_p[0]", "K6", OUT, PCML}},
    {{"SATA_HOST_RX_p[1]", "H2", IN, PCML}, {"SATA_HOST_TX_p[1]", "H6", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[0]", "K43", IN, PCML}, {"SATA_DEVICE_TX_p[0]", "K39", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[1]", "H43", IN, PCML}, {"SATA_DEVICE_TX_p[1]", "H39", OUT, PCML}},
};
constexpr ClockRow kSataHostRefClock{"SATA_HOST_REFCLK_p", "V6", HCSL};
constexpr ClockRow kSataDeviceRefClock{"SATA_DEVICE_REFCLK_p", "V39", HCSL};
constexpr PinRow kRzq[] = {
    {"RZQ_0", "BA36", IN, V25},
    {"RZQ_1", "AR8", IN, V18},
    {"RZQ_4", "H9", IN, V15},
    {"RZQ_5", "P35", IN, V15},
};
constexpr PinRow kQdriiA[] = {
    {"QDRIIA_A", "AU29 BA28 AP27 AK27 AN27 AM28 AV28 AY27 BC29 AU28 AW27 AY28 BD28 AV29 AW29 BB29 BD29 AL27 AR27 AL28 AR28", OUT, HSTL, 21},
    {"QDRIIA_D", "AH28 AH27 AH25 AJ28 AJ27 AJ26 AJ25 AL25 AH24 AN25 AM26 AM25 AL26 AK26 AU27 AU26 AV26 AW26", OUT, HSTL, 18},
    {"QDRIIA_Q", "AK23 BB26 BD26 BA24 AL23 AJ23 AL21 AK21 AJ22 AW24 BC26 AY25 AU24 AV25 AU25 AR25 AP24 AL24", IN, HSTL, 18},
    {"QDRIIA_BWS_n", "AJ24 AT27", OUT, HSTL, 2},
    {"QDRIIA_K_p", "AP25", OUT, DIFF_HSTL},
    {"QDRIIA_K_n", "AR26", OUT, DIFF_HSTL},
    {"QDRIIA_CQ_p", "AH22", IN, HSTL},
    {"QDRIIA_CQ_n", "BA25", IN, HSTL},
    {"QDRIIA_DOFF_n", "AR23", OUT, HSTL},
    {"QDRIIA_ODT", "AN23", OUT, HSTL},
    {"QDRIIA_QVLD", "AM23", IN, HSTL},
    {"QDRIIA_RPS_n", "AT26", OUT, HSTL},
    {"QDRIIA_WPS_n", "AK24", OUT, HSTL},
};
constexpr PinRow kQdriiB[] = {
    {"QDRIIB_A", "AR24 BB23 AK20 AJ19 AL20 AG19 AT23 AU23 AV23 AM22 AJ20 AG20 AW23 BB24 AY24 BD23 BC23 AG21 AM20 AK18 AN22", OUT, HSTL, 21},
    {"QDRIIB_D", "BB21 BD20 BC20 AR22 BB20 AU22 BA21 AY21 AW21 AT21 AR21 AP21 BD22 BC22 BA22 AV22 AY22 AW22", OUT, HSTL, 18},
    {"QDRIIB_Q", "AR19 AM19 AL19 AM17 AL18 AN19 AU18 AK17 AL17 AG17 AJ18 AJ17 AG18 AU19 AW19 AV19 AP19 AN20", IN, HSTL, 18},
    {"QDRIIB_BWS_n", "AV20 AU21", OUT, HSTL, 2},
    {"QDRIIB_K_p", "AR20", OUT, DIFF_HSTL},
    {"QDRIIB_K_n", "AT20", OUT, DIFF_HSTL},
    {"QDRIIB_CQ_p", "AJ15", IN, HSTL},
    {"QDRIIB_CQ_n", "AP18", IN, HSTL},
    {"QDRIIB_DOFF_n", "AH19", OUT, HSTL},
    {"QDRIIB_ODT", "AH18", OUT, HSTL},
    {"QDRIIB_QVLD", "AJ16", IN, HSTL},
    {"QDRIIB_RPS_n", "AW20", OUT, HSTL},
    {"QDRIIB_WPS_n", "AU20", OUT, HSTL},
};
constexpr PinRow kQdriiC[] = {
    {"QDRIIC_A", "AV16 AW16 AP16 AW9 BD7 BC7 AR17 AR18 AT17 BB9 AH21 AU17 AU16 BB8 AT18 AW17 AV17 AU8 AT9 AV8 AN17", OUT, HSTL, 21},
    {"QDRIIC_D", "AG9 AG10 AG12 AG11 AV10 AH12 AK12 AL12 AJ12 AN12 AM13 AR12 AR13 AU9 AU10 AU11 AV11 AT12", OUT, HSTL, 18},
    {"QDRIIC_Q", "BA12 AF14 AE13 AD14 AE12 AF11 AE11 AE10 AE9 BB11 AW11 AF10 AY12 AW10 AY10 BB12 BC10 BA10", IN, HSTL, 18},
    {"QDRIIC_BWS_n", "AJ11 AJ10", OUT, HSTL, 2},
    {"QDRIIC_K_p", "AP12", OUT, DIFF_HSTL},
    {"QDRIIC_K_n", "AP13", OUT, DIFF_HSTL},
    {"QDRIIC_CQ_p", "BC11", IN, HSTL},
    {"QDRIIC_CQ_n", "AF13", IN, HSTL},
    {"QDRIIC_DOFF_n", "AE14", OUT, HSTL},
    {"QDRIIC_ODT", "BD10", OUT, HSTL},
    {"QDRIIC_QVLD", "BD11", IN, HSTL},
    {"QDRIIC_RPS_n", "AH10", OUT, HSTL},
    {"QDRIIC_WPS_n", "AL11", OUT, HSTL},
};
constexpr PinRow kQdriiD[] = {
    {"QDRIID_A", "N26 P28 N28 L26 K27 L27 U26 T26 T27 V27 U27 R27 P27 V25 V26 T25 P26 M27 M28 P29 D29", OUT, HSTL, 21},
    {"QDRIID_D", "H25 H24 H23 J25 J24 K25 D26 F25 G25 N23 P24 P23 L24 R24 U23 U24 T24 T23", OUT, HSTL, 18},
    {"QDRIID_Q", "C27 A26 B26 F26 G26 C28 A29 A28 B28 G28 F28 D27 G29 F29 H28 K28 J28 H29", IN, HSTL, 18},
    {"QDRIID_BWS_n", "E26 K26", OUT, HSTL, 2},
    {"QDRIID_K_p", "L23", OUT, DIFF_HSTL},
    {"QDRIID_K_n", "K24", OUT, DIFF_HSTL},
    {"QDRIID_CQ_p", "E29", IN, HSTL},
    {"QDRIID_CQ_n", "H27", IN, HSTL},
    {"QDRIID_DOFF_n", "E27", OUT, HSTL},
    {"QDRIID_ODT", "H26", OUT, HSTL},
    {"QDRIID_QVLD", "J27", IN, HSTL},
    {"QDRIID_RPS_n", "F24", OUT, HSTL},
    {"QDRIID_WPS_n", "M23", OUT, HSTL},
};
// Of the socket positions only the first and last rows give their locations.
constexpr LocationRun kDdr3ALocations[] = {
    {4, "B32 A35 D35 A34"},
    {10, "B34 C36 C34"},
    {15, UNPLACED, 198},
    {200, "P15"},
    {202, "C15"},
};
constexpr LocationRun kDdr3BLocations[] = {
    {4, "V13 Y17 V16 W17"},
    {10, "W16 R15 Y16"},
    {15, UNPLACED, 198},
    {200, "P19"},
    {202, "P18"},
};
constexpr MaskedMasterRow kDdr3Sockets[] = {
    {"DDR3 SODIMM", "DDR3 SODIMM_A", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM_A, &kit::kDdr3SodimmMask, kDdr3ALocations, {"nNum == 204", 779}},
    {"DDR3 SODIMM", "DDR3 SODIMM_B", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM_B, &kit::kDdr3SodimmMask, kDdr3BLocations, {"nNum == 204", 779}},
};
constexpr PinRow kSfpA[] = {
    {"SFPA_TX_p", "AG4", OUT, PCML},
    {"SFPA_RX_p", "AK2", IN, PCML},
    {"SFPA_RATESEL", "E20 G22", OUT, V25, 2},
    {"SFPA_LOS", "F22", IN, V25},
    {"SFPA_MOD0_PRSNT_n", "E21", IN, V25},
    {"SFPA_MOD1_SCL", "B20", OUT, V25},
    {"SFPA_MOD2_SDA", "A20", IO, V25},
    {"SFPA_TXDISABLE", "B22", OUT, V25},
    {"SFPA_TXFAULT", "A22", IN, V25},
};
constexpr PinRow kSfpB[] = {
    {"SFPB_TX_p", "AL4", OUT, PCML},
    {"SFPB_RX_p", "AP2", IN, PCML},
    {"SFPB_RATESEL", "R21 T22", OUT, V25, 2},
    {"SFPB_LOS", "R22", IN, V25},
    {"SFPB_MOD0_PRSNT_n", "K22", IN, V25},
    {"SFPB_MOD1_SCL", "K21", OUT, V25},
    {"SFPB_MOD2_SDA", "K20", IO, V25},
    {"SFPB_TXDISABLE", "H22", OUT, V25},
    {"SFPB_TXFAULT", "H20", IN, V25},
};
constexpr PinRow kSfpC[] = {
    {"SFPC_TX_p", "AT6", OUT, PCML},
    {"SFPC_RX_p", "AW4", IN, PCML},
    {"SFPC_RATESEL", "J22 P21", OUT, V25, 2},
    {"SFPC_LOS", "L21", IN, V25},
    {"SFPC_MOD0_PRSNT_n", "J21", IN, V25},
    {"SFPC_MOD1_SCL", "H21", OUT, V25},
    {"SFPC_MOD2_SDA", "G20", IO, V25},
    {"SFPC_TXDISABLE", "F21", OUT, V25},
    {"SFPC_TXFAULT", "F20", IN, V25},
};
constexpr PinRow kSfpD[] = {
    {"SFPD_TX_p", "AY6", OUT, PCML},
    {"SFPD_RX_p", "BB2", IN, PCML},
    {"SFPD_RATESEL", "V21 M22", OUT, V25, 2},
    {"SFPD_LOS", "N22", IN, V25},
    {"SFPD_MOD0_PRSNT_n", "V20", IN, V25},
    {"SFPD_MOD1_SCL", "U21", OUT, V25},
    {"SFPD_MOD2_SDA", "V19", IO, V25},
    {"SFPD_TXDISABLE", "U20", OUT, V25},
    {"SFPD_TXFAULT", "T21", IN, V25},
};
constexpr ClockRow kSfpRefClock{"SFP_REFCLK_p", "AK7", HCSL};
constexpr PinRow kSi570Bus[] = {
    {"CLOCK_SCL", "AE15", OUT, V25},
    {"CLOCK_SDA", "AE16", IO, V25},
};
constexpr ClockRow kSfp1gRefClock{"SFP1G_REFCLK_p", "AH6", HCSL};
constexpr PinRow kPllBus[] = {
    {"PLL_SCL", "AF32", OUT, V25},
    {"PLL_SDA", "AG32", IO, V25},
};
// clang-format on

struct Group {
    const char* name;
    std::size_t flag;
    std::span<const PinRow> rows;
};
constexpr Group kQdrii[] = {
    {"QDRII+ SRAM A", C::QDRII(0), kQdriiA},
    {"QDRII+ SRAM B", C::QDRII(1), kQdriiB},
    {"QDRII+ SRAM C", C::QDRII(2), kQdriiC},
    {"QDRII+ SRAM D", C::QDRII(3), kQdriiD},
};
constexpr Group kSfp[] = {
    {"SFP+ A", C::Sfp(0), kSfpA},
    {"SFP+ B", C::Sfp(1), kSfpB},
    {"SFP+ C", C::Sfp(2), kSfpC},
    {"SFP+ D", C::Sfp(3), kSfpD},
};

// A reference clock of the chosen frequency; none for 0 MHz (unchanged or not used).
ClockRow At(ClockRow row, double mhz, const char* format, std::string& text) {
    if (mhz > 0) {
        text = platform::Format(format, mhz);
        row.frequency = text.c_str();
    }
    return row;
}

} // namespace

void ConfigPallexPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    board->SetBoardText(std::make_unique<PallexText>(t.RecordCopy<PALLEX_CONFIG>(Config)));
    t.Begin(MAINBOARD_PALLEX, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    auto on = [&Config](std::size_t flag) { return Config.U8(flag) != 0; };
    auto any = [&on](std::size_t first, int count) {
        for (int i = 0; i < count; ++i)
            if (on(first + static_cast<std::size_t>(i)))
                return true;
        return false;
    };
    // The frequency functions take the choice's low byte.
    const auto si570 = static_cast<uint8_t>(Config.I32(C::nSi570Freq));
    const auto cdcm61004 = static_cast<uint8_t>(Config.I32(C::nCdcm61004Freq));
    const auto cdcm61001 = static_cast<uint8_t>(Config.I32(C::nCdcm61001Freq));
    const bool si570Used = Config.I32(C::nSi570Freq) != 0;
    const bool cdcm61001Used = Config.I32(C::nCdcm61001Freq) != 1;
    const bool cdcm61004Used = Config.I32(C::nCdcm61004Freq) != 1;
    // Every oscillator controller runs from OSC_50_B3B and resets from CPU_RESET_n.
    const bool oscillators = si570Used || cdcm61001Used || cdcm61004Used;

    if (on(C::bOSC))
        t.Group("CLOCK", kClock);
    else if (oscillators)
        t.Group("CLOCK", kOscillatorClock);
    if (on(C::bSma))
        t.Group("SMA", kSma);
    if (on(C::bLED))
        t.Group("LED x 10", kLed);
    if (on(C::bButton)) {
        TConnector* c = t.Group("BUTTON x 4 and CPU_RESET_n", kButton);
        t.Add(c, kReset);
    } else if (oscillators) {
        t.Group("CPU_RESET_n", kReset);
    }
    if (on(C::bSwitch))
        t.Group("SWITCH x 4", kSwitch);
    if (on(C::bSeg7))
        t.Group("7-Segement", kSeg7);
    if (on(C::bTemp))
        t.Group("Temperature", kTemp);
    if (on(C::bFan))
        t.Group("Fan", kFan);
    if (on(C::bRs422))
        t.Group("RS232", kRs422);
    if (on(C::bPCIe)) {
        TConnector* c = t.Group("PCIe x 8");
        t.AddInterleaved(c, kPcieLanes);
        t.Add(c, kPcie);
    }
    if (on(C::bFlash)) {
        t.Group("Flash/MAX Address/Data Share Bus", kFlashBus);
        t.Group("Flash Control", kFlashControl);
    }
    if (any(C::bSata, 4)) {
        TConnector* c = t.Group("SATA");
        for (int port = 0; port < 4; ++port)
            if (on(C::Sata(port)))
                t.Add(c, kSataPorts[port]);
        const double mhz = Cdcm61001Frequency(cdcm61004);
        std::string text;
        if (any(C::Sata(0), 2))
            t.Add(c, At(kSataHostRefClock, mhz, "%.2f MHz", text));
        if (any(C::Sata(2), 2))
            t.Add(c, At(kSataDeviceRefClock, mhz, "%.2f MHz", text));
    }
    if (any(C::bDDR3, 2) || any(C::bQDRII, 4))
        t.Group("RZQ", kRzq);
    for (const Group& g : kQdrii)
        if (on(g.flag))
            t.Group(g.name, g.rows);
    for (int socket = 0; socket < 2; ++socket)
        if (on(C::DDR3(socket)))
            t.Master(kDdr3Sockets[socket], 0);
    const bool sfp = any(C::bSfp, 4);
    if (sfp) {
        for (const Group& g : kSfp)
            if (on(g.flag))
                t.Group(g.name, g.rows);
        if (si570Used) {
            TConnector* c = t.Group("SFP+ 10G Referece Clock and Programmalbe Oscillator Si570");
            std::string text;
            t.Add(c, At(kSfpRefClock, Si570Frequency(si570), "%.5f MHz", text));
            t.Add(c, kSi570Bus);
        }
        if (cdcm61001Used) {
            TConnector* c = t.Group("SFP+ 1G Referece Clock");
            std::string text;
            t.Add(c, At(kSfp1gRefClock, Cdcm61001Frequency(cdcm61001), "%.2f MHz", text));
        }
    }
    const bool sfp1g = sfp && cdcm61001Used;
    const bool sataClock = any(C::bSata, 4) && cdcm61004Used;
    if (sfp1g && sataClock)
        t.Group("Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA", kPllBus);
    else if (sfp1g)
        t.Group("Programmalbe Oscillator CDCM61001 for SPF1G", kPllBus);
    else if (sataClock)
        t.Group("Programmalbe Oscillator CDCM61004 for SATA", kPllBus);
}
