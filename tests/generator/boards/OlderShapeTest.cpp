// The older board-form shape, told on board 1 (Arvel): the GPIO header coupling, the
// prefix rule, Generate on a fresh working record with nothing shown on success, the
// silent loads, the save when the form is destroyed, and the attach steps' own lines.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/arvel/ARVEL_CONFIG.h"
#include "boards/first/arvel/ArvelRules.h"
#include "boards/kit/Attach.h"
#include "boards/kit/PinTable.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"

#include <filesystem>

using platform::testing::AssertionOf;
using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = ARVEL_CONFIG;

constexpr const char* kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter "
    "boards.";

class OlderShape : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_ARVEL); }
    bool Enabled(const char* name) { return Get<QWidget>(name)->isEnabled(); }
    std::string Text(const char* edit) { return platform::FromQt(Get<QLineEdit>(edit)->text()); }
    std::string Shown(const char* combo) { return platform::FromQt(Get<QComboBox>(combo)->currentText()); }
    void WriteRecord(const std::string& path, const SettingsRecord& r) {
        testsupport::WriteFile(path, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    }
    void Load(const SettingsRecord& r) {
        WriteRecord(dir.File("load.cfg"), r);
        seam.AnswerFile(dir.File("load.cfg"));
        Click("ButtonLoad");
    }
};

} // namespace

TEST_F(OlderShape, ACardSpanningBothHeadersTakesTheOtherHeaderUntilAnotherCardIsChosen) {
    Start();
    Type("EditPrefixGpio0", "AD_");
    ChooseText("ComboBoxGpio0", "Turvin - High Speed ADC/DAC");
    EXPECT_EQ(Shown("ComboBoxGpio1"), "Turvin - High Speed ADC/DAC");
    EXPECT_EQ(Text("EditPrefixGpio1"), "AD_");
    EXPECT_FALSE(Enabled("ComboBoxGpio1"));
    EXPECT_FALSE(Enabled("EditPrefixGpio1"));
    EXPECT_TRUE(Enabled("ComboBoxGpio0"));

    ChooseText("ComboBoxGpio0", "GPIO Default");
    EXPECT_EQ(Shown("ComboBoxGpio1"), "None");
    EXPECT_EQ(Text("EditPrefixGpio1"), "");
    EXPECT_TRUE(Enabled("ComboBoxGpio1"));
    EXPECT_TRUE(Enabled("EditPrefixGpio1"));

    // From the second header the same way round.
    Type("EditPrefixGpio1", "B_");
    ChooseText("ComboBoxGpio1", "Turvin - High Speed ADC/DAC");
    EXPECT_EQ(Shown("ComboBoxGpio0"), "Turvin - High Speed ADC/DAC");
    EXPECT_EQ(Text("EditPrefixGpio0"), "B_");
    EXPECT_FALSE(Enabled("ComboBoxGpio0"));
    ChooseText("ComboBoxGpio1", "GPIO Default");
    EXPECT_EQ(Shown("ComboBoxGpio0"), "None");
    EXPECT_TRUE(Enabled("ComboBoxGpio0"));
}

TEST_F(OlderShape, TheSameCardOnBothHeadersNeedsTwoPrefixesEvenTheDefaultCard) {
    Start();
    ChooseText("ComboBoxGpio0", "GPIO Default");
    ChooseText("ComboBoxGpio1", "GPIO Default");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{std::string("Error|") + kSamePrefix}));
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Error);
    Click("ButtonSave");
    EXPECT_EQ(seam.Boxes().size(), 2u);
    EXPECT_TRUE(seam.FileDialogs().empty());
    EXPECT_FALSE(fs::exists(dir.Folder() + "CodeGenerated/Arvel/Arvel"));

    // Different prefixes: each header its own master and its own names.
    seam.ClearRecords();
    Type("EditPrefixGpio1", "B_");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Arvel.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB12 -to GPIO_CLKIN[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB11 -to B_GPIO_CLKIN[0]\r\n"), std::string::npos);
}

TEST_F(OlderShape, GenerateWorksOnAFreshRecordAndShowsNothingOnSuccess) {
    Start();
    const SettingsRecord before = Form().Session().Stored();
    Type("EditProjectName", "blink");
    Tick("CheckBoxLED", false);
    ChooseText("ComboBoxGpio1", "GPIO Default");
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Arvel/blink/");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(fs::exists(folder + "blink.qpf"));
    EXPECT_EQ(Form().Session().Stored(), before);
}

TEST_F(OlderShape, AProjectFileThatCannotBeWrittenIsReportedByName) {
    Start();
    seam.AnswerFile(dir.File("missing/other.qpf"));
    Click("ButtonGen");
    ASSERT_FALSE(seam.Boxes().empty());
    EXPECT_EQ(BoxTexts().back(), "Error|Failed to generate Quartus project: other.qpf.");
}

