// Board 20, Tavrin: its form, record, pin table and batch.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/latest/tavrin/CONFIG_TAVRIN.h"
#include "boards/latest/tavrin/TavrinRules.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

class Tavrin : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_TAVRIN); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

// The board model of a record through the pin table.
std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigTavrinPins, r);
}

} // namespace

TEST_F(Tavrin, Defaults) {
    Start();
    EXPECT_EQ(platform::FromQt(Get<QLineEdit>("EditProjectName")->text()), "TAVRIN");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>()) {
        const bool off = box->objectName() == "CheckBoxXcvrSma" || box->objectName() == "CheckBoxSi5338_I2C";
        EXPECT_EQ(box->isChecked(), !off) << box->objectName().toStdString();
    }
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "None");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "None");
    EXPECT_EQ(Get<QCheckBox>("CheckBoxSeg7")->text(), "7-Segment x 4");
    EXPECT_TRUE(Shown("ShapeSeg7"));
    EXPECT_FALSE(Shown("ShapeSeg7_x2"));
    EXPECT_EQ(Get<platform::PictureBox>("ImageHex")->Image(), platform::LoadPicture("TAVRIN_HEX_x4_BITMAP"));

    // The record's bytes as the record's layout places them.
    std::vector<uint8_t> expected(408, 0);
    expected[0] = 20;
    expected[4] = 408 & 0xFF;
    expected[5] = 408 >> 8;
    for (std::size_t i = 0; i < 6; ++i)
        expected[8 + i] = static_cast<uint8_t>("TAVRIN"[i]);
    for (std::size_t offset = 136; offset <= 149; ++offset)
        expected[offset] = (offset == 147 || offset == 148) ? 0 : 1;
    SettingsRecord r = Form().Logic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);
}

TEST_F(Tavrin, AGpioCardTakesTwoDigits) {
    Start();
    Choose("ComboBoxGpio", 1);
    EXPECT_EQ(Get<QCheckBox>("CheckBoxSeg7")->text(), "7-Segment x 2");
    EXPECT_FALSE(Shown("ShapeSeg7"));
    EXPECT_TRUE(Shown("ShapeSeg7_x2"));
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_EQ(Get<platform::PictureBox>("ImageHex")->Image(), platform::LoadPicture("TAVRIN_HEX_x2_BITMAP"));

    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(FindConnector(*Model(r), "SEG7")->ActivePinCount(), 14);
    r.SetU8(TAVRIN_CONFIG::nGpioDaughterId, 0);
    EXPECT_EQ(FindConnector(*Model(r), "SEG7")->ActivePinCount(), 28);
}

TEST_F(Tavrin, GenerateWithAGpioCardShowsTheNoteAfterTheSuccessBox) {
    Start();
    Choose("ComboBoxGpio", 1);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    EXPECT_EQ(seam.Boxes()[1].text,
              "Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n"
              "Before you use the GPIO header, be sure to follow the procedures listed\r\n"
              "below to avoid any hardware damage.\r\n"
              "1. Erase the default code.\r\n"
              "2. Switch the S1/S2 dip switch to the OFF position.\r\n");
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Information);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "TAVRIN.v", output)) << output;
    const std::string qsf = ReadFile(folder + "TAVRIN.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE 5CGXFC5C6F27C7\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 8_H6\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_T21 -to GPIO[0]\r\n"), std::string::npos);
}

TEST(TavrinPins, AnHsmcCardAloneAddsTheSharedI2cBeforeItsMaster) {
    SettingsRecord r = TavrinLogic().NewRecord();
    r.SetU8(TAVRIN_CONFIG::BoardId, 20);
    r.SetI32(TAVRIN_CONFIG::Size, 408);
    EXPECT_TRUE(ConnectorNames(*Model(r)).empty());
    r.SetU8(TAVRIN_CONFIG::nHsmcDaughterId, DAUGHTER_HSMC_DEFAULT);
    auto board = Model(r);
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"I2C for Audio/HDMI-TX/Si5338/HSMC", "HSMC"}));
    const TConnector* hsmc = board->GetConnector(1);
    EXPECT_EQ(hsmc->PinCount(), 160);
    EXPECT_EQ(hsmc->ActivePinCount(), 98);
    EXPECT_EQ(hsmc->GetCaption(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->GetMasterId(), MASTER_HSMC_A);
}

