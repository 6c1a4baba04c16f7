#include "CONFIG_WENDRO.h"

#include "WendroText.h"
#include "boards/latest/xylmar/CONFIG_XYLMAR.h"

namespace {

using C = WENDRO_CONFIG;
using kit::MasterRow;
using kit::PinRow;

// The board's own text spells its source "CONFIG_Wendro".
constexpr kit::TableChecks kChecks{"CONFIG_Wendro", "Config.BoardId == MAINBOARD_WENDRO", 22,
                                   "Config.Size == sizeof(WENDRO_CONFIG)", 23};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSEMA4U23C6", 896, "UFBGA", "6"};

// clang-format off
// The rows in which this board differs from Xylmar: its switches and its headers.
constexpr PinRow kSwitch[] = {
    {"SW[0]", "L10", DIRECTION_INPUT, IOSTD_3V3_LVTTL},
    {"SW[1]", "L9", DIRECTION_INPUT, IOSTD_3V3_LVTTL},
    {"SW[2]", "H6", DIRECTION_INPUT, IOSTD_3V3_LVTTL},
    {"SW[3]", "H5", DIRECTION_INPUT, IOSTD_3V3_LVTTL},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power.
constexpr MasterRow kGpio0{"GPIO_0", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "V12 AF7 W12 AF8 Y8 AB4 W8 Y4 Y5 U11 - - "
    "T8 T12 AH5 AH6 AH4 AG5 AH3 AH2 AF4 AG6 AF5 AE4 T13 T11 AE7 AF6 - - "
    "AF9 AE8 AD10 AE9 AD11 AF10 AD12 AE11 AF11 AE12"};
constexpr MasterRow kGpio1{"GPIO_1", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_1,
    "Y15 AG28 AA15 AH27 AG26 AH24 AF23 AE22 AF21 AG20 - - "
    "AG19 AF20 AC23 AG18 AH26 AA19 AG24 AF25 AH23 AG23 AE19 AF18 AD19 AE20 AE24 AD20 - - "
    "AF22 AH22 AH19 AH21 AG21 AH18 AD23 AE23 AA18 AC22"};
// clang-format on

} // namespace

void ConfigWendroPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeWendroText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_WENDRO, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    // No HDMI transmitter on this board.
    AddXylmarGroups(t, {Config.U8(C::bADC) != 0, Config.U8(C::bArduino) != 0, Config.U8(C::bOSC) != 0, false,
                        Config.U8(C::bHPS) != 0, Config.U8(C::bButton) != 0, Config.U8(C::bLED) != 0,
                        Config.U8(C::bSwitch) != 0, kSwitch});
    // Its lists offer 2x20 cards only: never one connector over both headers.
    if (const uint8_t id0 = Config.U8(C::nGpioDaughterId[GPIO_0]); id0 != 0)
        t.Master(kGpio0, id0);
    if (const uint8_t id1 = Config.U8(C::nGpioDaughterId[GPIO_1]); id1 != 0)
        t.Master(kGpio1, id1);
}
