#include "CONFIG_HESTOR.h"

#include "HestorText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = HESTOR_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_HESTOR",
                                   "Config.BoardId == MAINBOARD_HESTOR",
                                   20,
                                   "Config.Size == sizeof(HESTOR_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Arria II GX", "EP2AGX125EF35C4ES", 1152, "FBGA", nullptr, 4};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V25 = IOSTD_2V5;
constexpr auto LVDS = IOSTD_LVDS;
constexpr auto PCML = IOSTD_1V5_PCML;

// clang-format off
// Only the 155 MHz input is a clock; the reference inputs are plain pins.
constexpr ClockRow kClock[] = {
    {"CLK_155_P", "R29", IOSTD_DIFF_LVPECL, 6},
    {"CLKIN_BOT_P", "AJ19", LVDS},
    {"CLKIN_REF_Q2_P", "U29", LVDS},
    {"CLKIN_TOP_P", "F18", LVDS},
    {"CLKIN_REF_Q1_1_P", "AA29", LVDS},
    {"CLKIN_REF_Q1_2_P", "W29", LVDS},
};
constexpr ClockRow kClockPortB[] = {
    {"CLKIN_REF_Q3_P", "N29", LVDS},
};
constexpr PinRow kLed[] = {
    {"USER_LED", "G1 J4 J5 R5", OUT, V25, 4},
    {"HSMA_TX_LED", "C29", OUT, V25},
    {"HSMA_RX_LED", "N5", OUT, V25},
};
constexpr PinRow kLedPortB[] = {
    {"HSMB_TX_LED", "AE24", OUT, V25},
    {"HSMB_RX_LED", "AE23", OUT, V25},
};
constexpr PinRow kButton[] = {
    {"USER_PB", "AK9 AL7", IN, IOSTD_1V8, 2},
    {"CPU_RESET", "N10", IN, V25},
};
constexpr PinRow kDip[] = {
    {"USER_DIP", "N2 U9 V9 U4", IN, V25, 4},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA", "F1 H3 E1 F2 D2 D1 C2 C1", IO, V25, 8},
    {"LCD_WEn", "H1", OUT, V25},
    {"LCD_CSn", "J2", OUT, V25},
    {"LCD_D_Cn", "J1", OUT, V25},
};
// Lane by lane, receive then transmit; only the positive side of each pair is a pin.
constexpr PinRow kPcieLanes[] = {
    {"PCIE_RX_p", "AN33 AL33 AJ33 AG33 AE33 AC33 AA33 W33", IN, PCML, 8, 0, {"nNum == 8", 141}},
    {"PCIE_TX_p", "AM31 AK31 AH31 AF31 AD31 AB31 Y31 V31", OUT, PCML, 8, 0, {"nNum == 8", 141}},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AE29", IN, IOSTD_HCSL},
    {"PCIE_REFCLK_n", "AE30", IN, IOSTD_HCSL},
    {"PCIE_PREST_n", "N1", IN, V25},
    {"PCIE_WAKE_n", "C30", OUT, V25},
    {"PCIE_SMBCLK", "M18", IN, V25},
    {"PCIE_SMBDAT", "D27", IN, V25},
    {"PCIE_LED_X1", "C28", OUT, V25},
    {"PCIE_LED_X4", "D26", OUT, V25},
    {"PCIE_LED_X8", "C27", OUT, V25},
};
// The socket's 112 wired positions: the first six and the last are placed.
constexpr LocationRun kDdr2Locations[] = {
    {4, "B7 C10 B6 E11"},
    {10, "A8"},
    {13, "E12"},
    {14, kit::UNPLACED, 193},
    {194, "AH25"},
};
constexpr kit::MaskedMasterRow kDdr2{"DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM, &kit::kDdr2Sodimm112Mask, kDdr2Locations, {}, {}, 112, {"pCon->ActivePinCount == 112", 227}};
// Both ports: four transceiver lanes (17-32), the clock pair 33-34, 39-44, the runs of
// six from 45 and position 160; port B also leaves 151-152 empty.
constexpr kit::PositionMask kPortAMask{.count = 160, .empty = "1-16 35-38 159", .runFrom = 45, .runTo = 158};
static_assert(kit::MaskPinCount(kPortAMask) == 101);
constexpr kit::PositionMask kPortBMask{.count = 160, .empty = "1-16 35-38 151-152 159", .runFrom = 45, .runTo = 158};
static_assert(kit::MaskPinCount(kPortBMask) == 99);
constexpr LocationRun kPortALocations[] = {
    {17, "K31 L33 K32 L34"},
    {21, kit::UNPLACED, 34},
    {39, "P10 AP17"},
    {41, kit::UNPLACED, 157},
    {158, "J10"},
    {160, "U3"},
};
constexpr LocationRun kPortBLocations[] = {
    {17, "B31 C33 B32 C34"},
    {21, kit::UNPLACED, 34},
    {39, "AG30 AP16"},
    {41, kit::UNPLACED, 157},
    {158, "V5"},
    {160, "AG28"},
};
constexpr kit::MaskedMasterRow kPorts[] = {
    {"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kPortAMask, kPortALocations, {"nNum == 160", 293}},
    {"HSMC-B", "HSMC-B connect to %s", CONNECTOR_HSMC, MASTER_HSMC_B, &kPortBMask, kPortBLocations, {"nNum == 160", 293}},
};
// clang-format on

} // namespace

void ConfigHestorPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeHestorText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_HESTOR, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const bool portB = Config.U8(C::bPortBSignals) != 0;
    if (Config.U8(C::bOSC)) {
        TConnector* c = t.Group("CLOCK", kClock);
        if (portB)
            t.Add(c, kClockPortB);
    }
    if (Config.U8(C::bLED)) {
        TConnector* c = t.Group("LED", kLed);
        if (portB)
            t.Add(c, kLedPortB);
    }
    if (Config.U8(C::bButton))
        t.Group("BUTTON and CPU Reset", kButton);
    if (Config.U8(C::bDIP))
        t.Group("DIP", kDip);
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (Config.U8(C::bPCIe)) {
        TConnector* c = t.Group("PCIe x 8");
        t.AddInterleaved(c, kPcieLanes);
        t.Add(c, kPcie);
    }
    if (Config.U8(C::bDDR2))
        t.Master(kDdr2, 0);
    for (std::size_t port : {C::PORT_A, C::PORT_B})
        if (const uint8_t card = Config.U8(C::nHSMCDaughterId[port]); card != 0)
            t.Master(kPorts[port], card);
}
