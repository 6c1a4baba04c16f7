// Board 19, Selvik: its form, record, HSMC voltage choice and pin table.
#include "BoardFormFixture.h"
#include "boards/latest/selvik/CONFIG_SELVIK.h"
#include "boards/latest/selvik/SelvikRules.h"
#include "boards/latest/selvik/UI_Selvik.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"

using testsupport::ReadFile;

namespace {

class Selvik : public BoardFormFixture {
protected:
    TFormSelvik* Start() { return Open<TFormSelvik>(); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

} // namespace

TEST_F(Selvik, TheVoltageChoicePicksTheCardListAndTheMark) {
    Start();
    EXPECT_EQ(Items("ComboBoxHsmcVol"),
              (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
    EXPECT_TRUE(Shown("ShapeHsmc2V5"));
    Choose("ComboBoxHSMC", 1);
    EXPECT_TRUE(Shown("ShapeHSMC"));
    Choose("ComboBoxHsmcVol", 2);
    EXPECT_EQ(Items("ComboBoxHSMC"), (std::vector<std::string>{"None", "Brissel - HSMC to PIO Adaptor"}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentIndex(), 0);
    EXPECT_FALSE(Shown("ShapeHSMC"));
    EXPECT_TRUE(Shown("ShapeHsmc1V8"));
    EXPECT_FALSE(Shown("ShapeHsmc2V5"));
}

TEST_F(Selvik, GenerateAwayFromTheDefaultVoltageWarnsAboutJp7AfterTheSuccessBox) {
    Start();
    std::string folder = Generate();
    EXPECT_EQ(seam.Boxes().size(), 1u);
    const std::string qsf = ReadFile(folder + "Selvik.qsf");
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone V\"\r\n",
                             "set_global_assignment -name DEVICE 5CSXFC6D6F31C8ES\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896\r\n",
                             "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 8_H6\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;

    seam.ClearRecords();
    Choose("ComboBoxHsmcVol", 2);
    ChooseText("ComboBoxHSMC", "Brissel - HSMC to PIO Adaptor");
    folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    EXPECT_EQ(
        seam.Boxes()[1].text,
        "You have changed the default voltage level of HSMC interface. \nPlease remember to change the shunt "
        "position on JP7 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper "
        "setting of voltage level.");
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Warning);
    // The card and the header's clock input take the 1.8 V standard.
    EXPECT_NE(ReadFile(folder + "Selvik.qsf").find("\"1.8 V\""), std::string::npos);
}

TEST_F(Selvik, SettingsRoundTripThroughTheDialogs) {
    Start();
    Choose("ComboBoxHsmcVol", 3);
    ChooseText("ComboBoxHSMC", "Brissel - HSMC to PIO Adaptor");
    Type("EditPrefixHSMC", "P15_");
    Tick("CheckBoxTemperature", false);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(testsupport::ReadFile(file).size(), 284u);
    Choose("ComboBoxHsmcVol", 1);
    Tick("CheckBoxTemperature", true);
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 3);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "Brissel - HSMC to PIO Adaptor");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text(), "P15_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxTemperature")->isChecked());
}

TEST_F(Selvik, AStoredVoltageOutsideTheListShowsAndSavesTheDefault) {
    SettingsRecord r = SelvikLogic().NewRecord();
    SelvikLogic().SetDefaultConfig(r);
    r.SetI32(SELVIK_CONFIG::nHsmcVoltage, 7);
    testsupport::WriteFile(dir.File("default.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
    CloseForm();
    SettingsRecord saved = SelvikLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.I32(SELVIK_CONFIG::nHsmcVoltage), 1);
}

TEST(SelvikPins, TheHsmcMasterAndItsClockInput) {
    SettingsRecord r = SelvikLogic().NewRecord();
    r.SetU8(SELVIK_CONFIG::BoardId, 19);
    r.SetI32(SELVIK_CONFIG::Size, 284);
    TMainBoard empty;
    ConfigSelvikPins(&empty, r);
    EXPECT_EQ(empty.GetConnectorCount(), 0);
    r.SetU8(SELVIK_CONFIG::nHsmcDaughterId, DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER);
    r.SetI32(SELVIK_CONFIG::nHsmcVoltage, 2);
    r.SetU8(SELVIK_CONFIG::bAudio, 1);
    TMainBoard b;
    ConfigSelvikPins(&b, r);
    ASSERT_EQ(b.GetConnectorCount(), 3);
    EXPECT_EQ(b.GetConnector(0)->GetName(), "Audio");
    EXPECT_EQ(b.GetConnector(1)->GetName(), "I2C for Audio ");
    const TConnector* hsmc = b.GetConnector(2);
    EXPECT_EQ(hsmc->PinCount(), 160);
    EXPECT_EQ(hsmc->ActivePinCount(), 116);
    EXPECT_EQ(hsmc->GetPin(39)->GetLocation(), "J14");
    EXPECT_EQ(hsmc->GetPin(39)->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(hsmc->GetPin(39)->GetIoStandard(), IOSTD_1V8);
    // Without "CLOCK" no reference clock for the transceiver card.
    r.SetU8(SELVIK_CONFIG::bOSC, 1);
    TMainBoard withClock;
    ConfigSelvikPins(&withClock, r);
    EXPECT_EQ(withClock.GetConnector(0)->GetPin(4)->GetName(), "HSMC_REF_CLK_p");
    EXPECT_EQ(withClock.GetConnector(0)->GetPin(4)->GetPeriod(), 10);
}
