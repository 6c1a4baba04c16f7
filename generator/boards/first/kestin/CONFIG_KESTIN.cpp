#include "CONFIG_KESTIN.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "boards/kit/QsfText.h"

namespace {

using C = KESTIN_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_KESTIN",
                                   "Config.BoardId == MAINBOARD_KESTIN",
                                   21,
                                   "Config.Size == sizeof(KESTIN_CONFIG)",
                                   22,
                                   kit::BoardIdFrom::Constant};
// No pin count is given.
constexpr kit::DeviceRow kDevice{"Cyclone III", "EP3C120F780C7", -1, "FBGA", nullptr, 7};
constexpr kit::NceoPin kNceo{.location = "P28", .lineEnd = true};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_100", "AG14", LVTTL, 10},
};
constexpr PinRow kLed[] = {
    {"LED", "AA23 AA22 AF9 AD12", OUT, LVTTL, 4},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "AD7 AF6", IN, LVTTL, 2},
};
constexpr PinRow kGpio[] = {
    {"GPIO", "N8 E1 H6 F5 H5 U7 U8 M24 U21 R24", IO, LVTTL, 10},
};

// Only the first and last locations of the masters are known; the others stay unplaced.
constexpr LocationRun kDdr2[] = {
    {4, "B7 C10 B6 E11"},
    {10, "A8"},
    {13, "E12"},
    {14, UNPLACED, 193},
    {194, "AH25"},
};
constexpr LocationRun kKappel23[] = {
    {3, "G1 J1 G2 J2"},
    {9, "K1 C2"},
    {11, UNPLACED, 179},
    {180, "AC3"},
};
constexpr LocationRun kKappel1[] = {
    {3, "J26 J28 J25 J27"},
    {9, "D28 L24"},
    {11, UNPLACED, 179},
    {180, "AE7"},
};
constexpr kit::MaskedMasterRow kDdr2Socket{"DDR2", "DDR2 Sodimm Enabled", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM, &kit::kDdr2Sodimm112Mask, kDdr2, {}, {}, 112, {"pCon->ActivePinCount == 112", 128}};
constexpr kit::MaskedMasterRow kKappel23Master{"KAPPEL_23", "KAPPEL2/KAPPEL3 connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_1, &kit::kKappelMask, kKappel23, {}};
constexpr kit::MaskedMasterRow kKappel1Master{"KAPPEL_1", "KAPPEL1 connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_0, &kit::kKappelMask, kKappel1, {}};
// clang-format on

} // namespace

void ConfigKestinPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(kit::MakeNceoText(kNceo));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_KESTIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON", kButton);
    if (Config.U8(C::bGpio))
        t.Group("GPIO Header", kGpio);
    if (Config.U8(C::bDDR2))
        t.Master(kDdr2Socket, 0);
    if (static_cast<int8_t>(Config.U8(C::nKappel23DaughterId)) > 0)
        t.Master(kKappel23Master, Config.U8(C::nKappel23DaughterId));
    // The caption names the card of the field's low byte.
    if (Config.I32(C::nKappel1DaughterId) > 0)
        t.Master(kKappel1Master, Config.U8(C::nKappel1DaughterId));
}
