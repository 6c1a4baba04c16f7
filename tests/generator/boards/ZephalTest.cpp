// Board 26, Zephal: its form, record, BBB header modes, hidden revision and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "SessionSupport.h"
#include "boards/latest/zephal/CONFIG_ZEPHAL.h"
#include "boards/latest/zephal/UI_Zephal.h"
#include "boards/latest/zephal/ZephalRules.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"

#include <filesystem>
#include <map>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = ZEPHAL_CONFIG;

class Zephal : public BoardFormFixture {
protected:
    TFormZephal* Start() { return Open<TFormZephal>(); }
    void WriteCfg(const std::string& file, const SettingsRecord& r) {
        testsupport::WriteFile(file, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    }
    SettingsRecord Saved(const std::string& file) {
        SettingsRecord r = ZephalLogic().NewRecord();
        EXPECT_TRUE(configfile::Load(file, r.data(), r.size()));
        return r;
    }
};

SettingsRecord Defaults() {
    SettingsRecord r = ZephalLogic().NewRecord();
    ZephalLogic().SetDefaultConfig(r);
    return r;
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigZephalPins, r);
}

// Every pin of the model by name: "location|standard".
std::map<std::string, std::string> Pins(const TMainBoard& b) {
    std::map<std::string, std::string> pins;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        for (int k = 0; k < b.GetConnector(i)->PinCount(); ++k)
            if (const TPin* p = b.GetConnector(i)->GetPin(k))
                pins[p->GetName()] = p->GetLocation() + "|" + std::to_string(p->GetIoStandard());
    return pins;
}

// The names that two models give differently.
std::vector<std::string> Differences(const TMainBoard& a, const TMainBoard& b) {
    const auto pa = Pins(a), pb = Pins(b);
    std::vector<std::string> names;
    for (const auto& [name, value] : pa)
        if (!pb.contains(name) || pb.at(name) != value)
            names.push_back(name);
    for (const auto& [name, value] : pb)
        if (!pa.contains(name))
            names.push_back(name);
    return names;
}

} // namespace

TEST_F(Zephal, DefaultsShowNoHeaderAndGiveTheSixteenConnectors) {
    Start();
    std::vector<uint8_t> expected(292, 0);
    expected[0] = 26;
    expected[4] = 292 & 0xFF;
    expected[5] = 292 >> 8;
    for (std::size_t i = 0; i < 6; ++i)
        expected[8 + i] = static_cast<uint8_t>("ZEPHAL"[i]);
    for (std::size_t offset = 136; offset <= 154; ++offset)
        expected[offset] = (offset == 145 || offset == 148 || offset == 151) ? 0 : 1;
    expected[156] = 2;
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);

    EXPECT_EQ(Items("ComboBoxBBB"), (std::vector<std::string>{"None", "Default", "WIFI-BLE", "BBB Mode 7"}));
    EXPECT_FALSE(Shown("ImageBBB"));
    EXPECT_FALSE(Shown("ShapeBBB_P8"));
    EXPECT_FALSE(Shown("ShapeBBB_P9"));
    EXPECT_FALSE(Shown("ComboBoxBoardRev"));
    EXPECT_FALSE(Shown("LabelRevision"));
    EXPECT_EQ(Get<QWidget>("PanelBoard")->height(), 305 + 35);

    auto board = Model(r);
    std::vector<std::string> names;
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        names.push_back(board->GetConnector(i)->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"CLOCK", "KEY", "LED", "CapSense Button", "Audio", "Flash",
                                               "G-Sensor", "HDMI-TX", "Light Sensor", "Ethernet",
                                               "Power Monitor", "Humidity and Temperature Sensor",
                                               "MicroSD Card", "SW", "Board Temperature Sensor", "USB"}));
    EXPECT_EQ(FindConnector(*board, "G-Sensor")->ActivePinCount(), 6);

    // The G-sensor's pins in bank 8 free its configuration pins: the block comes once.
    const std::string folder = Generate();
    const std::string qsf = ReadFile(folder + "ZEPHAL.qsf");
    const std::string block = "\r\n#============================================================\r\n"
                              "# disable config pin so bank8 can use 1.2V \r\n"
                              "#============================================================\r\n"
                              "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n"
                              "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n"
                              "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n"
                              "\r\n";
    const auto at = qsf.find(block);
    EXPECT_NE(at, std::string::npos);
    EXPECT_EQ(qsf.find(block, at + 1), std::string::npos);
    EXPECT_TRUE(fs::exists(dir.Folder() + "CodeGenerated/ZEPHAL/ZEPHAL/ZEPHAL.qpf"));
}

