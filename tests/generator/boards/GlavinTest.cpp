// Board 50, Glavin: its form, record, card list, pin table and its own HSMC attach step.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/glavin/CONFIG_GLAVIN.h"
#include "boards/first/glavin/GlavinRules.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "support/FormPixels.h"

#include <numeric>

using namespace firstboards;
using platform::testing::AssertionOf;
using testsupport::ReadFile;

namespace {

using C = GLAVIN_CONFIG;

class Glavin : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_GLAVIN); }
};

SettingsRecord WithCard(uint8_t card, const char* prefix = "") {
    SettingsRecord r = DefaultsOf(GlavinLogic());
    r.SetU8(C::nHSMCDaughterId, card);
    r.SetText(C::szHSMCPrefixName, prefix);
    return r;
}

} // namespace

TEST_F(Glavin, FirstStartShowsTheDefaultsAndDestroyingTheFormStoresThem) {
    Start();
    for (const char* box :
         {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxSDRAM", "CheckBoxFlashSSRAM"})
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Glavin");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "None");
    EXPECT_FALSE(Shown("ShapeHSMC"));
    EXPECT_FALSE(Shown("ImageHSMC"));
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordDefaults(50, 272, "Glavin", 5)));
}

TEST_F(Glavin, TheHsmcListHoldsTheNineteenNonTransceiverCards) {
    Start();
    std::vector<std::string> expected;
    for (uint8_t id :
         {DAUGHTER_NONE, DAUGHTER_HSMC_DEFAULT, DAUGHTER_DVI, DAUGHTER_NET, DAUGHTER_PELLUM,
          DAUGHTER_TURVIN_HSMC, DAUGHTER_GORVAY, DAUGHTER_BRISSEL_HSMC, DAUGHTER_HSMC_DEBUG,
          DAUGHTER_HSMC_LOOPBACK, DAUGHTER_RUVEX, DAUGHTER_PLINDOR, DAUGHTER_HOVRIN, DAUGHTER_HDMI_TX,
          DAUGHTER_HDMI_RX, DAUGHTER_CLR, DAUGHTER_ZIMBOR, DAUGHTER_HOVRIN2, DAUGHTER_SARVON2})
        expected.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxHSMC"), expected);
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->maxVisibleItems(), 19);
}

TEST_F(Glavin, OutlinesFollowTheirBoxesAndFlashWithSsramFollowOneBox) {
    Start();
    Tick("CheckBoxFlashSSRAM", false);
    EXPECT_FALSE(Shown("ShapeFlash"));
    EXPECT_FALSE(Shown("ShapeSSRAM"));
    EXPECT_TRUE(Shown("ShapeDDR"));
    Tick("CheckBoxFlashSSRAM", true);
    EXPECT_TRUE(Shown("ShapeFlash"));
    EXPECT_TRUE(Shown("ShapeSSRAM"));
    Tick("CheckBoxSDRAM", false);
    EXPECT_FALSE(Shown("ShapeDDR"));

    ChooseText("ComboBoxHSMC", "HSMC Default");
    EXPECT_TRUE(Shown("ShapeHSMC"));
    EXPECT_TRUE(Shown("ImageHSMC"));
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board50-hsmc");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form(), 2));
}

