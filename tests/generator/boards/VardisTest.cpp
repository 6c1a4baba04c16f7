// Board 22, Vardis: its form, record, pin table, HPS outlines and batch.
#include "BoardFormFixture.h"
#include "SocBoardSupport.h"
#include "boards/latest/vardis/CONFIG_VARDIS.h"
#include "boards/latest/vardis/VardisRules.h"
#include "boards/latest/vardis/VardisText.h"
#include "core/Pinwright.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = VARDIS_CONFIG;

class Vardis : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_VARDIS); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

SettingsRecord Bare() {
    return BareRecord(22, 408);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigVardisPins, r);
}

const char* const kHpsShapes[] = {"ShapeHPS",       "ShapeHpsDDR3", "ShapeHpsEthernet",
                                  "ShapeHpsSdcard", "ShapeHpsUsb",  "ShapeHpsUart",
                                  "ShapeHpsLTC",    "ShapeHpsLCD",  "ShapeHpsLedButton"};

} // namespace

TEST_F(Vardis, DefaultsAndTheCardList) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "VARDIS");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxHPS") << box->objectName().toStdString();
    std::vector<std::string> items;
    for (uint8_t id : {0, 1, 12, 13, 53, 60, 61, 64, 71})
        items.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxGpio"), items);
    EXPECT_FALSE(Shown("ShapeGpio"));

    std::vector<uint8_t> expected = RecordHead(22, 408, "VARDIS");
    for (std::size_t offset = 136; offset <= 148; ++offset)
        expected[offset] = 1;
    SettingsRecord r = VardisLogic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(Bytes(r), expected);

    const std::string folder = Generate();
    EXPECT_EQ(seam.FileDialogs().at(0).request.initialDir, dir.Folder() + "CodeGenerated/VARDIS/VARDIS/");
    EXPECT_EQ(BoxTexts().size(), 1u);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
    EXPECT_EQ(ReadFile(folder + "VARDIS.qsf").find("GPIO"), std::string::npos);
}

TEST_F(Vardis, TheHpsBoxShowsItsOutlinesAndItsWarning) {
    Start();
    for (const char* shape : kHpsShapes)
        EXPECT_FALSE(Shown(shape)) << shape;
    Tick("CheckBoxHPS", true);
    for (const char* shape : kHpsShapes)
        EXPECT_TRUE(Shown(shape)) << shape;
    Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[1].text, soc::kHpsWarning);
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Information);
}

TEST_F(Vardis, TheBatchWritesOneProjectPerCardWithTheUsersPrefixAndNoHpsWarning) {
    Start();
    Tick("CheckBoxHPS", true);
    Choose("ComboBoxGpio", 2);
    Type("EditPrefixGpio", "X_");
    Type("EditProjectName", "mine");
    seam.SetCtrlHeld(true);
    const std::string batch = dir.Folder() + "CodeGenerated/VARDIS/mine/";
    seam.AnswerFile(batch + "mine.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_TRUE(seam.Boxes().empty()) << BoxTexts().front();
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(batch))
        if (entry.is_directory())
            written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    std::vector<std::string> expected;
    for (uint8_t id : {1, 12, 13, 53, 60, 61, 64, 71})
        expected.push_back("VARDIS_GPIO_" + BoardShortName(static_cast<int8_t>(id)));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(written, expected);
    for (const std::string& name : expected) {
        const std::string qsf = ReadFile(batch + name + "/" + name + ".qsf");
        EXPECT_NE(qsf.find("-to X_"), std::string::npos) << name;
    }
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "X_");

    // Cancelled: nothing is generated.
    seam.ClearRecords();
    fs::remove_all(batch);
    seam.CancelFile();
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_FALSE(fs::exists(batch + "VARDIS_GPIO_GPIO_Default"));
}

TEST_F(Vardis, SettingsRoundTripKeepsTheReservedBytes) {
    SettingsRecord r = VardisLogic().NewRecord();
    VardisLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId[GPIO_1], 77);
    r.SetText(C::szGpioPrefixName[GPIO_1], "kept");
    r.SetU8(2, 5);
    testsupport::WriteFile(dir.File("in.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    seam.AnswerFile(dir.File("in.cfg"));
    Click("ButtonLoad");
    Tick("CheckBoxDDR3", false);
    ChooseText("ComboBoxGpio", "GPIO Default");
    Type("EditPrefixGpio", "G_");
    seam.AnswerFile(dir.File("out.cfg"));
    Click("ButtonSave");
    SettingsRecord saved = VardisLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("out.cfg"), saved.data(), saved.size()));
    r.SetU8(C::bDDR3, 0);
    r.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_GPIO_DEFAULT);
    r.SetText(C::szGpioPrefixName[GPIO_0], "G_");
    EXPECT_EQ(Bytes(saved), Bytes(r));

    Tick("CheckBoxDDR3", true);
    Choose("ComboBoxGpio", 0);
    seam.AnswerFile(dir.File("out.cfg"));
    Click("ButtonLoad");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxDDR3")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "G_");
}

