// Board 100, Hestor: a form without default.cfg, HSMC ports A and B with their prefix
// rule, the DDR2 socket, and its pin table.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/hestor/CONFIG_HESTOR.h"
#include "boards/first/hestor/HestorRules.h"
#include "boards/first/hestor/UI_Hestor.h"
#include "boards/kit/BoardHost.h"
#include "boards/kit/Generate.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "support/FormPixels.h"

#include <filesystem>

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;

namespace {

using C = HESTOR_CONFIG;

const std::string kPortRule = "HSMC-A and HSMC-B cannot have the same prefix name when both connect to the "
                              "same type of daughter boards.";

class Hestor : public BoardFormFixture {
protected:
    TFormHestor* Start() { return Open<TFormHestor>(); }
};

SettingsRecord WithPorts(uint8_t a, uint8_t b, const char* prefixA = "", const char* prefixB = "") {
    SettingsRecord r = DefaultsOf(HestorLogic());
    r.SetU8(C::nHSMCDaughterId[C::PORT_A], a);
    r.SetU8(C::nHSMCDaughterId[C::PORT_B], b);
    r.SetText(C::szHSMCPrefixName[C::PORT_A], prefixA);
    r.SetText(C::szHSMCPrefixName[C::PORT_B], prefixB);
    return r;
}

// The defaults as the record table lays them out.
std::string HestorNewRecordText() {
    std::string bytes(404, '\0');
    bytes[0] = 100;
    bytes[4] = static_cast<char>(404 & 0xFF);
    bytes[5] = static_cast<char>(404 >> 8);
    bytes.replace(8, 6, "Hestor");
    for (std::size_t flag : {137, 138, 139, 140, 141, 144}) // LCD, OSC, LED, Button, DIP, Ethernet
        bytes[flag] = 1;
    return bytes;
}

} // namespace

TEST_F(Hestor, EveryStartShowsTheDefaultsAndNothingIsStored) {
    // default.cfg of this size is not read, and the form never writes it.
    SettingsRecord stored = WithPorts(DAUGHTER_HSMC_DEFAULT, 0, "X_");
    stored.SetText(C::ProjectName, "stored");
    const std::string before(reinterpret_cast<const char*>(stored.data()), stored.size());
    testsupport::WriteFile(dir.File("default.cfg"), before);
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Hestor");
    for (const char* box :
         {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxDIP", "CheckBoxLCD", "CheckBoxEthernet"})
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    for (const char* box : {"CheckBoxDDR2", "CheckBoxDDR3", "CheckBoxPciBus"})
        EXPECT_FALSE(Get<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(Get<QComboBox>("ComboBoxPortA")->currentText(), "None");
    EXPECT_EQ(Get<QComboBox>("ComboBoxPortB")->currentText(), "None");
    EXPECT_TRUE(Get<QWidget>("ImagePortA")->isHidden());
    Type("EditProjectName", "changed");
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), before);
    EXPECT_TRUE(seam.Boxes().empty());

    std::filesystem::remove(dir.File("default.cfg"));
    Start();
    seam.AnswerFile(dir.File("saved.cfg"));
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(dir.File("saved.cfg")), HestorNewRecordText());
    CloseForm();
    EXPECT_FALSE(std::filesystem::exists(dir.File("default.cfg")));
}

