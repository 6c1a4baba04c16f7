// Board 15, Ostrel: its record, pin table, the Si570 and CDCM61004 lists with their
// question, the notes after a Generate, and the form as shown.
#include "ClockBoardsSupport.h"
#include "SessionSupport.h"
#include "boards/second/ostrel/CONFIG_OSTREL.h"
#include "boards/second/ostrel/OstrelRules.h"
#include "boards/second/ostrel/OstrelText.h"
#include "boards/second/ostrel/UI_Ostrel.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"

#include <filesystem>

using testsupport::ReadFile;
using C = OSTREL_CONFIG;

namespace {

class Ostrel : public ClockBoardForm {
protected:
    TFormOstrel* Start() { return Open<TFormOstrel>(); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
};

// The record with every box unticked and both oscillators at "Disable".
SettingsRecord Bare() {
    return UntickedDefaults(OstrelLogic());
}

std::unique_ptr<TMainBoard> Pins(const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    ConfigOstrelPins(board.get(), r);
    return board;
}

const std::string kTransceiverTail =
    "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
    "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
    "Transceiver IP to your design.\r\n";

const char* const kSfpQuestion =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or "
    "CDCM61004 is not enalbed.\r\nDo you want to continued?";

} // namespace

TEST_F(Ostrel, DefaultsShowTheRecordAndBothListsDisabled) {
    Start();
    EXPECT_EQ(Items("ComboBoxSi570"),
              (std::vector<std::string>{"Disable", "100.00000", "125.00000", "156.25000", "250.00000",
                                        "312.50000", "322.26500", "644.53125"}));
    EXPECT_EQ(Items("ComboBoxCdcm61004"),
              (std::vector<std::string>{"Disable", "62.50", "75.00", "100.00", "125.00", "150.00", "156.25",
                                        "187.50", "200.00", "250.00", "312.50", "625.00"}));
    for (const char* list : {"ComboBoxSi570", "ComboBoxCdcm61004"}) {
        EXPECT_EQ(List(list)->currentIndex(), 0) << list;
        EXPECT_FALSE(List(list)->isEnabled()) << list;
    }
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 18);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "OSTREL");
    EXPECT_EQ(Get<QCheckBox>("CheckBoxDDR3_1")->toolTip(), "Up to 4GB, 800 data rate");

    // CLOCK, LEDs, buttons, switches, temperature, fan, flash and RS-422 ticked.
    std::vector<uint8_t> expected = RecordHead(15, 164, "OSTREL");
    for (std::size_t offset : {136, 137, 138, 139, 140, 151, 152, 153})
        expected[offset] = 1;
    EXPECT_EQ(Bytes(DefaultsOf(OstrelLogic())), expected);
    SettingsRecord shown = OstrelLogic().NewRecord();
    StoreShown(Form(), shown);
    shown.SetU8(C::BoardId, 15); // the form leaves the id to the defaults or the loaded file
    EXPECT_EQ(Bytes(shown), expected);
}

TEST(OstrelPins, TheDeviceAndTheDefaultGroupsInOrder) {
    auto board = Pins(DefaultsOf(OstrelLogic()));
    EXPECT_EQ(board->GetFamily(), "Stratix V");
    EXPECT_EQ(board->GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(board->GetDevicePackage(), "FBGA");
    EXPECT_EQ(board->GetDevicePinCount(), 1932);
    EXPECT_EQ(board->GetSpeedGradeText(), "2_H2");
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED x 8", "BUTTON x 2", "CPU RESET", "DIP SWITCH x 4",
                                        "Temperature", "Fan", "RS232", "Flash/MAX Address/Data Share Bus",
                                        "Flash Control"}));
    EXPECT_EQ(FindConnector(*board, "Flash/MAX Address/Data Share Bus")->ActivePinCount(), 59);
    EXPECT_EQ(FindConnector(*board, "Flash Control")->ActivePinCount(), 9);
    // The elided flash bus keeps its first three and last locations.
    EXPECT_EQ(FindPin(*board, "FSM_D[2]")->GetLocation(), "AG25");
    EXPECT_EQ(FindPin(*board, "FSM_D[3]")->GetLocation(), "");
    EXPECT_EQ(FindPin(*board, "FSM_A[26]")->GetLocation(), "AF31");
    const TPin* clock = FindPin(*board, "OSC_50_B4A");
    EXPECT_EQ(clock->GetLocation(), "AP10");
    EXPECT_EQ(clock->GetIoStandard(), IOSTD_1V5);
    EXPECT_EQ(clock->GetPeriod(), 20);
    EXPECT_EQ(clock->GetFrequencyText(), "");
}