TEST_F(Tavrin, DefaultHsmcCardsTakeTheHsmcPrefixUnlessOneIsTyped) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    std::string folder = Generate();
    std::string qsf = ReadFile(folder + "TAVRIN.qsf");
    EXPECT_NE(qsf.find("-to HSMC_"), std::string::npos);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC")->text().isEmpty());
    seam.ClearRecords();
    Type("EditPrefixHSMC", "MY_");
    Type("EditProjectName", "typed");
    folder = Generate();
    qsf = ReadFile(folder + "typed.qsf");
    EXPECT_EQ(qsf.find("-to HSMC_"), std::string::npos);
    EXPECT_NE(qsf.find("-to MY_"), std::string::npos);
}

TEST_F(Tavrin, TheLeftCtrlBatchStopsAtTheFirstRefusedProjectAndRestoresTheForm) {
    Start();
    Choose("ComboBoxGpio", 2);
    Type("EditPrefixGpio", "G_");
    Type("EditProjectName", "mine");
    seam.SetCtrlHeld(true);
    const std::string batch = dir.Folder() + "CodeGenerated/TAVRIN/mine/";
    seam.AnswerFile(batch + "mine.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    // The HSMC pass from "None" on, with the user's GPIO card, until the SDI card, whose
    // two pins would share the ball AC4: its refusal is the one box, and the GPIO pass never runs.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Error|Location PIN_AC4 is used by both SDI_TX_N[2] and SDI_TX_P[2]."}));
    const std::vector<std::string> items = Items("ComboBoxHSMC");
    int written = 0;
    for (const auto& entry : fs::directory_iterator(batch))
        written += fs::exists(entry.path() / (entry.path().filename().string() + ".qpf"));
    const auto sdi = std::find_if(items.begin(), items.end(), [](const std::string& s) {
        return s.rfind("SDI", 0) == 0 || s.find("SDI") != std::string::npos;
    });
    ASSERT_NE(sdi, items.end());
    EXPECT_EQ(written, static_cast<int>(sdi - items.begin()));
    EXPECT_NE(ReadFile(batch + "TAVRIN_HSMC_None/TAVRIN_HSMC_None.qsf").find("-to G_"), std::string::npos);
    EXPECT_FALSE(fs::exists(batch + "TAVRIN_GPIO_GPIO_Default"));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 2);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "G_");
}

TEST_F(Tavrin, DefaultSettingResetsTheForm) {
    Start();
    Tick("CheckBoxLED", false);
    Choose("ComboBoxHSMC", 1);
    Type("EditProjectName", "other");
    Click("ButtonDefaultSetting");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "TAVRIN");
}

TEST_F(Tavrin, AFileOfAnotherBoardOfTheSameSizeLoadsAndStillGenerates) {
    // A board-21 record: another id, and bytes this board reads as its flags and cards.
    std::string bytes(408, '\0');
    bytes[0] = 21;
    bytes[4] = static_cast<char>(408 & 0xFF);
    bytes[5] = static_cast<char>(408 >> 8);
    bytes.replace(8, 6, "Ulmaro");
    for (std::size_t i = 136; i < 150; ++i)
        bytes[i] = static_cast<char>(i % 3);
    bytes[150] = static_cast<char>(0xC8); // no card of any list
    bytes[279] = 7;
    testsupport::WriteFile(dir.File("default.cfg"), bytes);
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Ulmaro");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 0);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_TRUE(fs::exists(folder + "Ulmaro.v"));
}

TEST_F(Tavrin, ALoadedNameThatWouldBreakTheProjectFilesIsRefused) {
    Start();
    SettingsRecord r = TavrinLogic().NewRecord();
    TavrinLogic().SetDefaultConfig(r);
    r.SetText(TAVRIN_CONFIG::ProjectName, "x\"\r\nset_global_assignment -name EVIL 1");
    testsupport::WriteFile(dir.File("evil.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(dir.File("evil.cfg"));
    Click("ButtonLoad");
    seam.ClearRecords();
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|Project Name cannot contain control characters or '\"'."}));
    EXPECT_TRUE(seam.FileDialogs().empty());
}
