#include "CONFIG_ISVAR.h"

#include "IsvarText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = ISVAR_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_ISVAR", "Config.BoardId == MAINBOARD_ISVAR", 20,
                                   "Config.Size == sizeof(ISVAR_CONFIG)", 21};
constexpr kit::DeviceRow kDevice{"Stratix IV", "EP4SE820F43C3", 1760, "FBGA", nullptr, 2};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto V25 = IOSTD_2V5;
constexpr auto V15 = IOSTD_1V5;
constexpr const char* NC = kit::UNPLACED;

// clang-format off
// Slots 1, 4 and 5 of the oscillator table are empty.
constexpr ClockRow kClock[] = {
    {"OSC_50_BANK2", "AB41", V25, 20},
    {"OSC_50_BANK3", "AW22", V25, 20},
    {"OSC_50_BANK6", "C2", V25, 20},
    {"OSC_50_BANK7", "D21", V25, 20},
    {"OSC_50_BANK8", "B22", V15, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "AB4", IN, V25},
    {"SMA_CLKIN_n", "AB3", IN, V25},
    {"SMA_CLKOUT_p", "F21", OUT, V25},
    {"SMA_CLKOUT_n", "E21", OUT, V25},
};
constexpr PinRow kLed[] = {
    {"LED", "N37 M38 N38 N39 M39 L39 M40 L40", OUT, V25, 8, 0, {"nNum == 8", 85}},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "AD35 AD36 AD37 AD38", IN, V25, 4, 0, {"nNum == 4", 107}},
    {"CPU_RESET_n", "W39", IN, V25},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AD32 AD33 AE33 AE34 AF36 AE36 AF37 AE37", IN, V25, 8, 0, {"nNum == 8", 131}},
};
constexpr PinRow kSeg7[] = {
    {"MAX2_CS_n", "W40", OUT, V25},
    {"MAX2_I2C_SCL", "Y30", OUT, V25},
    {"MAX2_I2C_SDA", "W38", IO, V25},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_CLK", "M30", OUT, V15},
    {"TEMP_DATA", "G23", IO, V15},
    {"TEMP_INT_n", "G32", IN, V15},
    {"TEMP_OVERT_n", "C25", IN, V15},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "G24", OUT, V15},
    {"FAN_SPEED", "A23", IN, V15},
};
// The address pins count from 1; FSM_A[4..24]: locations not given.
constexpr const char* kFsmA = "U40 Y42 Y40 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? U36";
constexpr const char* kFsmD = "M42 M41 K41 K42 N42 P36 R38 R37 T38 AA38 Y39 T39 P42 P37 N41 N40";
constexpr PinRow kSharedBus[] = {
    {"FSM_D", kFsmD, IO, V25, 16, 0, {"nNum == 16", 196}},
    {"FSM_A", kFsmA, OUT, V25, 25, 1, {"nNum == 25", 205}},
};
// Without the flash the SSRAM takes the first twenty address pins.
constexpr PinRow kSharedBusSsram[] = {
    {"FSM_D", kFsmD, IO, V25, 16, 0, {"nNum == 16", 196}},
    {"FSM_A", kFsmA, OUT, V25, 25, 1, {"nNum == 25", 205}, 20},
};
constexpr PinRow kFlash[] = {
    {"FLASH_RDY_BSY_n", "Y36", IN, V25},
    {"FLASH_CLK", "V34", OUT, V25},
    {"FLASH_RESET_n", "AA37", OUT, V25},
    {"FLASH_OE_n", "W33", OUT, V25},
    {"FLASH_WE_n", "AA32", OUT, V25},
    {"FLASH_ADV_n", "W34", OUT, V25},
    {"FLASH_CE_n", "W37", OUT, V25},
    {"FLASH_WP_n", "AA36", OUT, V25},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", "AA31", OUT, V25},
    {"SSRAM_BWB_n", "V31", OUT, V25},
    {"SSRAM_CLK", "U31", OUT, V25},
    {"SSRAM_OE_n", "W31", OUT, V25},
    {"SSRAM_WE_n", "W30", OUT, V25},
    {"SSRAM_GW_n", "V32", OUT, V25},
    {"SSRAM_CE1_n", "T31", OUT, V25},
    {"SSRAM_ADSC_n", "U33", OUT, V25},
    {"SSRAM_ADSP_n", "V33", OUT, V25},
    {"SSRAM_ADV_n", "T33", OUT, V25},
    {"SSRAM_MODE", "U30", OUT, V25},
    {"SSRAM_ZZ", "T32", OUT, V25},
};
constexpr PinRow kDdr3Calibration[] = {
    {"mem_oct_rdn", "J32", IN, V15},
    {"mem_oct_rup", "K32", IN, V15},
};
constexpr PinRow kFmcAbI2c[] = {
    {"FMAB_CLK", "AD30", OUT, V25},
    {"FMAB_SDA", "AG38", IO, V25},
};
constexpr PinRow kFmcCdI2c[] = {
    {"FMCD_CLK", "AG37", OUT, V25},
    {"FMCD_SDA", "AD31", IO, V25},
};

