#include "CONFIG_GLAVIN.h"

#include "GlavinText.h"
#include "boards/kit/PinTable.h"

namespace {

using C = GLAVIN_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_GLAVIN",
                                   "Config.BoardId == MAINBOARD_GLAVIN",
                                   20,
                                   "Config.Size == sizeof(GLAVIN_CONFIG)",
                                   21,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone III", "EP3C25F324C6", 324, "FBGA", nullptr, 6};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V25 = IOSTD_2V5;
constexpr auto SSTL2 = IOSTD_SSTL_2_I;

// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_CLK", "V9", V25, 20},
};
constexpr PinRow kLed[] = {
    {"LED", "P13 P12 N12 N9", OUT, V25, 4},
};
constexpr PinRow kKey[] = {
    {"CPU_RESET_N", "N2", IN, V25},
    {"KEY", "F1 F2 A10 B10", IN, V25, 4},
};
// DDR_CS_N and DDR_CKE are 2.5 V; the rest of the memory bus is SSTL-2.
constexpr PinRow kDdrSdram[] = {
    {"DDR_CLK", "U2", IO, SSTL2},
    {"DDR_CLK_N", "V2", IO, SSTL2},
    {"DDR_CS_N", "V1", OUT, V25},
    {"DDR_CKE", "R13", OUT, V25},
    {"DDR_ADDR", "U1 U5 U7 U8 P8 P7 P6 T14 T13 V13 U17 V17 U16", OUT, SSTL2, 13},
    {"DDR_BA", "V11 V12", OUT, SSTL2, 2},
    {"DDR_RAS_N", "V16", OUT, SSTL2},
    {"DDR_CAS_N", "T4", OUT, SSTL2},
    {"DDR_WE_N", "U15", OUT, SSTL2},
    {"DDR_DQ", "U4 V4 R8 V5 P9 U6 V6 V7 U13 U12 U11 V15 U14 R11 P10 V14", IO, SSTL2, 16},
    {"DDR_DQS", "U3 T8", IO, SSTL2, 2},
    {"DDR_DM", "V3 V8", OUT, SSTL2, 2},
};
// The address bus counts from 1. Only the ends of both buses are placed ("?").
constexpr PinRow kFlashSsram[] = {
    {"FLASH_SRAM_A", "E12 A16 B16 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? B17", OUT, V25, 25, 1},
    {"FLASH_SRAM_DQ", "H3 D1 A8 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? C7", IO, V25, 32},
    {"SRAM_OE_N", "E9", OUT, V25},
    {"SRAM_CE_N", "F9", OUT, V25},
    {"SRAM_WE_N", "G13", OUT, V25},
    {"SRAM_BE_N", "F10 F11 F12 F13", OUT, V25, 4},
    {"SRAM_ADSC_N", "F7", OUT, V25},
    {"SRAM_CLK", "A2", OUT, V25},
};
// No transceivers and no clock-in pair below 33; 159-160 hold no pin either.
constexpr kit::PositionMask kHsmcMask{.count = 160, .empty = "1-32 159-160", .runFrom = 45, .runTo = 158};
static_assert(kit::MaskPinCount(kHsmcMask) == 88);
constexpr LocationRun kHsmcLocations[] = {
    {33, "E1 F3 J1 J2 J6 J5"},
    {39, kit::UNPLACED, 157},
    {158, "N18"},
};
constexpr kit::MaskedMasterRow kHsmc{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kHsmcMask, kHsmcLocations, {}};
// clang-format on

} // namespace

void ConfigGlavinPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeGlavinText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_GLAVIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSDRAM))
        t.Group("DDR SDRAM", kDdrSdram);
    if (Config.U8(C::bFlashSSRAM))
        t.Group("FLASH and SSRAM", kFlashSsram);
    // Card ids compare as signed bytes.
    if (const uint8_t card = Config.U8(C::nHSMCDaughterId); static_cast<int8_t>(card) > 0)
        t.Master(kHsmc, card);
}
