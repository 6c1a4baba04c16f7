// Board 25, Yarrin: its form, record, two coupled GPIO headers, batch and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "SessionSupport.h"
#include "boards/latest/yarrin/CONFIG_YARRIN.h"
#include "boards/latest/yarrin/YarrinRules.h"
#include "boards/latest/yarrin/YarrinText.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = YARRIN_CONFIG;

constexpr uint8_t kSpanningCard = 11; // the catalogue's 80-pin card
constexpr uint8_t kKamrel = 12;       // a 40-pin card

class Yarrin : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_YARRIN); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
    int Index(const char* combo) { return Get<QComboBox>(combo)->currentIndex(); }
    std::string Prefix(const char* edit) { return platform::FromQt(Get<QLineEdit>(edit)->text()); }
    void WriteDefaultCfg(const SettingsRecord& r) {
        testsupport::WriteFile(dir.File("default.cfg"),
                               std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    }
};

SettingsRecord Record() {
    SettingsRecord r = YarrinLogic().NewRecord();
    r.SetU8(C::BoardId, 25);
    r.SetI32(C::Size, 404);
    return r;
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigYarrinPins, r);
}

} // namespace

TEST_F(Yarrin, DefaultsGiveNineConnectorsAndTheFiftyMegahertzClock) {
    Start();
    // The record's bytes as the record's layout places them.
    std::vector<uint8_t> expected(404, 0);
    expected[0] = 25;
    expected[4] = 404 & 0xFF;
    expected[5] = 404 >> 8;
    for (std::size_t i = 0; i < 6; ++i)
        expected[8 + i] = static_cast<uint8_t>("YARRIN"[i]);
    for (std::size_t offset = 136; offset <= 144; ++offset)
        expected[offset] = 1;
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);

    auto board = Model(r);
    std::vector<std::string> names;
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        names.push_back(board->GetConnector(i)->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "PS2", "microSD Card",
                                               "SW", "VGA"}));
    EXPECT_EQ(ActivePins(*board), 134);

    // Both headers offer the 80-pin card and the selectable 40-pin cards.
    std::vector<std::string> cards;
    for (int id : {0, 1, 11, 12, 13, 53, 60, 61, 64, 71})
        cards.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxGpio0"), cards);
    EXPECT_EQ(Items("ComboBoxGpio1"), cards);

    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Information|Generate Quartus Project successfully.\r\nThe "
                                        "project is located in the folder:\r\n" +
                                        folder}));
    const std::string sdc = ReadFile(folder + "YARRIN.sdc");
    EXPECT_NE(sdc.find("create_clock -period \"50.0 MHz\" [get_ports CLOCK_50]\r\n"), std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"),
              std::string::npos);
    const std::string qsf = ReadFile(folder + "YARRIN.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V15 -to CLOCK4_50\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE 5CEBA4F23C7\r\n"), std::string::npos);
}

TEST_F(Yarrin, TheEightyPinCardTakesBothHeaders) {
    Start();
    Type("EditPrefixGpio1", "TWO_");
    ChooseText("ComboBoxGpio1", BoardName(kSpanningCard).c_str());
    EXPECT_EQ(Index("ComboBoxGpio0"), 2);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio0")->isEnabled());
    EXPECT_FALSE(Get<QLineEdit>("EditPrefixGpio0")->isEnabled());
    EXPECT_EQ(Prefix("EditPrefixGpio0"), "TWO_");
    EXPECT_TRUE(Shown("ShapeGpio0"));
    EXPECT_TRUE(Shown("ShapeGpio1"));
    // A 40-pin card on the enabled header frees the other one, at None.
    ChooseText("ComboBoxGpio1", BoardName(kKamrel).c_str());
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio0")->isEnabled());
    EXPECT_EQ(Index("ComboBoxGpio0"), 0);
    EXPECT_EQ(Prefix("EditPrefixGpio0"), "");
    EXPECT_FALSE(Shown("ShapeGpio0"));
}

TEST_F(Yarrin, AFileWithTheEightyPinCardOnGpioOneOnlyShowsNoneOnBoth) {
    SettingsRecord r = Record();
    YarrinLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId1, kSpanningCard);
    r.SetText(C::szGpioPrefixName1, "X_");
    WriteDefaultCfg(r);
    Start();
    EXPECT_EQ(Index("ComboBoxGpio0"), 0);
    EXPECT_EQ(Index("ComboBoxGpio1"), 0);
    EXPECT_EQ(Prefix("EditPrefixGpio1"), "");
    const std::string folder = Generate();
    EXPECT_EQ(ReadFile(folder + "YARRIN.qsf").find("GPIO_"), std::string::npos);
}

