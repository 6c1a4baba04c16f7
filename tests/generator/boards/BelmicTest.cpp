// Board 2, Belmic: its pin table, its GPIO card names and a record of board 1.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/belmic/BelmicRules.h"
#include "boards/first/belmic/CONFIG_BELMIC.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;

namespace {

using C = BELMIC_CONFIG;

class Belmic : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_BELMIC); }
};

SettingsRecord Bare() {
    return BareRecord(2, 408);
}

} // namespace

TEST_F(Belmic, EverythingTickedGivesFourteenConnectorsAndItsClocks) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Belmic/Belmic/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string sdc = ReadFile(folder + "Belmic.sdc");
    // Generate sorts each connector's pins by name first.
    EXPECT_NE(sdc.find("create_clock -period 41.000ns [get_ports CLOCK_24[0]]\r\n"
                       "create_clock -period 41.000ns [get_ports CLOCK_24[1]]\r\n"
                       "create_clock -period 37.000ns [get_ports CLOCK_27[0]]\r\n"
                       "create_clock -period 37.000ns [get_ports CLOCK_27[1]]\r\n"
                       "create_clock -period 20.000ns [get_ports CLOCK_50]\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(sdc.find("EXT_CLOCK"), std::string::npos);
    EXPECT_NE(ReadFile(folder + "Belmic.qsf").find("set_global_assignment -name DEVICE EP2C20F484C7\r\n"),
              std::string::npos);

    const auto board = PinsOf(BelmicLogic(), DefaultsOf(BelmicLogic()));
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "Sma", "LED", "KEY", "SW", "SEG7", "RS232", "PS2", "VGA",
                                        "Audio", "SDCARD", "SDRAM", "SRAM", "Flash"}));
    EXPECT_EQ(ActivePins(*board), 207);
    EXPECT_EQ(FindPin(*board, "EXT_CLOCK")->GetIsClock(), 0);
}

TEST(BelmicPins, OnlyTheLedsGiveRedBeforeGreen) {
    SettingsRecord r = Bare();
    r.SetU8(C::bLED, 1);
    const auto board = PinsOf(BelmicLogic(), r);
    ASSERT_EQ(ConnectorNames(*board), (std::vector<std::string>{"LED"}));
    const TConnector* led = board->GetConnector(0);
    ASSERT_EQ(led->PinCount(), 18);
    EXPECT_EQ(led->GetPin(0)->GetName(), "LEDR[0]");
    EXPECT_EQ(led->GetPin(9)->GetName(), "LEDR[9]");
    EXPECT_EQ(led->GetPin(10)->GetName(), "LEDG[0]");
    EXPECT_EQ(led->GetPin(17)->GetLocation(), "Y21");
}

TEST(BelmicPins, RecordsTheFormNeverHandsOverStopAtTheTablesChecks) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Bare();
    r.SetU8(C::BoardId, 1);
    TMainBoard board;
    EXPECT_EQ(AssertionOf([&] { ConfigBelmicPins(&board, r); }),
              "Assertion failed: Config.BoardId == MAINBOARD_BELMIC, file CONFIG_BELMIC, line 20");
    EXPECT_EQ(board.GetBoardId(), 2);
    r = Bare();
    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_TURVIN_GPIO);
    EXPECT_EQ(AssertionOf([&] { ConfigBelmicPins(&board, r); }),
              "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_BELMIC, line 377");
}

TEST_F(Belmic, TheGpioDefaultCardNamesItsPinsAfterTheHeaderPositions) {
    Start();
    ChooseText("ComboBoxGpio1", "GPIO Default");
    const std::string qsf = ReadFile(Generate() + "Belmic.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_H12 -to GPIO_CLKIN[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to GPIO_D[0]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("-to GPIO[0]\r\n"), std::string::npos);
}

TEST_F(Belmic, ARecordOfBoard1LoadsByItsSizeAndStillGenerates) {
    // Board 1's defaults: its last four flags land on SDRAM to SRAM, its empty card
    // choices on SMA and Audio, and the start of its empty prefix on the cards.
    testsupport::WriteFile(dir.File("default.cfg"), AsText(NewRecordDefaults(1, 408, "Arvel", 12)));
    Start();
    for (const char* box : {"CheckBoxSDRAM", "CheckBoxFlash", "CheckBoxRS232", "CheckBoxSRAM"})
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSma")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxAudio")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "None");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "Arvel.qsf").find("-to CLOCK_24[1]\r\n"), std::string::npos);
    CloseForm();
    const std::string stored = ReadFile(dir.File("default.cfg"));
    EXPECT_EQ(stored[0], 2);
    EXPECT_EQ(stored[148], 0);
}
