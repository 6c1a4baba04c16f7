#include "CONFIG_SELVIK.h"

#include "SelvikText.h"
#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "model/DaughterCatalogue.h"

namespace {

using C = SELVIK_CONFIG;
using kit::ClockRow;
using kit::MasterRow;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_SELVIK", "Config.BoardId == MAINBOARD_SELVIK", kit::kHeadIdLine,
                                   "Config.Size == sizeof(SELVIK_CONFIG)", kit::kHeadSizeLine};
constexpr kit::DeviceRow kDevice{"Cyclone V", "5CSXFC6D6F31C8ES", 896, "FBGA", "8_H6"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;

// By voltage index: 3.3 V, 2.5 V, 1.8 V, 1.5 V.
constexpr uint8_t kHsmcStandards[] = {IOSTD_3V3_LVTTL, IOSTD_2V5, IOSTD_1V8, IOSTD_1V5};

// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_50_B3B", "AF14", IOSTD_1V5, 20},
    {"OSC_50_B4A", "AA16", IOSTD_1V5, 20},
    {"OSC_50_B5B", "Y26", IOSTD_2V5, 20},
    {"OSC_50_B8A", "K14", IOSTD_2V5, 20},
};
constexpr ClockRow kHsmcRefClock{"HSMC_REF_CLK_p", "P9", IOSTD_HCSL, 10};
constexpr PinRow kLed[] = {
    {"LED", "AF10 AD10 AE11 AD7", OUT, IOSTD_3V3_LVTTL, 4},
};
constexpr PinRow kKey[] = {
    {"KEY", "AE9 AE12 AD9 AD11", IN, IOSTD_3V3_LVTTL, 4},
    {"RESET_n", "AD27", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW", "W25 V25 AC28 AC29", IN, IOSTD_2V5, 4},
};
constexpr PinRow kSi5338[] = {
    {"SI5338_SCL", "AE26", OUT, IOSTD_3V3_LVTTL},
    {"SI5338_SDA", "AJ29", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_CS_n", "AF8", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DIN", "AG7", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DOUT", "AG1", IN, IOSTD_3V3_LVTTL},
    {"TEMP_SCLK", "AF9", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "AD12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "AC12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_n", "AG2", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "W20", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_n", "AH3", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R", "AG5 AA12 AB12 AF6 AG6 AJ2 AH5 AJ1", OUT, IOSTD_3V3_LVTTL, 8},
    {"VGA_G", "Y21 AA25 AB26 AB22 AB23 AA24 AB25 AE27", OUT, IOSTD_3V3_LVTTL, 8},
    {"VGA_B", "AE28 Y23 Y24 AG28 AF28 V23 W24 AF29", OUT, IOSTD_3V3_LVTTL, 8},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "AG30", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "AC27", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "AH4", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "AG3", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "AC9", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "AE7", IO, IOSTD_3V3_LVTTL},
    {"AUD_MUTE", "AD26", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudioI2c[] = {
    {"AUD_I2C_SCLK", "AH30", OUT, IOSTD_3V3_LVTTL},
    {"AUD_I2C_SDAT", "AF30", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AH2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDdr3[] = {
    {"DDR3_CK_p", "AA14", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CK_n", "AA15", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[0]", "V16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[0]", "W16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[1]", "V17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[1]", "W17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[2]", "Y17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[2]", "AA18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[3]", "AC20", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[3]", "AD19", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CKE", "AJ21", OUT, IOSTD_SSTL_15_I},
    {"DDR3_CS_n", "AB15", OUT, IOSTD_SSTL_15_I},
    {"DDR3_RESET_n", "AK21", OUT, IOSTD_SSTL_15_I},
    {"DDR3_WE_n", "AJ6", OUT, IOSTD_SSTL_15_I},
    {"DDR3_RAS_n", "AH8", OUT, IOSTD_SSTL_15_I},
    {"DDR3_CAS_n", "AH7", OUT, IOSTD_SSTL_15_I},
    {"DDR3_BA[0]", "AH10", OUT, IOSTD_SSTL_15_I},
    {"DDR3_BA[1]", "AJ11", OUT, IOSTD_SSTL_15_I},
    {"DDR3_BA[2]", "AK11", OUT, IOSTD_SSTL_15_I},
    {"DDR3_DM[0]", "AH17", OUT, IOSTD_SSTL_15_I},
    {"DDR3_DM[1]", "AG23", OUT, IOSTD_SSTL_15_I},
    {"DDR3_DM[2]", "AK23", OUT, IOSTD_SSTL_15_I},
    {"DDR3_DM[3]", "AJ27", OUT, IOSTD_SSTL_15_I},
    {"DDR3_ODT", "AE16", OUT, IOSTD_SSTL_15_I},
    {"DDR3_RZQ", "AG17", IN, IOSTD_1V5},
    {"DDR3_DQ", "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27", IO, IOSTD_SSTL_15_I, 32},
    {"DDR3_A", "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12", OUT, IOSTD_SSTL_15_I, 15},
};
// HSMC pin n at position n - 1.
constexpr MasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A,
    "H4 J2 H3 J1 M4 N2 M3 N1 P4 R2 P3 R1 T4 U2 T3 U1 V4 W2 V3 W1 Y4 AA2 Y3 AA1 AB4 AC2 AB3 AC1 AD4 AE2 AD3 AE1 AE29 AA28 "
    "- - - - "
    "AD29 J14 C10 H13 C9 H12 - - A9 G12 A8 G11 - - E8 K12 D7 J12 - - G7 G10 F6 F10 - - "
    "D6 J10 C5 J9 - - D5 K7 C4 K8 - - E3 J7 E2 H7 - - E4 H8 D4 G8 - - C3 F9 B3 F8 - - "
    "E7 AA26 E6 AB27 - - E1 F11 D1 E11 - - D2 B6 C2 B5 - - B2 E9 B1 D9 - - A4 E12 A3 D12 - - "
    "A6 D11 A5 D10 - - C7 C13 B7 B12 - - C8 F13 B8 E13 - - C12 H14 B11 G13 - - B13 F15 A13 F14 - - "
    "A11 H15 A10 G15 - -"};
// clang-format on

constexpr int kHsmcClockInSlot = 39; // J14

} // namespace

uint8_t SelvikHsmcStandard(int32_t voltage) {
    // Only a damaged or foreign file brings another index: the board's default, 2.5 V.
    return voltage >= 0 && voltage < 4 ? kHsmcStandards[voltage] : static_cast<uint8_t>(IOSTD_2V5);
}

void ConfigSelvikPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeSelvikText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_SELVIK, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const uint8_t hsmc = Config.U8(C::nHsmcDaughterId);
    if (Config.U8(C::bOSC)) {
        TConnector* c = t.Group("CLOCK", kClock);
        if (hsmc != 0 && IsTransceiverBoard(static_cast<int8_t>(hsmc)))
            t.Add(c, kHsmcRefClock);
    }
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSi5338))
        t.Group("Si5338", kSi5338);
    if (Config.U8(C::bTemperature))
        t.Group("Temperature", kTemperature);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bAudio)) {
        t.Group("Audio", kAudio);
        t.Group("I2C for Audio ", kAudioI2c); // the name ends in a blank
    }
    if (Config.U8(C::bIR))
        t.Group("IR Receiver", kIr);
    if (Config.U8(C::bDDR3))
        t.Group("SDRAM", kDdr3);
    if (hsmc != 0) {
        const kit::SlotOverride clockIn[] = {
            {kHsmcClockInSlot, DIRECTION_INPUT, SelvikHsmcStandard(Config.I32(C::nHsmcVoltage))}};
        t.Master(kHsmcMaster, hsmc, clockIn);
    }
}