TEST_F(Hestor, BothPortsOfferTheTwentyFiveHsmcCardsTransceiversIncluded) {
    Start();
    std::vector<std::string> expected;
    for (uint8_t id : {DAUGHTER_NONE,        DAUGHTER_HSMC_DEFAULT,  DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER,
                       DAUGHTER_DVI,         DAUGHTER_NET,           DAUGHTER_PELLUM,
                       DAUGHTER_TURVIN_HSMC, DAUGHTER_GORVAY,        DAUGHTER_BRISSEL_HSMC,
                       DAUGHTER_HSMC_DEBUG,  DAUGHTER_HSMC_LOOPBACK, DAUGHTER_SFP,
                       DAUGHTER_SDI,         DAUGHTER_SATA,          DAUGHTER_FALDON,
                       DAUGHTER_RUVEX,       DAUGHTER_PLINDOR,       DAUGHTER_HOVRIN,
                       DAUGHTER_HDMI_TX,     DAUGHTER_HDMI_RX,       DAUGHTER_CLR,
                       DAUGHTER_ZIMBOR,      DAUGHTER_HOVRIN2,       DAUGHTER_HSMC_LOOPBACK_XCVR,
                       DAUGHTER_SARVON2})
        expected.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxPortA"), expected);
    EXPECT_EQ(Items("ComboBoxPortB"), expected);
}

TEST_F(Hestor, LoadThatLoadsNothingSaysSo) {
    Start();
    seam.CancelFile();
    Click("ButtonLoad");
    testsupport::WriteFile(dir.File("other.cfg"), std::string(408, '\0'));
    seam.AnswerFile(dir.File("other.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|Failed to load setting", "Error|Failed to load setting"}));
    EXPECT_EQ(seam.Boxes().front().icon, platform::Icon::Error);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Hestor");
}

TEST_F(Hestor, ItsChangeMainBoardButtonAsksForTheSelector) {
    struct Host final : BoardHost {
        void SetHostCaption(const QString&) override {}
        void CloseHost() override {}
        void PostSelectMainBoard() override { ++asked; }
        int asked = 0;
    } host;
    Start();
    MainHost = &host;
    Click("Button1");
    MainHost = nullptr;
    EXPECT_EQ(host.asked, 1);
}

TEST(HestorRules, ThePortPrefixRuleReplacesEveryOtherMessage) {
    platform::testing::ScriptedPlatform seam;
    struct Case {
        uint8_t a, b;
        const char* prefixA;
        const char* prefixB;
        const char* project;
        std::string message;
    };
    const Case cases[] = {
        {DAUGHTER_HSMC_DEFAULT, DAUGHTER_HSMC_DEFAULT, "", "", "Hestor", kPortRule},
        {DAUGHTER_DVI, DAUGHTER_DVI, "V_", "V_", "Hestor", kPortRule},
        {DAUGHTER_DVI, DAUGHTER_DVI, "V_", "W_", "Hestor", ""},
        {DAUGHTER_DVI, DAUGHTER_NET, "", "", "Hestor", ""},
        {0, 0, "", "", "Hestor", ""},
        {DAUGHTER_DVI, DAUGHTER_DVI, "", "", "", kPortRule},
        {DAUGHTER_DVI, 0, "", "", "", "Project Name cannot be empty."},
    };
    for (const Case& c : cases) {
        SettingsRecord r = WithPorts(c.a, c.b, c.prefixA, c.prefixB);
        r.SetText(C::ProjectName, c.project);
        EXPECT_EQ(HestorLogic().Validate(r), c.message) << int(c.a) << " " << int(c.b) << " " << c.project;
    }
}

TEST_F(Hestor, ClashingPortsAreRefusedInAnErrorBox) {
    Start();
    ChooseText("ComboBoxPortA", "HSMC Default");
    ChooseText("ComboBoxPortB", "HSMC Default");
    EXPECT_FALSE(Get<QWidget>("ImagePortB")->isHidden());
    Type("EditProjectName", "");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|" + kPortRule}));
    EXPECT_TRUE(seam.FileDialogs().empty());

    // Different prefixes: both ports are attached.
    seam.ClearRecords();
    Type("EditProjectName", "ports");
    Type("EditPrefixPortB", "B_");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "ports.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_P10 -to "), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AG30 -to B_"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "ports.v", output)) << output;

    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board100-ports");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form(), 3));
}

