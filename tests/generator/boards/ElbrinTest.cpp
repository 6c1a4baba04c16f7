// Board 5, Elbrin: its form, record, bank voltages and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/kit/Generate.h"
#include "boards/second/elbrin/CONFIG_ELBRIN.h"
#include "boards/second/elbrin/ElbrinRules.h"
#include "boards/second/elbrin/UI_Elbrin.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

using platform::testing::AssertionOf;
using testsupport::ReadFile;
using C = ELBRIN_CONFIG;

namespace {

class Elbrin : public BoardFormFixture {
protected:
    TFormElbrin* Start() { return Open<TFormElbrin>(); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
    std::string Qsf(const std::string& folder) { return ReadFile(folder + "ELBRIN.qsf"); }
};

SettingsRecord Bare() {
    SettingsRecord r = BareRecord(5, 432);
    r.SetI32(C::nHSMCVoltage, 1);
    return r;
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigElbrinPins, r);
}

const std::string kDamage =
    "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of "
    "voltage level.";
const std::string kJp6 =
    "You have changed the default voltage level of GPIO expansion header. \nPlease remember "
    "to change the shunt position on JP6 accordingly." +
    kDamage;
const std::string kJp7 = "You have changed the default voltage level of HSMC interface. \nPlease remember to "
                         "change the shunt position on JP7 accordingly." +
                         kDamage;
const std::string kJp6Jp7 = "You have changed the default voltage level of GPIO and HSMC interface. \nPlease "
                            "remember to change the shunt position on JP6 and JP7 accordingly." +
                            kDamage;

} // namespace

TEST_F(Elbrin, Defaults) {
    Start();
    EXPECT_EQ(platform::FromQt(Get<QLineEdit>("EditProjectName")->text()), "ELBRIN");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 22);
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(Items("ComboBoxHsmcVol"),
              (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Items("ComboBoxGpioVol"),
              (std::vector<std::string>{"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpioVol")->currentIndex(), 0);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    for (const char* mark :
         {"ShapeHsmc3V3", "ShapeHsmc1V8", "ShapeHsmc1V5", "ShapeGpio2V5", "ShapeGpio1V8", "ShapeGpio1V5"})
        EXPECT_FALSE(Shown(mark)) << mark;
    EXPECT_TRUE(Shown("ShapeHsmc2V5"));
    EXPECT_TRUE(Shown("ShapeGpio3V3"));
    EXPECT_TRUE(Shown("ShapeLEDG8"));

    // The record's bytes as the record's layout places them.
    std::vector<uint8_t> expected(432, 0);
    expected[0] = 5;
    expected[4] = 432 & 0xFF;
    expected[5] = 432 >> 8;
    for (std::size_t i = 0; i < 6; ++i)
        expected[8 + i] = static_cast<uint8_t>("ELBRIN"[i]);
    for (std::size_t offset = 136; offset <= 157; ++offset)
        expected[offset] = 1;
    expected[296] = 1; // HSMC voltage index 1
    SettingsRecord r = Form().Logic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(std::vector<uint8_t>(r.data(), r.data() + r.size()), expected);
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), std::string(expected.begin(), expected.end()));
}

TEST_F(Elbrin, TheDefaultProjectHasItsGlobalStandardAndTheSharedBusAsNamed) {
    Start();
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Information);
    const std::string qsf = Qsf(folder);
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone IV E\"\r\n",
                             "set_global_assignment -name DEVICE EP4CE115F29C7\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 780\r\n",
                             "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7\r\n",
                             "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n",
                             "\r\n# I2C for Audio Tv-Decoder \r\n",
                             "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to KEY[0]\r\n",
                             "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to LEDR[0]\r\n",
                             "set_location_assignment PIN_W3 -to DRAM_DQ[0]\r\n",
                             "set_location_assignment PIN_U1 -to DRAM_DQ[31]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_EQ(qsf.find("-to DRAM_DQ[3]\r\n", qsf.find("PIN_W3")), std::string::npos); // not placed
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "ELBRIN.v", output)) << output;
}