TEST_F(Vardis, AStoredCardOutsideTheListKeepsTheCurrentChoice) {
    SettingsRecord r = VardisLogic().NewRecord();
    VardisLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_TURVIN_GPIO);
    r.SetText(C::szGpioPrefixName[GPIO_0], "T_");
    testsupport::WriteFile(dir.File("turvin.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    Choose("ComboBoxGpio", 3);
    seam.AnswerFile(dir.File("turvin.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 3);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "T_");
}

TEST(VardisPins, ConnectorOrderAndTheSharedI2c) {
    SettingsRecord r = Bare();
    EXPECT_EQ(Model(r)->GetConnectorCount(), 0);
    r.SetU8(C::bVideoIn, 1);
    r.SetU8(C::bHDMI, 1);
    EXPECT_EQ(ConnectorNames(*Model(r)),
              (std::vector<std::string>{"I2C for Audio and Video-In", "HDMI", "Video-In"}));
    SettingsRecord all = VardisLogic().NewRecord();
    VardisLogic().SetDefaultConfig(all);
    all.SetU8(C::bHPS, 1);
    all.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_KAMREL);
    auto board = Model(all);
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "ADC", "Audio", "I2C for Audio and Video-In", "HDMI", "SEG7",
                                        "DDR3", "HPS", "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA",
                                        "GPIO"}));
    const int counts[] = {4, 4, 6, 2, 33, 42, 72, 134, 2, 4, 10, 4, 10, 12, 29};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(board->GetConnector(i)->PinCount(), counts[i]) << board->GetConnector(i)->GetName();
    const TConnector* gpio = board->GetConnector(15);
    EXPECT_EQ(gpio->GetCaption(), "GPIO connect to " + BoardName(DAUGHTER_KAMREL));
    EXPECT_EQ(gpio->GetMasterId(), MASTER_GPIO_0);
    EXPECT_EQ(gpio->PinCount(), 40);
    EXPECT_EQ(gpio->ActivePinCount(), 36);
    EXPECT_EQ(EmptySlots(*gpio), (std::vector<int>{10, 11, 28, 29}));
    EXPECT_EQ(Bytes(RecordOf<VardisText>(*board)), Bytes(all));
}

TEST(VardisPins, StandardsClocksAndUnplacedHpsPins) {
    SettingsRecord r = Bare();
    r.SetU8(C::bSeg7, 1);
    r.SetU8(C::bOSC, 1);
    r.SetU8(C::bHPS, 1);
    auto board = Model(r);
    const TConnector* seg7 = FindConnector(*board, "SEG7");
    EXPECT_EQ(seg7->GetPin(0)->GetName(), "HEX0[0]");
    EXPECT_EQ(seg7->GetPin(0)->GetIoStandard(), IOSTD_1V5);
    for (int i = 1; i < 7; ++i)
        EXPECT_EQ(seg7->GetPin(i)->GetIoStandard(), IOSTD_3V3_LVTTL) << i;
    const TConnector* clock = FindConnector(*board, "CLOCK");
    const char* notes[] = {"BANK 3B", "BANK 4A", "BANK 5B", "BANK 8A"};
    const uint8_t standards[] = {IOSTD_1V5, IOSTD_1V5, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(clock->GetPin(i)->GetIsClock(), 1);
        EXPECT_EQ(clock->GetPin(i)->GetPeriod(), 20);
        EXPECT_EQ(clock->GetPin(i)->GetFrequencyText(), "");
        EXPECT_EQ(clock->GetPin(i)->GetNote(), notes[i]);
        EXPECT_EQ(clock->GetPin(i)->GetIoStandard(), standards[i]);
    }
    const TConnector* hps = FindConnector(*board, "HPS");
    for (int i = 0; i < hps->PinCount(); ++i)
        EXPECT_EQ(hps->GetPin(i)->GetLocation(), "") << hps->GetPin(i)->GetName();
    EXPECT_EQ(hps->GetPin(0)->GetName(), "HPS_CONV_USB_N");
    EXPECT_EQ(hps->GetPin(72)->GetName(), "HPS_DDR3_WE_N");
    EXPECT_EQ(hps->GetPin(133)->GetName(), "HPS_USB_STP");
}

TEST(VardisSdc, NoDramClockWhateverTheRecordHolds) {
    SettingsRecord r = VardisLogic().NewRecord();
    VardisLogic().SetDefaultConfig(r);
    auto board = Model(r);
    TPinwright w;
    EXPECT_EQ(w.GetSdcBoardClocks(board.get()).find("DRAM"), std::string::npos);
    EXPECT_EQ(w.GetSdcBoardClocks(board.get()).rfind("create_clock -period \"27 MHz\"  -name tv_27m", 0), 0u);
    EXPECT_EQ(w.GetSdcInputDelays(board.get()), "");
    EXPECT_EQ(w.GetSdcOutputDelays(board.get()), "");
}

TEST_F(Vardis, Screenshot) {
    Start();
    Tick("CheckBoxHPS", true);
    Tick("CheckBoxPS2", false);
    Choose("ComboBoxGpio", 2);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-vardis");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
}
