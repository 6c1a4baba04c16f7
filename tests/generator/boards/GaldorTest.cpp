// Board 7, Galdor: its two-node form, record and pin table.
#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/second/galdor/CONFIG_GALDOR.h"
#include "boards/second/galdor/GaldorRules.h"
#include "boards/second/galdor/UI_Galdor.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "settings/ConfigFile.h"
#include "support/FormPixels.h"

using platform::testing::AssertionOf;
using testsupport::ReadFile;
using C = GALDOR_CONFIG;
using N = GALDOR_CONFIG::NODE_CONFIG;

namespace {

class Galdor : public BoardFormFixture {
protected:
    TFormGaldor* Start() { return Open<TFormGaldor>(); }
    void TickOnly(const char* box) {
        for (QCheckBox* b : Form().findChildren<QCheckBox*>())
            Tick(b->objectName().toLatin1().constData(), b->objectName() == box);
    }
    std::string Text(const char* edit) { return platform::FromQt(Get<QLineEdit>(edit)->text()); }
};

// A record with both nodes' flags cleared.
SettingsRecord Bare() {
    return BareRecord(7, 1336);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r, int node = 0) {
    return ModelOf(ConfigGaldorPins, r, node);
}

std::vector<std::string> Names(const TMainBoard& b) {
    std::vector<std::string> names;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        names.push_back(b.GetConnector(i)->GetName());
    return names;
}

// The record's bytes as the defaults give them, node by node.
std::string DefaultBytes() {
    std::string bytes(1336, '\0');
    bytes[0] = 7;
    bytes[4] = static_cast<char>(1336 & 0xFF);
    bytes[5] = static_cast<char>(1336 >> 8);
    for (int f = 0; f < 2; ++f) {
        const std::size_t block = 8 + 664 * static_cast<std::size_t>(f);
        bytes.replace(block, 9, f == 0 ? "F1_HARLIN" : "F2_HARLIN");
        for (std::size_t offset : {128, 129, 130, 131, 132, 133, 134, 135, 141, 142, 143, 145, 146, 147})
            bytes[block + offset] = 1;
    }
    return bytes;
}

const std::string kClash =
    "Error|HSMC-A and HSMC-C cannot have the same prefix name when both connect to the "
    "same type of daughter boards.";

} // namespace

TEST_F(Galdor, FreshStartShowsNodeOneAndTheDestroyedFormSavesBothNodes) {
    Start();
    EXPECT_EQ(Items("ComboBoxFPGA"), (std::vector<std::string>{"FPAG 1", "FPAG 2"}));
    EXPECT_EQ(Items("ComboBoxBoard"), std::vector<std::string>{"HARLIN 230x2"});
    EXPECT_EQ(Text("EditProjectName"), "F1_HARLIN");
    const std::vector<std::string> unticked = {"CheckBoxDDR2", "CheckBoxDDR3", "CheckBoxPCIe",
                                               "CheckBoxFPGABridge"};
    for (int node : {0, 1}) {
        Choose("ComboBoxFPGA", node);
        EXPECT_EQ(Text("EditProjectName"), node == 0 ? "F1_HARLIN" : "F2_HARLIN");
        EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 18);
        for (QCheckBox* box : Form().findChildren<QCheckBox*>()) {
            const std::string name = box->objectName().toStdString();
            EXPECT_EQ(box->isChecked(), std::find(unticked.begin(), unticked.end(), name) == unticked.end())
                << name;
        }
        for (const char* combo : {"ComboBoxHSMC_A", "ComboBoxHSMC_B", "ComboBoxHSMC_C", "ComboBoxHSMC_D"})
            EXPECT_EQ(Get<QComboBox>(combo)->currentText(), "None");
    }
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), DefaultBytes());
}

