// Board 14, Norrik: its form, record, PCIe choices and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/kit/Generate.h"
#include "boards/second/norrik/CONFIG_NORRIK.h"
#include "boards/second/norrik/NorrikRules.h"
#include "boards/second/norrik/NorrikText.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

#include <algorithm>
#include <cstring>

using platform::testing::AssertionOf;
using testsupport::ReadFile;
using C = NORRIK_CONFIG;

namespace {

class Norrik : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_NORRIK); }
    std::string Qsf(const std::string& folder) { return ReadFile(folder + "NORRIK.qsf"); }
};

SettingsRecord Bare() {
    return BareRecord(14, 424);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigNorrikPins, r);
}

const std::string kPcie =
    "Information|===== PCIe  Transceiver Pinwright warning =====\r\n"
    "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
    "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
    "Transceiver IP to your design.\r\n";
const std::string kShared = "Data and Address bus shared by Flash & SSRAM";

} // namespace

TEST_F(Norrik, FirstStartShowsTheDefaultsAndClosingSavesThem) {
    Start();
    EXPECT_EQ(platform::FromQt(Get<QLineEdit>("EditProjectName")->text()), "NORRIK");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 20);
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), !box->objectName().startsWith("CheckBoxPCIe"))
            << box->objectName().toStdString();
    EXPECT_FALSE(Shown("ShapePCIeHardIP"));
    EXPECT_TRUE(Shown("ShapeLEDG8"));
    Tick("CheckBoxLED", false);
    EXPECT_FALSE(Shown("ShapeLED"));
    EXPECT_TRUE(Shown("ShapeLEDG8")); // tied to no control
    Tick("CheckBoxLED", true);
    for (const char* combo : {"ComboBoxGpio", "ComboBoxHSMC"})
        EXPECT_EQ(Get<QComboBox>(combo)->currentText(), "None") << combo;
    EXPECT_EQ(Form().findChild<QPushButton*>(QString::fromLatin1("ButtonDefaultSetting")), nullptr);

    std::string expected(424, '\0');
    expected[0] = 14;
    expected[4] = static_cast<char>(424 & 0xFF);
    expected[5] = static_cast<char>(424 >> 8);
    expected.replace(8, 6, "NORRIK");
    for (std::size_t offset = 136; offset <= 153; ++offset)
        expected[offset] = 1; // every flag but the two PCIe flags at 154 and 155
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), expected);
}

TEST_F(Norrik, TheDefaultProjectEndsWithTheFanAndHasTheSharedBusFromAddressOne) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kGenerateSuccess + folder});
    const std::string qsf = Qsf(folder);
    for (const char* line : {"set_global_assignment -name FAMILY \"Cyclone IV GX\"\r\n",
                             "set_global_assignment -name DEVICE EP4CGX150DF31C7\r\n",
                             "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 896\r\n",
                             "set_location_assignment PIN_AB22 -to FS_ADDR[1]\r\n",
                             "set_location_assignment PIN_AB16 -to FS_ADDR[26]\r\n",
                             "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to FS_DQ[3]\r\n",
                             "set_location_assignment PIN_AF28 -to FAN_CTRL\r\n",
                             "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to CLOCK3_50\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_EQ(qsf.find("IO_STANDARD \"3.3-V LVTTL\" -to FS_ADDR[0]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("set_location_assignment PIN_ -to"), std::string::npos);
    const std::string v = ReadFile(folder + "NORRIK.v");
    EXPECT_NE(
        v.find("\r\n\t//////////// FAN Control //////////\r\nassign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n"),
        std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "NORRIK.v", output)) << output;
}

TEST_F(Norrik, ThePcieNoteComesBeforeTheSuccessBox) {
    struct Case {
        bool hard;
        bool soft;
    };
    Start();
    for (const Case& c : {Case{true, false}, Case{false, true}, Case{true, true}, Case{false, false}}) {
        seam.ClearRecords();
        Tick("CheckBoxPCIeHardIP", c.hard);
        Tick("CheckBoxPCIeSoftIP", c.soft);
        EXPECT_EQ(Shown("ShapePCIeHardIP"), c.hard);
        EXPECT_EQ(Shown("ShapePCIeSoftIP"), c.soft);
        const std::string folder = Generate();
        std::vector<std::string> expected;
        if (c.hard || c.soft)
            expected.push_back(kPcie);
        expected.push_back(kGenerateSuccess + folder);
        EXPECT_EQ(BoxTexts(), expected) << c.hard << c.soft;
        std::string output;
        EXPECT_TRUE(testsupport::IverilogAccepts(folder + "NORRIK.v", output)) << output;
    }
}

