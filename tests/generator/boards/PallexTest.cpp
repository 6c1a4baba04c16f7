// Board 16, Pallex: its form, record, pin table, the three oscillator lists and the
// two DDR3 sockets.
#include "ClockBoardsSupport.h"
#include "SessionSupport.h"
#include "boards/second/pallex/CONFIG_PALLEX.h"
#include "boards/second/pallex/PallexRules.h"
#include "boards/second/pallex/UI_Pallex.h"
#include "platform/qt/QtPlatform.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"

#include <filesystem>

using testsupport::ReadFile;
using C = PALLEX_CONFIG;
namespace fs = std::filesystem;

namespace {

class Pallex : public ClockBoardForm {
protected:
    TFormPallex* Start() { return Open<TFormPallex>(); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    // The held record as the controls show it (the board id stays as it was).
    SettingsRecord Shown() {
        SettingsRecord r = Form().Session().Stored();
        StoreShown(Form(), r);
        return r;
    }
};

// The record with every box unticked and every oscillator not used.
SettingsRecord Bare() {
    return UntickedDefaults(PallexLogic());
}

// The pin table alone, before any module is attached.
std::unique_ptr<TMainBoard> Pins(const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    ConfigPallexPins(board.get(), r);
    return board;
}

std::vector<std::string> Names(const TMainBoard& b, const char* connector) {
    const TConnector* c = FindConnector(b, connector);
    EXPECT_NE(c, nullptr) << connector;
    return c != nullptr ? PinNames(*c) : std::vector<std::string>{};
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kSfpQuestion =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or "
    "CDCM61001 is not enalbed.\r\nDo you want to continued?";
const std::string kSataQuestion = "SATA interface is enabled, but the associated programmable oscillator "
                                  "CDCM61004 is not enabled.\r\nDo you want to continued?";
const std::vector<std::string> kCdcmItems = {"Unchanged", "Not Use", "62.50",  "75.00",  "100.00",
                                             "125.00",    "150.00",  "156.25", "187.50", "200.00",
                                             "250.00",    "312.50",  "625.00"};

} // namespace

TEST_F(Pallex, Defaults) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "S5");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 25);
    EXPECT_EQ(Items("ComboBoxSi570"),
              (std::vector<std::string>{"Not Use", "100.00000", "125.00000", "156.25000", "250.00000",
                                        "312.50000", "322.26500", "644.53125"}));
    EXPECT_EQ(Items("ComboBoxCdcm61001"), kCdcmItems);
    EXPECT_EQ(Items("ComboBoxCdcm61004"), kCdcmItems);
    // No SFP+ or SATA box is ticked: every list is disabled at "Not Use".
    for (const char* list : {"ComboBoxSi570", "ComboBoxCdcm61001", "ComboBoxCdcm61004"}) {
        EXPECT_EQ(List(list)->currentText(), "Not Use") << list;
        EXPECT_FALSE(List(list)->isEnabled()) << list;
    }
    EXPECT_EQ(Get<QCheckBox>("CheckBoxDDR3_1")->toolTip(), "Up to 4GB, 800 data rate");

    // The record's bytes as the record's layout places them.
    std::vector<uint8_t> expected = RecordHead(16, 176, "S5");
    for (std::size_t offset : {136, 137, 138, 139, 140, 146, 158, 159, 160})
        expected[offset] = 1;
    expected[168] = 1;
    expected[172] = 1;
    EXPECT_EQ(Bytes(DefaultsOf(PallexLogic())), expected);
    EXPECT_EQ(Bytes(Shown()), expected);
}