TEST(OstrelPins, OscillatorsBringTheirClockResetAndReferenceClocks) {
    struct Case {
        const char* what;
        int sfpCage; // -1: none
        int32_t si570;
        int32_t cdcm;
        std::vector<std::string> connectors;
    };
    const Case cases[] = {
        {"nothing", -1, 0, 0, {}},
        {"Si570 without a cage", -1, 3, 0, {"CLOCK", "CPU_RESET_n for reset programmable oscillator"}},
        {"CDCM61004 without a cage", -1, 0, 5, {"CLOCK", "CPU_RESET_n for reset programmable oscillator"}},
        {"both with cage B",
         1,
         1,
         3,
         {"CLOCK", "CPU_RESET_n for reset programmable oscillator", "SFP+ B",
          "SFP+ 10G Referece Clock which is generated by Si570",
          "SFP+ 1G Referece Clock which is generated by CDCM61004"}},
        {"a cage without oscillator", 0, 0, 0, {"SFP+ A"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        if (c.sfpCage >= 0)
            r.SetU8(C::Sfp(c.sfpCage), 1);
        r.SetI32(C::nSi570Freq, c.si570);
        r.SetI32(C::nCdcm61004Freq, c.cdcm);
        auto board = Pins(r);
        EXPECT_EQ(ConnectorNames(*board), c.connectors) << c.what;
    }

    SettingsRecord r = Bare();
    r.SetU8(C::Sfp(1), 1);
    r.SetI32(C::nSi570Freq, 1);
    r.SetI32(C::nCdcm61004Freq, 3);
    auto board = Pins(r);
    EXPECT_EQ(PinNames(*FindConnector(*board, "CLOCK")), (std::vector<std::string>{"OSC_50_B3B"}));
    EXPECT_EQ(FindPin(*board, "OSC_50_B3B")->GetLocation(), "AW35");
    EXPECT_EQ(PinNames(*FindConnector(*board, "SFP+ B")),
              (std::vector<std::string>{"SFPB_TX_p", "SFPB_RX_p", "SFPB_RATESEL[0]", "SFPB_RATESEL[1]",
                                        "SFPB_LOS", "SFPB_MOD0_PRSNT_n", "SFPB_MOD1_SCL", "SFPB_MOD2_SDA",
                                        "SFPB_TXDISABLE", "SFPB_TXFAULT"}));
    EXPECT_EQ(FindPin(*board, "SFPB_TXFAULT")->GetLocation(), "AU24");
    const TPin* si570 = FindPin(*board, "SFP_REFCLK_p");
    EXPECT_EQ(si570->GetLocation(), "AK7");
    EXPECT_EQ(si570->GetIoStandard(), IOSTD_HCSL);
    EXPECT_EQ(si570->GetIsClock(), 1);
    EXPECT_EQ(si570->GetFrequencyText(), "100.00000 MHz");
    EXPECT_EQ(si570->GetPeriod(), 0);
    EXPECT_EQ(FindPin(*board, "SFP1G_REFCLK_p")->GetFrequencyText(), "100.00 MHz");
    EXPECT_EQ(
        FindConnector(*board, "SFP+ 1G Referece Clock which is generated by CDCM61004")->ActivePinCount(),
        10);
    // The board model keeps the record for the oscillator blocks.
    EXPECT_EQ(RecordOf<OstrelText>(*board).I32(C::nCdcm61004Freq), 3);
}

TEST(OstrelPins, MemoriesTakeOneRzqGroupAndTheirPrefixes) {
    SettingsRecord r = Bare();
    r.SetU8(C::Qdrii(3), 1);
    r.SetU8(C::Ddr3(0), 1);
    auto board = Pins(r);
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"RZQ", "QDRII+ SRAM D", "DDR3 SDRAM  A"}));
    const TConnector* qdr = FindConnector(*board, "QDRII+ SRAM D");
    EXPECT_EQ(qdr->ActivePinCount(), 68);
    EXPECT_EQ(qdr->GetPin(0)->GetName(), "QDRIID_A[0]");
    EXPECT_EQ(qdr->GetPin(0)->GetLocation(), "U26");
    EXPECT_EQ(FindPin(*board, "QDRIID_A[20]")->GetLocation(), "D26");
    EXPECT_EQ(FindPin(*board, "QDRIID_Q[17]")->GetLocation(), "A32");
    EXPECT_EQ(FindPin(*board, "QDRIID_BWS_n[1]")->GetLocation(), "R30");
    EXPECT_EQ(FindPin(*board, "QDRIID_K_n")->GetIoStandard(), IOSTD_DIFF_1V8_HSTL_I);
    EXPECT_EQ(FindPin(*board, "QDRIID_WPS_n")->GetLocation(), "P30");
    EXPECT_EQ(FindPin(*board, "QDRIID_QVLD")->GetDirection(), DIRECTION_INPUT);
    const TConnector* ddr = FindConnector(*board, "DDR3 SDRAM  A");
    EXPECT_EQ(ddr->ActivePinCount(), 50);
    EXPECT_EQ(FindPin(*board, "DDR3A_DQS_n[1]")->GetLocation(), "AV11");
    EXPECT_EQ(FindPin(*board, "DDR3A_DQS_n[1]")->GetIoStandard(), IOSTD_DIFF_1V5_SSTL_I);
    EXPECT_EQ(FindPin(*board, "DDR3A_ODT[0]")->GetLocation(), "AY13");
    EXPECT_EQ(FindPin(*board, "DDR3A_RESET_n")->GetLocation(), "AE15");
    EXPECT_EQ(FindPin(*board, "DDR3A_RESET_n")->GetIoStandard(), IOSTD_SSTL_15_I);
    EXPECT_EQ(PinNames(*FindConnector(*board, "RZQ")),
              (std::vector<std::string>{"RZQ_0", "RZQ_1", "RZQ_4", "RZQ_5"}));
}

