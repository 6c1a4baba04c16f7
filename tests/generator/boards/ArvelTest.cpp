// Board 1, Arvel: its form, record, card list, pin table and GPIO masters.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/arvel/ArvelRules.h"
#include "boards/first/arvel/CONFIG_ARVEL.h"
#include "boards/kit/Generate.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"

#include <filesystem>

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = ARVEL_CONFIG;

class Arvel : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_ARVEL); }
};

SettingsRecord WithCards(uint8_t gpio0, uint8_t gpio1) {
    SettingsRecord r = DefaultsOf(ArvelLogic());
    r.SetU8(C::nGpioDaughterId[C::GPIO_0], gpio0);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], gpio1);
    return r;
}

} // namespace

TEST_F(Arvel, FirstStartShowsTheDefaultsAndDestroyingTheFormStoresThem) {
    Start();
    const QList<QCheckBox*> boxes = Form().findChildren<QCheckBox*>();
    EXPECT_EQ(boxes.size(), 12);
    for (QCheckBox* box : boxes)
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    for (const char* shape :
         {"ShapeOSC", "ShapeLED", "ShapeSeg7", "ShapeButton", "ShapeSwitch", "ShapePS2", "ShapeSDCARD",
          "ShapeVGA", "ShapeLCD", "ShapeSDRAM", "ShapeFlash", "ShapeRS232"})
        EXPECT_TRUE(Shown(shape)) << shape;
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"})
        EXPECT_FALSE(Shown(hidden)) << hidden;
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "None");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "None");
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio0")->text().isEmpty());
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio1")->text().isEmpty());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Arvel");

    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordDefaults(1, 408, "Arvel", 12)));
}

TEST_F(Arvel, BothHeadersOfferTheTenGpioCardsInIdOrder) {
    Start();
    const std::vector<std::string> expected = {"None",
                                               "GPIO Default",
                                               "Turvin - High Speed ADC/DAC",
                                               "Kamrel - 5M Pixel Camera",
                                               "Spindo - 4.3\" LCD and Touch",
                                               "Drovik - Multi-Touch LCD Panel",
                                               "Pemrith - 2.4\" LCD and Touch",
                                               "Drovik2 - Multi-Touch LCD Panel",
                                               "Ebbran - Servo Motor Kit",
                                               "Fiskel-GPIO"};
    EXPECT_EQ(Items("ComboBoxGpio0"), expected);
    EXPECT_EQ(Items("ComboBoxGpio1"), expected);
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->maxVisibleItems(), 10);
}

TEST_F(Arvel, GenerateWithTheDefaults) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Arvel/Arvel/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Arvel.qsf");
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone III\"\r\n",
                             "set_global_assignment -name DEVICE EP3C16F484C6\r\n",
                             "set_location_assignment PIN_v2 -to FLASH_DQ[4]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    const std::string sdc = ReadFile(folder + "Arvel.sdc");
    EXPECT_NE(sdc.find("create_clock -period 20.000ns [get_ports CLOCK_50]\r\n"
                       "create_clock -period 20.000ns [get_ports CLOCK_50_2]\r\n\r\n"),
              std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Arvel.v", output)) << output;

    const auto board = PinsOf(ArvelLogic(), DefaultsOf(ArvelLogic()));
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "SW", "SEG7", "RS232", "PS2", "SDCARD",
                                        "LCD", "VGA", "SDRAM", "Flash"}));
    EXPECT_EQ(ActivePins(*board), 180);
    EXPECT_EQ(board->GetDevicePinCount(), 484);
    EXPECT_EQ(board->GetSpeedGrade(), 6);
}