// Socket positions from 15 on: locations not given.
constexpr LocationRun kDdr3Locations[] = {
    {4, "C28 L24 B27 K24"},
    {10, "A28 M24 B28"},
    {15, NC, 204},
};
constexpr kit::MaskedMasterRow kDdr3Master{"DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM, &kit::kDdr3SodimmMask, kDdr3Locations, {"nNum == 204", 291}};

// The positions not listed: locations not given.
constexpr LocationRun kHsmcALocations[] = {
    {33, "D20 A19"},
    {39, "M19 D22 L12 A3 M12 A2"},
    {45, NC, 95},
    {96, "B21"},
    {97, NC, 97},
    {98, "A21"},
    {99, NC, 160},
};
constexpr LocationRun kHsmcBLocations[] = {
    {33, "D14 A10"},
    {39, "B10 C22 M18 L16 N17 L15"},
    {45, NC, 95},
    {96, "AA41"},
    {97, NC, 97},
    {98, "AA42"},
    {99, NC, 160},
};
// The clock pair keeps 2.5 V, the clock input 1.5 V; the clock inputs stay inputs.
constexpr kit::PositionOverride kHsmcOwn[] = {
    {33, DIRECTION_BY_DAUGHTER, V25},
    {34, DIRECTION_BY_DAUGHTER, V25},
    {40, IN, V15},
    {96, IN, IOSTD_BY_DAUGHTER},
    {98, IN, IOSTD_BY_DAUGHTER},
};
constexpr kit::MaskedMasterRow kHsmcMasters[] = {
    {"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kit::kHsmcClockPairMask, kHsmcALocations, {"nNum == 160", 371}, kHsmcOwn},
    {"HSMC-B", "HSMC-B connect to %s", CONNECTOR_HSMC, MASTER_HSMC_B, &kit::kHsmcClockPairMask, kHsmcBLocations, {"nNum == 160", 371}, kHsmcOwn},
};

// Positions after 95: locations not given.
constexpr LocationRun kFmcALocations[] = {{90, "G3 G2"}, {94, "D2 D1"}, {96, NC, 400}};
constexpr LocationRun kFmcBLocations[] = {{90, "AN12 AP12"}, {94, "AV7 AW7"}, {96, NC, 400}};
constexpr LocationRun kFmcCLocations[] = {{90, "AR19 AP20"}, {94, "AM25 AN25"}, {96, NC, 400}};
constexpr LocationRun kFmcDLocations[] = {{90, "AG35 AG36"}, {94, "AF33 AF34"}, {96, NC, 400}};
constexpr kit::MaskedMasterRow kFmcMasters[] = {
    {"FMC-A", "FMC-A connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_A, &kit::kFmcHpcMask, kFmcALocations, {"nNum == 400", 589}},
    {"FMC-B", "FMC-B connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_B, &kit::kFmcHpcMask, kFmcBLocations, {"nNum == 400", 589}},
    {"FMC-C", "FMC-C connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_C, &kit::kFmcHpcMask, kFmcCLocations, {"nNum == 400", 589}},
    {"FMC-D", "FMC-D connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_D, &kit::kFmcHpcMask, kFmcDLocations, {"nNum == 400", 589}},
};
// clang-format on

} // namespace

void ConfigIsvarPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeIsvarText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_ISVAR, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED x 8", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON x 4 and CPU_RESET_n", kButton);
    if (Config.U8(C::bSwitch))
        t.Group("SLIDE SWITCH x 8", kSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("I2C 7-Segment", kSeg7);
    if (Config.U8(C::bTemp))
        t.Group("Temperature (Addresss 0011000b)", kTemperature);
    if (Config.U8(C::bFan))
        t.Group("Fan", kFan);
    const bool flash = Config.U8(C::bFlash) != 0;
    if (flash || Config.U8(C::bSSRAM))
        t.Group("Flash and SSRAM Address/Data Share Bus",
                flash ? std::span<const PinRow>(kSharedBus) : std::span<const PinRow>(kSharedBusSsram));
    if (flash)
        t.Group("Flash Control", kFlash);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM Control", kSsram);
    if (Config.U8(C::bDDR3)) {
        t.Master(kDdr3Master, 0);
        t.Group("OCT RUP/RDN for Altera DDR3 NewPHY Controller", kDdr3Calibration);
    }
    for (int port = 0; port < 2; ++port)
        if (const uint8_t card = Config.U8(C::HsmcDaughterId(port)); card != 0)
            t.Master(kHsmcMasters[port], card);
    bool fmcAb = false;
    bool fmcCd = false;
    for (int port = 0; port < 4; ++port) {
        const uint8_t card = Config.U8(C::FmcDaughterId(port));
        if (card == 0)
            continue;
        t.Master(kFmcMasters[port], card);
        (port < 2 ? fmcAb : fmcCd) = true;
    }
    if (fmcAb || fmcCd) {
        TConnector* c = t.Group("FMC I2C");
        if (fmcAb)
            t.Add(c, kFmcAbI2c);
        if (fmcCd)
            t.Add(c, kFmcCdI2c);
    }
}