TEST_F(Norrik, EveryEmptyHsmcPrefixBecomesHsmcInTheProject) {
    Start();
    // A card other than the generic one: its names take the prefix too.
    const std::vector<std::string> cards = Items("ComboBoxHSMC");
    const auto other = std::find_if(cards.begin() + 1, cards.end(),
                                    [](const std::string& card) { return card != "HSMC Default"; });
    ASSERT_NE(other, cards.end());
    Choose("ComboBoxHSMC", static_cast<int>(other - cards.begin()));
    const std::string folder = Generate();
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{kGenerateSuccess + folder});
    EXPECT_NE(Qsf(folder).find(" -to HSMC_"), std::string::npos) << *other;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "NORRIK.v", output)) << output;
    CloseForm();
    SettingsRecord saved = NorrikLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(dir.File("default.cfg"), saved.data(), saved.size()));
    EXPECT_EQ(saved.Text(C::szHSMCPrefixName), "");
}

TEST_F(Norrik, ALoadedFileKeepsTheBytesNoControlCoversAndRestoresItsCards) {
    SettingsRecord r = NorrikLogic().NewRecord();
    NorrikLogic().SetDefaultConfig(r);
    r.SetI32(C::nHSMCOption, 1);
    r.SetU8(C::nHSMCOption - 1, 0x5A); // a reserved byte
    r.SetU8(C::nGpioDaughterId, DAUGHTER_GPIO_DEFAULT);
    r.SetText(C::szGpioPrefixName, "G_");
    r.SetU8(C::bSSRAM, 0);
    const std::string file = dir.File("other.cfg");
    testsupport::WriteFile(file, std::string(reinterpret_cast<const char*>(r.data()), r.size()));

    Start();
    ChooseText("ComboBoxGpio", BoardName(DAUGHTER_KAMREL).c_str());
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "G_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSSRAM")->isChecked());
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    EXPECT_TRUE(Get<QComboBox>("ComboBoxHSMC")->isEnabled());

    Tick("CheckBoxSSRAM", true);
    const std::string saved = dir.File("saved.cfg");
    seam.AnswerFile(saved);
    Click("ButtonSave");
    r.SetU8(C::bSSRAM, 1);
    EXPECT_EQ(ReadFile(saved), std::string(reinterpret_cast<const char*>(r.data()), r.size()));
}

TEST_F(Norrik, AnUnlistedCardGoesBackToTheRememberedPosition) {
    Start();
    ChooseText("ComboBoxGpio", "GPIO Default");
    ChooseText("ComboBoxHSMC", "HSMC Default");
    // Ids neither list offers: the GPIO combo keeps the user's choice, which it remembers;
    // the HSMC combo goes back to the position remembered at the last load.
    SettingsRecord r = NorrikLogic().NewRecord();
    NorrikLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId, DAUGHTER_HSMC_DEFAULT);
    r.SetU8(C::nHSMCDaughterId, DAUGHTER_GPIO_DEFAULT);
    const std::string file = dir.File("unlisted.cfg");
    testsupport::WriteFile(file, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "None");
}

TEST_F(Norrik, ScreenshotWithBothPcieBoxesAndACard) {
    Start();
    Tick("CheckBoxPCIeHardIP", true);
    Tick("CheckBoxPCIeSoftIP", true);
    ChooseText("ComboBoxHSMC", "HSMC Default");
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-norrik-pcie");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_TRUE(Shown("ShapeHSMC"));
}

TEST(NorrikPins, TheRecordIsCopiedThenItsHeadChecked) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Bare();
    r.SetU8(C::bFlash, 1);
    r.SetText(C::szHSMCPrefixName, "P_");
    r.SetU8(C::BoardId, 13);
    TMainBoard b;
    EXPECT_EQ(AssertionOf([&] { ConfigNorrikPins(&b, r); }),
              "Assertion failed: Config.BoardId == MAINBOARD_NORRIK, file CONFIG_Norrik, line 35");
    EXPECT_EQ(std::memcmp(RecordOf<NorrikText>(b).data(), r.data(), 424), 0);
    r.SetU8(C::BoardId, 14);
    r.SetI32(C::Size, 412);
    EXPECT_EQ(AssertionOf([&] { ConfigNorrikPins(&b, r); }),
              "Assertion failed: Config.Size == sizeof(NORRIK_CONFIG), file CONFIG_Norrik, line 36");
}

