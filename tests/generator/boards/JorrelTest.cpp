// Board 10, Jorrel: its form, record, GPIO headers and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/kit/Generate.h"
#include "boards/second/jorrel/CONFIG_JORREL.h"
#include "boards/second/jorrel/JorrelRules.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
using C = JORREL_CONFIG;

namespace {

class Jorrel : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_JORREL); }
    void TickOnly(const char* box) {
        for (QCheckBox* b : Form().findChildren<QCheckBox*>())
            Tick(b->objectName().toLatin1().constData(), b->objectName() == box);
    }
    std::string Qsf(const std::string& folder) { return ReadFile(folder + "JORREL.qsf"); }
};

SettingsRecord Bare() {
    return BareRecord(10, 404);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigJorrelPins, r);
}

const std::string kBanner = "#============================================================\r\n";
const std::string kClash =
    "Error|GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same "
    "type of daughter boards.";

} // namespace

TEST_F(Jorrel, FirstStartShowsTheDefaultsAndTheDestroyedFormSavesThem) {
    Start();
    EXPECT_EQ(platform::FromQt(Get<QLineEdit>("EditProjectName")->text()), "JORREL");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 10);
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "None");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "None");

    // Closing alone saves nothing on this board: the destructor does.
    Form().close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("default.cfg")));
    CloseForm();
    std::string expected(404, '\0');
    expected[0] = 10;
    expected[4] = static_cast<char>(404 & 0xFF);
    expected[5] = static_cast<char>(404 >> 8);
    expected.replace(8, 6, "JORREL");
    for (std::size_t offset = 136; offset <= 145; ++offset)
        expected[offset] = 1;
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), expected);
}

TEST_F(Jorrel, OnlyTheButtonsGiveTheKeyBlockAndOnlyTheOscillatorItsClock) {
    Start();
    TickOnly("CheckBoxButton");
    std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty()); // no success box on this board
    const std::string qsf = Qsf(folder);
    const std::string block = "\r\n" + kBanner + "# KEY\r\n" + kBanner +
                              "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to KEY[0]\r\n"
                              "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to KEY[1]\r\n"
                              "set_location_assignment PIN_J15 -to KEY[0]\r\n"
                              "set_location_assignment PIN_E1 -to KEY[1]\r\n"
                              "\r\n" +
                              kBanner + "# End of pin assignments by Veltrax Pinwright\r\n";
    EXPECT_NE(qsf.find(block), std::string::npos) << qsf;
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone IV E\"\r\n",
                             "set_global_assignment -name DEVICE EP4CE22F17C6\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 256\r\n",
                             "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 6\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;

    TickOnly("CheckBoxOSC");
    folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string sdc = ReadFile(folder + "JORREL.sdc");
    EXPECT_NE(sdc.find("create_clock -period 20.000ns [get_ports CLOCK_50]\r\n"), std::string::npos) << sdc;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "JORREL.v", output)) << output;
}

TEST_F(Jorrel, GpioDefaultWithAnEmptyPrefixNamesItsPinsGpio) {
    Start();
    ChooseText("ComboBoxGpio0", "GPIO Default");
    EXPECT_TRUE(!Get<platform::PictureBox>("ImageGpio0")->isHidden());
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = Qsf(folder);
    for (const char* line : {"set_location_assignment PIN_A8 -to GPIO_IN[0]\r\n",
                             "set_location_assignment PIN_D3 -to GPIO[0]\r\n",
                             "set_location_assignment PIN_B8 -to GPIO_IN[1]\r\n",
                             "set_location_assignment PIN_B12 -to GPIO[33]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    // Positions without a location: the standard, but no location line.
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to GPIO[2]\r\n"),
              std::string::npos);
    EXPECT_EQ(qsf.find("-to GPIO[2]\r\n"), qsf.rfind("-to GPIO[2]\r\n"));
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "JORREL.v", output)) << output;

    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "");
    CloseForm();
    SettingsRecord saved = JorrelLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.U8(C::GpioDaughterId(0)), DAUGHTER_GPIO_DEFAULT);
    EXPECT_EQ(saved.Text(C::GpioPrefixName(0)), "");
}

TEST_F(Jorrel, TheHeadersOfferFortyPinCardsAndTheCouplingOnlyReEnables) {
    Start();
    std::vector<std::string> expected;
    for (int id : {0, 1, 12, 13, 53, 60, 61, 64, 71})
        expected.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxGpio0"), expected);
    EXPECT_EQ(Items("ComboBoxGpio1"), expected);

    Get<QComboBox>("ComboBoxGpio1")->setEnabled(false);
    Get<QLineEdit>("EditPrefixGpio1")->setEnabled(false);
    Choose("ComboBoxGpio0", 2);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio1")->isEnabled());
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio1")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentIndex(), 0);
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeGpio0")->isHidden());
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeGpio1")->isHidden());
}