TEST_F(Zephal, TheConfigurationBlockFollowsTheBankEightPins) {
    Start();
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        Tick(box->objectName().toLatin1().constData(), false);
    Tick("CheckBoxSwitch", true);
    std::string folder = Generate();
    EXPECT_EQ(ReadFile(folder + "ZEPHAL.qsf").find("# disable config pin"), std::string::npos);
    Tick("CheckBoxUsb", true); // USB_FAULT_n at D8
    Type("EditProjectName", "usb");
    folder = Generate();
    EXPECT_NE(ReadFile(folder + "usb.qsf").find("# disable config pin so bank8 can use 1.2V \r\n"),
              std::string::npos);
}

TEST_F(Zephal, TheHeaderModeGivesItsPinOutWithoutThePrefix) {
    Start();
    Type("EditPrefixBBB", "PX_");
    ChooseText("ComboBoxBBB", "WIFI-BLE");
    EXPECT_TRUE(Shown("ImageBBB"));
    EXPECT_EQ(Get<platform::PictureBox>("ImageBBB")->Image(),
              platform::LoadPicture("BBB_WIFI_BLE_80_BITMAP"));
    EXPECT_TRUE(Shown("ShapeBBB_P8"));
    EXPECT_TRUE(Shown("ShapeBBB_P9"));
    const std::string folder = Generate();
    const std::string qsf = ReadFile(folder + "ZEPHAL.qsf");
    EXPECT_NE(qsf.find("# BBB Conector\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y5 -to WIFI_UART_RXD\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AA2 -to BBB_SYS_RESET_n\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("PX_"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "ZEPHAL.v", output)) << output;
    // The prefix is kept with the mode.
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(r.U8(C::nBbbMode), 2);
    EXPECT_EQ(r.Text(C::szBbbPrefixName), "PX_");
}

TEST_F(Zephal, AStoredModeOutsideTheListShowsAndSavesNone) {
    SettingsRecord r = Defaults();
    r.SetU8(C::nBbbMode, 7);
    r.SetText(C::szBbbPrefixName, "P_");
    WriteCfg(dir.File("default.cfg"), r);
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBBB")->currentIndex(), 0);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixBBB")->text().isEmpty());
    CloseForm();
    EXPECT_EQ(Saved(dir.File("default.cfg")).U8(C::nBbbMode), 0);
}

TEST_F(Zephal, StartUpForcesRevisionCWhileLoadSettingKeepsTheFilesRevision) {
    SettingsRecord r = Defaults();
    r.SetI32(C::nBoardRevision, 0);
    r.SetU8(C::bSmaADC, 1);
    WriteCfg(dir.File("default.cfg"), r);
    WriteCfg(dir.File("revA.cfg"), r);
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoardRev")->currentIndex(), 2);
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSmaADC")->isChecked());
    EXPECT_FALSE(Shown("ShapeSMA_ADC"));
    std::string folder = Generate();
    EXPECT_NE(ReadFile(folder + "ZEPHAL.qsf").find("set_location_assignment PIN_A20 -to HDMI_TX_CLK\r\n"),
              std::string::npos);

    seam.AnswerFile(dir.File("revA.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoardRev")->currentIndex(), 0);
    EXPECT_TRUE(Shown("ShapeSMA_ADC"));
    Type("EditProjectName", "revA");
    folder = Generate();
    const std::string qsf = ReadFile(folder + "revA.qsf");
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"1.2 V\" -to HDMI_TX_CLK\r\n"),
              std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_D6 -to HDMI_TX_CLK\r\n"), std::string::npos);
    CloseForm();
    EXPECT_EQ(Saved(dir.File("default.cfg")).I32(C::nBoardRevision), 0);

    // The next start forces revision C again and clears the hidden box.
    Start();
    CloseForm();
    const SettingsRecord saved = Saved(dir.File("default.cfg"));
    EXPECT_EQ(saved.I32(C::nBoardRevision), 2);
    EXPECT_EQ(saved.U8(C::bSmaADC), 0);
}

TEST_F(Zephal, CtrlGenerateAsksForTheFolderAndGeneratesNothing) {
    Start();
    ChooseText("ComboBoxBBB", "Default");
    seam.SetCtrlHeld(true);
    const std::string folder = dir.Folder() + "CodeGenerated/ZEPHAL/ZEPHAL/";
    seam.AnswerFile(folder + "ZEPHAL.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.BeepCount(), 1);
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(Get<QComboBox>("ComboBoxBBB")->currentIndex(), 1);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "ZEPHAL");
}

TEST_F(Zephal, SettingsRoundTripThroughTheDialogs) {
    Start();
    ChooseText("ComboBoxBBB", "BBB Mode 7");
    Type("EditPrefixBBB", "B_");
    Tick("CheckBoxMIPI", true);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    const SettingsRecord saved = Saved(file);
    EXPECT_EQ(saved.U8(C::nBbbMode), 3);
    EXPECT_EQ(saved.U8(C::bMIPI), 1);
    Choose("ComboBoxBBB", 0);
    Tick("CheckBoxMIPI", false);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBBB")->currentText(), "BBB Mode 7");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixBBB")->text(), "B_");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxMIPI")->isChecked());
    EXPECT_TRUE(Shown("ShapeMIPI"));
}