TEST(NorrikPins, TheGroupsFollowTheFlagsAndTheFanIsAlwaysLast) {
    struct Case {
        std::vector<std::size_t> flags;
        uint8_t hsmcCard;
        std::vector<std::string> connectors;
    };
    const Case cases[] = {
        {{}, 0, {"Fan Control"}},
        {{C::bSSRAM}, 0, {"SSRAM", kShared, "Fan Control"}},
        {{C::bFlash}, 0, {"Flash", kShared, "Fan Control"}},
        {{C::bFlash, C::bSSRAM}, 0, {"SSRAM", "Flash", kShared, "Fan Control"}},
        {{C::bAccelerometer, C::bPCIeSoftIP},
         DAUGHTER_HSMC_DEFAULT,
         {"PCIe", "G-Sensor", "HSMC", "Fan Control"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        for (std::size_t flag : c.flags)
            r.SetU8(flag, 1);
        r.SetU8(C::nHSMCDaughterId, c.hsmcCard);
        const auto b = Model(r);
        EXPECT_EQ(ConnectorNames(*b), c.connectors);
        EXPECT_EQ(b->GetBoardId(), 14);
        EXPECT_EQ(std::memcmp(RecordOf<NorrikText>(*b).data(), r.data(), 424), 0);
    }
    SettingsRecord r = Bare();
    r.SetU8(C::bFlash, 1);
    const auto model = Model(r);
    const TConnector* bus = FindConnector(*model, kShared);
    ASSERT_NE(bus, nullptr);
    ASSERT_EQ(bus->PinCount(), 26 + 32);
    EXPECT_EQ(bus->GetPin(0)->GetName(), "FS_ADDR[1]");
    EXPECT_EQ(bus->GetPin(0)->GetLocation(), "AB22");
    EXPECT_EQ(bus->GetPin(25)->GetName(), "FS_ADDR[26]");
    EXPECT_EQ(bus->GetPin(25)->GetLocation(), "AB16");
    EXPECT_EQ(bus->GetPin(26)->GetName(), "FS_DQ[0]");
    EXPECT_EQ(bus->GetPin(57)->GetLocation(), "AJ9");
}

TEST(NorrikPins, PcieClocksAndTheHsmcClockInput) {
    struct Case {
        bool hard;
        bool soft;
        int pins;
    };
    for (const Case& c : {Case{false, true, 3}, Case{true, false, 7}, Case{true, true, 7}}) {
        SettingsRecord r = Bare();
        r.SetU8(C::bPCIeHardIP, c.hard ? 1 : 0);
        r.SetU8(C::bPCIeSoftIP, c.soft ? 1 : 0);
        const auto b = Model(r);
        const TConnector* pcie = FindConnector(*b, "PCIe");
        ASSERT_NE(pcie, nullptr);
        EXPECT_EQ(pcie->PinCount(), c.pins) << c.hard << c.soft;
        EXPECT_EQ(pcie->GetPin(0)->GetIoStandard(), IOSTD_HCSL);
        if (c.pins == 7) {
            EXPECT_EQ(pcie->GetPin(6)->GetName(), "PCIE_RX_P[1]");
            EXPECT_EQ(pcie->GetPin(6)->GetIoStandard(), IOSTD_1V5_PCML);
        }
    }

    SettingsRecord r = Bare();
    r.SetU8(C::bOSC, 1);
    r.SetU8(C::nHSMCDaughterId, DAUGHTER_HSMC_DEFAULT);
    r.SetText(C::szHSMCPrefixName, "HSMC_");
    TMainBoard b;
    std::unique_ptr<TConfigBoard> settings;
    ASSERT_TRUE(kit::BuildBoard(NorrikLogic(), r, b, settings));
    struct Clock {
        const char* note;
        uint8_t standard;
    };
    const Clock clocks[] = {{"BANK 4", IOSTD_3V3_LVTTL}, {"BANK 7", IOSTD_3V3_LVTTL}, {"BANK 3A", IOSTD_2V5}};
    const TConnector* clock = b.GetConnector(0);
    ASSERT_EQ(clock->PinCount(), 3);
    for (int k = 0; k < 3; ++k) {
        const TPin* p = clock->GetPin(k);
        EXPECT_EQ(p->GetIsClock(), 1);
        EXPECT_EQ(p->GetPeriod(), 20);
        EXPECT_EQ(p->GetFrequencyText(), "");
        EXPECT_EQ(p->GetNote(), clocks[k].note);
        EXPECT_EQ(p->GetIoStandard(), clocks[k].standard);
    }
    const TConnector* hsmc = b.FindMasterConnector(MASTER_HSMC_A);
    ASSERT_NE(hsmc, nullptr);
    ASSERT_EQ(hsmc->PinCount(), 160);
    for (int position : {1, 32, 35, 38, 45, 46, 159, 160})
        EXPECT_EQ(hsmc->GetPin(position - 1), nullptr) << position;
    EXPECT_EQ(hsmc->GetPin(32)->GetLocation(), "AD25");
    const TPin* clockIn = hsmc->GetPin(39);
    EXPECT_EQ(clockIn->GetLocation(), "K15");
    EXPECT_EQ(clockIn->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(clockIn->GetIoStandard(), IOSTD_2V5);
    EXPECT_NE(clockIn->GetName(), "");
    EXPECT_EQ(hsmc->GetPin(157)->GetLocation(), "T30");
}