TEST_F(Glavin, GenerateWithTheDefaults) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Glavin/Glavin/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Glavin.qsf");
    for (const char* line :
         {"set_global_assignment -name FAMILY \"Cyclone III\"\r\n",
          "set_global_assignment -name DEVICE EP3C25F324C6\r\n",
          "set_location_assignment PIN_E12 -to FLASH_SRAM_A[1]\r\n",
          "set_location_assignment PIN_B17 -to FLASH_SRAM_A[25]\r\n",
          "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to FLASH_SRAM_A[4]\r\n",
          "set_instance_assignment -name IO_STANDARD \"SSTL-2 Class I\" -to DDR_DQ[0]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    // Pins the board data gives no location: the standard, and no location line.
    EXPECT_EQ(qsf.find("-to FLASH_SRAM_A[4]\r\n"), qsf.rfind("-to FLASH_SRAM_A[4]\r\n"));
    EXPECT_EQ(qsf.find("-to FLASH_SRAM_A[0]\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(folder + "Glavin.sdc").find("create_clock -period 20.000ns [get_ports OSC_CLK]\r\n"),
              std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Glavin.v", output)) << output;
}

TEST(GlavinPins, GroupsFollowTheFlags) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord bare = GlavinLogic().NewRecord();
    bare.SetU8(C::BoardId, 50);
    bare.SetI32(C::Size, 272);
    auto none = PinsOf(GlavinLogic(), bare);
    EXPECT_TRUE(ConnectorNames(*none).empty());
    EXPECT_EQ(none->GetDevice(), "EP3C25F324C6");
    EXPECT_EQ(none->GetDevicePinCount(), 324);
    EXPECT_EQ(none->GetSpeedGrade(), 6);

    auto board = PinsOf(GlavinLogic(), DefaultsOf(GlavinLogic()));
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED", "KEY", "DDR SDRAM", "FLASH and SSRAM"}));
    const TConnector* key = FindConnector(*board, "KEY");
    ASSERT_EQ(key->PinCount(), 5);
    EXPECT_EQ(key->GetPin(0)->GetName(), "CPU_RESET_N");
    EXPECT_EQ(FindConnector(*board, "DDR SDRAM")->PinCount(), 42);
    EXPECT_EQ(FindConnector(*board, "FLASH and SSRAM")->PinCount(), 66);
    EXPECT_EQ(FindPin(*board, "FLASH_SRAM_A[0]"), nullptr);
    EXPECT_TRUE(FindPin(*board, "FLASH_SRAM_DQ[3]")->GetLocation().empty());
    EXPECT_EQ(FindPin(*board, "FLASH_SRAM_DQ[31]")->GetLocation(), "C7");
    const TPin* clock = FindPin(*board, "OSC_CLK");
    EXPECT_TRUE(clock->GetIsClock());
    EXPECT_EQ(clock->GetPeriod(), 20);
    // The memory bus is SSTL-2 but for its select and clock enable.
    for (const TPin* p : {FindPin(*board, "DDR_CS_N"), FindPin(*board, "DDR_CKE")})
        EXPECT_EQ(p->GetIoStandard(), IOSTD_2V5) << p->GetName();
    for (const char* name :
         {"DDR_CLK", "DDR_CLK_N", "DDR_ADDR[12]", "DDR_BA[1]", "DDR_WE_N", "DDR_DQS[1]", "DDR_DM[0]"})
        EXPECT_EQ(FindPin(*board, name)->GetIoStandard(), IOSTD_SSTL_2_I) << name;
}

TEST(GlavinPins, TheHsmcMasterHoldsEightyEightPositions) {
    platform::testing::ScriptedPlatform seam;
    auto board = PinsOf(GlavinLogic(), WithCard(DAUGHTER_HSMC_DEFAULT));
    const TConnector* hsmc = FindConnector(*board, "HSMC");
    ASSERT_NE(hsmc, nullptr);
    EXPECT_EQ(hsmc->GetCaption(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->GetType(), CONNECTOR_HSMC);
    EXPECT_EQ(hsmc->GetMasterId(), 8);
    EXPECT_EQ(hsmc->PinCount(), 160);
    EXPECT_EQ(hsmc->ActivePinCount(), 88);
    const std::vector<int> empty = EmptySlots(*hsmc);
    ASSERT_EQ(empty.size(), 72u);
    std::vector<int> head(32);
    std::iota(head.begin(), head.end(), 0);    // positions 1-32
    head.insert(head.end(), {44, 45, 50, 51}); // then 45-46 and 51-52
    EXPECT_EQ(std::vector<int>(empty.begin(), empty.begin() + 36), head);
    EXPECT_EQ(std::vector<int>(empty.end() - 4, empty.end()), (std::vector<int>{152, 153, 158, 159}));
    EXPECT_EQ(hsmc->GetPin(32)->GetLocation(), "E1");
    EXPECT_EQ(hsmc->GetPin(37)->GetLocation(), "J5");
    EXPECT_EQ(hsmc->GetPin(157)->GetLocation(), "N18");
    EXPECT_TRUE(hsmc->GetPin(38)->GetLocation().empty());
    // An id above 127 is no card.
    EXPECT_EQ(FindConnector(*PinsOf(GlavinLogic(), WithCard(200)), "HSMC"), nullptr);
}

TEST(GlavinPins, BrokenRulesStopWithTheirOwnTexts) {
    platform::testing::ScriptedPlatform seam;
    TMainBoard board;
    SettingsRecord other = DefaultsOf(GlavinLogic());
    other.SetU8(C::BoardId, 30);
    EXPECT_EQ(AssertionOf([&] { ConfigGlavinPins(&board, other); }),
              "Assertion failed: Config.BoardId == MAINBOARD_GLAVIN, file CONFIG_GLAVIN, line 20");
    EXPECT_EQ(board.GetBoardId(), 50);
    SettingsRecord size = DefaultsOf(GlavinLogic());
    size.SetI32(C::Size, 404);
    EXPECT_EQ(AssertionOf([&] { ConfigGlavinPins(&board, size); }),
              "Assertion failed: Config.Size == sizeof(GLAVIN_CONFIG), file CONFIG_GLAVIN, line 21");

    // The form's own attach step: a card of another connector type, and no master.
    struct Case {
        uint8_t card;
        bool withMaster;
        const char* text;
    };
    const Case cases[] = {
        {DAUGHTER_KAMREL, true, "Assertion failed: Type == CONNECTOR_HSMC, file UI_GLAVIN, line 304"},
        {DAUGHTER_HSMC_DEFAULT, false, "Assertion failed: pMasterConn, file UI_GLAVIN, line 308"},
    };
    for (const Case& c : cases) {
        TMainBoard model;
        ConfigGlavinPins(&model, WithCard(c.withMaster ? DAUGHTER_HSMC_DEFAULT : 0));
        const kit::AttachStep step{kit::CardKind::Hsmc, c.card, MASTER_HSMC_A, ""};
        EXPECT_EQ(AssertionOf([&] { kit::RunAttach(model, step, GlavinLogic().Spec().attachShape); }),
                  c.text);
    }
}

TEST_F(Glavin, ACardIsAttachedWithItsPrefixAndAnyPrefixIsAccepted) {
    Start();
    ChooseText("ComboBoxHSMC", "HSMC Default");
    Type("EditPrefixHSMC", "");
    Type("EditProjectName", "card");
    std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "card.v", output)) << output;

    Type("EditPrefixHSMC", "H_");
    folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "card.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_E1 -to H_"), std::string::npos);
    EXPECT_EQ(qsf.find("set_location_assignment PIN_E1 -to HSMC"), std::string::npos);
}