TEST_F(Galdor, SwitchingNodesKeepsBothAndRePickingTheShownNodeChangesNothing) {
    Start();
    Tick("CheckBoxLED", false);
    ChooseText("ComboBoxHSMC_B", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
    Type("EditHSMC_B", "B_");
    Type("EditProjectName", "First");
    Choose("ComboBoxFPGA", 1);
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC_B")->currentText(), "None");
    EXPECT_EQ(Text("EditHSMC_B"), "");
    Tick("CheckBoxDDR3", true);
    Type("EditProjectName", "Second");
    // The same item again: the controls are not stored into the other block.
    Choose("ComboBoxFPGA", 1);
    EXPECT_EQ(Text("EditProjectName"), "Second");

    Choose("ComboBoxFPGA", 0);
    EXPECT_EQ(Text("EditProjectName"), "First");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxDDR3")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxHSMC_B")->currentText(),
              platform::ToQt(BoardName(DAUGHTER_HSMC_DEFAULT)));
    EXPECT_EQ(Text("EditHSMC_B"), "B_");
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeHSMC_B")->isHidden());

    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    SettingsRecord saved = GaldorLogic().NewRecord();
    ASSERT_TRUE(configfile::Load(file, saved.data(), saved.size()));
    EXPECT_EQ(saved.Text(C::Node(0, N::szProjectName)), "First");
    EXPECT_EQ(saved.U8(C::Node(0, N::bLED)), 0);
    EXPECT_EQ(saved.U8(C::HsmcDaughterId(0, 1)), DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(saved.Text(C::HsmcPrefixName(0, 1)), "B_");
    EXPECT_EQ(saved.Text(C::Node(1, N::szProjectName)), "Second");
    EXPECT_EQ(saved.U8(C::Node(1, N::bDDR3)), 1);
    EXPECT_EQ(saved.U8(C::HsmcDaughterId(1, 1)), 0);
}

TEST_F(Galdor, GenerateWithNodeTwoShownBuildsNodeTwoOnly) {
    Start();
    ChooseText("ComboBoxHSMC_A", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
    Choose("ComboBoxFPGA", 1);
    TickOnly("CheckBoxLED");
    ChooseText("ComboBoxHSMC_C", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
    Type("EditHSMC_C", "C_");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty()); // no success box on this board
    const std::string qsf = ReadFile(folder + "F2_HARLIN.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB10 -to LED[7]\r\n"), std::string::npos) << qsf;
    EXPECT_NE(qsf.find("set_location_assignment PIN_AF29 -to C_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_G26 -to HSMC_SCL\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("PIN_L8 "), std::string::npos); // HSMC-A belongs to node 1
    EXPECT_EQ(qsf.find("OSC_B"), std::string::npos);
    for (const char* line : {"set_global_assignment -name FAMILY \"Stratix IV\"\r\n",
                             "set_global_assignment -name DEVICE EP4SGX230KF40C2\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "F2_HARLIN.v", output)) << output;
}

TEST_F(Galdor, TheDefaultsAreRefusedForTheirSharedLocationAndTheModuleTakesMem) {
    Start();
    Generate();
    // The connector keeps its pins sorted by name: LCD_BL_ON comes before LCD_PWR_ON.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Error|Location PIN_P4 is used by both TEMP_CLK and LCD_BL_ON.",
                              "Error|Failed to generate Quartus project: F1_HARLIN.qpf.",
                          }));

    seam.ClearRecords();
    TickOnly("CheckBoxDDR2");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "F1_HARLIN.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AW34 -to mem_dq[4]\r\n"), std::string::npos) << qsf;
    EXPECT_NE(qsf.find("set_location_assignment PIN_AW25 -to "), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "F1_HARLIN.v", output)) << output;
}

TEST_F(Galdor, OneCardTwiceNeedsTwoPrefixes) {
    struct Case {
        int cardC;
        const char* prefixA;
        const char* prefixC;
        std::vector<std::string> boxes;
        bool dialog;
    };
    // Prefixes that differ in case pass the form's rule; the writers then refuse the
    // project, whose port names would clash.
    const Case cases[] = {
        {DAUGHTER_HSMC_DEFAULT, "", "", {kClash}, false},
        {DAUGHTER_HSMC_DEFAULT, "P_", "P_", {kClash}, false},
        {DAUGHTER_HSMC_DEFAULT,
         "p_",
         "P_",
         {"Error|Pin name P_CLKIN0 is used by both HSMC-A and HSMC-C.",
          "Error|Failed to generate Quartus project: F1_HARLIN.qpf."},
         true},
        {DAUGHTER_HSMC_DEBUG, "P_", "P_", {}, true},
    };
    Start();
    TickOnly("CheckBoxFan");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefixA) + " / " + c.prefixC + " / " + std::to_string(c.cardC));
        seam.ClearRecords();
        ChooseText("ComboBoxHSMC_A", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
        ChooseText("ComboBoxHSMC_C", BoardName(static_cast<int8_t>(c.cardC)).c_str());
        Type("EditHSMC_A", c.prefixA);
        Type("EditHSMC_C", c.prefixC);
        const std::string folder = Generate();
        EXPECT_EQ(BoxTexts(), c.boxes);
        EXPECT_EQ(seam.FileDialogs().empty(), !c.dialog);
        if (c.boxes.empty()) {
            std::string output;
            EXPECT_TRUE(testsupport::IverilogAccepts(folder + "F1_HARLIN.v", output)) << output;
        }
    }
}

