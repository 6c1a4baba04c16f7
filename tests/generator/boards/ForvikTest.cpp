// Board 32, Forvik: its form, record, HSMC voltage choice, notes and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "SessionSupport.h"
#include "boards/latest/forvik/CONFIG_FORVIK.h"
#include "boards/latest/forvik/ForvikRules.h"
#include "boards/latest/forvik/ForvikText.h"
#include "boards/latest/forvik/UI_Forvik.h"
#include "core/Pinwright.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"

using testsupport::ReadFile;

namespace {

using C = TConfigForvik::FORVIK_CONFIG;

const char* const kJumperFrames[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

const std::string kJp3 =
    "Warning|You have changed the default voltage level of HSMC interface. \nPlease "
    "remember to change the jumper position on JP3 accordingly.\n\nWanring:\nThe hardware "
    "could be damaged permanently without proper setting of voltage level.";
const std::string kHps =
    "Information|===== HPS System warning =====\r\nTo prevent any errors while compiling "
    "your Quartus project, \r\nplease add the Altera HPS IP to your design.\r\n";

class Forvik : public BoardFormFixture {
protected:
    TFormForvik* Start() { return Open<TFormForvik>(); }
    std::vector<std::string> FramesShown() {
        std::vector<std::string> shown;
        for (const char* frame : kJumperFrames)
            if (Shown(frame))
                shown.push_back(frame);
        return shown;
    }
};

std::unique_ptr<TMainBoard> Model(TConfigForvik& settings) {
    return ModelOf(ConfigForvikPins, &settings);
}

} // namespace

TEST_F(Forvik, FirstStartWithAnotherBoardsDefaultCfgShowsTheDefaults) {
    testsupport::WriteFile(dir.File("default.cfg"), std::string(272, '\x01'));
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Forvik");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxHPS") << box->objectName().toStdString();
    EXPECT_FALSE(Shown("ShapeHPS"));
    EXPECT_TRUE(Shown("ShapeSeg7"));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentText(), "2.5 V (Default)");
    EXPECT_EQ(FramesShown(), std::vector<std::string>{"ShapeHsmc2V5"});
    EXPECT_FALSE(Shown("ImageGpio"));
    EXPECT_FALSE(Shown("ImageHSMC"));

    std::vector<uint8_t> expected(416, 0);
    expected[0] = 32;
    expected[4] = 416 & 0xFF;
    expected[5] = 416 >> 8;
    for (std::size_t i = 0; i < 6; ++i)
        expected[8 + i] = static_cast<uint8_t>("Forvik"[i]);
    for (std::size_t offset = 136; offset <= 147; ++offset)
        expected[offset] = 1;
    expected[280] = 1; // 2.5 V
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);

    TConfigForvik settings;
    std::copy(r.data(), r.data() + r.size(), settings.Config.data());
    auto board = Model(settings);
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "Seg7", "SDRAM", "Video-In", "VGA",
                                        "Audio", "PS2", "ADC", "I2C for Audio and Video-In", "IR"}));
    EXPECT_EQ(ActivePins(*board), 168);
    EXPECT_EQ(TextOf<ForvikText>(*board).Settings(), &settings);

    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kGenerateSuccess + folder});
    const std::string sdc = ReadFile(folder + "Forvik.sdc");
    EXPECT_NE(sdc.find("create_clock -period \"50.000000 MHz\" [get_ports CLOCK_50]\r\n"), std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n"),
              std::string::npos);
}

TEST_F(Forvik, TheHsmcDefaultCardTakesTheHsmcPrefixWhileTheEditStaysEmpty) {
    Start();
    ChooseText("ComboBoxHsmc", "HSMC Default");
    EXPECT_TRUE(Shown("ShapeHSMC"));
    EXPECT_TRUE(Shown("ImageHSMC"));
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHsmc")->text().isEmpty());
    const std::string qsf = ReadFile(folder + "Forvik.qsf");
    EXPECT_NE(qsf.find("# HSMC, HSMC connect to HSMC Default\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to HSMC_"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Forvik.v", output)) << output;

    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    TConfigForvik settings;
    std::copy(r.data(), r.data() + r.size(), settings.Config.data());
    auto board = Model(settings);
    const TConnector* hsmc = board->GetConnector(board->GetConnectorCount() - 1);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetMasterId(), MASTER_HSMC_A);
    EXPECT_EQ(hsmc->PinCount(), 160);
    EXPECT_EQ(hsmc->ActivePinCount(), 84);
    for (int slot = 0; slot < 32; ++slot)
        EXPECT_EQ(hsmc->GetPin(slot), nullptr);
}

TEST_F(Forvik, AwayFromTwoPointFiveVoltsTheJp3WarningComesBeforeTheHpsNote) {
    Start();
    Tick("CheckBoxHPS", true);
    EXPECT_TRUE(Shown("ShapeHPS"));
    std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kGenerateSuccess + folder, kHps}));

    seam.ClearRecords();
    Choose("ComboBoxHsmcVol", 0);
    EXPECT_EQ(FramesShown(), std::vector<std::string>{"ShapeHsmc3V3"});
    Type("EditProjectName", "volts");
    folder = Generate();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kGenerateSuccess + folder, kJp3, kHps}));
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Warning);
    // The HPS pins have no location: a standard line each and no location line.
    const std::string qsf = ReadFile(folder + "volts.qsf");
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"1.5 V\" -to HPS_DDR3_RZQ\r\n"),
              std::string::npos);
    EXPECT_EQ(qsf.find("-to HPS_DDR3_RZQ\r\n", qsf.find("HPS_DDR3_RZQ") + 1), std::string::npos);
}

