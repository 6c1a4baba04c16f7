#include "boards/latest/dunmir/CONFIG_DUNMIR.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using C = TConfigDunmir::BOARD_CONFIG;

namespace {

void Defaults(TConfigDunmir& config) {
    config.Config.Clear();
    config.Config.SetHead(30);
    config.Config.SetProjectName("DUNMIR");
    for (std::size_t flag : {C::bOSC, C::bLED, C::bButton, C::bSwitch, C::bAccelerometer, C::bSDRAM, C::bVGA,
                             C::bSeg7, C::bArduino})
        config.Config.SetU8(flag, 1);
}

} // namespace

TEST(ConfigDunmirPins, DefaultRecordGivesNineConnectors) {
    ScriptedPlatform seam;
    TConfigDunmir config;
    Defaults(config);
    TMainBoard board;
    ConfigDunmirPins(&board, &config);
    EXPECT_EQ(board.GetBoardText(), nullptr); // the writers ask the board for nothing
    EXPECT_EQ(board.GetBoardId(), 30);
    EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C7G");
    EXPECT_EQ(board.GetDevicePackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetSpeedGradeText(), "7");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    const std::pair<const char*, int> expected[] = {{"CLOCK", 3}, {"SDRAM", 39},        {"SEG7", 48},
                                                    {"KEY", 2},   {"LED", 10},          {"SW", 10},
                                                    {"VGA", 14},  {"Accelerometer", 6}, {"Arduino", 17}};
    ASSERT_EQ(board.GetConnectorCount(), 9);
    int total = 0;
    for (int i = 0; i < 9; ++i) {
        TConnector* c = board.GetConnector(i);
        EXPECT_EQ(c->GetName(), expected[i].first);
        EXPECT_EQ(c->PinCount(), expected[i].second) << c->GetName();
        EXPECT_EQ(c->GetCaption(), "");
        EXPECT_EQ(c->GetType(), CONNECTOR_NONE);
        EXPECT_EQ(c->GetMaster(), 0);
        total += c->PinCount();
    }
    EXPECT_EQ(total, 149);

    TConnector* clock = board.GetConnector(0);
    const std::tuple<const char*, const char*, const char*> clocks[] = {{"MAX10_CLK1_50", "P11", "50.0 MHz"},
                                                                        {"MAX10_CLK2_50", "N14", "50.0 MHz"},
                                                                        {"ADC_CLK_10", "N5", "10.0 MHz"}};
    for (int i = 0; i < 3; ++i) {
        const TPin* p = clock->GetPin(i);
        EXPECT_EQ(p->GetName(), std::get<0>(clocks[i]));
        EXPECT_EQ(p->GetLocation(), std::get<1>(clocks[i]));
        EXPECT_EQ(p->GetFrequencyText(), std::get<2>(clocks[i]));
        EXPECT_EQ(p->GetIsClock(), 1);
        EXPECT_EQ(p->GetPeriod(), 0);
        EXPECT_EQ(p->GetDirection(), DIRECTION_INPUT);
    }
    struct Spot {
        int connector, slot;
        const char *name, *location;
        uint8_t direction, standard;
    };
    const Spot spots[] = {
        {1, 0, "DRAM_ADDR[0]", "U17", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {1, 12, "DRAM_ADDR[12]", "R20", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {1, 13, "DRAM_BA[0]", "T21", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {1, 18, "DRAM_CS_N", "U20", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {1, 19, "DRAM_DQ[0]", "Y21", DIRECTION_INOUT, IOSTD_3V3_LVTTL},
        {1, 34, "DRAM_DQ[15]", "F22", DIRECTION_INOUT, IOSTD_3V3_LVTTL},
        {1, 38, "DRAM_WE_N", "V20", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {2, 0, "HEX0[0]", "C14", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {2, 47, "HEX5[7]", "L19", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {3, 0, "KEY[0]", "B8", DIRECTION_INPUT, IOSTD_3V3_SCHMITT},
        {3, 1, "KEY[1]", "A7", DIRECTION_INPUT, IOSTD_3V3_SCHMITT},
        {4, 9, "LEDR[9]", "B11", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {5, 9, "SW[9]", "F15", DIRECTION_INPUT, IOSTD_3V3_LVTTL},
        {6, 8, "VGA_HS", "N3", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {6, 13, "VGA_VS", "N1", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {7, 1, "GSENSOR_SDO", "V12", DIRECTION_INOUT, IOSTD_3V3_LVTTL},
        {7, 5, "GSENSOR_CS_N", "AB16", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL},
        {8, 15, "ARDUINO_IO[15]", "AA20", DIRECTION_INOUT, IOSTD_3V3_LVTTL},
        {8, 16, "ARDUINO_RESET_N", "F16", DIRECTION_INOUT, IOSTD_3V3_SCHMITT},
    };
    for (const Spot& s : spots) {
        const TPin* p = board.GetConnector(s.connector)->GetPin(s.slot);
        EXPECT_EQ(p->GetName(), s.name);
        EXPECT_EQ(p->GetLocation(), s.location) << s.name;
        EXPECT_EQ(p->GetDirection(), s.direction) << s.name;
        EXPECT_EQ(p->GetIoStandard(), s.standard) << s.name;
        EXPECT_EQ(p->GetIndex(), -1);
    }
}

TEST(ConfigDunmirPins, GpioMasterOnlyWithACard) {
    ScriptedPlatform seam;
    TConfigDunmir config;
    Defaults(config);
    config.Config.SetU8(C::bOSC, 0);
    config.Config.SetU8(C::reserved, 7); // no effect
    {
        TMainBoard board;
        ConfigDunmirPins(&board, &config);
        EXPECT_EQ(board.GetConnectorCount(), 8);
        EXPECT_EQ(board.FindMasterConnector(16), nullptr);
    }
    config.Config.SetU8(C::nGpioDaughterId, 12);
    TMainBoard board;
    ConfigDunmirPins(&board, &config);
    TConnector* gpio = board.FindMasterConnector(16);
    ASSERT_NE(gpio, nullptr);
    EXPECT_EQ(gpio, board.GetConnector(board.GetConnectorCount() - 1));
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetCaption(), "GPIO connect to Kamrel - 5M Pixel Camera");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetDaughterId(), -1);
    EXPECT_EQ(gpio->PinCount(), 40);
    int pins = 0;
    for (int i = 0; i < 40; ++i) {
        const TPin* p = gpio->GetPin(i);
        bool power = i == 10 || i == 11 || i == 28 || i == 29;
        EXPECT_EQ(p == nullptr, power) << i;
        if (p) {
            ++pins;
            EXPECT_EQ(p->GetName(), "");
            EXPECT_EQ(p->GetDirection(), DIRECTION_BY_DAUGHTER);
            EXPECT_EQ(p->GetIoStandard(), IOSTD_3V3_LVTTL);
        }
    }
    EXPECT_EQ(pins, 36);
    EXPECT_EQ(gpio->GetPin(0)->GetLocation(), "V10");
    EXPECT_EQ(gpio->GetPin(12)->GetLocation(), "W5");
    EXPECT_EQ(gpio->GetPin(27)->GetLocation(), "Y7");
    EXPECT_EQ(gpio->GetPin(30)->GetLocation(), "AA7");
    EXPECT_EQ(gpio->GetPin(39)->GetLocation(), "AA2");
}

TEST(ConfigDunmirPins, NoFlagsKeepsTheDeviceData) {
    ScriptedPlatform seam;
    TConfigDunmir config;
    config.Config.SetHead(30);
    TMainBoard board;
    ConfigDunmirPins(&board, &config);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C7G");
}