TEST_F(Elbrin, AGpioBankAt1V8TakesTheGenericCardAndWarnsAboutJp6) {
    Start();
    Choose("ComboBoxGpioVol", 2);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 0);
    EXPECT_TRUE(Shown("ShapeGpio1V8"));
    EXPECT_FALSE(Shown("ShapeGpio3V3"));
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].caption, "Information");
    EXPECT_EQ(seam.Boxes()[1].text, kJp6);
    EXPECT_EQ(seam.Boxes()[1].caption, "Warning");
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Warning);
    const std::string qsf = Qsf(folder);
    EXPECT_NE(qsf.find("# GPIO, GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT_1V8) + "\r\n"),
              std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB22 -to "), std::string::npos);
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"1.8 V\" -to CLOCK3_50\r\n"),
              std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "ELBRIN.v", output)) << output;

    CloseForm();
    SettingsRecord saved = ElbrinLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.I32(C::nGpioVoltage), 2);
    EXPECT_EQ(saved.U8(C::nGpioDaughterId), 0);
}

TEST_F(Elbrin, TheGpioChoiceComesBackAt3V3AndAVoltageChangeClearsTheHsmcChoice) {
    Start();
    ChooseText("ComboBoxGpio", BoardName(DAUGHTER_KAMREL).c_str());
    ChooseText("ComboBoxHSMC", "HSMC Default");
    EXPECT_TRUE(Shown("ShapeHSMC"));
    Choose("ComboBoxGpioVol", 3);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_FALSE(Shown("ShapeHSMC"));
    Choose("ComboBoxGpioVol", 0);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), platform::ToQt(BoardName(DAUGHTER_KAMREL)));

    Choose("ComboBoxHsmcVol", 2);
    EXPECT_EQ(Items("ComboBoxHSMC"), (std::vector<std::string>{"None", "Brissel - HSMC to PIO Adaptor"}));
    EXPECT_TRUE(Shown("ShapeHsmc1V8"));
}

TEST_F(Elbrin, TheWarningAfterGenerateNamesTheBanksAwayFromTheirDefaults) {
    struct Case {
        int gpio;
        int hsmc;
        const std::string* warning;
    };
    const Case cases[] = {{0, 1, nullptr}, {1, 1, &kJp6}, {0, 3, &kJp7}, {3, 0, &kJp6Jp7}};
    Start();
    for (const Case& c : cases) {
        seam.ClearRecords();
        Choose("ComboBoxGpioVol", c.gpio);
        Choose("ComboBoxHsmcVol", c.hsmc);
        Generate();
        ASSERT_EQ(seam.Boxes().size(), c.warning != nullptr ? 2u : 1u) << c.gpio << c.hsmc;
        EXPECT_EQ(seam.Boxes()[0].caption, "Information");
        if (c.warning != nullptr) {
            EXPECT_EQ(seam.Boxes()[1].text, *c.warning);
        }
    }
}

TEST_F(Elbrin, TheGenericHsmcCardTakesTheHsmcPrefixAndTheBankStandard) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    std::string folder = Generate();
    std::string qsf = Qsf(folder);
    EXPECT_NE(qsf.find("# I2C for Audio Tv-Decoder HSMC \r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AD28 -to HSMC_"), std::string::npos);
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"2.5 V\" -to KEY[0]\r\n"),
              std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "ELBRIN.v", output)) << output;

    Type("EditPrefixHSMC", "H1_");
    folder = Generate();
    qsf = Qsf(folder);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AD28 -to H1_"), std::string::npos);
    EXPECT_EQ(qsf.find("-to HSMC_"), std::string::npos);
}

TEST_F(Elbrin, SettingsRoundTripKeepsTheHsmcCardOfItsVoltage) {
    Start();
    Choose("ComboBoxHsmcVol", 0);
    ChooseText("ComboBoxHSMC", "Brissel - HSMC to PIO Adaptor");
    Type("EditPrefixHSMC", "B_");
    ChooseText("ComboBoxGpio", BoardName(DAUGHTER_KAMREL).c_str());
    Tick("CheckBoxEthernet1", false);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(file).size(), 432u);

    Choose("ComboBoxHsmcVol", 1);
    Choose("ComboBoxGpio", 0);
    Tick("CheckBoxEthernet1", true);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 0);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "Brissel - HSMC to PIO Adaptor");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text(), "B_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), platform::ToQt(BoardName(DAUGHTER_KAMREL)));
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxEthernet1")->isChecked());
    EXPECT_TRUE(Shown("ShapeHsmc3V3"));
}