TEST_F(Yarrin, TheDefaultPairNamesThePinsAfterTheHeaders) {
    Start();
    Choose("ComboBoxGpio0", 1);
    Choose("ComboBoxGpio1", 1);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 1u);
    const std::string qsf = ReadFile(folder + "YARRIN.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_N16 -to GPIO_0[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_K16 -to GPIO_1[35]\r\n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "YARRIN.v", output)) << output;
}

TEST_F(Yarrin, TheSameCardWithTheSamePrefixOnBothHeadersIsRefused) {
    Start();
    ChooseText("ComboBoxGpio0", BoardName(kKamrel).c_str());
    ChooseText("ComboBoxGpio1", BoardName(kKamrel).c_str());
    Type("EditPrefixGpio0", "P_");
    Type("EditPrefixGpio1", "P_");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|GPIO-0 and GPIO-1 cannot have the same prefix name "
                                        "when both connect to the same type of daughter boards."}));
    EXPECT_TRUE(seam.FileDialogs().empty());
    seam.ClearRecords();
    Type("EditPrefixGpio1", "Q_");
    Generate();
    EXPECT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Information);
}

TEST_F(Yarrin, TheBatchWritesOneProjectPerCardWithTheHeaderPrefixes) {
    Start();
    Choose("ComboBoxGpio0", 3);
    Type("EditPrefixGpio0", "MINE_");
    Type("EditProjectName", "mine");
    seam.SetCtrlHeld(true);
    const std::string batch = dir.Folder() + "CodeGenerated/YARRIN/mine/";
    seam.AnswerFile(batch + "mine.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_TRUE(seam.Boxes().empty());

    int projects = 0;
    for (int id : {1, 11, 12, 13, 53, 60, 61, 64, 71}) {
        const std::string name = "YARRIN_GPIO_" + BoardShortName(static_cast<int8_t>(id));
        const std::string qsf = ReadFile(batch + name + "/" + name + ".qsf");
        ASSERT_FALSE(qsf.empty()) << name;
        ++projects;
        if (id == kSpanningCard) {
            EXPECT_NE(qsf.find("# GPIO_0_1, GPIO_0_1 connect to "), std::string::npos);
            EXPECT_EQ(qsf.find("-to GPIO_0_"), std::string::npos);
            EXPECT_EQ(qsf.find("-to GPIO_1_"), std::string::npos);
        } else {
            EXPECT_NE(qsf.find("-to GPIO_0_"), std::string::npos) << name;
            EXPECT_NE(qsf.find("-to GPIO_1_"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(projects, 9);
    EXPECT_TRUE(fs::exists(batch + "YARRIN_GPIO_GPIO_Default/YARRIN_GPIO_GPIO_Default.qpf"));
    EXPECT_EQ(Prefix("EditProjectName"), "mine");
    EXPECT_EQ(Index("ComboBoxGpio0"), 3);
    EXPECT_EQ(Index("ComboBoxGpio1"), 0);
    EXPECT_EQ(Prefix("EditPrefixGpio0"), "MINE_");
    EXPECT_EQ(Prefix("EditPrefixGpio1"), "");
}

TEST_F(Yarrin, SettingsRoundTripThroughTheDialogs) {
    Start();
    ChooseText("ComboBoxGpio1", BoardName(kKamrel).c_str());
    Type("EditPrefixGpio1", "K_");
    Tick("CheckBoxSdCard", false);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    const std::string bytes = ReadFile(file);
    ASSERT_EQ(bytes.size(), 404u);
    EXPECT_EQ(bytes[144], 0);
    EXPECT_EQ(bytes[146], kKamrel);
    Choose("ComboBoxGpio1", 0);
    Tick("CheckBoxSdCard", true);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(platform::FromQt(Get<QComboBox>("ComboBoxGpio1")->currentText()), BoardName(kKamrel));
    EXPECT_EQ(Prefix("EditPrefixGpio1"), "K_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSdCard")->isChecked());
    EXPECT_FALSE(Shown("ShapeSdCard"));
}

TEST_F(Yarrin, Screenshot) {
    Start();
    ChooseText("ComboBoxGpio0", BoardName(kSpanningCard).c_str());
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-yarrin");
    EXPECT_EQ(shot.size(), QSize(793, 536));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
}

TEST(YarrinPins, TheHeadersAsMasters) {
    SettingsRecord r = Record();
    EXPECT_EQ(Model(r)->GetConnectorCount(), 0);

    // A card on GPIO-1 alone.
    r.SetU8(C::nGpioDaughterId1, kKamrel);
    auto one = Model(r);
    ASSERT_EQ(one->GetConnectorCount(), 1);
    EXPECT_EQ(one->GetConnector(0)->GetName(), "GPIO_1");
    EXPECT_EQ(one->GetConnector(0)->GetMasterId(), MASTER_GPIO_1);
    EXPECT_EQ(one->GetConnector(0)->GetCaption(), "GPIO_1 connect to " + BoardName(kKamrel));

    // Two 40-pin cards: header 0 first, empty slots at positions 11, 12, 29 and 30.
    r.SetU8(C::nGpioDaughterId, 1);
    auto two = Model(r);
    ASSERT_EQ(two->GetConnectorCount(), 2);
    EXPECT_EQ(two->GetConnector(0)->GetName(), "GPIO_0");
    EXPECT_EQ(two->GetConnector(0)->GetMasterId(), MASTER_GPIO_0);
    for (int i = 0; i < 2; ++i) {
        const TConnector* c = two->GetConnector(i);
        EXPECT_EQ(c->PinCount(), 40);
        int pins = 0;
        for (int slot = 0; slot < 40; ++slot)
            pins += c->GetPin(slot) != nullptr;
        EXPECT_EQ(pins, 36);
        for (int slot : {10, 11, 28, 29})
            EXPECT_EQ(c->GetPin(slot), nullptr);
    }

    // The 80-pin card: one master over both headers.
    r.SetU8(C::nGpioDaughterId, kSpanningCard);
    r.SetU8(C::nGpioDaughterId1, kSpanningCard);
    auto both = Model(r);
    ASSERT_EQ(both->GetConnectorCount(), 1);
    const TConnector* c = both->GetConnector(0);
    EXPECT_EQ(c->GetName(), "GPIO_0_1");
    EXPECT_EQ(c->GetCaption(), "GPIO_0_1 connect to " + BoardName(kSpanningCard));
    EXPECT_EQ(c->GetMasterId(), MASTER_GPIO_BOTH);
    EXPECT_EQ(c->PinCount(), 80);
    for (int slot : {10, 11, 28, 29, 50, 51, 68, 69})
        EXPECT_EQ(c->GetPin(slot), nullptr) << slot;
    EXPECT_EQ(c->GetPin(40)->GetLocation(), "H16");
    EXPECT_EQ(c->GetPin(79)->GetLocation(), "K16");
}

TEST(YarrinPins, TheModelKeepsACopyOfTheRecordForTheWriters) {
    SettingsRecord r = Record();
    r.SetU8(C::bVGA, 1);
    r.SetText(C::ProjectName, "copy");
    auto board = Model(r);
    EXPECT_TRUE(std::equal(r.data(), r.data() + r.size(), RecordOf<YarrinText>(*board).data()));
    EXPECT_EQ(board->GetConnector(0)->GetName(), "VGA");
}

TEST(YarrinPins, BrokenRecordsStopOnTheirAssertions) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Record();
    r.SetU8(C::BoardId, 24);
    TMainBoard b;
    EXPECT_EQ(platform::testing::AssertionOf([&] { ConfigYarrinPins(&b, r); }),
              "Assertion failed: Config.BoardId == MAINBOARD_YARRIN, file CONFIG_YARRIN, line 24");
    // The copy and the board id are taken before the check.
    EXPECT_EQ(b.GetBoardId(), 24);
    EXPECT_EQ(RecordOf<YarrinText>(b).U8(C::BoardId), 24);
    r.SetU8(C::BoardId, 25);
    r.SetU8(C::nGpioDaughterId, kSpanningCard);
    EXPECT_EQ(platform::testing::AssertionOf([&] { ConfigYarrinPins(&b, r); }),
              "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_YARRIN, line 171");
}
