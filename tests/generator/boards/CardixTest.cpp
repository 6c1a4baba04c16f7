// Board 3, Cardix: its pin table with the shared I2C connector, and a record of board 4.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/cardix/CONFIG_CARDIX.h"
#include "boards/first/cardix/CardixRules.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;

namespace {

using C = CARDIX_CONFIG;

class Cardix : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_CARDIX); }
};

SettingsRecord Bare() {
    return BareRecord(3, 416);
}

} // namespace

TEST_F(Cardix, EverythingTickedGivesTwentyConnectors) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Cardix/Cardix/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Cardix.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_l4 -to LCD_ON\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE EP2C35F672C6\r\n"), std::string::npos);
    const std::string sdc = ReadFile(folder + "Cardix.sdc");
    EXPECT_NE(sdc.find("create_clock -period 37.000ns [get_ports CLOCK_27]\r\n"
                       "create_clock -period 20.000ns [get_ports CLOCK_50]\r\n\r\n"),
              std::string::npos);
    for (const char* unmarked : {"EXT_CLOCK", "TD_CLK27"})
        EXPECT_EQ(sdc.find(unmarked), std::string::npos) << unmarked;

    const auto board = PinsOf(CardixLogic(), DefaultsOf(CardixLogic()));
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"CLOCK",
                                                                "Sma",
                                                                "LED",
                                                                "KEY",
                                                                "SW",
                                                                "SEG7",
                                                                "LCD",
                                                                "RS232",
                                                                "PS2",
                                                                "SDCARD",
                                                                "VGA",
                                                                "Audio",
                                                                "I2C for Audio and Tv-Decode",
                                                                "Ethernet",
                                                                "TV Decoder",
                                                                "USB OTG",
                                                                "IR",
                                                                "SDRAM",
                                                                "SRAM",
                                                                "Flash"}));
    EXPECT_EQ(ActivePins(*board), 350);
    for (const char* unmarked : {"EXT_CLOCK", "TD_CLK27"})
        EXPECT_EQ(FindPin(*board, unmarked)->GetIsClock(), 0) << unmarked;
    EXPECT_EQ(FindPin(*board, "LCD_ON")->GetLocation(), "l4");
}

TEST(CardixPins, TheI2cConnectorIsNamedAfterWhatUsesIt) {
    struct Case {
        bool audio, tv;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {true, false, {"Audio", "I2C for Audio"}},
        {false, true, {"I2C for Tv-Decode", "TV Decoder"}},
        {true, true, {"Audio", "I2C for Audio and Tv-Decode", "TV Decoder"}},
        {false, false, {}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        r.SetU8(C::bAudio, c.audio);
        r.SetU8(C::bTvDecode, c.tv);
        EXPECT_EQ(ConnectorNames(*PinsOf(CardixLogic(), r)), c.names);
    }
}

TEST(CardixPins, OnlyTheFirstHeadersCardDecidesOnTheSpanningMaster) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Bare();
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_TURVIN_GPIO);
    const auto board = PinsOf(CardixLogic(), r);
    ASSERT_EQ(ConnectorNames(*board), (std::vector<std::string>{"GPIO_1"}));
    EXPECT_EQ(board->GetConnector(0)->PinCount(), 40);
    EXPECT_EQ(board->GetConnector(0)->GetType(), CONNECTOR_GPIO40);

    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_TURVIN_GPIO);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], 0);
    TMainBoard model;
    EXPECT_EQ(AssertionOf([&] { ConfigCardixPins(&model, r); }),
              "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_CARDIX, line 518");
}

TEST_F(Cardix, TheGpioDefaultCardKeepsItsNumberedNamesHere) {
    Start();
    ChooseText("ComboBoxGpio0", "GPIO Default");
    const std::string qsf = ReadFile(Generate() + "Cardix.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_D25 -to GPIO[0]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("GPIO_CLKIN"), std::string::npos);
}

TEST_F(Cardix, ARecordOfBoard4LoadsByItsSize) {
    // Board 4's defaults: its decoder and USB flags land on the two card choices, so
    // both headers hold the GPIO Default card with empty prefixes.
    testsupport::WriteFile(dir.File("default.cfg"), AsText(NewRecordDefaults(4, 416, "Dorvel", 21)));
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Dorvel");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "GPIO Default");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|GPIO-0 and GPIO-1 cannot have the same prefix name "
                                        "when both connect to the same type of daughter boards."}));
    seam.ClearRecords();
    Type("EditPrefixGpio1", "G1_");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "Dorvel.qsf").find("-to G1_GPIO[0]\r\n"), std::string::npos);
}
