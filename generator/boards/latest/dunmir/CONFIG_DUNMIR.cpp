#include "CONFIG_DUNMIR.h"

#include "model/ConnectorType.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"
#include "platform/Text.h"

#include <span>

namespace {

constexpr int SEG_NO = 8;

// FPGA locations of the buses, index 0 first.
constexpr const char* kDramAddr[] = {"U17", "W19", "V18", "U18", "U19", "T18", "T19",
                                     "R18", "P18", "P19", "T20", "P20", "R20"};
constexpr const char* kDramDq[] = {"Y21", "Y20", "AA22", "AA21", "Y22", "W22", "W20", "V21",
                                   "P21", "J22", "H21",  "H22",  "G22", "G20", "G19", "F22"};
constexpr const char* kHex[6][SEG_NO] = {
    {"C14", "E15", "C15", "C16", "E16", "D17", "C17", "D15"},
    {"C18", "D18", "E18", "B16", "A17", "A18", "B17", "A16"},
    {"B20", "A20", "B19", "A21", "B21", "C22", "B22", "A19"},
    {"F21", "E22", "E21", "C19", "C20", "D19", "E17", "D22"},
    {"F18", "E20", "E19", "J18", "H19", "F19", "F20", "F17"},
    {"J20", "K20", "L18", "N18", "M20", "N19", "N20", "L19"},
};
constexpr const char* kLedr[] = {"A8", "A9", "A10", "B10", "D13", "C13", "E14", "D14", "A11", "B11"};
constexpr const char* kSw[] = {"C10", "C11", "D12", "C12", "A12", "B12", "A13", "A14", "B14", "F15"};
constexpr const char* kArduinoIo[] = {"AB5",  "AB6",  "AB7",  "AB8",  "AB9", "Y10",  "AA11", "AA12",
                                      "AB17", "AA17", "AB19", "AA19", "Y19", "AB20", "AB21", "AA20"};
// Header positions 1 to 40; "" for the power and ground pins 11, 12, 29 and 30.
constexpr const char* kGpio[GPIO_PIN_NUM] = {
    "V10",  "W10",  "V9",   "W9",  "V8",  "W8",   "V7",   "W7",  "W6",   "V5",  // 1-10
    "",     "",                                                                 // 11-12
    "W5",   "AA15", "AA14", "W13", "W12", "AB13", "AB12", "Y11", "AB11", "W11", // 13-22
    "AB10", "AA10", "AA9",  "Y8",  "AA8", "Y7",                                 // 23-28
    "",     "",                                                                 // 29-30
    "AA7",  "Y6",   "AA6",  "Y5",  "AA5", "Y4",   "AB3",  "Y3",  "AB2",  "AA2", // 31-40
};

struct NamedPin {
    const char* name;
    const char* location;
    uint8_t direction;
};

// clang-format off
constexpr NamedPin kSdramControl[] = {
    {"DRAM_BA[0]", "T21", DIRECTION_OUTPUT},
    {"DRAM_BA[1]", "T22", DIRECTION_OUTPUT},
    {"DRAM_CAS_N", "U21", DIRECTION_OUTPUT},
    {"DRAM_CKE", "N22", DIRECTION_OUTPUT},
    {"DRAM_CLK", "L14", DIRECTION_OUTPUT},
    {"DRAM_CS_N", "U20", DIRECTION_OUTPUT},
};
// clang-format on
// clang-format off
constexpr NamedPin kSdramMasks[] = {
    {"DRAM_LDQM", "V22", DIRECTION_OUTPUT},
    {"DRAM_RAS_N", "U22", DIRECTION_OUTPUT},
    {"DRAM_UDQM", "J21", DIRECTION_OUTPUT},
    {"DRAM_WE_N", "V20", DIRECTION_OUTPUT},
};
// clang-format on
// clang-format off
constexpr NamedPin kVga[] = {
    {"VGA_B[0]", "P1", DIRECTION_OUTPUT},
    {"VGA_B[1]", "T1", DIRECTION_OUTPUT},
    {"VGA_B[2]", "P4", DIRECTION_OUTPUT},
    {"VGA_B[3]", "N2", DIRECTION_OUTPUT},
    {"VGA_G[0]", "W1", DIRECTION_OUTPUT},
    {"VGA_G[1]", "T2", DIRECTION_OUTPUT},
    {"VGA_G[2]", "R2", DIRECTION_OUTPUT},
    {"VGA_G[3]", "R1", DIRECTION_OUTPUT},
    {"VGA_HS", "N3", DIRECTION_OUTPUT},
    {"VGA_R[0]", "AA1", DIRECTION_OUTPUT},
    {"VGA_R[1]", "V1", DIRECTION_OUTPUT},
    {"VGA_R[2]", "Y2", DIRECTION_OUTPUT},
    {"VGA_R[3]", "Y1", DIRECTION_OUTPUT},
    {"VGA_VS", "N1", DIRECTION_OUTPUT},
};
// clang-format on
// clang-format off
constexpr NamedPin kAccelerometer[] = {
    {"GSENSOR_SCLK", "AB15", DIRECTION_OUTPUT},
    {"GSENSOR_SDO", "V12", DIRECTION_INOUT},
    {"GSENSOR_SDI", "V11", DIRECTION_INOUT},
    {"GSENSOR_INT[1]", "Y14", DIRECTION_INPUT},
    {"GSENSOR_INT[2]", "Y13", DIRECTION_INPUT},
    {"GSENSOR_CS_N", "AB16", DIRECTION_OUTPUT},
};
// clang-format on

TPin* BoardPin(const std::string& name, const char* location, uint8_t direction,
               uint8_t standard = IOSTD_3V3_LVTTL) {
    return new TPin(name.c_str(), location, direction, standard, 0.0f);
}

void AddPins(TConnector* c, std::span<const NamedPin> pins) {
    for (const NamedPin& p : pins)
        c->AddPin(BoardPin(p.name, p.location, p.direction));
}

// A counted run "NAME[%d]" over a location table; the count must be the table's.
void AddRun(TConnector* c, const char* format, std::span<const char* const> locations, int nNum,
            const char* rule, int line, uint8_t direction) {
    PW_ASSERT(nNum == static_cast<int>(locations.size()), rule, "CONFIG_DUNMIR", line);
    for (int i = 0; i < nNum; ++i)
        c->AddPin(BoardPin(platform::Format(format, i), locations[static_cast<std::size_t>(i)], direction));
}

TConnector* OnBoard(const char* name) {
    return new TConnector(name, "", CONNECTOR_NONE, -1);
}

TPin* Clock(const char* name, const char* location, const char* frequency) {
    TPin* p = BoardPin(name, location, DIRECTION_INPUT);
    p->SetIsClock(1);
    p->SetFrequencyText(frequency);
    return p;
}

} // namespace

