// Board 28, Bostel: its form, record, Moxen header and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "SessionSupport.h"
#include "boards/latest/bostel/BostelRules.h"
#include "boards/latest/bostel/CONFIG_BOSTEL.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = BOSTEL_CONFIG;

class Bostel : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_BOSTEL); }
};

SettingsRecord Defaults() {
    SettingsRecord r = BostelLogic().NewRecord();
    BostelLogic().SetDefaultConfig(r);
    return r;
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigBostelPins, r);
}

} // namespace

TEST_F(Bostel, DefaultsGiveSixteenConnectorsOfOnBoardPins) {
    Start();
    std::vector<uint8_t> expected(292, 0);
    expected[0] = 28;
    expected[4] = 292 & 0xFF;
    expected[5] = 292 >> 8;
    for (std::size_t i = 0; i < 5; ++i)
        expected[8 + i] = static_cast<uint8_t>("MAX10"[i]);
    for (std::size_t offset = 136; offset <= 156; ++offset)
        expected[offset] = (offset == 150 || offset == 152 || offset == 155 || offset == 156) ? 0 : 1;
    EXPECT_EQ(expected[153], 1); // the reserved byte the defaults set
    SettingsRecord r = Defaults();
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);

    auto board = Model(r);
    std::vector<std::string> names;
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        names.push_back(board->GetConnector(i)->GetName());
    EXPECT_EQ(names,
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LEDR", "HEX", "Audio", "DAC", "QSPI Flash",
                                        "G-Sensor", "HDMI-RX", "Light Sensor", "Power Monitor", "PS2",
                                        "Humidity and Temperature Sensor", "MicroSD Card", "Uart to USB"}));
    EXPECT_EQ(ActivePins(*board), 129);

    EXPECT_EQ(Items("ComboBoxMoxen"),
              (std::vector<std::string>{"None", "Moxen Default", "Moxen Bluetooth SPP"}));
    EXPECT_FALSE(Shown("ShapeMoxen"));
    EXPECT_FALSE(Shown("ImageGpio0"));
    EXPECT_FALSE(Shown("ShapeADC"));
    EXPECT_TRUE(Shown("ShapeKappel23"));
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/MAX10/MAX10/");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Information|Generate Quartus Project successfully.\r\nThe "
                                        "project is located in the folder:\r\n" +
                                        folder}));
    const std::string qsf = ReadFile(folder + "MAX10.qsf");
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"1.5 V Schmitt Trigger\" -to KEY[4]\r\n"),
              std::string::npos);
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"1.5 V\" -to MAX10_CLK3_50\r\n"),
              std::string::npos);
}

TEST_F(Bostel, EverythingTickedWithACardGivesTheMoxenMasterLast) {
    Start();
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        if (box->objectName() != "CheckBox1")
            Tick(box->objectName().toLatin1().constData(), true);
    ChooseText("ComboBoxMoxen", "Moxen Default");
    EXPECT_TRUE(Shown("ShapeMoxen"));
    EXPECT_EQ(Get<platform::PictureBox>("ImageGpio0")->Image(),
              platform::LoadPicture("MOXEN_2x6_DEFAULT_BITMAP"));
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    auto board = Model(r);
    ASSERT_EQ(board->GetConnectorCount(), 21);
    const TConnector* moxen = board->GetConnector(20);
    EXPECT_EQ(moxen->GetName(), "Moxen 2x6 GPIO Header");
    EXPECT_EQ(moxen->GetCaption(), "Moxen connect to Moxen Default");
    EXPECT_EQ(moxen->GetMasterId(), MASTER_MOXEN);
    EXPECT_EQ(ActivePins(*board), 285);

    // The card's names, in front of them the prefix; the header keeps 3.3-V LVTTL.
    Type("EditPrefixMoxen", "P_");
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 1u);
    const std::string qsf = ReadFile(folder + "MAX10.qsf");
    EXPECT_NE(qsf.find("# Moxen 2x6 GPIO Header, Moxen connect to Moxen Default\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y17 -to P_"), std::string::npos);
    EXPECT_EQ(qsf.find("-to GPIO["), std::string::npos);
    EXPECT_NE(qsf.find("-to DDR3_DQS_n[2]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("set_location_assignment PIN_ -to DDR3_DQS_n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "MAX10.v", output)) << output;
}