TEST(ArvelPins, TheGpioMastersFollowTheCardsOfBothHeaders) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord bare = ArvelLogic().NewRecord();
    bare.SetU8(C::BoardId, 1);
    bare.SetI32(C::Size, 408);
    auto empty = PinsOf(ArvelLogic(), bare);
    EXPECT_TRUE(ConnectorNames(*empty).empty());
    EXPECT_EQ(empty->GetDevice(), "EP3C16F484C6");
    EXPECT_EQ(empty->GetFamily(), "Cyclone III");
    EXPECT_EQ(empty->GetDevicePackage(), "FBGA");

    bare.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_GPIO_DEFAULT);
    auto one = PinsOf(ArvelLogic(), bare);
    ASSERT_EQ(ConnectorNames(*one), (std::vector<std::string>{"GPIO_1"}));
    EXPECT_EQ(one->GetConnector(0)->GetCaption(), "GPIO_1 connect to GPIO Default");
    EXPECT_EQ(one->GetConnector(0)->GetMasterId(), 17);

    // An 80-pin card on both headers: one master over both, with the first header's prefix.
    SettingsRecord both = WithCards(DAUGHTER_TURVIN_GPIO, DAUGHTER_TURVIN_GPIO);
    both.SetText(C::szGpioPrefixName[C::GPIO_0], "AD_");
    TMainBoard model;
    std::unique_ptr<TConfigBoard> settings;
    ASSERT_TRUE(kit::BuildBoard(ArvelLogic(), both, model, settings));
    const TConnector* spanning = FindConnector(model, "GPIO_0_1");
    ASSERT_NE(spanning, nullptr);
    EXPECT_EQ(ConnectorNames(model).back(), "GPIO_0_1");
    EXPECT_EQ(FindConnector(model, "GPIO_0"), nullptr);
    EXPECT_EQ(spanning->GetMasterId(), 18);
    EXPECT_EQ(spanning->GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(spanning->GetCaption(), "GPIO_0_1 connect to Turvin - High Speed ADC/DAC");
    EXPECT_EQ(spanning->PinCount(), 80);
    EXPECT_EQ(EmptySlots(*spanning), (std::vector<int>{10, 11, 28, 29, 50, 51, 68, 69}));
    EXPECT_EQ(spanning->GetPin(0)->GetLocation(), "AB12");
    EXPECT_EQ(spanning->GetPin(40)->GetLocation(), "AB11");
    EXPECT_EQ(spanning->GetPin(0)->GetName().rfind("AD_", 0), 0u);

    // Two 40-pin cards: a master per header, first header first.
    auto two = PinsOf(ArvelLogic(), WithCards(DAUGHTER_KAMREL, DAUGHTER_SPINDO));
    const std::vector<std::string> names = ConnectorNames(*two);
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(names.end() - 2, names.end()),
              (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
    for (const char* header : {"GPIO_0", "GPIO_1"}) {
        EXPECT_EQ(FindConnector(*two, header)->PinCount(), 40);
        EXPECT_EQ(FindConnector(*two, header)->ActivePinCount(), 36);
    }
    EXPECT_EQ(FindConnector(*two, "GPIO_0")->GetMasterId(), 16);
    EXPECT_EQ(FindConnector(*two, "GPIO_1")->GetCaption(), "GPIO_1 connect to Spindo - 4.3\" LCD and Touch");
}

TEST(ArvelPins, RecordsTheFormNeverHandsOverStopAtTheTablesChecks) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord other = DefaultsOf(ArvelLogic());
    other.SetU8(C::BoardId, 2);
    TMainBoard board;
    EXPECT_EQ(AssertionOf([&] { ConfigArvelPins(&board, other); }),
              "Assertion failed: Config.BoardId == MAINBOARD_ARVEL, file CONFIG_ARVEL, line 20");
    EXPECT_EQ(board.GetBoardId(), 1);
    SettingsRecord size = DefaultsOf(ArvelLogic());
    size.SetI32(C::Size, 404);
    EXPECT_EQ(AssertionOf([&] { ConfigArvelPins(&board, size); }),
              "Assertion failed: Config.Size == sizeof(ARVEL_CONFIG), file CONFIG_ARVEL, line 21");
    EXPECT_EQ(AssertionOf([&] { ConfigArvelPins(&board, WithCards(DAUGHTER_TURVIN_GPIO, 0)); }),
              "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_ARVEL, line 308");
}

TEST_F(Arvel, SettingsRoundTrip) {
    Start();
    Type("EditProjectName", "mine");
    Tick("CheckBoxLCD", false);
    ChooseText("ComboBoxGpio0", "Kamrel - 5M Pixel Camera");
    Type("EditPrefixGpio0", "CAM_");
    ChooseText("ComboBoxGpio1", "Fiskel-GPIO");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonSave");
    EXPECT_EQ(seam.FileDialogs().back().request.filter, "Board Configuration Files (*.cfg)|*.CFG");
    const std::string saved = ReadFile(dir.File("mine.cfg"));
    ASSERT_EQ(saved.size(), 408u);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[144], 0); // bLCD
    EXPECT_EQ(static_cast<uint8_t>(saved[148]), DAUGHTER_KAMREL);
    EXPECT_EQ(static_cast<uint8_t>(saved[149]), DAUGHTER_FISKEL_GPIO);
    EXPECT_EQ(saved.substr(150, 5), std::string("CAM_\0", 5));

    Type("EditProjectName", "other");
    Tick("CheckBoxLCD", true);
    ChooseText("ComboBoxGpio0", "None");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLCD")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "Kamrel - 5M Pixel Camera");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "CAM_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "Fiskel-GPIO");
    EXPECT_TRUE(Shown("ShapeGpio0"));
    EXPECT_FALSE(Shown("ShapeLCD"));
}

TEST_F(Arvel, ARecordOfBoard2LoadsByItsSizeAndStillGenerates) {
    // Board 2's defaults: its flags at 148 and 149 read here as the GPIO Default card
    // on both headers, and its card ids at 150 and 151 as an empty first prefix.
    std::vector<uint8_t> belmic = NewRecordDefaults(2, 408, "Belmic", 14);
    testsupport::WriteFile(dir.File("default.cfg"), AsText(belmic));
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Belmic");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "GPIO Default");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|GPIO-0 and GPIO-1 cannot have the same prefix name "
                                        "when both connect to the same type of daughter boards."}));

    // Without board 2's audio flag the second header is free, and the project is Arvel's.
    belmic[149] = 0;
    testsupport::WriteFile(dir.File("default.cfg"), AsText(belmic));
    Start();
    seam.ClearRecords();
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "None");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Belmic.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE EP3C16F484C6\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to GPIO_CLKIN[0]\r\n"), std::string::npos);
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg"))[0], 1);
}
