// Board 13, Mirvo: its form, record and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/second/mirvo/CONFIG_MIRVO.h"
#include "boards/second/mirvo/MirvoRules.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

using testsupport::ReadFile;
using C = MIRVO_CONFIG;

namespace {

class Mirvo : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_MIRVO); }
    std::string Qsf(const std::string& folder) { return ReadFile(folder + "MIRVO.qsf"); }
};

SettingsRecord Bare() {
    return BareRecord(13, 412);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigMirvoPins, r);
}

} // namespace

TEST_F(Mirvo, FirstStartShowsTheDefaultsAndClosingSavesThem) {
    Start();
    EXPECT_EQ(platform::FromQt(Get<QLineEdit>("EditProjectName")->text()), "MIRVO");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 17);
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxLCD") << box->objectName().toStdString();
    EXPECT_FALSE(Shown("ShapeLCD"));
    for (const char* combo : {"ComboBoxGpio", "ComboBoxHSMC"})
        EXPECT_EQ(Get<QComboBox>(combo)->currentText(), "None") << combo;
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio")->text().isEmpty());
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC")->text().isEmpty());

    std::string expected(412, '\0');
    expected[0] = 13;
    expected[4] = static_cast<char>(412 & 0xFF);
    expected[5] = static_cast<char>(412 >> 8);
    expected.replace(8, 5, "MIRVO");
    for (std::size_t offset = 136; offset <= 151; ++offset)
        expected[offset] = 1; // every flag but the LCD's at 152
    SettingsRecord r = MirvoLogic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.data()), r.size()), expected);
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), expected);
}

TEST_F(Mirvo, TheDefaultProjectHasTheSlowClockAndTheUnplacedColourPins) {
    Start();
    // The board data places HEX0_DP and FL_DQ[7] both at AF12: such a project is refused.
    Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|Location PIN_AF12 is used by both HEX0_DP and FL_DQ[7].",
                                        "Error|Failed to generate Quartus project: MIRVO.qpf."}));
    seam.ClearRecords();
    Tick("CheckBoxFlash", false);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kGenerateSuccess + folder});
    const std::string qsf = Qsf(folder);
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone IV E\"\r\n",
                             "set_global_assignment -name DEVICE EP4CE40F29C7\r\n",
                             "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7\r\n",
                             "set_location_assignment PIN_AG15 -to CLOCK_27\r\n",
                             "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to VGA_R[0]\r\n",
                             "set_location_assignment PIN_E12 -to VGA_R[2]\r\n",
                             "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to NET_CLK_25\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_EQ(qsf.find("DEVICE_FILTER_PIN_COUNT"), std::string::npos);
    EXPECT_EQ(qsf.find("set_location_assignment PIN_ -to"), std::string::npos);
    // The standard line is the pin's only line: no location.
    EXPECT_EQ(qsf.find(" -to VGA_R[0]\r\n"), qsf.rfind(" -to VGA_R[0]\r\n"));
    const std::string sdc = ReadFile(folder + "MIRVO.sdc");
    for (const char* line : {"create_clock -period 20.000ns [get_ports CLOCK_50]\r\n",
                             "create_clock -period 20.000ns [get_ports CLOCK2_50]\r\n",
                             "create_clock -period 37.000ns [get_ports CLOCK_27]\r\n"})
        EXPECT_NE(sdc.find(line), std::string::npos) << line;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "MIRVO.v", output)) << output;
}