TEST_F(Hestor, DdrTwoGeneratesWithTheModuleOnTheSocket) {
    Start();
    Tick("CheckBoxDDR2", true);
    Tick("CheckBoxPciBus", true);
    Tick("CheckBoxDDR3", true);
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Hestor.qsf");
    for (const char* line :
         {"set_global_assignment -name FAMILY \"Arria II GX\"\r\n",
          "set_global_assignment -name DEVICE EP2AGX125EF35C4ES\r\n",
          "set_location_assignment PIN_B7 -to mem_", "set_location_assignment PIN_AH25 -to mem_",
          "set_location_assignment PIN_AN33 -to PCIE_RX_p[0]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_NE(ReadFile(folder + "Hestor.sdc").find("create_clock -period 6.000ns [get_ports CLK_155_P]\r\n"),
              std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Hestor.v", output)) << output;
}

TEST(HestorPins, GroupsAndThePortBExtras) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = DefaultsOf(HestorLogic());
    r.SetU8(C::bPciBus, 1);
    auto board = PinsOf(HestorLogic(), r);
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED", "BUTTON and CPU Reset", "DIP", "LCD", "PCIe x 8"}));
    EXPECT_EQ(board->GetDevicePinCount(), 1152);
    EXPECT_EQ(board->GetSpeedGrade(), 4);
    EXPECT_EQ(FindConnector(*board, "CLOCK")->PinCount(), 6);
    EXPECT_EQ(FindConnector(*board, "LED")->PinCount(), 6);
    const TConnector* pcie = FindConnector(*board, "PCIe x 8");
    ASSERT_EQ(pcie->PinCount(), 25);
    EXPECT_EQ(pcie->GetPin(0)->GetName(), "PCIE_RX_p[0]");
    EXPECT_EQ(pcie->GetPin(1)->GetName(), "PCIE_TX_p[0]");
    EXPECT_EQ(pcie->GetPin(15)->GetLocation(), "V31");
    EXPECT_EQ(pcie->GetPin(16)->GetName(), "PCIE_REFCLK_p");
    int clocks = 0;
    for (int i = 0; i < FindConnector(*board, "CLOCK")->PinCount(); ++i)
        clocks += FindConnector(*board, "CLOCK")->GetPin(i)->GetIsClock() ? 1 : 0;
    EXPECT_EQ(clocks, 1);
    EXPECT_EQ(FindPin(*board, "CLK_155_P")->GetPeriod(), 6);
    EXPECT_EQ(FindPin(*board, "USER_PB[1]")->GetIoStandard(), IOSTD_1V8);

    // The table adds the port-B extras; Generate always hands it the byte clear.
    r.SetU8(C::bPortBSignals, 1);
    TMainBoard direct;
    ConfigHestorPins(&direct, r);
    EXPECT_EQ(FindConnector(direct, "CLOCK")->PinCount(), 7);
    EXPECT_EQ(FindConnector(direct, "LED")->PinCount(), 8);
    EXPECT_EQ(FindPin(direct, "HSMB_RX_LED")->GetLocation(), "AE23");
    EXPECT_EQ(FindConnector(*PinsOf(HestorLogic(), r), "LED")->PinCount(), 6);
}

TEST(HestorPins, MastersOfTheSocketAndThePorts) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = WithPorts(0, DAUGHTER_DVI);
    auto onlyB = PinsOf(HestorLogic(), r);
    ASSERT_EQ(FindConnector(*onlyB, "HSMC-A"), nullptr);
    const TConnector* b = FindConnector(*onlyB, "HSMC-B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetMasterId(), 9);
    EXPECT_EQ(b->ActivePinCount(), 99);
    EXPECT_EQ(b->GetCaption(), "HSMC-B connect to " + BoardName(DAUGHTER_DVI));
    EXPECT_EQ(b->GetPin(16)->GetLocation(), "B31");
    EXPECT_EQ(b->GetPin(159)->GetLocation(), "AG28");
    EXPECT_EQ(b->GetPin(150), nullptr);

    r = WithPorts(DAUGHTER_NET, DAUGHTER_DVI);
    r.SetU8(C::bDDR2, 1);
    auto all = PinsOf(HestorLogic(), r);
    const TConnector* a = FindConnector(*all, "HSMC-A");
    EXPECT_EQ(a->GetMasterId(), 8);
    EXPECT_EQ(a->ActivePinCount(), 101);
    EXPECT_EQ(a->GetCaption(), "HSMC-A connect to " + BoardName(DAUGHTER_NET));
    EXPECT_EQ(a->GetPin(157)->GetLocation(), "J10");
    const TConnector* socket = FindConnector(*all, "DDR2 SODIMM");
    ASSERT_NE(socket, nullptr);
    EXPECT_EQ(socket->GetCaption(), "DDR2 SODIMM");
    EXPECT_EQ(socket->GetType(), CONNECTOR_DDR2_SODIMM);
    EXPECT_EQ(socket->GetMasterId(), 1);
    EXPECT_EQ(socket->PinCount(), 200);
    EXPECT_EQ(socket->ActivePinCount(), 112);
    EXPECT_EQ(socket->GetPin(3)->GetLocation(), "B7");
    EXPECT_EQ(socket->GetPin(12)->GetLocation(), "E12");
    EXPECT_EQ(socket->GetPin(193)->GetLocation(), "AH25");
    EXPECT_EQ(ConnectorNames(*all).back(), "HSMC-B");

    TMainBoard model;
    std::unique_ptr<TConfigBoard> settings;
    ASSERT_TRUE(kit::BuildBoard(HestorLogic(), r, model, settings));
    EXPECT_EQ(FindConnector(model, "DDR2 SODIMM")->GetPin(3)->GetName().rfind("mem_", 0), 0u);
}

TEST(HestorPins, RecordsOfAnotherBoardOrSizeStop) {
    platform::testing::ScriptedPlatform seam;
    TMainBoard board;
    SettingsRecord other = DefaultsOf(HestorLogic());
    other.SetU8(C::BoardId, 11);
    EXPECT_EQ(AssertionOf([&] { ConfigHestorPins(&board, other); }),
              "Assertion failed: Config.BoardId == MAINBOARD_HESTOR, file CONFIG_HESTOR, line 20");
    SettingsRecord size = DefaultsOf(HestorLogic());
    size.SetI32(C::Size, 408);
    EXPECT_EQ(AssertionOf([&] { ConfigHestorPins(&board, size); }),
              "Assertion failed: Config.Size == sizeof(HESTOR_CONFIG), file CONFIG_HESTOR, line 21");
}

TEST_F(Hestor, SettingsRoundTrip) {
    Start();
    Type("EditProjectName", "mine");
    Tick("CheckBoxDDR3", true);
    Tick("CheckBoxEthernet", false);
    Tick("CheckBox2", true); // no record byte
    ChooseText("ComboBoxPortA", BoardName(DAUGHTER_SFP).c_str());
    Type("EditPrefixPortA", "SFP_");
    ChooseText("ComboBoxPortB", "HSMC Default");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonSave");
    const std::string saved = ReadFile(dir.File("mine.cfg"));
    ASSERT_EQ(saved.size(), 404u);
    EXPECT_EQ(saved[136], 0);
    EXPECT_EQ(saved[143], 1); // bDDR3
    EXPECT_EQ(saved[144], 0); // bEthernet
    EXPECT_EQ(static_cast<uint8_t>(saved[146]), DAUGHTER_SFP);
    EXPECT_EQ(static_cast<uint8_t>(saved[147]), DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(saved.substr(148, 5), std::string("SFP_\0", 5));

    Type("EditProjectName", "other");
    Tick("CheckBoxDDR3", false);
    ChooseText("ComboBoxPortA", "None");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxDDR3")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxEthernet")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxPortA")->currentText().toStdString(), BoardName(DAUGHTER_SFP));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixPortA")->text(), "SFP_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxPortB")->currentText(), "HSMC Default");
}