TEST(OstrelPins, PcieLanesAlternate) {
    SettingsRecord r = Bare();
    r.SetU8(C::bPCIe, 1);
    auto board = Pins(r);
    const std::vector<std::string> names = PinNames(*board->GetConnector(0));
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(names[0], "PCIE_RX_p[0]");
    EXPECT_EQ(names[1], "PCIE_TX_p[0]");
    EXPECT_EQ(names[16], "PCIE_REFCLK_p");
    EXPECT_EQ(FindPin(*board, "PCIE_TX_p[7]")->GetLocation(), "AG41");
}

TEST(OstrelPins, StoredChoicesOutsideTheirListsComeBackToDisable) {
    SettingsRecord r = DefaultsOf(OstrelLogic());
    r.SetU8(C::Sfp(0), 1); // both lists enabled
    r.SetI32(C::nSi570Freq, 8);
    r.SetI32(C::nCdcm61004Freq, -1);
    Normalise(OstrelLogic(), r);
    EXPECT_EQ(r.I32(C::nSi570Freq), 0);
    EXPECT_EQ(r.I32(C::nCdcm61004Freq), 0);
    r.SetI32(C::nSi570Freq, 7);
    r.SetI32(C::nCdcm61004Freq, 11);
    Normalise(OstrelLogic(), r);
    EXPECT_EQ(r.I32(C::nSi570Freq), 7);
    EXPECT_EQ(r.I32(C::nCdcm61004Freq), 11);
}

TEST_F(Ostrel, AListShowsItsRememberedChoiceWhenACageIsTickedAgain) {
    // A stored Si570 choice without a cage loads as "Disable" and comes back with SFP+ A.
    SettingsRecord stored = DefaultsOf(OstrelLogic());
    stored.SetI32(C::nSi570Freq, 3);
    const std::string cfg = dir.File("stored.cfg");
    testsupport::WriteFile(cfg, std::string(reinterpret_cast<const char*>(stored.data()), 164));
    Start();
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 0);
    EXPECT_FALSE(List("ComboBoxSi570")->isEnabled());
    Tick("CheckBoxSfpA", true);
    EXPECT_EQ(List("ComboBoxSi570")->currentText(), "156.25000");
    EXPECT_TRUE(List("ComboBoxSi570")->isEnabled());
    EXPECT_TRUE(List("ComboBoxCdcm61004")->isEnabled());

    // CDCM61004 item 4, both cages unticked, SFP+ B ticked: item 4 again.
    Choose("ComboBoxCdcm61004", 4);
    EXPECT_TRUE(Get<QWidget>("ShapeCdcm61004")->isVisibleTo(&Form()));
    Tick("CheckBoxSfpA", false);
    EXPECT_EQ(List("ComboBoxCdcm61004")->currentIndex(), 0);
    EXPECT_FALSE(List("ComboBoxCdcm61004")->isEnabled());
    SettingsRecord saved = OstrelLogic().NewRecord();
    StoreShown(Form(), saved);
    EXPECT_EQ(saved.I32(C::nSi570Freq), 0);
    EXPECT_EQ(saved.I32(C::nCdcm61004Freq), 0);
    Tick("CheckBoxSfpB", true);
    EXPECT_EQ(List("ComboBoxCdcm61004")->currentIndex(), 4);
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 3);
}

