#include "CONFIG_ABRENZ.h"

#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "boards/latest/ClockChipText.h"

namespace {

using C = TConfigAbrenz::ABRENZ_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::MaskedMasterRow;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_ABRENZ", "Config.BoardId == MAINBOARD_ABRENZ", kit::kHeadIdLine,
                                   "Config.Size == sizeof(TConfigAbrenz::ABRENZ_CONFIG)", kit::kHeadSizeLine};
// By nBoardType.
constexpr kit::DeviceRow kDevices[] = {
    {"Arria 10", "10AX115N3F45I2SG", 1932, "FBGA", nullptr},
    {"Arria 10", "10AX115N3F45E2SG", 1932, "FBGA", nullptr},
    {"Arria 10", "10AX115N2F45E1SG", 1932, "FBGA", nullptr},
    {"Arria 10", "10AX090N3F45I2SG", 1932, "FBGA", nullptr},
};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;

// clang-format off
// The clock chips' controllers start from BUTTON[0] and reset from CPU_RESET_n.
constexpr PinRow kKeyForChips[] = {
    {"BUTTON", "AJ13", IN, IOSTD_1V5, 1},
};
constexpr PinRow kKeyButtons[] = {
    {"BUTTON", "AE13 AV16 AR9", IN, IOSTD_1V5, 3, 1},
};
constexpr PinRow kKeyReset[] = {
    {"CPU_RESET_n", "AP24", IN, IOSTD_1V8},
};
// The clock chips' controllers run from CLK_50_B2J.
constexpr ClockRow kClockForChips[] = {
    {"CLK_50_B2J", "W36", IOSTD_1V8, 0, "50.000000 MHz"},
};
constexpr ClockRow kClock[] = {
    {"CLK_50_B2L", "H32", IOSTD_1V8, 0, "50.000000 MHz"},
    {"CLK_50_B3D", "AN7", IOSTD_1V8, 0, "50.000000 MHz"},
    {"CLK_50_B3F", "G12", IOSTD_1V8, 0, "50.000000 MHz"},
    {"CLK_50_B3H", "D21", IOSTD_1V8, 0, "50.000000 MHz"},
    {"CLK_100_B3D", "AH11", IOSTD_1V8, 0, "100.000000 MHz"},
    {"CLKUSR_100", "AV26", IOSTD_1V8, 0, "100.000000 MHz"},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AY28 AM27", IN, IOSTD_1V5, 2},
};
constexpr PinRow kLed[] = {
    {"LED", "T11 R11 N15 M15", OUT, IOSTD_1V8, 4},
};
constexpr PinRow kLedBracket[] = {
    {"LED_BRACKET", "AF10 AF9 Y13 W11", OUT, IOSTD_1V8, 4},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_D", "AV10 AV11 AW8 AY8 AY9 BA9 AW10", OUT, IOSTD_1V5, 7},
    {"HEX0_DP", "AW9", OUT, IOSTD_1V5},
    {"HEX1_D", "AM33 AN33 AM32 AN32 AN31 AP31 AK32", OUT, IOSTD_1V5, 7},
    {"HEX1_DP", "AK31", OUT, IOSTD_1V5},
};
// Of the socket positions only these rows give their locations; the others stay unplaced.
constexpr LocationRun kDdr3ALocations[] = {
    {4, "AH35"},
    {5, UNPLACED, 29},
    {30, "BD35"},
    {31, UNPLACED, 197},
    {198, "AR34"},
    {200, UNPLACED, 200},
    {202, "AT35"},
};
constexpr MaskedMasterRow kDdr3A{"DDR3 SODIMM", "DDR3 SODIMM_A", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM_A, &kit::kDdr3SodimmMask, kDdr3ALocations, {}};
constexpr PinRow kDdr3ARefClock[] = {
    kit::RefClock("DDR3A_REFCLK_p", "AV33", IOSTD_LVDS),
};
constexpr LocationRun kDdr3BLocations[] = {
    {4, "AM20"},
    {5, UNPLACED, 29},
    {30, "BB13"},
    {31, UNPLACED, 197},
    {198, "AP18"},
    {200, UNPLACED, 200},
    {202, "AP16"},
};
constexpr MaskedMasterRow kDdr3B{"DDR3 SODIMM", "DDR3 SODIMM_B", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM_B, &kit::kDdr3SodimmMask, kDdr3BLocations, {}};
constexpr PinRow kDdr3BRefClock[] = {
    kit::RefClock("DDR3B_REFCLK_p", "AP14", IOSTD_LVDS),
};
constexpr PinRow kFan[] = {
    {"FAN_ALERT_n", "AL32", IN, IOSTD_1V5},
    {"FAN_I2C_SCL", "AJ33", IO, IOSTD_1V5},
    {"FAN_I2C_SDA", "AK33", IO, IOSTD_1V5},
};
constexpr PinRow kFlash[] = {
    {"FLASH_A", "H26 J18 N17 P15 B18 E18 D18 J10 B17 J11 H8 A17 G8 G9 A16 K11 B15 G7 F6 A15 A14 H6 T12 U12 F7 B14", OUT, IOSTD_1V8, 26, 1},
    {"FLASH_ADV_n", "H7", OUT, IOSTD_1V8},
    {"FLASH_CE_n", "H10 N16", OUT, IOSTD_1V8, 2},
    {"FLASH_CLK", "T9", OUT, IOSTD_1V8},
    {"FLASH_D", "B35 A35 C35 C33 C32 A32 C26 B24 C36 B34 A34 B33 B32 A31 E24 C25 K33 J39 AA32 J35 H36 AB32 J34 AA31 J36 J38 K34 H38 H37 Y31 H35 J33", IO, IOSTD_1V8, 32},
    {"FLASH_OE_n", "C16", IO, IOSTD_1V8},
    {"FLASH_RDY_BSY_n", "J8 L36", IN, IOSTD_1V8, 2},
    {"FLASH_RESET_n", "C17", OUT, IOSTD_1V8},
    {"FLASH_WE_n", "U10", OUT, IOSTD_1V8},
};
// Not a clock pin.
constexpr PinRow kPcieRefClock[] = {
    {"OB_PCIE_REFCLK_p", "AK40", IN, IOSTD_LVDS},
};
constexpr PinRow kPcie[] = {
    {"PCIE_PERST_n", "AT25", IN, IOSTD_1V8},
    {"PCIE_REFCLK_p", "AH40", IN, IOSTD_HCSL},
    {"PCIE_RX_p", "AU42 AR42 AN42 AL42 AJ42 AG42 AE42 AC42", IN, IOSTD_HSSI_DIFF_IO, 8},
    {"PCIE_SMBCLK", "AM25", IN, IOSTD_1V8},
    {"PCIE_SMBDAT", "AR24", IO, IOSTD_1V8},
    {"PCIE_TX_p", "AV44 AT44 AP44 AM44 AK44 AH44 AF44 AD44", OUT, IOSTD_HSSI_DIFF_IO, 8},
    {"PCIE_WAKE_n", "AN26", OUT, IOSTD_1V8},
};
constexpr PinRow kPower[] = {
    {"POWER_MONITOR_ALERT", "BD23", IN, IOSTD_1V8},
    {"POWER_MONITOR_I2C_SCL", "AT26", IO, IOSTD_1V8},
    {"POWER_MONITOR_I2C_SDA", "AP25", IO, IOSTD_1V8},
};
constexpr PinRow kQdriiA[] = {
    {"QDRIIA_A", "V12 V13 N10 M10 P11 N11 M9 M8 N7 N8 P10 P9 N6 M7 L10 L7 K7 K8 J9 L6 K6 J6", OUT, IOSTD_1V8_HSTL_I, 22},
    {"QDRIIA_BWS_n", "C11 B13", OUT, IOSTD_1V8_HSTL_I, 2},
    {"QDRIIA_CQ_n", "H13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_p", "J13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_D", "E8 E9 D8 E11 D9 C8 D10 C10 D11 C13 C12 B12 A12 D13 A11 A10 E13 B10", OUT, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIA_DOFF_n", "R9", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_K_n", "E12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_K_p", "F12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_ODT", "T10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_Q", "R12 R14 N12 M13 M12 M14 L12 K12 G10 H12 H11 J14 K14 K13 L14 N13 P13 R13", IN, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIA_QVLD", "T14", IN, IOSTD_1V8_HSTL_I},
    kit::RefClock("QDRIIA_REFCLK_p", "L9", IOSTD_LVDS),
    {"QDRIIA_RPS_n", "U9", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_WPS_n", "U8", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdriiB[] = {
    {"QDRIIB_A", "L16 L15 E14 D14 G14 F14 D15 C15 F15 F16 H15 G15 E16 D16 E17 G17 G18 L17 K17 H17 H18 K18", OUT, IOSTD_1V8_HSTL_I, 22},
    {"QDRIIB_BWS_n", "G20 H20", OUT, IOSTD_1V8_HSTL_I, 2},
    {"QDRIIB_CQ_n", "C23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_p", "D23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_D", "G19 F19 E19 D19 C18 B19 B20 C20 F20 L20 J20 N20 L19 L21 K19 J19 M20 M19", OUT, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIB_DOFF_n", "H16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_K_n", "J21", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_K_p", "K21", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_ODT", "M17", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_Q", "L22 K23 J23 H23 H21 H22 G23 F21 E23 A22 B22 C22 B23 A21 C21 E22 F22 G22", IN, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIB_QVLD", "K22", IN, IOSTD_1V8_HSTL_I},
    kit::RefClock("QDRIIB_REFCLK_p", "N18", IOSTD_LVDS),
    {"QDRIIB_RPS_n", "J16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_WPS_n", "K16", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdriiC[] = {
    {"QDRIIC_A", "D25 D26 A26 A27 A29 A30 B27 B28 C27 C28 B29 B30 C30 C31 L25 K24 J24 G25 F25 J25 H25 J26", OUT, IOSTD_1V8_HSTL_I, 22},
    {"QDRIIC_BWS_n", "AB35 AD35", OUT, IOSTD_1V8_HSTL_I, 2},
    {"QDRIIC_CQ_n", "AC36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_p", "AD36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_D", "AD33 AC33 AB33 AB34 AA34 Y34 W34 AC35 AA35 AF36 AE36 AD34 AE34 AE33 AE32 AE31 AF32 AF31", OUT, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIC_DOFF_n", "D24", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_K_n", "AF35", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_K_p", "AF34", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_ODT", "B25", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_Q", "T36 R36 P35 N36 N37 M38 M39 N38 P36 Y36 M37 M35 T34 N35 T35 U35 V35 W35", IN, IOSTD_1V8_HSTL_I, 18},
    {"QDRIIC_QVLD", "U34", IN, IOSTD_1V8_HSTL_I},
    kit::RefClock("QDRIIC_REFCLK_p", "G24", IOSTD_LVDS),
    {"QDRIIC_RPS_n", "E26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_WPS_n", "F26", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdriiD[] = {
    {"QDRIID_A", "Y32 W33 P34 P33 L32 K32 R34 R33 T32 R32 N32 M32 T31 R31 K38 L37 K36 N33 M33 L39 K39 L35", OUT, IOSTD_1V8_HSTL_I, 22},
    {"QDRIID_BWS_n", "F30 E31", OUT, IOSTD_1V8_HSTL_I, 2},
    {"QDRIID_CQ_n", "F35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_p", "G35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_D", "E36 F34 F39 F36 D33 F31 G30 H30 G29 E33 G39 E37 F37 E34 D36 C37 D35 D34", OUT, IOSTD_1V8_HSTL_I, 18},
    {"QDRIID_DOFF_n", "W31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_K_n", "E32", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_K_p", "F32", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_ODT", "Y33", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_Q", "L29 N30 K29 J29 M30 J30 N31 P31 H33 G34 G33 L31 J31 K31 L30 M29 M28 N28", IN, IOSTD_1V8_HSTL_I, 18},
    {"QDRIID_QVLD", "P28", IN, IOSTD_1V8_HSTL_I},
    kit::RefClock("QDRIID_REFCLK_p", "M34", IOSTD_LVDS),
    {"QDRIID_RPS_n", "V33", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_WPS_n", "V32", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQsfpA[] = {
    {"QSFPA_INTERRUPT_n", "AB9", IN, IOSTD_1V8},
    {"QSFPA_LP_MODE", "AB10", OUT, IOSTD_1V8},
    {"QSFPA_MOD_PRS_n", "AG10", IN, IOSTD_1V8},
    {"QSFPA_MOD_SEL_n", "AC10", OUT, IOSTD_1V8},
    kit::RefClock("QSFPA_REFCLK_p", "AH5", IOSTD_LVDS),
    {"QSFPA_RST_n", "AA9", OUT, IOSTD_1V8},
    {"QSFPA_RX_p", "BB5 AY5 BA3 AW3", IN, IOSTD_HSSI_DIFF_IO, 4},
    {"QSFPA_SCL", "AA10", OUT, IOSTD_1V8},
    {"QSFPA_SDA", "Y9", IO, IOSTD_1V8},
    {"QSFPA_TX_p", "BD5 BC3 BB1 AY1", OUT, IOSTD_HSSI_DIFF_IO, 4},
};
constexpr PinRow kQsfpB[] = {
    {"QSFPB_INTERRUPT_n", "AK9", IN, IOSTD_1V8},
    {"QSFPB_LP_MODE", "AM10", IN, IOSTD_1V8},
    {"QSFPB_MOD_PRS_n", "AL10", OUT, IOSTD_1V8},
    {"QSFPB_MOD_SEL_n", "AP6", OUT, IOSTD_1V8},
    kit::RefClock("QSFPB_REFCLK_p", "AD5", IOSTD_LVDS),
    {"QSFPB_RST_n", "AR6", OUT, IOSTD_1V8},
    {"QSFPB_RX_p", "AN3 AL3 AJ3 AG3", IN, IOSTD_HSSI_DIFF_IO, 4},
    {"QSFPB_SCL", "AM7", OUT, IOSTD_1V8},
    {"QSFPB_SDA", "AM8", IO, IOSTD_1V8},
    {"QSFPB_TX_p", "AP1 AM1 AK1 AH1", OUT, IOSTD_HSSI_DIFF_IO, 4},
};
constexpr PinRow kQsfpC[] = {
    {"QSFPC_INTERRUPT_n", "AD11", IN, IOSTD_1V8},
    {"QSFPC_LP_MODE", "AH10", IN, IOSTD_1V8},
    {"QSFPC_MOD_PRS_n", "AD10", OUT, IOSTD_1V8},
    {"QSFPC_MOD_SEL_n", "AL9", OUT, IOSTD_1V8},
    kit::RefClock("QSFPC_REFCLK_p", "Y5", IOSTD_LVDS),
    {"QSFPC_RST_n", "AJ9", OUT, IOSTD_1V8},
    {"QSFPC_RX_p", "AA3 W3 U3 R3", IN, IOSTD_HSSI_DIFF_IO, 4},
    {"QSFPC_SCL", "AL11", OUT, IOSTD_1V8},
    {"QSFPC_SDA", "AK11", IO, IOSTD_1V8},
    {"QSFPC_TX_p", "AB1 Y1 V1 T1", OUT, IOSTD_HSSI_DIFF_IO, 4},
};
constexpr PinRow kQsfpD[] = {
    {"QSFPD_INTERRUPT_n", "W13", IN, IOSTD_1V8},
    {"QSFPD_LP_MODE", "AA12", IN, IOSTD_1V8},
    {"QSFPD_MOD_PRS_n", "Y12", OUT, IOSTD_1V8},
    {"QSFPD_MOD_SEL_n", "AA11", OUT, IOSTD_1V8},
    kit::RefClock("QSFPD_REFCLK_p", "T5", IOSTD_LVDS),
    {"QSFPD_RST_n", "Y11", OUT, IOSTD_1V8},
    {"QSFPD_RX_p", "J3 G3 E3 D5", IN, IOSTD_HSSI_DIFF_IO, 4},
    {"QSFPD_SCL", "W9", OUT, IOSTD_1V8},
    {"QSFPD_SDA", "W10", IO, IOSTD_1V8},
    {"QSFPD_TX_p", "K1 H1 F1 D1", OUT, IOSTD_HSSI_DIFF_IO, 4},
};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "Y14", OUT, IOSTD_1V8},
    {"RS422_DIN", "AM9", IN, IOSTD_1V8},
    {"RS422_DOUT", "W14", OUT, IOSTD_1V8},
    {"RS422_RE_n", "AD9", OUT, IOSTD_1V8},
    {"RJ45_LED_L", "AE11", OUT, IOSTD_1V8},
    {"RJ45_LED_R", "AF11", OUT, IOSTD_1V8},
};
constexpr PinRow kRzq[] = {
    {"RZQ_DDR3_A", "AU28", IN, IOSTD_1V5},
    {"RZQ_DDR3_B", "BB15", IN, IOSTD_1V5},
    {"RZQ_QDRII_A", "L11", IN, IOSTD_1V8},
    {"RZQ_QDRII_B", "F17", IN, IOSTD_1V8},
    {"RZQ_QDRII_C", "L24", IN, IOSTD_1V8},
    {"RZQ_QDRII_D", "K37", IN, IOSTD_1V8},
};
constexpr PinRow kSi5340a[] = {
    {"SI5340A_I2C_SCL", "AJ11", IO, IOSTD_1V8},
    {"SI5340A_I2C_SDA", "AN8", IO, IOSTD_1V8},
    {"SI5340A_INTR", "AM6", IN, IOSTD_1V8},
    {"SI5340A_OE_n", "AJ10", OUT, IOSTD_1V8},
    {"SI5340A_RST_n", "AN6", OUT, IOSTD_1V8},
};
constexpr PinRow kSi5340b[] = {
    {"SI5340B_I2C_SCL", "G37", IO, IOSTD_1V8},
    {"SI5340B_I2C_SDA", "H31", IO, IOSTD_1V8},
    {"SI5340B_INTR", "G32", IN, IOSTD_1V8},
    {"SI5340B_OE_n", "AL31", OUT, IOSTD_1V5},
    {"SI5340B_RST_n", "G38", OUT, IOSTD_1V8},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AC32", IN, IOSTD_1V8},
    {"SMA_CLKOUT", "AA36", OUT, IOSTD_1V8},
};
constexpr PinRow kTemp[] = {
    {"TEMP_I2C_SCL", "AU12", IO, IOSTD_1V5},
    {"TEMP_I2C_SDA", "AV12", IO, IOSTD_1V5},
    {"TEMP_INT_n", "AY12", IN, IOSTD_1V5},
    {"TEMP_OVERT_n", "AW11", IN, IOSTD_1V5},
};
// clang-format on

struct Memory {
    const char* name;
    std::size_t flag;
    std::span<const PinRow> rows;
};
constexpr Memory kQdrii[] = {
    {"QDRIIA", C::bQdriiA, kQdriiA},
    {"QDRIIB", C::bQdriiB, kQdriiB},
    {"QDRIIC", C::bQdriiC, kQdriiC},
    {"QDRIID", C::bQdriiD, kQdriiD},
};
// Each cage's reference clock comes from its own Si5340A output.
constexpr Memory kQsfp[] = {
    {"QSFPA", C::bQsfpA, kQsfpA},
    {"QSFPB", C::bQsfpB, kQsfpB},
    {"QSFPC", C::bQsfpC, kQsfpC},
    {"QSFPD", C::bQsfpD, kQsfpD},
};

// The chip functions take the choice's low byte.
uint8_t Choice(const C& Config, std::size_t offset) {
    return static_cast<uint8_t>(Config.I32(offset));
}

void Ddr3Socket(kit::PinTable& t, const MaskedMasterRow& row, std::span<const PinRow> refClock, double mhz) {
    TConnector* c = t.Master(row, 0);
    // Beyond the module's positions: it keeps its own name, direction and clock.
    t.Add(c, refClock, mhz);
}

} // namespace

void ConfigAbrenzPins(TMainBoard* board, TConfigAbrenz* config) {
    const C& Config = config->Config;
    board->SetBoardText(std::make_unique<ClockChipText>(config));
    kit::PinTable t(board, kChecks);
    const uint8_t variant = Config.U8(C::nBoardType);
    // A variant outside the list is brought back on load; the table never reads past it.
    const kit::DeviceRow& device = kDevices[variant < std::size(kDevices) ? variant : 0];
    t.Begin(MAINBOARD_ABRENZ, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, device);
    const bool chips = config->IsSi5340aUsed() || config->IsSi5340bUsed();
    auto on = [&Config](std::size_t flag) { return Config.U8(flag) != 0; };

    if (on(C::bButton) || chips) {
        TConnector* c = t.Group("KEY", kKeyForChips);
        if (on(C::bButton))
            t.Add(c, kKeyButtons);
        t.Add(c, kKeyReset);
    }
    if (on(C::bOSC) || chips) {
        TConnector* c = t.Group("CLOCK", kClockForChips);
        if (on(C::bOSC))
            t.Add(c, kClock);
    }
    if (on(C::bSwitch))
        t.Group("SW", kSwitch);
    if (on(C::bLED)) {
        t.Group("LED", kLed);
        t.Group("LED_BRACKET", kLedBracket);
    }
    if (on(C::bSeg7))
        t.Group("SEG7", kSeg7);
    const double ddr3 = TConfigAbrenz::Si5340bDdr3Frequency(Choice(Config, C::nSi5340BDdr3));
    if (on(C::bDdr3A))
        Ddr3Socket(t, kDdr3A, kDdr3ARefClock, ddr3);
    if (on(C::bDdr3B))
        Ddr3Socket(t, kDdr3B, kDdr3BRefClock, ddr3);
    if (on(C::bFan))
        t.Group("FAN", kFan);
    if (on(C::bFlash))
        t.Group("FLASH", kFlash);
    if (on(C::bPcieRefClk) && Config.I32(C::nSi5340BPcie) != 0)
        t.Group("PCIe On-Board Ref Clock", kPcieRefClock);
    if (on(C::bPcie))
        t.Group("PCIE", kPcie);
    if (on(C::bPower))
        t.Group("POWER Monitor", kPower);
    const double qdrii = TConfigAbrenz::Si5340bQdriiFrequency(Choice(Config, C::nSi5340BQdrii));
    for (const Memory& m : kQdrii)
        if (on(m.flag))
            t.Group(m.name, m.rows, qdrii);
    for (std::size_t i = 0; i < std::size(kQsfp); ++i)
        if (on(kQsfp[i].flag))
            t.Group(kQsfp[i].name, kQsfp[i].rows,
                    TConfigAbrenz::Si5340aFrequency(Choice(Config, C::nSi5340A + 4 * i)));
    if (on(C::bRs422))
        t.Group("RS422", kRs422);
    if (on(C::bDdr3A) || on(C::bDdr3B) || on(C::bQdriiA) || on(C::bQdriiB) || on(C::bQdriiC) ||
        on(C::bQdriiD))
        t.Group("RZQ", kRzq);
    if (config->IsSi5340aUsed())
        t.Group("SI5340A", kSi5340a);
    if (config->IsSi5340bUsed())
        t.Group("SI5340B", kSi5340b);
    if (on(C::bSma))
        t.Group("SMA", kSma);
    if (on(C::bTemp))
        t.Group("Temperature", kTemp);
}