TEST_F(Galdor, SettingsRoundTripAndALoadThatFails) {
    Start();
    Tick("CheckBoxFan", false);
    Type("EditProjectName", "Mine");
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(file).size(), 1336u);

    Tick("CheckBoxFan", true);
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error|Failed to load setting"});
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxFan")->isChecked());

    seam.ClearRecords();
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxFan")->isChecked());
    EXPECT_EQ(Text("EditProjectName"), "Mine");
}

TEST_F(Galdor, ALoadedBoardTypeOrMaxFlagOutsideTheFormSavesBackAsDefault) {
    std::string bytes = DefaultBytes();
    bytes[1] = 1;
    bytes[8 + 144] = 1;
    bytes[672 + 144] = 1;
    testsupport::WriteFile(dir.File("odd.cfg"), bytes);
    Start();
    seam.AnswerFile(dir.File("odd.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 0);
    TickOnly("CheckBoxFan");
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_NE(ReadFile(folder + "F1_HARLIN.qsf").find("-to FAN_PWR_ON\r\n"), std::string::npos);
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    const std::string saved = ReadFile(file);
    ASSERT_EQ(saved.size(), 1336u);
    EXPECT_EQ(saved[1], 0);
    EXPECT_EQ(saved[8 + 144], 0);
    EXPECT_EQ(saved[672 + 144], 0);
}

TEST_F(Galdor, ScreenshotWithCardsOnTwoPorts) {
    Start();
    ChooseText("ComboBoxHSMC_A", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
    ChooseText("ComboBoxHSMC_D", BoardName(DAUGHTER_HSMC_DEFAULT).c_str());
    Form().show();
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board7-cards");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeHSMC_D")->isHidden());
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeHSMC_C")->isHidden());
    EXPECT_FALSE(Get<platform::PictureBox>("ImageHSMC_D")->isHidden());
}

TEST(GaldorPins, HeadChecksDeviceAndTheMaxFlag) {
    platform::testing::ScriptedPlatform seam;
    SettingsRecord r = Bare();
    TMainBoard b;
    r.SetU8(C::BoardId, 8);
    EXPECT_EQ(AssertionOf([&] { ConfigGaldorPins(&b, r, 0); }),
              "Assertion failed: Config.BoardId == MAINBOARD_GALDOR, file CONFIG_GALDOR, line 19");
    r = Bare();
    r.SetI32(C::Size, 1335);
    EXPECT_EQ(AssertionOf([&] { ConfigGaldorPins(&b, r, 0); }),
              "Assertion failed: Config.Size == sizeof(GALDOR_CONFIG), file CONFIG_GALDOR, line 20");
    r = Bare();
    r.SetU8(C::Node(1, N::bMax2), 1);
    EXPECT_EQ(AssertionOf([&] { ConfigGaldorPins(&b, r, 1); }),
              "Assertion failed: !Config.F[f].bMax2, file CONFIG_GALDOR, line 480");
    EXPECT_EQ(Model(r, 0)->GetConnectorCount(), 0); // node 0's flag is clear

    struct Case {
        uint8_t type;
        const char* device;
    };
    for (const Case& c : {Case{0, "EP4SGX230KF40C2"}, Case{1, "EP4SGX530KH40C2"}, Case{2, ""}}) {
        r = Bare();
        r.SetU8(C::nBoardType, c.type);
        const auto board = Model(r);
        EXPECT_EQ(board->GetDevice(), c.device);
        EXPECT_EQ(board->GetFamily(), "Stratix IV");
        EXPECT_EQ(board->GetDevicePinCount(), 1517);
        EXPECT_EQ(board->GetBoardId(), 7);
    }
}

TEST(GaldorPins, GroupsHoldTheirPins) {
    struct Case {
        std::size_t flag;
        const char* group;
        int pins;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {N::bOSC, "CLOCK", 7, "OSC_B[2]", "CPU_RESET_n"},
        {N::bSma, "SMA", 8, "SMA_CLKIN_p", "SMA_GXBCLK_n[1]"},
        {N::bButton, "BUTTON x 8", 8, "BUTTON[0]", "BUTTON[7]"},
        {N::bUSB, "High-Speed USB-FIFO", 16, "USB_D[0]", "USB_RESET_n"},
        {N::bSDCARD, "SDCARD", 7, "SD_CMD", "SD_DAT[3]"},
        {N::bEthernet, "Ethernet x 4", 20, "ETH_RX_p[0]", "ETH_RST_n"},
        {N::bPCIe, "PCIe x 8", 22, "PCIE_RX_p[0]", "PCIE_WAKE_n"},
        {N::bFPGABridge, "FPGA Bridge (Transceiver x 8)", 17, "FPGA_RX_p[0]", "FPGA_REFCLK_p"},
        {N::bSSRAM, "SSRAM Control", 8, "SSRAM_BWA_n", "SSRAM_ADV"},
        {N::bFlash, "Flash Control", 7, "FLASH_RYBY_n", "FLASH_CS_n"},
        {N::bDDR3, "DDR3", 71, "DDR3_ba[0]", "DDR3_addr[14]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        SettingsRecord r = Bare();
        r.SetU8(C::Node(1, c.flag), 1);
        const auto board = Model(r, 1);
        const TConnector* g = FindConnector(*board, c.group);
        ASSERT_NE(g, nullptr);
        ASSERT_EQ(g->PinCount(), c.pins);
        EXPECT_EQ(g->GetPin(0)->GetName(), c.first);
        EXPECT_EQ(g->GetPin(c.pins - 1)->GetName(), c.last);
        EXPECT_TRUE(Model(r, 0)->GetConnectorCount() == 0); // node 0 has none of it
    }

    SettingsRecord r = Bare();
    for (std::size_t flag : {N::bOSC, N::bSwitch, N::bButton, N::bPCIe})
        r.SetU8(C::Node(0, flag), 1);
    const auto board = Model(r);
    const TPin* osc = FindConnector(*board, "CLOCK")->GetPin(0);
    EXPECT_EQ(osc->GetLocation(), "AC35");
    EXPECT_EQ(osc->GetIsClock(), 1);
    EXPECT_EQ(osc->GetPeriod(), 20);
    const TPin* sw = FindConnector(*board, "SWITCH x 8")->GetPin(0);
    EXPECT_EQ(sw->GetIsClock(), 0);
    EXPECT_EQ(sw->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(FindConnector(*board, "BUTTON x 8")->GetPin(7)->GetDirection(), DIRECTION_INPUT);
    const TConnector* pcie = FindConnector(*board, "PCIe x 8");
    EXPECT_EQ(pcie->GetPin(1)->GetName(), "PCIE_TX_p[0]");
    EXPECT_EQ(pcie->GetPin(1)->GetLocation(), "AT36");
    EXPECT_EQ(pcie->GetPin(16)->GetName(), "PCIE_REFCLKI_p");
    EXPECT_EQ(pcie->GetPin(16)->GetIoStandard(), IOSTD_HCSL);
    EXPECT_EQ(pcie->GetPin(18)->GetLocation(), ""); // PCIE_RESET_n: no location given
}

TEST(GaldorPins, TheSharedI2cBusIsNamedAfterItsUsers) {
    struct Case {
        bool lcd, temperature, eeprom;
        const char* bus;
        bool lcdGroup;
    };
    const Case cases[] = {
        {true, true, true, "LCD+Temperatur+EEPROM I2C Shared Bus", true},
        {false, false, true, "EEPROM I2C Shared Bus", true},
        {false, true, false, "Temperatur I2C Shared Bus", false},
        {true, false, true, "LCD+EEPROM I2C Shared Bus", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bus);
        SettingsRecord r = Bare();
        r.SetU8(C::Node(0, N::bLCD), c.lcd);
        r.SetU8(C::Node(0, N::bTemp), c.temperature);
        r.SetU8(C::Node(0, N::bEEPROM), c.eeprom);
        const auto board = Model(r);
        const TConnector* bus = FindConnector(*board, c.bus);
        ASSERT_NE(bus, nullptr);
        EXPECT_EQ(bus->GetPin(0)->GetName(), "I2C_SDA");
        EXPECT_EQ(FindConnector(*board, "16x2 Character LCD") != nullptr, c.lcdGroup);
        EXPECT_EQ(FindConnector(*board, "Temperature") != nullptr, c.temperature);
    }
    EXPECT_EQ(Model(Bare())->GetConnectorCount(), 0);
}

TEST(GaldorPins, TheFlashTakesAllAddressPinsTheSsramTwenty) {
    struct Case {
        bool flash, ssram;
        int addressPins;
    };
    for (const Case& c :
         {Case{true, false, 25}, Case{false, true, 20}, Case{true, true, 25}, Case{false, false, 0}}) {
        SCOPED_TRACE(std::to_string(c.flash) + std::to_string(c.ssram));
        SettingsRecord r = Bare();
        r.SetU8(C::Node(0, N::bFlash), c.flash);
        r.SetU8(C::Node(0, N::bSSRAM), c.ssram);
        const auto board = Model(r);
        const TConnector* bus = FindConnector(*board, "Flash and SRAM Address/Data Share Bus");
        EXPECT_EQ(FindConnector(*board, "Flash Control") != nullptr, c.flash);
        EXPECT_EQ(FindConnector(*board, "SSRAM Control") != nullptr, c.ssram);
        if (c.addressPins == 0) {
            EXPECT_EQ(bus, nullptr);
            continue;
        }
        ASSERT_EQ(bus->PinCount(), 16 + c.addressPins);
        EXPECT_EQ(bus->GetPin(16)->GetName(), "FSM_A[1]");
        EXPECT_EQ(bus->GetPin(16)->GetLocation(), "M21");
        EXPECT_EQ(bus->GetPin(19)->GetLocation(), ""); // FSM_A[4]: no location given
        EXPECT_EQ(bus->GetPin(35)->GetName(), "FSM_A[20]");
        EXPECT_EQ(bus->GetPin(35)->GetLocation(), "C22");
    }
}

TEST(GaldorPins, MastersForTheSocketAndTheHsmcPorts) {
    SettingsRecord r = Bare();
    r.SetU8(C::Node(0, N::bDDR2), 1);
    r.SetU8(C::HsmcDaughterId(0, 2), DAUGHTER_HSMC_DEFAULT);
    auto board = Model(r);
    EXPECT_EQ(Names(*board), (std::vector<std::string>{"DDR2 SODIMM", "HSMC-C", "HSMC I2C"}));
    const TConnector* ddr2 = FindConnector(*board, "DDR2 SODIMM");
    EXPECT_EQ(ddr2->GetCaption(), "DDR2 SODIMM");
    EXPECT_EQ(ddr2->GetMasterId(), 1);
    EXPECT_EQ(ddr2->GetType(), CONNECTOR_DDR2_SODIMM);
    ASSERT_EQ(ddr2->PinCount(), 200);
    EXPECT_EQ(ddr2->ActivePinCount(), 124);
    EXPECT_EQ(ddr2->GetPin(3)->GetLocation(), "AW34");
    EXPECT_EQ(ddr2->GetPin(10)->GetLocation(), "AW30");
    EXPECT_EQ(ddr2->GetPin(199)->GetLocation(), "AW25");
    // The socket follows the module: 196 holds no pin, 197 the SCL pin without a location.
    EXPECT_EQ(ddr2->GetPin(195), nullptr);
    ASSERT_NE(ddr2->GetPin(196), nullptr);
    EXPECT_EQ(ddr2->GetPin(196)->GetLocation(), "");
    const TConnector* c = FindConnector(*board, "HSMC-C");
    EXPECT_EQ(c->GetCaption(), "HSMC-C connect to " + BoardName(DAUGHTER_HSMC_DEFAULT));
    EXPECT_EQ(c->GetMasterId(), 10);
    EXPECT_EQ(c->PinCount(), 160);
    EXPECT_EQ(c->ActivePinCount(), 82);
    EXPECT_EQ(c->GetPin(38)->GetLocation(), "AF29");
    const TConnector* i2c = FindConnector(*board, "HSMC I2C");
    EXPECT_EQ(i2c->GetPin(0)->GetName(), "HSMC_SCL");
    EXPECT_EQ(i2c->GetPin(1)->GetLocation(), "F26");
    EXPECT_EQ(i2c->GetPin(1)->GetIoStandard(), IOSTD_2V5);

    r = Bare();
    r.SetU8(C::HsmcDaughterId(1, 1), DAUGHTER_HSMC_DEFAULT);
    board = Model(r, 1);
    const TConnector* b = FindConnector(*board, "HSMC-B");
    EXPECT_EQ(b->GetMasterId(), 9);
    EXPECT_EQ(b->ActivePinCount(), 98);
    EXPECT_EQ(b->GetPin(16)->GetLocation(), "AT4");
    EXPECT_EQ(b->GetPin(39)->GetLocation(), "AC5");
    EXPECT_EQ(b->GetCaption(), "HSMC-B connect to " + BoardName(DAUGHTER_HSMC_DEFAULT));
}
