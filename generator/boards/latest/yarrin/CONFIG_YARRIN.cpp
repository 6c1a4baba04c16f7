#include "CONFIG_YARRIN.h"

#include "YarrinText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"

#include <algorithm>

namespace {

using C = YARRIN_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_YARRIN", "Config.BoardId == MAINBOARD_YARRIN", kit::kHeadIdLine,
                                   "Config.Size == sizeof(YARRIN_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CEBA4F23C7", 484, "FBGA", "7"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "M9", LVTTL, 0, "50.0 MHz"},
    {"CLOCK2_50", "H13", LVTTL, 0, "50.0 MHz"},
    {"CLOCK3_50", "E10", LVTTL, 0, "50.0 MHz"},
    {"CLOCK4_50", "V15", LVTTL, 0, "50.0 MHz", IO},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR", "W8 T8 U11 Y10 N6 AB10 P12 P7 P8 R5 U8 P6 R7", OUT, LVTTL, 13},
    {"DRAM_BA[0]", "T7", OUT, LVTTL},
    {"DRAM_BA[1]", "AB7", OUT, LVTTL},
    {"DRAM_CAS_N", "V6", OUT, LVTTL},
    {"DRAM_CKE", "R6", OUT, LVTTL},
    {"DRAM_CLK", "AB11", OUT, LVTTL},
    {"DRAM_CS_N", "U6", OUT, LVTTL},
    {"DRAM_DQ", "Y9 T10 R9 Y11 R10 R11 R12 AA12 AA9 AB8 AA8 AA7 V10 V9 U10 T9", IO, LVTTL, 16},
    {"DRAM_LDQM", "U12", OUT, LVTTL},
    {"DRAM_RAS_N", "AB6", OUT, LVTTL},
    {"DRAM_UDQM", "N8", OUT, LVTTL},
    {"DRAM_WE_N", "AB5", OUT, LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0", "U21 V21 W22 W21 Y22 Y21 AA22", OUT, LVTTL, 7},
    {"HEX1", "AA20 AB20 AA19 AA18 AB18 AA17 U22", OUT, LVTTL, 7},
    {"HEX2", "Y19 AB17 AA10 Y14 V14 AB22 AB21", OUT, LVTTL, 7},
    {"HEX3", "Y16 W16 Y17 V16 U17 V18 V19", OUT, LVTTL, 7},
    {"HEX4", "U20 Y20 V20 U16 U15 Y15 P9", OUT, LVTTL, 7},
    {"HEX5", "N9 M8 T14 P14 C1 C2 W19", OUT, LVTTL, 7},
};
constexpr PinRow kKey[] = {
    {"KEY[0]", "U7", IN, LVTTL},
    {"KEY[1]", "W9", IN, LVTTL},
    {"KEY[2]", "M7", IN, LVTTL},
    {"KEY[3]", "M6", IN, LVTTL},
    {"RESET_N", "P22", IN, LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AA2 AA1 W2 Y3 N2 N1 U2 U1 L2 L1", OUT, LVTTL, 10},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "D3", IO, LVTTL},
    {"PS2_CLK2", "E2", IO, LVTTL},
    {"PS2_DAT", "G2", IO, LVTTL},
    {"PS2_DAT2", "G1", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "H11", OUT, LVTTL},
    {"SD_CMD", "B11", IO, LVTTL},
    {"SD_DATA[0]", "K9", IO, LVTTL},
    {"SD_DATA[1]", "D12", IO, LVTTL},
    {"SD_DATA[2]", "E12", IO, LVTTL},
    {"SD_DATA[3]", "C11", IO, LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "U13 V13 T13 T12 AA15 AB15 AA14 AA13 AB13 AB12", IN, LVTTL, 10},
};
constexpr PinRow kVga[] = {
    {"VGA_B[0]", "B6", OUT, LVTTL},
    {"VGA_B[1]", "B7", OUT, LVTTL},
    {"VGA_B[2]", "A8", OUT, LVTTL},
    {"VGA_B[3]", "A7", OUT, LVTTL},
    {"VGA_G[0]", "L7", OUT, LVTTL},
    {"VGA_G[1]", "K7", OUT, LVTTL},
    {"VGA_G[2]", "J7", OUT, LVTTL},
    {"VGA_G[3]", "J8", OUT, LVTTL},
    {"VGA_HS", "H8", OUT, LVTTL},
    {"VGA_R[0]", "A9", OUT, LVTTL},
    {"VGA_R[1]", "B10", OUT, LVTTL},
    {"VGA_R[2]", "C9", OUT, LVTTL},
    {"VGA_R[3]", "A5", OUT, LVTTL},
    {"VGA_VS", "G8", OUT, LVTTL},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power and ground.
constexpr const char* kGpio0 =
    "N16 B16 M16 C16 D17 K20 K21 K22 M20 M21 - - N21 R22 R21 T22 N20 N19 M22 P19 "
    "L22 P17 P16 M18 L18 L17 L19 K17 - - K19 P18 R15 R17 R16 T20 T19 T18 T17 T15";
constexpr const char* kGpio1 =
    "H16 A12 H15 B12 A13 B13 C13 D13 G18 G17 - - H18 J18 J19 G11 H10 J11 H14 A15 "
    "J13 L8 A14 B15 C15 E14 E15 E16 - - F14 F15 F13 F12 G16 G15 G13 G12 J17 K16";
constexpr kit::HeaderPair kGpio =
    kit::GpioHeaders(kGpio0, kGpio1, {.id0 = kit::kYarrinGpio0Line, .id1 = kit::kYarrinGpio1Line});
// clang-format on

} // namespace

void ConfigYarrinPins(TMainBoard* board, const SettingsRecord& Config) {
    // The writers read the copy; it is taken before the record is checked.
    C copy;
    std::copy_n(Config.data(), std::min(Config.size(), C::kSize), copy.data());
    board->SetBoardText(std::make_unique<YarrinText>(copy));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_YARRIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bPS2))
        t.Group("PS2", kPs2);
    if (Config.U8(C::bSdCard))
        t.Group("microSD Card", kSdCard);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);

    t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId), Config.U8(C::nGpioDaughterId1));
}