void ConfigDunmirPins(TMainBoard* board, TConfigDunmir* config) {
    using C = TConfigDunmir::BOARD_CONFIG;
    const C& Config = config->Config;
    board->m_BoardId = Config.GetBoardId();
    PW_ASSERT(Config.GetBoardId() == MAINBOARD_DUNMIR, "Config.BoardId == MAINBOARD_DUNMIR", "CONFIG_DUNMIR",
              24);
    PW_ASSERT(Config.GetSize() == static_cast<int32_t>(C::kSize),
              "Config.Size == sizeof(TConfigDunmir::BOARD_CONFIG)", "CONFIG_DUNMIR", 25);
    board->ClearConnectors();
    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C7G";
    board->m_PinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "7";

    if (Config.U8(C::bOSC)) {
        TConnector* c = OnBoard("CLOCK");
        c->AddPin(Clock("MAX10_CLK1_50", "P11", "50.0 MHz"));
        c->AddPin(Clock("MAX10_CLK2_50", "N14", "50.0 MHz"));
        c->AddPin(Clock("ADC_CLK_10", "N5", "10.0 MHz"));
        board->AddConnector(c);
    }
    if (Config.U8(C::bSDRAM)) {
        TConnector* c = OnBoard("SDRAM");
        AddRun(c, "DRAM_ADDR[%d]", kDramAddr, 13, "nNum == 13", 60, DIRECTION_OUTPUT);
        AddPins(c, kSdramControl);
        AddRun(c, "DRAM_DQ[%d]", kDramDq, 16, "nNum == 16", 75, DIRECTION_INOUT);
        AddPins(c, kSdramMasks);
        board->AddConnector(c);
    }
    if (Config.U8(C::bSeg7)) {
        TConnector* c = OnBoard("SEG7");
        for (int digit = 0; digit < 6; ++digit)
            AddRun(c, platform::Format("HEX%d[%%d]", digit).c_str(), kHex[digit], SEG_NO, "nNum == SEG_NO",
                   92, DIRECTION_OUTPUT);
        board->AddConnector(c);
    }
    if (Config.U8(C::bButton)) {
        TConnector* c = OnBoard("KEY");
        c->AddPin(BoardPin("KEY[0]", "B8", DIRECTION_INPUT, IOSTD_3V3_SCHMITT));
        c->AddPin(BoardPin("KEY[1]", "A7", DIRECTION_INPUT, IOSTD_3V3_SCHMITT));
        board->AddConnector(c);
    }
    if (Config.U8(C::bLED)) {
        TConnector* c = OnBoard("LED");
        AddRun(c, "LEDR[%d]", kLedr, 10, "nNum == 10", 110, DIRECTION_OUTPUT);
        board->AddConnector(c);
    }
    if (Config.U8(C::bSwitch)) {
        TConnector* c = OnBoard("SW");
        AddRun(c, "SW[%d]", kSw, 10, "nNum == 10", 118, DIRECTION_INPUT);
        board->AddConnector(c);
    }
    if (Config.U8(C::bVGA)) {
        TConnector* c = OnBoard("VGA");
        AddPins(c, kVga);
        board->AddConnector(c);
    }
    if (Config.U8(C::bAccelerometer)) {
        TConnector* c = OnBoard("Accelerometer");
        AddPins(c, kAccelerometer);
        board->AddConnector(c);
    }
    if (Config.U8(C::bArduino)) {
        TConnector* c = OnBoard("Arduino");
        AddRun(c, "ARDUINO_IO[%d]", kArduinoIo, 16, "nNum == 16", 140, DIRECTION_INOUT);
        c->AddPin(BoardPin("ARDUINO_RESET_N", "F16", DIRECTION_INOUT, IOSTD_3V3_SCHMITT));
        board->AddConnector(c);
    }
    const uint8_t daughter = Config.U8(C::nGpioDaughterId);
    if (daughter > 0) {
        std::string caption =
            platform::Format("GPIO connect to %s", BoardName(static_cast<int8_t>(daughter)).c_str());
        auto* c = new TConnector("GPIO", caption, CONNECTOR_GPIO40, -1);
        PW_ASSERT(GPIO_PIN_NUM == static_cast<int>(std::size(kGpio)), "nNum == GPIO_PIN_NUM", "CONFIG_DUNMIR",
                  160);
        for (const char* location : kGpio)
            c->AddPin(location[0] ? new TPin("", location, DIRECTION_BY_DAUGHTER, IOSTD_3V3_LVTTL, 0.0f)
                                  : nullptr);
        c->SetMaster(1);
        c->SetMasterId(MASTER_GPIO_0);
        board->AddConnector(c);
    }
}
