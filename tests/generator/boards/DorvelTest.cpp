// Board 4, Dorvel: its pin table with the I2C connector of three users, a loaded
// record with a spanning card on one header, and a record of board 3.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "SessionSupport.h"
#include "boards/first/dorvel/CONFIG_DORVEL.h"
#include "boards/first/dorvel/DorvelRules.h"
#include "boards/kit/Generate.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "support/TempDir.h"

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;

namespace {

using C = DORVEL_CONFIG;

class Dorvel : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_DORVEL); }
};

SettingsRecord Bare() {
    return BareRecord(4, 416);
}

} // namespace

TEST_F(Dorvel, EverythingTickedGivesTwentyTwoConnectors) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Dorvel/Dorvel/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string sdc = ReadFile(folder + "Dorvel.sdc");
    EXPECT_NE(sdc.find("create_clock -period 35.000ns [get_ports CLOCK_28]\r\n"
                       "create_clock -period 20.000ns [get_ports CLOCK_50]\r\n"),
              std::string::npos);
    EXPECT_EQ(sdc.find("EXT_CLOCK"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Dorvel.v", output)) << output;

    const auto board = PinsOf(DorvelLogic(), DefaultsOf(DorvelLogic()));
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"CLOCK",
                                                                "Sma",
                                                                "LED",
                                                                "BUTTON",
                                                                "SW",
                                                                "SEG7",
                                                                "LCD",
                                                                "RS232",
                                                                "PS2",
                                                                "SDCARD",
                                                                "VGA",
                                                                "Audio",
                                                                "I2C for Audio and Tv-Decode 1 and 2",
                                                                "Ethernet",
                                                                "TV Decoder 1",
                                                                "TV Decoder 2",
                                                                "USB OTG",
                                                                "IR",
                                                                "SDRAM0",
                                                                "SDRAM1",
                                                                "SSRAM",
                                                                "Flash"}));
    EXPECT_EQ(ActivePins(*board), 458);
    EXPECT_EQ(FindPin(*board, "TD_DATA[0]")->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(FindPin(*board, "TD2_DATA[0]")->GetDirection(), DIRECTION_INOUT);
    EXPECT_EQ(FindPin(*board, "FLASH_RY")->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(FindPin(*board, "FLASH_DQ15_AM1")->GetDirection(), DIRECTION_OUTPUT);
}

TEST(DorvelPins, TheI2cConnectorIsNamedAfterItsSevenPossibleUsers) {
    struct Case {
        bool audio, tv1, tv2;
        const char* name;
    };
    const Case cases[] = {
        {true, false, false, "I2C for Audio"},
        {false, true, false, "I2C for Tv-Decode 1"},
        {false, false, true, "I2C for Tv-Decode 2"},
        {false, true, true, "I2C for Tv-Decode 1 and 2"},
        {true, true, false, "I2C for Audio and Tv-Decode 1"},
        {true, false, true, "I2C for Audio and Tv-Decode 2"},
        {true, true, true, "I2C for Audio and Tv-Decode 1 and 2"},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        r.SetU8(C::bAudio, c.audio);
        r.SetU8(C::bTvDecode1, c.tv1);
        r.SetU8(C::bTvDecode2, c.tv2);
        const auto board = PinsOf(DorvelLogic(), r);
        const TConnector* i2c = FindConnector(*board, c.name);
        ASSERT_NE(i2c, nullptr) << c.name;
        EXPECT_EQ(i2c->PinCount(), 2);
        // After the audio codec and before the decoders.
        EXPECT_EQ(ConnectorNames(*board)[c.audio ? 1 : 0], c.name);
    }
}

TEST_F(Dorvel, ASpanningCardOnTheFirstHeaderAloneIsBroughtIntoLineNotAnAssertion) {
    SettingsRecord r = DefaultsOf(DorvelLogic());
    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_TURVIN_GPIO);
    r.SetText(C::szGpioPrefixName[C::GPIO_0], "AD_");
    // The table alone would stop at its check; the form never hands it such a record.
    TMainBoard raw;
    EXPECT_EQ(AssertionOf([&] { ConfigDorvelPins(&raw, r); }),
              "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_DORVEL, line 633");

    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "Turvin - High Speed ADC/DAC");
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio1")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "AD_");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "Dorvel.qsf").find("-to AD_"), std::string::npos);

    // The same record without a window, as tools/gen-project takes it.
    SettingsRecord loaded = r;
    Normalise(DorvelLogic(), loaded);
    EXPECT_EQ(loaded.U8(C::nGpioDaughterId[C::GPIO_1]), DAUGHTER_TURVIN_GPIO);
    testsupport::TempDir out;
    EXPECT_EQ(AssertionOf([&] { EXPECT_TRUE(GenerateLoaded(DorvelLogic(), loaded, out.File("p.qpf"))); }),
              "");
}

TEST_F(Dorvel, ARecordOfBoard3LoadsByItsSizeAndStillGenerates) {
    // Board 3's record: its flags from flash on land on SDRAM_2 to TV Decoder 1, its
    // cards on TV Decoder 2 and USB, and each prefix less two characters is this one's.
    std::vector<uint8_t> cardix = NewRecordDefaults(3, 416, "Cardix", 19);
    cardix[155] = DAUGHTER_GPIO_DEFAULT; // its GPIO-0 card
    const std::string prefix0("\x01\x02P0_", 5);
    std::copy(prefix0.begin(), prefix0.end(), cardix.begin() + 157);
    const std::string prefix1 = "XYQ1_";
    std::copy(prefix1.begin(), prefix1.end(), cardix.begin() + 285);
    testsupport::WriteFile(dir.File("default.cfg"), AsText(cardix));
    Start();
    for (const char* box : {"CheckBoxSDRAM2", "CheckBoxFlash", "CheckBoxTvDecode1", "CheckBoxTvDecode2"})
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxUSB")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "P0_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "None"); // card 2 is no entry here
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    // Board 4 names the GPIO Default pins after the header positions.
    EXPECT_NE(
        ReadFile(folder + "Cardix.qsf").find("set_location_assignment PIN_T25 -to P0_GPIO_CLKIN[0]\r\n"),
        std::string::npos);
}