TEST_F(Zephal, Screenshot) {
    Start();
    ChooseText("ComboBoxBBB", "BBB Mode 7");
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-zephal");
    EXPECT_EQ(shot.size(), QSize(794, 517));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
}

TEST(ZephalPins, TheHeaderModes) {
    SettingsRecord r = Defaults();
    EXPECT_EQ(FindConnector(*Model(r), "BBB Conector"), nullptr);
    const struct {
        uint8_t mode;
        int pins;
        const char* first;
        const char* last;
    } cases[] = {
        {1, 69, "GPIO0_D[0]", "GPIO1_D[22]"}, {2, 32, "BLE_DIO6", "BLE_DIO15"},
        {3, 69, "gpio1[6]", "gpio0[7]"},      {4, 69, "gpio1[6]", "gpio0[7]"},
        {255, 69, "gpio1[6]", "gpio0[7]"},
    };
    for (const auto& c : cases) {
        r.SetU8(C::nBbbMode, c.mode);
        auto board = Model(r);
        const TConnector* bbb = board->GetConnector(board->GetConnectorCount() - 1);
        EXPECT_EQ(bbb->GetName(), "BBB Conector");
        EXPECT_EQ(bbb->PinCount(), c.pins) << int(c.mode);
        EXPECT_EQ(bbb->GetPin(0)->GetName(), c.first) << int(c.mode);
        EXPECT_EQ(bbb->GetPin(c.pins - 3)->GetName(), c.last) << int(c.mode);
        EXPECT_EQ(bbb->GetPin(c.pins - 2)->GetName(), "BBB_PWR_BUT");
        EXPECT_EQ(bbb->GetPin(c.pins - 1)->GetName(), "BBB_SYS_RESET_n");
    }
    // Positions without an FPGA pin never become pins: P8's third position is the first.
    r.SetU8(C::nBbbMode, 1);
    EXPECT_EQ(FindConnector(*Model(r), "BBB Conector")->GetPin(0)->GetLocation(), "W18");
}

TEST(ZephalPins, TheRevisionsDifferWhereTheirTableSays) {
    SettingsRecord r = Defaults();
    r.SetU8(C::bDDR3, 1);
    std::unique_ptr<TMainBoard> rev[3];
    for (int32_t i = 0; i < 3; ++i) {
        r.SetI32(C::nBoardRevision, i);
        rev[i] = Model(r);
    }
    EXPECT_EQ(Differences(*rev[0], *rev[1]), std::vector<std::string>{"HDMI_TX_CLK"});
    EXPECT_EQ(Differences(*rev[1], *rev[2]),
              (std::vector<std::string>{"DDR3_A[3]", "DDR3_BA[0]", "DDR3_CS_n", "DDR3_ODT", "GSENSOR_PD",
                                        "GSENSOR_ST", "G_SENSOR_CS_n", "G_SENSOR_INT1", "G_SENSOR_INT2",
                                        "G_SENSOR_SCLK", "G_SENSOR_SDI", "G_SENSOR_SDO"}));
    EXPECT_EQ(Pins(*rev[2]).at("DDR3_A[3]"), "C20|" + std::to_string(IOSTD_SSTL_15_I));
    EXPECT_EQ(FindConnector(*rev[1], "G-Sensor")->ActivePinCount(), 2);
    // Any value beyond 1 counts as revision C.
    r.SetI32(C::nBoardRevision, 9);
    EXPECT_TRUE(Differences(*rev[2], *Model(r)).empty());
    // The DDR3 strobes' negative pins have no location in any revision.
    for (const auto& board : rev) {
        EXPECT_EQ(Pins(*board).at("DDR3_DQS_n[0]"), "|" + std::to_string(IOSTD_DIFF_1V5_SSTL_I));
        EXPECT_EQ(Pins(*board).at("DDR3_DQS_n[1]"), "|" + std::to_string(IOSTD_DIFF_1V5_SSTL_I));
    }
}

TEST(ZephalPins, ARecordOfAnotherBoardIsABrokenRule) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Defaults();
    r.SetU8(C::BoardId, 28);
    TMainBoard b;
    EXPECT_EQ(platform::testing::AssertionOf([&] { ConfigZephalPins(&b, r); }),
              "Assertion failed: Config.BoardId == MAINBOARD_ZEPHAL, file CONFIG_ZEPHAL, line 24");
    EXPECT_EQ(b.GetBoardId(), 28);
}