TEST_F(OlderShape, LoadsAreSilentAndKeepACardTheListDoesNotHold) {
    Start();
    ChooseText("ComboBoxGpio0", "Kamrel - 5M Pixel Camera");
    Type("EditPrefixGpio0", "CAM_");
    // The wrong size and a Cancel change nothing and show nothing.
    testsupport::WriteFile(dir.File("short.cfg"), std::string(404, '\0'));
    seam.AnswerFile(dir.File("short.cfg"));
    Click("ButtonLoad");
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Shown("ComboBoxGpio0"), "Kamrel - 5M Pixel Camera");

    // An HSMC card is no entry of this list: the header keeps its card and shows the stored prefix.
    SettingsRecord r = DefaultsOf(ArvelLogic());
    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_HSMC_DEFAULT);
    r.SetText(C::szGpioPrefixName[C::GPIO_0], "P_");
    r.SetText(C::szGpioPrefixName[C::GPIO_1], "Q_");
    r.SetText(C::ProjectName, "loaded");
    Load(r);
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Text("EditProjectName"), "loaded");
    EXPECT_EQ(Shown("ComboBoxGpio0"), "Kamrel - 5M Pixel Camera");
    EXPECT_EQ(Text("EditPrefixGpio0"), "P_");
    EXPECT_EQ(Shown("ComboBoxGpio1"), "None");
    EXPECT_EQ(Text("EditPrefixGpio1"), "");

    // A spanning card on the second header alone: the coupling runs from the first.
    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_GPIO_DEFAULT);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_TURVIN_GPIO);
    Load(r);
    EXPECT_EQ(Shown("ComboBoxGpio0"), "GPIO Default");
    EXPECT_EQ(Shown("ComboBoxGpio1"), "None");
    EXPECT_EQ(Text("EditPrefixGpio1"), "");
    EXPECT_TRUE(Enabled("ComboBoxGpio1"));
}

TEST_F(OlderShape, TheSettingsAreStoredWhenTheFormIsDestroyedUnchecked) {
    Start();
    Type("EditProjectName", "");
    Form().close();
    EXPECT_FALSE(fs::exists(dir.File("default.cfg"))); // closing stores nothing
    CloseForm();
    ASSERT_TRUE(fs::exists(dir.File("default.cfg")));
    EXPECT_EQ(ReadFile(dir.File("default.cfg")).size(), 408u);

    // The empty name comes back, and Generate refuses it.
    Start();
    EXPECT_EQ(Text("EditProjectName"), "");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Project Name cannot be empty."}));
    EXPECT_TRUE(seam.FileDialogs().empty());
}

TEST(OlderShapeAttach, BrokenRulesStopAtTheLinesOfTheOlderShape) {
    platform::testing::ScriptedPlatform seam;
    struct Case {
        kit::CardKind kind;
        uint8_t card;
        const char* text;
    };
    const Case cases[] = {
        {kit::CardKind::Gpio, DAUGHTER_HSMC_DEFAULT,
         "Assertion failed: Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80, file ConfigBase, line 268"},
        {kit::CardKind::Gpio, DAUGHTER_GPIO_DEFAULT,
         "Assertion failed: pMasterConn, file ConfigBase, line 271"},
        {kit::CardKind::Hsmc, DAUGHTER_GPIO_DEFAULT,
         "Assertion failed: Type == CONNECTOR_HSMC, file ConfigBase, line 212"},
        {kit::CardKind::Hsmc, DAUGHTER_HSMC_DEFAULT,
         "Assertion failed: pMasterConn, file ConfigBase, line 216"},
        {kit::CardKind::HsmcOrKappel, DAUGHTER_GPIO_DEFAULT,
         "Assertion failed: Type == CONNECTOR_HSMC || Type == CONNECTOR_KAPPEL, file ConfigBase, line 250"},
        {kit::CardKind::HsmcOrKappel, DAUGHTER_HSMC_DEFAULT,
         "Assertion failed: pMasterConn, file ConfigBase, line 254"},
        {kit::CardKind::Ddr2Sodimm, 0, "Assertion failed: pMasterConn, file ConfigBase, line 145"},
    };
    for (const Case& c : cases) {
        TMainBoard board; // no master connectors
        const kit::AttachStep step{c.kind, c.card, MASTER_GPIO_0, ""};
        EXPECT_EQ(AssertionOf([&] { kit::RunAttach(board, step, kit::AttachShape::OlderForm); }), c.text);
    }
}

TEST(OlderShapeTables, ABrokenTableStopsAtItsOwnCountCheck) {
    platform::testing::ScriptedPlatform seam;
    const kit::TableChecks checks{"CONFIG_TEST", "id", 20, "size", 21, kit::BoardIdFrom::Constant};
    TMainBoard board;
    kit::PinTable t(&board, checks);
    const kit::PinRow bus{"LED", "A1 A2", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL, 3, 0, {"nNum == 3", 77}};
    EXPECT_EQ(AssertionOf([&] { t.Group("LED", std::span<const kit::PinRow>(&bus, 1)); }),
              "Assertion failed: nNum == 3, file CONFIG_TEST, line 77");

    // 39 positions on the first header, 40 on the second.
    std::string header0;
    for (int i = 0; i < 39; ++i)
        header0 += "A1 ";
    std::string header1 = header0 + "A1";
    const kit::HeaderPair pair =
        kit::GpioHeaders(header0.c_str(), header1.c_str(), {307, 308, 313, 333, 333});
    EXPECT_EQ(AssertionOf([&] { t.PairMasters(pair, DAUGHTER_GPIO_DEFAULT, 0); }),
              "Assertion failed: nNum == GPIO_PIN_NUM, file CONFIG_TEST, line 333");
    EXPECT_EQ(AssertionOf([&] { t.PairMasters(pair, DAUGHTER_TURVIN_GPIO, DAUGHTER_TURVIN_GPIO); }),
              "Assertion failed: nNum == GPIO_PIN_NUM*2, file CONFIG_TEST, line 313");
    EXPECT_EQ(AssertionOf([&] { t.PairMasters(pair, 0, 0); }), "");
    EXPECT_EQ(board.GetConnectorCount(), 1); // the LED group alone
}