TEST_F(Forvik, TheVoltagePicksTheHsmcList) {
    Start();
    ChooseText("ComboBoxHsmc", "HSMC Default");
    Choose("ComboBoxHsmcVol", 2);
    EXPECT_EQ(Items("ComboBoxHsmc"), (std::vector<std::string>{"None", BoardName(17)}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmc")->currentIndex(), 0);
    EXPECT_FALSE(Shown("ShapeHSMC"));
    EXPECT_EQ(FramesShown(), std::vector<std::string>{"ShapeHsmc1V8"});
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kGenerateSuccess + folder, kJp3}));
    EXPECT_EQ(ReadFile(folder + "Forvik.qsf").find("# HSMC"), std::string::npos);

    std::vector<std::string> threeVolts{"None"};
    for (int id : {17, 55, 56, 57})
        threeVolts.push_back(BoardName(static_cast<int8_t>(id)));
    Choose("ComboBoxHsmcVol", 0);
    EXPECT_EQ(Items("ComboBoxHsmc"), threeVolts);
}

TEST_F(Forvik, AStoredVoltageOutsideTheListShowsAndSavesTheDefault) {
    SettingsRecord r = ForvikLogic().NewRecord();
    ForvikLogic().SetDefaultConfig(r);
    r.SetI32(C::nHsmcVoltage, -1);
    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
    EXPECT_EQ(FramesShown(), std::vector<std::string>{"ShapeHsmc2V5"});
    CloseForm();
    SettingsRecord saved = ForvikLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.I32(C::nHsmcVoltage), 1);
}

TEST_F(Forvik, SettingsRoundTripAndTheSamePrefixOnBothConnectors) {
    Start();
    Choose("ComboBoxHsmcVol", 3);
    ChooseText("ComboBoxHsmc", BoardName(17).c_str());
    Choose("ComboBoxGpio", 1);
    Type("EditPrefixHsmc", "X_");
    Type("EditPrefixGpio", "X_");
    Tick("CheckBoxIR", false);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(ReadFile(file).size(), 416u);
    Choose("ComboBoxHsmcVol", 1);
    Choose("ComboBoxGpio", 0);
    Tick("CheckBoxIR", true);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 3);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmc")->currentText().toStdString(), BoardName(17));
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 1);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHsmc")->text(), "X_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxIR")->isChecked());
    // Ctrl means nothing on this board: a plain Generate.
    seam.SetCtrlHeld(true);
    const std::string folder = Generate();
    EXPECT_EQ(seam.BeepCount(), 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kGenerateSuccess + folder, kJp3}));
}

TEST_F(Forvik, Screenshot) {
    Start();
    Choose("ComboBoxGpio", 1);
    ChooseText("ComboBoxHsmc", "HSMC Default");
    Tick("CheckBoxHPS", true);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-forvik");
    EXPECT_EQ(shot.size(), QSize(789, 536));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
    // The buttons keep the places the form's layout gives them.
    EXPECT_EQ(Get<QWidget>("ButtonGen")->mapTo(&Form(), QPoint(0, 0)), QPoint(160, 430));
    EXPECT_EQ(Get<QWidget>("ButtonSave")->mapTo(&Form(), QPoint(0, 0)), QPoint(16, 480));
}

TEST(ForvikPins, TheOrderOfTheSharedAndTheHpsConnectors) {
    TConfigForvik settings;
    settings.Config.SetU8(C::BoardId, 32);
    settings.Config.SetI32(C::Size, 416);
    EXPECT_TRUE(ConnectorNames(*Model(settings)).empty());
    settings.Config.SetU8(C::bVideoIn, 1);
    settings.Config.SetU8(C::bADC, 1);
    settings.Config.SetU8(C::bHPS, 1);
    settings.Config.SetU8(C::bIR, 1);
    settings.Config.SetU8(C::nGpioDaughterId, DAUGHTER_GPIO_DEFAULT);
    auto board = Model(settings);
    EXPECT_EQ(
        ConnectorNames(*board),
        (std::vector<std::string>{"Video-In", "ADC", "I2C for Audio and Video-In", "HPS", "IR", "GPIO"}));
    const TConnector* hps = board->GetConnector(3);
    EXPECT_EQ(hps->ActivePinCount(), 135);
    for (int i = 0; i < hps->PinCount(); ++i)
        EXPECT_EQ(hps->GetPin(i)->GetLocation(), "");
    const TConnector* gpio = board->GetConnector(5);
    EXPECT_EQ(gpio->GetCaption(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->PinCount(), 40);
    for (int slot : {10, 11, 28, 29})
        EXPECT_EQ(gpio->GetPin(slot), nullptr);
}

TEST(SdcBoardClocks, ForvikReadsItsSettingsObject) {
    platform::testing::ScriptedPlatform seam;
    TConfigForvik forvik;
    forvik.Config.SetU8(TConfigForvik::FORVIK_CONFIG::bSDRAM, 1);
    TMainBoard b;
    b.m_BoardId = 32;
    b.SetBoardText(std::make_unique<ForvikText>(&forvik));
    TPinwright w;
    EXPECT_EQ(w.GetSdcBoardClocks(&b),
              "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n\r\n");
    EXPECT_EQ(w.GetSdcInputDelays(&b), "");
    EXPECT_EQ(w.GetSdcOutputDelays(&b), "");
    b.m_BoardId = 30;
    b.SetBoardText(nullptr);
    EXPECT_EQ(w.GetSdcBoardClocks(&b), "");
    EXPECT_EQ(w.GetSdcJtagClock(&b), "");
}