TEST(PallexPins, TheDefaultsGiveTheTenPeripheralsInOrder) {
    auto board = Pins(DefaultsOf(PallexLogic()));
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED x 10", "BUTTON x 4 and CPU_RESET_n", "SWITCH x 4",
                                        "7-Segement", "Temperature", "Fan", "RS232",
                                        "Flash/MAX Address/Data Share Bus", "Flash Control"}));
    const int counts[] = {8, 10, 5, 4, 16, 4, 1, 5, 59, 9};
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        EXPECT_EQ(board->GetConnector(i)->ActivePinCount(), counts[i]) << i;
    EXPECT_EQ(board->GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(board->GetFamily(), "Stratix V");
    EXPECT_EQ(board->GetDevicePinCount(), 1932);
    EXPECT_EQ(board->GetDevicePackage(), "FBGA");
    EXPECT_EQ(board->GetSpeedGradeText(), "2_H2");
    const TPin* osc = FindPin(*board, "OSC_50_B7A");
    EXPECT_EQ(osc->GetLocation(), "M8");
    EXPECT_EQ(osc->GetPeriod(), 20);
    EXPECT_EQ(osc->GetFrequencyText(), "");
    // Only the ends of the shared flash bus have locations.
    const TConnector* bus = FindConnector(*board, "Flash/MAX Address/Data Share Bus");
    EXPECT_EQ(UnplacedPins(*bus), 28 + 23);
    EXPECT_EQ(FindPin(*board, "FSM_D[31]")->GetLocation(), "BD31");
    EXPECT_EQ(FindPin(*board, "FSM_A[26]")->GetLocation(), "AT30");
    EXPECT_EQ(FindPin(*board, "FSM_A[3]")->GetLocation(), "");
}