TEST_F(Mirvo, TheGenericHsmcCardTakesHsmcForAnEmptyPrefixOnlyInTheProject) {
    struct Case {
        const char* prefix;
        const char* firstName; // at position 39, AD28
    };
    const Case cases[] = {{"", "HSMC_"}, {"H1_", "H1_"}};
    Start();
    Tick("CheckBoxFlash", false); // its FL_DQ[7] shares AF12 with HEX0_DP
    ChooseText("ComboBoxHSMC", "HSMC Default");
    for (const Case& c : cases) {
        Type("EditPrefixHSMC", c.prefix);
        const std::string folder = Generate();
        const std::string qsf = Qsf(folder);
        EXPECT_NE(qsf.find(std::string("set_location_assignment PIN_AD28 -to ") + c.firstName),
                  std::string::npos)
            << c.prefix;
        std::string output;
        EXPECT_TRUE(testsupport::IverilogAccepts(folder + "MIRVO.v", output)) << output;
    }
    // The GPIO card gets no default prefix, and the stored record keeps an empty one.
    ChooseText("ComboBoxGpio", "GPIO Default");
    Type("EditPrefixHSMC", "");
    seam.ClearRecords();
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kGenerateSuccess + folder});
    EXPECT_NE(Qsf(folder).find("set_location_assignment PIN_AB22 -to "), std::string::npos);
    CloseForm();
    SettingsRecord saved = MirvoLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.U8(C::nHSMCDaughterId), DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(saved.Text(C::szHSMCPrefixName), "");
    EXPECT_EQ(saved.U8(C::nGpioDaughterId), DAUGHTER_GPIO_DEFAULT);
}

TEST_F(Mirvo, SettingsRoundTripAndAnUnlistedCardKeepsTheCombo) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    Type("EditPrefixHSMC", "B_");
    ChooseText("ComboBoxGpio", "GPIO Default");
    Type("EditPrefixGpio", "G_");
    Tick("CheckBoxVGA", false);
    Tick("CheckBoxLCD", true);
    Type("EditProjectName", "round");
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    ASSERT_EQ(ReadFile(file).size(), 412u);

    Click("ButtonDefaultSetting");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxVGA")->isChecked());
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "HSMC Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text(), "B_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "G_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxVGA")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLCD")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "round");
    EXPECT_TRUE(Shown("ShapeHSMC"));

    // A GPIO id the list does not offer leaves the combo on its choice, whose prefix is shown.
    SettingsRecord r = MirvoLogic().NewRecord();
    MirvoLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId, DAUGHTER_HSMC_DEFAULT);
    r.SetText(C::szGpioPrefixName, "X_");
    testsupport::WriteFile(file, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "X_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC")->text().isEmpty());

    // A file of another size is refused without a word.
    testsupport::WriteFile(file, std::string(424, '\0'));
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
}

TEST_F(Mirvo, AnEmptyProjectNameIsRefused) {
    Start();
    Type("EditProjectName", "");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error|Project Name cannot be empty."});
}

TEST_F(Mirvo, ScreenshotWithBothCardsChosen) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    ChooseText("ComboBoxGpio", "GPIO Default");
    Tick("CheckBoxLCD", true);
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-mirvo-cards");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_TRUE(Shown("ShapeLCD"));
}