TEST_F(Bostel, CtrlGenerateAsksForTheFolderAndGeneratesNothing) {
    Start();
    seam.SetCtrlHeld(true);
    const std::string folder = dir.Folder() + "CodeGenerated/MAX10/MAX10/";
    seam.AnswerFile(folder + "MAX10.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(Bostel, DefaultSettingResetsTheForm) {
    Start();
    Tick("CheckBoxHex", false);
    ChooseText("ComboBoxMoxen", "Moxen Bluetooth SPP");
    Type("EditProjectName", "other");
    Click("ButtonDefault");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxHex")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxMoxen")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "MAX10");
    EXPECT_EQ(Form().Session().Stored().U8(C::reserved), 1);
}

TEST_F(Bostel, SettingsRoundTripThroughTheDialogs) {
    Start();
    // A prefix typed with no card is saved, but not shown again.
    Type("EditPrefixMoxen", "KEPT_");
    Tick("CheckBoxPS2", false);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    SettingsRecord saved = BostelLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(file, saved.data(), saved.size()));
    EXPECT_EQ(saved.U8(C::bPS2), 0);
    EXPECT_EQ(saved.Text(C::szMoxenPrefixName), "KEPT_");
    Tick("CheckBoxPS2", true);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxPS2")->isChecked());
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixMoxen")->text().isEmpty());

    saved.SetI32(C::nMoxenDaughterId, 70);
    saved.SetText(C::szMoxenPrefixName, "BT_");
    testsupport::WriteFile(file, std::string(reinterpret_cast<const char*>(saved.data()), saved.size()));
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxMoxen")->currentText(), "Moxen Bluetooth SPP");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixMoxen")->text(), "BT_");
}

TEST_F(Bostel, ACardFieldBeyondACardIdLoadsAsNone) {
    SettingsRecord r = Defaults();
    r.SetI32(C::nMoxenDaughterId, 69 + 256);
    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxMoxen")->currentIndex(), 0);
    CloseForm();
    SettingsRecord saved = BostelLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.I32(C::nMoxenDaughterId), 0);
}

TEST_F(Bostel, Screenshot) {
    Start();
    ChooseText("ComboBoxMoxen", "Moxen Bluetooth SPP");
    Tick("CheckBoxDDR3", true);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-bostel");
    EXPECT_EQ(shot.size(), QSize(793, 559));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
}

TEST(BostelPins, TheMoxenCaptionNamesTheCard) {
    SettingsRecord r = BostelLogic().NewRecord();
    r.SetU8(C::BoardId, 28);
    r.SetI32(C::Size, 292);
    EXPECT_EQ(Model(r)->GetConnectorCount(), 0);
    r.SetI32(C::nMoxenDaughterId, 70);
    auto board = Model(r);
    ASSERT_EQ(board->GetConnectorCount(), 1);
    EXPECT_EQ(board->GetConnector(0)->GetCaption(), "Moxen connect to Moxen Bluetooth SPP");
    EXPECT_EQ(board->GetConnector(0)->GetPin(0)->GetName(), "GPIO[0]");
    EXPECT_EQ(board->GetConnector(0)->GetPin(0)->GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(board->GetConnector(0)->GetPin(0)->GetDirection(), DIRECTION_BY_DAUGHTER);
}

TEST(BostelPins, ARecordOfAnotherSizeIsABrokenRule) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Defaults();
    r.SetI32(C::Size, 404);
    TMainBoard b;
    EXPECT_EQ(platform::testing::AssertionOf([&] { ConfigBostelPins(&b, r); }),
              "Assertion failed: Config.Size == sizeof(BOSTEL_CONFIG), file CONFIG_BOSTEL, line 25");
}
