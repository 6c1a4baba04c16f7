// Board 23, Wendro: its form, record and pin table (the sister of board 24 without HDMI).
#include "BoardFormFixture.h"
#include "SessionSupport.h"
#include "SocBoardSupport.h"
#include "boards/kit/Generate.h"
#include "boards/latest/wendro/CONFIG_WENDRO.h"
#include "boards/latest/wendro/WendroRules.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = WENDRO_CONFIG;

class Wendro : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_WENDRO); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

SettingsRecord Bare() {
    return BareRecord(23, 404);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigWendroPins, r);
}

} // namespace

TEST_F(Wendro, DefaultsAndTheTwoByTwentyLists) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "WENDRO");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxHPS") << box->objectName().toStdString();
    EXPECT_TRUE(Shown("ShapeArduino_0"));
    EXPECT_TRUE(Shown("ShapeArduino_1"));
    Tick("CheckBoxArduino", false);
    EXPECT_FALSE(Shown("ShapeArduino_0"));
    EXPECT_FALSE(Shown("ShapeArduino_1"));
    std::vector<std::string> items;
    for (uint8_t id : {0, 1, 12, 13, 53, 60, 61, 64, 71})
        items.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxGpio0"), items);
    EXPECT_EQ(Items("ComboBoxGpio1"), items);

    std::vector<uint8_t> expected = RecordHead(23, 404, "WENDRO");
    for (std::size_t offset : {136, 137, 138, 139, 140, 142})
        expected[offset] = 1;
    SettingsRecord r = WendroLogic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(Bytes(r), expected);
}

TEST_F(Wendro, CtrlGenerateRunsAnOrdinaryGenerate) {
    Start();
    Tick("CheckBoxHPS", true);
    Choose("ComboBoxGpio1", 2);
    seam.SetCtrlHeld(true);
    const std::string folder = Generate();
    EXPECT_EQ(seam.BeepCount(), 0);
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.initialDir, dir.Folder() + "CodeGenerated/WENDRO/WENDRO/");
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[1].text, soc::kHpsWarning);
    const std::string qsf = ReadFile(folder + "WENDRO.qsf");
    for (const char* line : {"set_global_assignment -name DEVICE 5CSEMA4U23C6\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PACKAGE UFBGA\r\n",
                             "set_location_assignment PIN_L10 -to SW[0]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_EQ(qsf.find("HDMI"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
}

TEST_F(Wendro, HeaderPrefixRules) {
    Start();
    struct Case {
        int card0, card1;
        const char* prefix0;
        const char* prefix1;
        bool refused;
    };
    const Case cases[] = {
        {1, 1, "", "", false},     // the GPIO Default pair takes the headers' names
        {1, 1, "A_", "A_", true},  // same card, same prefix
        {2, 2, "", "", true},      // the same other card with both prefixes empty
        {1, 1, "A_", "B_", false}, // different prefixes
        {2, 3, "", "", false},     // different cards may share a prefix
    };
    for (const Case& c : cases) {
        seam.ClearRecords();
        Choose("ComboBoxGpio0", c.card0);
        Choose("ComboBoxGpio1", c.card1);
        Type("EditPrefixGpio0", c.prefix0);
        Type("EditPrefixGpio1", c.prefix1);
        const std::string folder = Generate();
        if (c.refused) {
            EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|" + soc::kPrefixClash})) << c.card0;
            EXPECT_TRUE(seam.FileDialogs().empty());
        } else {
            EXPECT_EQ(BoxTexts().size(), 1u) << c.card0 << c.prefix0;
        }
    }
    const std::string qsf = ReadFile(dir.Folder() + "CodeGenerated/WENDRO/WENDRO/WENDRO.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V12 -to "), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y15 -to "), std::string::npos);
}

TEST_F(Wendro, TheGpioDefaultPairTakesTheHeadersNames) {
    Start();
    Choose("ComboBoxGpio0", 1);
    Choose("ComboBoxGpio1", 1);
    const std::string qsf = ReadFile(Generate() + "WENDRO.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V12 -to GPIO_0[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y15 -to GPIO_1[0]\r\n"), std::string::npos);
}

TEST_F(Wendro, SettingsRoundTripThroughTheDialogs) {
    Start();
    Tick("CheckBoxADC", false);
    Choose("ComboBoxGpio0", 4);
    Type("EditPrefixGpio0", "D_");
    seam.AnswerFile(dir.File("w.cfg"));
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(dir.File("w.cfg")).size(), 404u);
    Tick("CheckBoxADC", true);
    Choose("ComboBoxGpio0", 0);
    seam.AnswerFile(dir.File("w.cfg"));
    Click("ButtonLoad");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxADC")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentIndex(), 4);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "D_");
}

TEST(WendroPins, NeverHdmiNeverOneConnectorOverBothHeaders) {
    SettingsRecord r = Bare();
    auto empty = Model(r);
    EXPECT_EQ(empty->GetConnectorCount(), 0);
    EXPECT_EQ(empty->GetDevicePackage(), "UFBGA");
    SettingsRecord all = WendroLogic().NewRecord();
    WendroLogic().SetDefaultConfig(all);
    all.SetU8(C::bHPS, 1);
    all.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_GPIO_DEFAULT);
    all.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_KAMREL);
    auto board = Model(all);
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HPS", "KEY",
                                                                "LED", "SW", "GPIO_0", "GPIO_1"}));
    EXPECT_EQ(FindConnector(*board, "HPS")->PinCount(), 120);
    EXPECT_EQ(FindConnector(*board, "SW")->GetPin(3)->GetLocation(), "H5");
    for (int i : {7, 8}) {
        const TConnector* c = board->GetConnector(i);
        EXPECT_EQ(c->GetMasterId(), MASTER_GPIO_0 + i - 7);
        EXPECT_EQ(c->GetCaption(), "GPIO connect to " + BoardName(static_cast<int8_t>(i == 7 ? 1 : 12)));
        EXPECT_EQ(c->ActivePinCount(), 36);
        EXPECT_EQ(EmptySlots(*c), (std::vector<int>{10, 11, 28, 29}));
    }
    EXPECT_EQ(board->GetConnector(7)->GetPin(12)->GetLocation(), "T8");
    EXPECT_EQ(board->GetConnector(8)->GetPin(39)->GetLocation(), "AC22");
    // Board 24 reads byte 143 as its HDMI flag; here it is the GPIO-0 card.
    SettingsRecord one = Bare();
    one.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_SPINDO);
    EXPECT_EQ(ConnectorNames(*Model(one)), std::vector<std::string>{"GPIO_1"});
}

TEST_F(Wendro, AnEightyPinCardInAFileIsNoCard) {
    // No list of this board offers it: the form shows "None" and Generate attaches nothing.
    SettingsRecord r = WendroLogic().NewRecord();
    WendroLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_TURVIN_GPIO);
    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentIndex(), 0);
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentIndex(), 0);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio1")->isEnabled());
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(ReadFile(folder + "WENDRO.qsf").find("GPIO"), std::string::npos);
    // Without windows the same record gives the same project.
    seam.ClearRecords();
    testsupport::TempDir other;
    r.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_TURVIN_GPIO);
    Normalise(WendroLogic(), r);
    EXPECT_TRUE(GenerateLoaded(WendroLogic(), r, other.File("WENDRO.qpf")));
    EXPECT_EQ(ReadFile(other.File("WENDRO.qsf")).find("GPIO"), std::string::npos);
}

TEST_F(Wendro, Screenshot) {
    Start();
    Tick("CheckBoxHPS", true);
    Choose("ComboBoxGpio1", 3);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-wendro");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
}