TEST(MirvoPins, TheGroupsFollowTheFlagsInTheirOrder) {
    struct Case {
        std::vector<std::size_t> flags;
        std::vector<std::string> connectors;
    };
    const Case cases[] = {
        {{}, {}},
        {{C::bAudio}, {"Audio", "I2C for Audio"}},
        {{C::bAudio, C::bEEPROM}, {"Audio", "I2C for EEPROM", "I2C for Audio"}},
        {{C::bLCD, C::bOSC, C::bPS2}, {"CLOCK", "PS2 for Keyboard and Mouse", "LCD"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        for (std::size_t flag : c.flags)
            r.SetU8(flag, 1);
        const auto b = Model(r);
        EXPECT_EQ(ConnectorNames(*b), c.connectors);
        EXPECT_EQ(b->GetDevice(), "EP4CE40F29C7");
        EXPECT_EQ(b->GetBoardId(), 13);
    }
}

TEST(MirvoPins, ClocksEthernetAndColourBuses) {
    SettingsRecord r = Bare();
    r.SetU8(C::bOSC, 1);
    r.SetU8(C::bEthernet, 1);
    r.SetU8(C::bVGA, 1);
    const auto b = Model(r);
    struct Clock {
        const char* name;
        int period;
    };
    for (const Clock& c : {Clock{"CLOCK_50", 20}, Clock{"CLOCK2_50", 20}, Clock{"CLOCK_27", 37}}) {
        const TPin* p = FindPin(*b, c.name);
        ASSERT_NE(p, nullptr) << c.name;
        EXPECT_EQ(p->GetIsClock(), 1) << c.name;
        EXPECT_EQ(p->GetPeriod(), c.period) << c.name;
        EXPECT_EQ(p->GetFrequencyText(), "") << c.name;
    }
    const std::vector<std::string> ethernet = SlotNames(*b->GetConnector(2));
    ASSERT_EQ(ethernet.size(), 23u);
    EXPECT_EQ(std::vector<std::string>(ethernet.begin(), ethernet.begin() + 5),
              (std::vector<std::string>{"NET_CLK_25", "NET_TX_DATA[0]", "NET_RX_DATA[0]", "NET_TX_DATA[1]",
                                        "NET_RX_DATA[1]"}));
    EXPECT_EQ(ethernet[9], "NET_GTX_CLK");
    for (const char* name : {"VGA_R[0]", "VGA_R[1]", "VGA_G[0]", "VGA_G[1]", "VGA_B[0]", "VGA_B[1]"}) {
        const TPin* p = FindPin(*b, name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->GetLocation(), "") << name;
        EXPECT_EQ(p->GetIoStandard(), IOSTD_3V3_LVTTL) << name;
    }
    EXPECT_EQ(FindPin(*b, "VGA_B[2]")->GetLocation(), "B10");
}

TEST(MirvoPins, TheExpansionConnectors) {
    SettingsRecord r = Bare();
    r.SetU8(C::nGpioDaughterId, DAUGHTER_GPIO_DEFAULT);
    r.SetU8(C::nHSMCDaughterId, DAUGHTER_HSMC_DEFAULT);
    const auto b = Model(r);
    ASSERT_EQ(b->GetConnectorCount(), 2);
    const TConnector* gpio = b->GetConnector(0);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetCaption(), "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT));
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetMasterId(), 16);
    ASSERT_EQ(gpio->PinCount(), 40);
    EXPECT_EQ(gpio->ActivePinCount(), 36);
    for (int position : {11, 12, 29, 30})
        EXPECT_EQ(gpio->GetPin(position - 1), nullptr) << position;
    EXPECT_EQ(gpio->GetPin(0)->GetLocation(), "AB22");
    EXPECT_EQ(gpio->GetPin(9)->GetLocation(), "AE15");
    EXPECT_EQ(gpio->GetPin(12)->GetLocation(), "");
    EXPECT_EQ(gpio->GetPin(39)->GetLocation(), "AG26");
    EXPECT_EQ(gpio->GetPin(39)->GetIoStandard(), IOSTD_BY_DAUGHTER);

    const TConnector* hsmc = b->GetConnector(1);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetCaption(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->GetMasterId(), 8);
    ASSERT_EQ(hsmc->PinCount(), 160);
    for (int position : {1, 32, 35, 38, 45, 46, 51, 52, 159, 160})
        EXPECT_EQ(hsmc->GetPin(position - 1), nullptr) << position;
    // "AA" and "BB" in the board data name no ball: pins without location.
    for (int position : {33, 34}) {
        ASSERT_NE(hsmc->GetPin(position - 1), nullptr) << position;
        EXPECT_EQ(hsmc->GetPin(position - 1)->GetLocation(), "") << position;
    }
    EXPECT_EQ(hsmc->GetPin(38)->GetLocation(), "AD28");
    EXPECT_EQ(hsmc->GetPin(43)->GetLocation(), "AF27");
    EXPECT_EQ(hsmc->GetPin(46)->GetLocation(), "D27");
    EXPECT_EQ(hsmc->GetPin(157)->GetLocation(), "Y28");
}