TEST(PallexPins, OscillatorsBringTheirClockResetAndBuses) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::size_t, uint8_t>> flags;
        int32_t si570, cdcm61001, cdcm61004;
        std::vector<std::string> connectors;
    };
    const std::vector<Case> cases = {
        {"Si570 without CLOCK, buttons or a cage", {}, 3, 1, 1, {"CLOCK", "CPU_RESET_n"}},
        {"CDCM61001 for a cage",
         {{C::Sfp(0), 1}},
         0,
         5,
         1,
         {"CLOCK", "CPU_RESET_n", "SFP+ A", "SFP+ 1G Referece Clock",
          "Programmalbe Oscillator CDCM61001 for SPF1G"}},
        {"nothing in use", {{C::Sfp(3), 1}, {C::Sata(2), 1}}, 0, 1, 1, {"SATA", "SFP+ D"}},
        {"both CDCM chips",
         {{C::Sfp(1), 1}, {C::Sata(0), 1}, {C::bButton, 1}},
         2,
         12,
         0,
         {"CLOCK", "BUTTON x 4 and CPU_RESET_n", "SATA", "SFP+ B",
          "SFP+ 10G Referece Clock and Programmalbe Oscillator Si570", "SFP+ 1G Referece Clock",
          "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"}},
        {"CDCM61004 for SATA",
         {{C::Sata(3), 1}},
         0,
         1,
         7,
         {"CLOCK", "CPU_RESET_n", "SATA", "Programmalbe Oscillator CDCM61004 for SATA"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        for (const auto& [offset, value] : c.flags)
            r.SetU8(offset, value);
        r.SetI32(C::nSi570Freq, c.si570);
        r.SetI32(C::nCdcm61001Freq, c.cdcm61001);
        r.SetI32(C::nCdcm61004Freq, c.cdcm61004);
        auto board = Pins(r);
        EXPECT_EQ(ConnectorNames(*board), c.connectors) << c.what;
        if (FindConnector(*board, "CPU_RESET_n") != nullptr) {
            // The controllers' clock stands alone when the CLOCK group is off.
            EXPECT_EQ(Names(*board, "CLOCK"), (std::vector<std::string>{"OSC_50_B3B"})) << c.what;
            EXPECT_EQ(FindPin(*board, "OSC_50_B3B")->GetLocation(), "AW35");
            EXPECT_EQ(FindPin(*board, "OSC_50_B3B")->GetPeriod(), 20);
        }
    }
}

TEST(PallexPins, ReferenceClocksTakeTheChosenFrequencies) {
    SettingsRecord r = Bare();
    r.SetU8(C::Sfp(0), 1);
    r.SetU8(C::Sata(1), 1);
    r.SetU8(C::Sata(2), 1);
    r.SetI32(C::nSi570Freq, 7);
    r.SetI32(C::nCdcm61001Freq, 7);
    r.SetI32(C::nCdcm61004Freq, 4);
    auto board = Pins(r);
    EXPECT_EQ(
        Names(*board, "SATA"),
        (std::vector<std::string>{"SATA_HOST_RX_p[1]", "SATA_HOST_TX_p[1]", "SATA_DEVICE_RX_p[0]",
                                  "SATA_DEVICE_TX_p[0]", "SATA_HOST_REFCLK_p", "SATA_DEVICE_REFCLK_p"}));
    EXPECT_EQ(Names(*board, "SFP+ A"),
              (std::vector<std::string>{"SFPA_TX_p", "SFPA_RX_p", "SFPA_RATESEL[0]", "SFPA_RATESEL[1]",
                                        "SFPA_LOS", "SFPA_MOD0_PRSNT_n", "SFPA_MOD1_SCL", "SFPA_MOD2_SDA",
                                        "SFPA_TXDISABLE", "SFPA_TXFAULT"}));
    const struct {
        const char* pin;
        const char* location;
        const char* frequency;
    } clocks[] = {
        {"SFP_REFCLK_p", "AK7", "644.53125 MHz"},
        {"SFP1G_REFCLK_p", "AH6", "156.25 MHz"},
        {"SATA_HOST_REFCLK_p", "V6", "100.00 MHz"},
        {"SATA_DEVICE_REFCLK_p", "V39", "100.00 MHz"},
    };
    for (const auto& c : clocks) {
        const TPin* p = FindPin(*board, c.pin);
        ASSERT_NE(p, nullptr) << c.pin;
        EXPECT_EQ(p->GetLocation(), c.location);
        EXPECT_EQ(p->GetIsClock(), 1) << c.pin;
        EXPECT_EQ(p->GetFrequencyText(), c.frequency);
        EXPECT_EQ(p->GetIoStandard(), IOSTD_HCSL);
    }
    EXPECT_EQ(Names(*board, "SFP+ 10G Referece Clock and Programmalbe Oscillator Si570"),
              (std::vector<std::string>{"SFP_REFCLK_p", "CLOCK_SCL", "CLOCK_SDA"}));

    // Unchanged (0) and not used (1) give a reference pin without clock data.
    r.SetI32(C::nCdcm61001Freq, 0);
    r.SetI32(C::nCdcm61004Freq, 1);
    board = Pins(r);
    for (const char* pin : {"SFP1G_REFCLK_p", "SATA_HOST_REFCLK_p", "SATA_DEVICE_REFCLK_p"}) {
        EXPECT_EQ(FindPin(*board, pin)->GetIsClock(), 0) << pin;
        EXPECT_EQ(FindPin(*board, pin)->GetFrequencyText(), "") << pin;
    }
    EXPECT_NE(FindConnector(*board, "Programmalbe Oscillator CDCM61001 for SPF1G"), nullptr);
}

TEST(PallexPins, MemoriesAndPcie) {
    SettingsRecord r = Bare();
    r.SetU8(C::QDRII(2), 1);
    r.SetU8(C::bPCIe, 1);
    auto board = Pins(r);
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"PCIe x 8", "RZQ", "QDRII+ SRAM C"}));
    const std::vector<std::string> pcie = Names(*board, "PCIe x 8");
    EXPECT_EQ(std::vector<std::string>(pcie.begin(), pcie.begin() + 4),
              (std::vector<std::string>{"PCIE_RX_p[0]", "PCIE_TX_p[0]", "PCIE_RX_p[1]", "PCIE_TX_p[1]"}));
    EXPECT_EQ(pcie.size(), 21u);
    EXPECT_EQ(FindPin(*board, "PCIE_TX_p[7]")->GetLocation(), "AG41");
    EXPECT_EQ(Names(*board, "RZQ"), (std::vector<std::string>{"RZQ_0", "RZQ_1", "RZQ_4", "RZQ_5"}));
    const TConnector* sram = FindConnector(*board, "QDRII+ SRAM C");
    EXPECT_EQ(sram->ActivePinCount(), 68);
    EXPECT_EQ(sram->GetPin(0)->GetName(), "QDRIIC_A[0]");
    EXPECT_EQ(sram->GetPin(0)->GetLocation(), "AV16");
    EXPECT_EQ(sram->GetPin(67)->GetName(), "QDRIIC_WPS_n");
    EXPECT_EQ(sram->GetPin(67)->GetLocation(), "AL11");
    EXPECT_EQ(FindPin(*board, "QDRIIC_K_n")->GetIoStandard(), IOSTD_DIFF_1V8_HSTL_I);
    EXPECT_EQ(FindPin(*board, "QDRIIC_CQ_n")->GetIoStandard(), IOSTD_1V8_HSTL_I);
}