TEST_F(Jorrel, TwoHeadersWithOneCardNeedTwoPrefixes) {
    struct Case {
        int card0;
        const char* prefix0;
        int card1;
        const char* prefix1;
        bool refused;
    };
    const Case cases[] = {
        {DAUGHTER_GPIO_DEFAULT, "", DAUGHTER_GPIO_DEFAULT, "", true},
        {DAUGHTER_GPIO_DEFAULT, "GPIO", DAUGHTER_GPIO_DEFAULT, "", true},
        {DAUGHTER_GPIO_DEFAULT, "P0_", DAUGHTER_GPIO_DEFAULT, "", false},
        {DAUGHTER_KAMREL, "", DAUGHTER_KAMREL, "", true},
        {DAUGHTER_KAMREL, "A_", DAUGHTER_KAMREL, "B_", false},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card0) + " '" + c.prefix0 + "' / '" + c.prefix1 + "'");
        seam.ClearRecords();
        ChooseText("ComboBoxGpio0", BoardName(static_cast<int8_t>(c.card0)).c_str());
        ChooseText("ComboBoxGpio1", BoardName(static_cast<int8_t>(c.card1)).c_str());
        Type("EditPrefixGpio0", c.prefix0);
        Type("EditPrefixGpio1", c.prefix1);
        const std::string folder = Generate();
        if (c.refused) {
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{kClash});
            EXPECT_TRUE(seam.FileDialogs().empty());
            continue;
        }
        EXPECT_TRUE(seam.Boxes().empty());
        std::string output;
        EXPECT_TRUE(testsupport::IverilogAccepts(folder + "JORREL.v", output)) << output;
        if (c.card1 == DAUGHTER_GPIO_DEFAULT) {
            // The typed prefix on GPIO-0, the default one on GPIO-1.
            const std::string qsf = Qsf(folder);
            EXPECT_NE(qsf.find("set_location_assignment PIN_A8 -to P0__IN[0]\r\n"), std::string::npos);
            EXPECT_NE(qsf.find("set_location_assignment PIN_T9 -to GPIO_IN[0]\r\n"), std::string::npos);
        }
    }
}

TEST_F(Jorrel, SettingsRoundTripAndALoadThatShowsNothingWhenCancelled) {
    Start();
    ChooseText("ComboBoxGpio1", BoardName(DAUGHTER_KAMREL).c_str());
    Type("EditPrefixGpio1", "K_");
    Tick("CheckBoxADC", false);
    Type("EditProjectName", "Mine");
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(file).size(), 404u);

    Choose("ComboBoxGpio1", 0);
    Tick("CheckBoxADC", true);
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxADC")->isChecked());

    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), platform::ToQt(BoardName(DAUGHTER_KAMREL)));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "K_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxADC")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Mine");
}

TEST_F(Jorrel, AFileOfAnotherBoardWithTheSameSizeLoadsAndSavesAsThisBoards) {
    std::string foreign(404, '\0');
    foreign[0] = 11;
    foreign[4] = static_cast<char>(404 & 0xFF);
    foreign[5] = static_cast<char>(404 >> 8);
    foreign.replace(8, 6, "KESTIN");
    foreign[C::bLED] = 1;
    testsupport::WriteFile(dir.File("kestin.cfg"), foreign);
    Start();
    seam.AnswerFile(dir.File("kestin.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "KESTIN");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxOSC")->isChecked());
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "KESTIN.qsf").find("-to LED[7]\r\n"), std::string::npos);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(file)[0], 10);
}

TEST_F(Jorrel, ScreenshotShowsTheOutlinesWhereTheLayoutPlacesThem) {
    Start();
    Choose("ComboBoxGpio1", 1);
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-jorrel");
    EXPECT_EQ(shot.size(), QSize(793, 469));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeGpio1")->isHidden());
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeGpio0")->isHidden());
}

TEST(JorrelPins, TheSharedI2cPairIsOneConnector) {
    struct Case {
        bool eeprom;
        bool accelerometer;
        const char* name;
        int pins;
    };
    for (const Case& c : {Case{true, false, "EEPROM", 2}, Case{false, true, "Accelerometer", 4},
                          Case{true, true, "Accelerometer and EEPROM", 4}}) {
        SettingsRecord r = Bare();
        r.SetU8(C::bEEPROM, c.eeprom);
        r.SetU8(C::bAccelerometer, c.accelerometer);
        const auto b = Model(r);
        ASSERT_EQ(b->GetConnectorCount(), 1) << c.name;
        EXPECT_EQ(b->GetConnector(0)->GetName(), c.name);
        EXPECT_EQ(b->GetConnector(0)->PinCount(), c.pins);
    }
    EXPECT_EQ(Model(Bare())->GetConnectorCount(), 0);
}

TEST(JorrelPins, EachHeaderWithACardHasItsMasterWhoseInputsStayInputs) {
    SettingsRecord r = Bare();
    r.SetU8(C::GpioDaughterId(1), DAUGHTER_GPIO_DEFAULT);
    const auto b = Model(r);
    ASSERT_EQ(b->GetConnectorCount(), 1);
    const TConnector* c = b->GetConnector(0);
    EXPECT_EQ(c->GetName(), "GPIO_1");
    EXPECT_EQ(c->GetCaption(), "GPIO_1 connect to GPIO Default");
    EXPECT_EQ(c->GetMasterId(), MASTER_GPIO_1);
    EXPECT_EQ(c->PinCount(), 40);
    EXPECT_EQ(c->ActivePinCount(), 36);
    EXPECT_EQ(b->FindMasterConnector(MASTER_GPIO_0), nullptr);

    // Whatever card is attached, the header's positions 1 and 3 are inputs.
    for (int card : {1, 12, 13, 53, 60, 61, 64, 71}) {
        SettingsRecord withCard = Bare();
        withCard.SetU8(C::GpioDaughterId(0), static_cast<uint8_t>(card));
        withCard.SetText(C::GpioPrefixName(0), "P_");
        TMainBoard board;
        std::unique_ptr<TConfigBoard> settings;
        ASSERT_TRUE(kit::BuildBoard(JorrelLogic(), withCard, board, settings)) << card;
        const TConnector* header = board.FindMasterConnector(MASTER_GPIO_0);
        for (int position : {1, 3}) {
            if (header->GetPin(position - 1)->IsActive()) {
                EXPECT_EQ(header->GetPin(position - 1)->GetDirection(), DIRECTION_INPUT) << card;
            }
        }
        for (int position : {11, 12, 29, 30})
            EXPECT_EQ(header->GetPin(position - 1), nullptr);
    }
}