TEST_F(Elbrin, AStoredVoltageOutsideTheListShowsAndSavesTheDefault) {
    SettingsRecord r = ElbrinLogic().NewRecord();
    ElbrinLogic().SetDefaultConfig(r);
    r.SetI32(C::nGpioVoltage, 9);
    r.SetI32(C::nHSMCVoltage, -1);
    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpioVol")->currentIndex(), 0);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    CloseForm();
    SettingsRecord saved = ElbrinLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.I32(C::nGpioVoltage), 0);
    EXPECT_EQ(saved.I32(C::nHSMCVoltage), 1);
}

TEST_F(Elbrin, ScreenshotShowsTheOutlinesWhereTheLayoutPlacesThem) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-elbrin");
    EXPECT_EQ(shot.size(), QSize(794, 645));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_TRUE(Shown("ShapeHSMC"));
}

TEST(ElbrinPins, ARecordOfAnotherBoardOrSizeOrAVoltageOutsideTheListIsABrokenRule) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Bare();
    r.SetU8(C::BoardId, 10);
    TMainBoard b;
    EXPECT_EQ(AssertionOf([&] { ConfigElbrinPins(&b, r); }),
              "Assertion failed: Config.BoardId == MAINBOARD_ELBRIN, file CONFIG_ELBRIN, line 26");
    EXPECT_EQ(b.GetBoardId(), 5);
    r.SetU8(C::BoardId, 5);
    r.SetI32(C::Size, 404);
    EXPECT_EQ(AssertionOf([&] { ConfigElbrinPins(&b, r); }),
              "Assertion failed: Config.Size == sizeof(ELBRIN_CONFIG), file CONFIG_ELBRIN, line 27");
    r.SetI32(C::Size, 432);
    r.SetI32(C::nGpioVoltage, 4);
    EXPECT_EQ(AssertionOf([&] { ConfigElbrinPins(&b, r); }),
              "Assertion failed: 0, file CONFIG_ELBRIN, line 47");
    r.SetI32(C::nGpioVoltage, 0);
    r.SetI32(C::nHSMCVoltage, 4);
    EXPECT_EQ(AssertionOf([&] { ConfigElbrinPins(&b, r); }),
              "Assertion failed: 0, file CONFIG_ELBRIN, line 61");
    r.SetI32(C::nHSMCVoltage, 1);
    const auto empty = Model(r);
    EXPECT_EQ(empty->GetConnectorCount(), 0);
    EXPECT_EQ(empty->GetDevice(), "EP4CE115F29C7");
}

TEST(ElbrinPins, PinsOnTheBanksTakeTheirVoltage) {
    struct Case {
        int gpioVoltage;
        int hsmcVoltage;
        uint8_t hsmcCard;
        const char* pin;
        uint8_t standard;
    };
    const Case cases[] = {
        {0, 1, 0, "KEY[0]", IOSTD_3V3_LVTTL},
        {0, 1, DAUGHTER_HSMC_DEFAULT, "KEY[0]", IOSTD_2V5},
        {0, 1, DAUGHTER_HSMC_DEFAULT, "HEX3[1]", IOSTD_2V5},
        {0, 1, DAUGHTER_HSMC_DEFAULT, "HEX3[2]", IOSTD_3V3_LVTTL},
        {0, 0, 0, "SW[17]", IOSTD_3V3_LVTTL},
        {0, 3, 0, "HEX0[3]", IOSTD_1V5},
        {0, 3, 0, "HEX0[2]", IOSTD_2V5},
        {2, 1, 0, "CLOCK3_50", IOSTD_1V8},
        {2, 1, 0, "CLOCK_50", IOSTD_3V3_LVTTL},
        {2, 1, 0, "SMA_CLKOUT", IOSTD_1V8},
        {2, 1, 0, "HEX3[2]", IOSTD_1V8},
        {2, 1, 0, "HEX7[5]", IOSTD_1V8},
        {2, 1, 0, "HEX7[6]", IOSTD_3V3_LVTTL},
        {2, 1, 0, "LEDR[0]", IOSTD_2V5},
        {2, 1, 0, "LEDG[8]", IOSTD_2V5},
    };
    for (const Case& c : cases) {
        SettingsRecord r = ElbrinLogic().NewRecord();
        ElbrinLogic().SetDefaultConfig(r);
        r.SetI32(C::nGpioVoltage, c.gpioVoltage);
        r.SetI32(C::nHSMCVoltage, c.hsmcVoltage);
        r.SetU8(C::nHSMCDaughterId, c.hsmcCard);
        const auto b = Model(r);
        const TPin* p = FindPin(*b, c.pin);
        ASSERT_NE(p, nullptr) << c.pin;
        EXPECT_EQ(p->GetIoStandard(), c.standard) << c.pin << " " << c.gpioVoltage << c.hsmcVoltage;
    }
}