TEST(PallexPins, BothSocketsAreMastersThatTakeTheModule) {
    SettingsRecord r = Bare();
    r.SetU8(C::DDR3(0), 1);
    r.SetU8(C::DDR3(1), 1);
    auto board = Pins(r);
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"RZQ", "DDR3 SODIMM", "DDR3 SODIMM"}));
    const char* captions[] = {"DDR3 SODIMM_A", "DDR3 SODIMM_B"};
    const int ids[] = {MASTER_DDR3_SODIMM_A, MASTER_DDR3_SODIMM_B};
    for (int s = 0; s < 2; ++s) {
        const TConnector* socket = board->GetConnector(1 + s);
        EXPECT_EQ(socket->GetCaption(), captions[s]);
        EXPECT_EQ(socket->GetMasterId(), ids[s]);
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR3_SODIMM);
        EXPECT_EQ(socket->PinCount(), 204);
        int empty = 0;
        for (int k = 0; k < 204; ++k)
            empty += socket->GetPin(k) == nullptr;
        EXPECT_EQ(empty, 80);
    }
    EXPECT_EQ(board->GetConnector(1)->GetPin(201)->GetLocation(), "C15");
    EXPECT_EQ(board->GetConnector(2)->GetPin(3)->GetLocation(), "V13");

    // Generate attaches the module with the socket's prefix.
    auto built = Build(PallexLogic(), r);
    EXPECT_EQ(FindPin(built->board, "DDR3A_DQ[4]")->GetLocation(), "B32");
    EXPECT_EQ(FindPin(built->board, "DDR3B_DQ[4]")->GetLocation(), "V13");
    EXPECT_EQ(FindPin(built->board, "DDR3B_DQS[0]")->GetLocation(), "Y16");
}

TEST(PallexRules, StoredChoicesOutsideTheirListsComeBackToTheDefaults) {
    SettingsRecord r = DefaultsOf(PallexLogic());
    r.SetI32(C::nSi570Freq, 8);
    r.SetI32(C::nCdcm61001Freq, 13);
    r.SetI32(C::nCdcm61004Freq, -1);
    Normalise(PallexLogic(), r);
    EXPECT_EQ(r.I32(C::nSi570Freq), 0);
    EXPECT_EQ(r.I32(C::nCdcm61001Freq), 1);
    EXPECT_EQ(r.I32(C::nCdcm61004Freq), 1);
}

TEST(PallexRules, NotesNameTheMemoriesAndTransceivers) {
    struct Case {
        std::vector<std::size_t> flags;
        std::string memory;      // "" for none
        std::string transceiver; // "" for none
    };
    const std::vector<Case> cases = {
        {{}, "", ""},
        {{C::QDRII(1)}, "QDRII+ SRAM", ""},
        {{C::QDRII(1), C::DDR3(0)}, "DDR3-SDRAM/QDRII+ SRAM", ""},
        {{C::DDR3(1)}, "DDR3-SDRAM", ""},
        {{C::bPCIe, C::Sfp(2)}, "", "PCIe/SFP+"},
        {{C::Sata(3), C::bPCIe, C::Sfp(0), C::QDRII(3)}, "QDRII+ SRAM", "SATA/PCIe/SFP+"},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        for (std::size_t flag : c.flags)
            r.SetU8(flag, 1);
        std::string expected;
        if (!c.memory.empty())
            expected += "===== " + c.memory + " Pinwright warning =====\r\n" + "Please add the " + c.memory +
                        " Controller IP to your Quartus project, follow by\r\n"
                        "the steps below to prevent any errors from occurring during compilation.\r\n"
                        "\r\n"
                        "1). Create correct pin assignment for " +
                        c.memory + ".\r\n" + "2). Setup correct parameters in " + c.memory +
                        " controller dialog. \r\n" + "3). Execute TCL files, generated by " + c.memory +
                        " IP, under your Quartus project.\r\n" + "\r\n";
        if (!c.transceiver.empty())
            expected +=
                "===== " + c.transceiver + "  Transceiver Pinwright warning =====\r\n" +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                "Transceiver IP to your design.\r\n";
        EXPECT_EQ(PallexNotes(r), expected);
    }
}