TEST_F(Ostrel, ACageWithoutOscillatorAsksAndNoGeneratesNothing) {
    Start();
    Tick("CheckBoxSfpA", true);
    seam.AnswerBox(platform::Button::No);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{std::string("Warning|") + kSfpQuestion}));
    EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_TRUE(seam.FileDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(folder + "OSTREL.qsf"));

    // Yes: the project without reference-clock groups.
    seam.ClearRecords();
    seam.AnswerBox(platform::Button::Yes);
    Generate();
    ASSERT_EQ(seam.Boxes().size(), 3u);
    const std::string qsf = ReadFile(folder + "OSTREL.qsf");
    EXPECT_NE(qsf.find("SFPA_TX_p"), std::string::npos);
    EXPECT_EQ(qsf.find("REFCLK"), std::string::npos);
}

TEST_F(Ostrel, TheSi570ClocksTheCageAtItsChoice) {
    Start();
    Tick("CheckBoxSfpA", true);
    Choose("ComboBoxSi570", 1);
    EXPECT_TRUE(Get<QWidget>("ShapeSi570")->isVisibleTo(&Form()));
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Information|===== SFP+  Transceiver Pinwright warning =====\r\n" + kTransceiverTail,
                  "Information|Generate Quartus Project successfully.\r\nThe project is located in the "
                  "folder:\r\n" +
                      folder}));
    EXPECT_NE(ReadFile(folder + "OSTREL.sdc")
                  .find("create_clock -period \"100.00000 MHz\" [get_ports SFP_REFCLK_p]\r\n"),
              std::string::npos);
}

TEST_F(Ostrel, MemoryAndTransceiverWarningsComeInOneBox) {
    Start();
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxQdrC", "CheckBoxPCIe", "CheckBoxSata"})
        Tick(box, true);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "===== DDR3-SDRAM/QDRII+ SRAM Pinwright warning =====\r\n"
              "Please add the DDR3-SDRAM/QDRII+ SRAM Controller IP to your Quartus project, follow by\r\n"
              "the steps below to prevent any errors from occurring during compilation.\r\n"
              "\r\n"
              "1). Create correct pin assignment for DDR3-SDRAM/QDRII+ SRAM.\r\n"
              "2). Setup correct parameters in DDR3-SDRAM/QDRII+ SRAM controller dialog. \r\n"
              "3). Execute TCL files, generated by DDR3-SDRAM/QDRII+ SRAM IP, under your Quartus project.\r\n"
              "\r\n"
              "===== PCIe/SATA  Transceiver Pinwright warning =====\r\n" +
                  kTransceiverTail);
    EXPECT_EQ(seam.Boxes()[0].caption, "Information");
    EXPECT_TRUE(std::filesystem::exists(folder + "OSTREL.qsf"));
}

TEST_F(Ostrel, SettingsRoundTrip) {
    Start();
    Tick("CheckBoxSfpB", true);
    Choose("ComboBoxSi570", 7);
    Choose("ComboBoxCdcm61004", 11);
    Tick("CheckBoxLED", false);
    Tick("CheckBoxQdrB", true);
    Type("EditProjectName", "saved");
    const std::string cfg = dir.File("ostrel.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    const std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 164u);
    EXPECT_EQ(bytes[137], 0);
    EXPECT_EQ(bytes[144], 1);
    EXPECT_EQ(bytes[148], 1);
    EXPECT_EQ(bytes[156], 7);
    EXPECT_EQ(bytes[160], 11);

    Click("ButtonDefaultSetting");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSfpB")->isChecked());
    EXPECT_FALSE(List("ComboBoxSi570")->isEnabled());
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxSfpB")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxQdrB")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 7);
    EXPECT_EQ(List("ComboBoxCdcm61004")->currentIndex(), 11);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "saved");
    EXPECT_TRUE(seam.Boxes().empty());

    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Failed to load setting"}));
    EXPECT_EQ(List("ComboBoxSi570")->currentIndex(), 7);

    // Closing the form keeps the settings as default.cfg.
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), bytes);
}

TEST_F(Ostrel, TheFormWithEveryOutlineShown) {
    Start();
    for (const kit::FlagBinding& f : OstrelLogic().Spec().flags)
        Tick(f.box, true);
    Choose("ComboBoxSi570", 2);
    Choose("ComboBoxCdcm61004", 2);
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board15-all");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_EQ(testsupport::CheckFormPixels(shot, Form()).outlines, 20);
}