TEST(ElbrinPins, TheSharedClockAndBusFollowWhatIsTicked) {
    SettingsRecord r = Bare();
    r.SetU8(C::Ethernet(1), 1);
    auto b = Model(r);
    ASSERT_EQ(b->GetConnectorCount(), 1);
    const TConnector* port1 = b->GetConnector(0);
    EXPECT_EQ(port1->GetName(), "Ethernet 1");
    ASSERT_EQ(port1->PinCount(), 23);
    EXPECT_EQ(port1->GetPin(0)->GetName(), "ENETCLK_25");
    EXPECT_EQ(port1->GetPin(1)->GetName(), "ENET1_TX_DATA[0]");
    EXPECT_EQ(port1->GetPin(2)->GetName(), "ENET1_RX_DATA[0]");
    EXPECT_EQ(port1->GetPin(2)->GetLocation(), "B23");
    EXPECT_EQ(port1->GetPin(22)->GetName(), "ENET1_LINK100");
    EXPECT_EQ(port1->GetPin(22)->GetIoStandard(), IOSTD_3V3_LVTTL);

    r.SetU8(C::Ethernet(0), 1);
    b = Model(r);
    EXPECT_EQ(FindConnector(*b, "Ethernet 0")->PinCount(), 23);
    EXPECT_EQ(FindConnector(*b, "Ethernet 1")->PinCount(), 22);

    r = Bare();
    r.SetU8(C::bAudio, 1);
    r.SetU8(C::nHSMCDaughterId, DAUGHTER_HSMC_DEFAULT);
    b = Model(r);
    EXPECT_NE(FindConnector(*b, "I2C for Audio HSMC "), nullptr);
}

TEST(ElbrinPins, TheMastersAndTheHsmcClockInput) {
    SettingsRecord r = Bare();
    r.SetU8(C::nGpioDaughterId, DAUGHTER_GPIO_DEFAULT);
    r.SetU8(C::nHSMCDaughterId, DAUGHTER_HSMC_DEFAULT);
    r.SetText(C::szHSMCPrefixName, "HSMC_");
    r.SetI32(C::nHSMCVoltage, 0);
    TMainBoard b;
    std::unique_ptr<TConfigBoard> settings;
    ASSERT_TRUE(kit::BuildBoard(ElbrinLogic(), r, b, settings));
    const TConnector* gpio = b.FindMasterConnector(MASTER_GPIO_0);
    ASSERT_NE(gpio, nullptr);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetCaption(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->PinCount(), 40);
    EXPECT_EQ(gpio->GetPin(9)->GetLocation(), "AE15");
    EXPECT_EQ(gpio->GetPin(12)->GetLocation(), "");
    const TConnector* hsmc = b.FindMasterConnector(MASTER_HSMC_A);
    ASSERT_NE(hsmc, nullptr);
    EXPECT_EQ(hsmc->GetCaption(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->PinCount(), 160);
    for (int position : {1, 38, 45, 46, 159, 160})
        EXPECT_EQ(hsmc->GetPin(position - 1), nullptr) << position;
    const TPin* clockIn = hsmc->GetPin(39);
    EXPECT_EQ(clockIn->GetLocation(), "AH15");
    EXPECT_EQ(clockIn->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(clockIn->GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(hsmc->GetPin(46)->GetLocation(), "D27");
}