TEST_F(Pallex, ListsFollowTheirInterfacesAndRememberTheChoice) {
    Start();
    Tick("CheckBoxSfpA", true);
    EXPECT_TRUE(List("ComboBoxSi570")->isEnabled());
    EXPECT_TRUE(List("ComboBoxCdcm61001")->isEnabled());
    EXPECT_EQ(List("ComboBoxSi570")->currentText(), "Not Use");
    EXPECT_EQ(List("ComboBoxCdcm61001")->currentText(), "Not Use");
    EXPECT_FALSE(List("ComboBoxCdcm61004")->isEnabled());

    Choose("ComboBoxSi570", 3);
    Tick("CheckBoxSfpA", false);
    EXPECT_EQ(List("ComboBoxSi570")->currentText(), "Not Use");
    EXPECT_FALSE(List("ComboBoxSi570")->isEnabled());
    EXPECT_EQ(Shown().I32(C::nSi570Freq), 0);
    Tick("CheckBoxSfpC", true);
    EXPECT_EQ(List("ComboBoxSi570")->currentText(), "156.25000");

    // The outlines show the lists as they were before the click's update.
    EXPECT_TRUE(Get<QWidget>("ShapeSi570")->isHidden());
    Tick("CheckBoxLED", false);
    EXPECT_FALSE(Get<QWidget>("ShapeSi570")->isHidden());
    // "Not Use" on a CDCM list still shows its chip.
    EXPECT_FALSE(Get<QWidget>("ShapeCdcm61004")->isHidden());
    Tick("CheckBoxSata_1", true);
    Choose("ComboBoxCdcm61004", 0);
    Tick("CheckBoxLED", true);
    EXPECT_TRUE(Get<QWidget>("ShapeCdcm61004")->isHidden());
}

TEST_F(Pallex, AnSfpCageWithBothListsUnchangedOrNotUsedAsksFirst) {
    Start();
    Tick("CheckBoxSfpA", true);
    Choose("ComboBoxCdcm61001", 0);
    seam.AnswerBox(platform::Button::No);
    Click("ButtonGen");
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, kSfpQuestion);
    EXPECT_EQ(seam.Boxes()[0].caption, "Warning");
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(seam.FileDialogs().empty());

    // Yes to it, then the SATA question; No ends the Generate there.
    seam.ClearRecords();
    Tick("CheckBoxSata_3", true);
    Choose("ComboBoxCdcm61004", 0);
    seam.AnswerBox(platform::Button::Yes);
    seam.AnswerBox(platform::Button::No);
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Warning|" + kSfpQuestion, "Warning|" + kSataQuestion}));
    EXPECT_TRUE(seam.FileDialogs().empty());

    // At "Not Use" the CDCM lists ask nothing.
    seam.ClearRecords();
    Choose("ComboBoxCdcm61001", 1);
    Choose("ComboBoxCdcm61004", 1);
    seam.CancelFile();
    Click("ButtonGen");
    EXPECT_TRUE(seam.Boxes().empty());
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.fileName, "S5.qpf");
    EXPECT_EQ(seam.FileDialogs()[0].request.initialDir, dir.Folder() + "CodeGenerated/S5/S5/");
}

TEST_F(Pallex, OscillatorsReachTheProjectFiles) {
    Start();
    Tick("CheckBoxOSC", false);
    Tick("CheckBoxButton", false);
    Tick("CheckBoxSfpB", true);
    Tick("CheckBoxSata_0", true);
    Choose("ComboBoxSi570", 1);
    Choose("ComboBoxCdcm61001", 5);
    Choose("ComboBoxCdcm61004", 4);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "===== SATA/SFP+  Transceiver Pinwright warning =====\r\n"
              "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
              "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
              "Transceiver IP to your design.\r\n");
    EXPECT_EQ(seam.Boxes()[1].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    const std::string sdc = ReadFile(folder + "S5.sdc");
    EXPECT_TRUE(Has(sdc, "create_clock -period \"100.00000 MHz\" [get_ports SFP_REFCLK_p]\r\n")) << sdc;
    EXPECT_TRUE(Has(sdc, "create_clock -period \"125.00 MHz\" [get_ports SFP1G_REFCLK_p]\r\n"));
    EXPECT_TRUE(Has(sdc, "create_clock -period \"100.00 MHz\" [get_ports SATA_HOST_REFCLK_p]\r\n"));
    const std::string qsf = ReadFile(folder + "S5.qsf");
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AW35 -to OSC_50_B3B\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_BC37 -to CPU_RESET_n\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AF32 -to PLL_SCL\r\n"));
    EXPECT_TRUE(fs::exists(folder + "EXT_PLL_CTRL.v"));
    EXPECT_TRUE(fs::exists(folder + "si570_controller.v"));
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
}