TEST_F(Glavin, SettingsRoundTrip) {
    Start();
    Type("EditProjectName", "mine");
    Tick("CheckBoxLED", false);
    ChooseText("ComboBoxHSMC", "HSMC Default");
    Type("EditPrefixHSMC", "H_");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonSave");
    const std::string saved = ReadFile(dir.File("mine.cfg"));
    ASSERT_EQ(saved.size(), 272u);
    EXPECT_EQ(saved[0], 50);
    EXPECT_EQ(saved[137], 0); // bLED
    EXPECT_EQ(static_cast<uint8_t>(saved[141]), DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(saved.substr(142, 3), std::string("H_\0", 3));

    Type("EditProjectName", "other");
    Tick("CheckBoxLED", true);
    ChooseText("ComboBoxHSMC", "None");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Shown("ShapeLED"));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "HSMC Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text(), "H_");
    EXPECT_TRUE(Shown("ShapeHSMC"));

    // Cancel, or a file of another size: nothing changes and nothing is said.
    seam.ClearRecords();
    seam.CancelFile();
    Click("ButtonLoad");
    testsupport::WriteFile(dir.File("short.cfg"), std::string(271, '\0'));
    seam.AnswerFile(dir.File("short.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "mine");
}

TEST_F(Glavin, AnotherBoardsRecordOfTheSameSizeIsReadWithThisLayout) {
    // A 272-byte record of board 30: its bytes read as flags, a card id and a prefix here.
    std::vector<uint8_t> bytes(272, 0);
    bytes[0] = 30;
    bytes[4] = 272 & 0xFF;
    bytes[5] = 272 >> 8;
    bytes[8] = 'D';
    bytes[136] = 1;
    bytes[141] = 200; // no card of the list: the combo box keeps "None"
    bytes[142] = 'P';
    testsupport::WriteFile(dir.File("default.cfg"), AsText(bytes));
    Start();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "D");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxOSC")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC")->currentText(), "None");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text(), "");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "D.qsf").find("-to OSC_CLK\r\n"), std::string::npos);
}