TEST_F(Pallex, BothSocketsCarryTheModuleWithTheirPrefixes) {
    Start();
    Tick("CheckBoxDDR3_0", true);
    Tick("CheckBoxDDR3_1", true);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_TRUE(Has(seam.Boxes()[0].text, "===== DDR3-SDRAM Pinwright warning =====\r\n"));
    EXPECT_EQ(seam.Boxes()[0].caption, "Information");
    EXPECT_EQ(seam.Boxes()[1].caption, "Information");
    const std::string qsf = ReadFile(folder + "S5.qsf");
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_A35 -to DDR3A_DQ[0]\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_P18 -to DDR3B_"));
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
}

TEST_F(Pallex, SettingsRoundTrip) {
    Start();
    Tick("CheckBoxSfpD", true);
    Choose("ComboBoxSi570", 6);
    Choose("ComboBoxCdcm61001", 12);
    Tick("CheckBoxQdrB", true);
    Tick("CheckBoxLED", false);
    Type("EditProjectName", "saved");
    const std::string cfg = dir.File("pallex.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    const std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 176u);
    EXPECT_EQ(bytes[137], 0);
    EXPECT_EQ(bytes[150], 1);
    EXPECT_EQ(bytes[156], 1);
    EXPECT_EQ(bytes[164], 6);
    EXPECT_EQ(bytes[168], 1);
    EXPECT_EQ(bytes[172], 12);

    Click("ButtonDefaultSetting");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSfpD")->isChecked());
    EXPECT_FALSE(List("ComboBoxSi570")->isEnabled());
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxSfpD")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 6);
    EXPECT_EQ(List("ComboBoxCdcm61001")->currentIndex(), 12);
    EXPECT_TRUE(List("ComboBoxSi570")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "saved");
    EXPECT_TRUE(seam.Boxes().empty());

    // A cancelled load says so and changes nothing.
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Failed to load setting"}));
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 6);

    // Closing stores the controls, the forced lists as they show.
    Tick("CheckBoxSfpD", false);
    CloseForm();
    const std::string closed = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(closed.size(), 176u);
    EXPECT_EQ(closed[164], 0);
    EXPECT_EQ(closed[172], 1);
}

TEST_F(Pallex, ALoadedChoiceOutsideItsListShowsTheDefault) {
    SettingsRecord r = DefaultsOf(PallexLogic());
    r.SetU8(C::Sfp(0), 1);
    r.SetI32(C::nSi570Freq, 9);
    r.SetI32(C::nCdcm61001Freq, 40);
    std::string bytes(reinterpret_cast<const char*>(r.data()), r.size());
    testsupport::WriteFile(dir.File("default.cfg"), bytes);
    Start();
    EXPECT_EQ(List("ComboBoxSi570")->currentText(), "Not Use");
    EXPECT_EQ(List("ComboBoxCdcm61001")->currentText(), "Not Use");
    EXPECT_EQ(Shown().I32(C::nCdcm61001Freq), 1);
}

TEST_F(Pallex, ScreenshotWithInterfacesTicked) {
    Start();
    for (const char* box : {"CheckBoxSfpA", "CheckBoxSfpD", "CheckBoxSata_2", "CheckBoxDDR3_0",
                            "CheckBoxQdrC", "CheckBoxPCIe", "CheckBoxSma"})
        Tick(box, true);
    Choose("ComboBoxSi570", 2);
    Tick("CheckBoxQdrA", true);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board16-interfaces");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form(), 20));
}
