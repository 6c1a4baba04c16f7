// Board 29, Calvex: its form, record, pin table, the CDCM6208 and LMK04906 lists,
// the GPIO header, the four FMC ports and the DDR3 socket.
#include "ClockBoardsSupport.h"
#include "SessionSupport.h"
#include "boards/kit/Generate.h"
#include "boards/latest/calvex/CONFIG_CALVEX.h"
#include "boards/latest/calvex/CalvexRules.h"
#include "boards/latest/calvex/ConfigCalvex.h"
#include "boards/latest/calvex/UI_Calvex.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <filesystem>

using testsupport::ReadFile;
using C = TConfigCalvex::CALVEX_CONFIG;
namespace fs = std::filesystem;

namespace {

class Calvex : public ClockBoardForm {
protected:
    TFormCalvex* Start() { return Open<TFormCalvex>(); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    std::vector<std::string> Shown(std::span<const CalvexClockList> lists) {
        std::vector<std::string> texts;
        for (const CalvexClockList& l : lists)
            texts.push_back(platform::FromQt(List(l.combo)->currentText()));
        return texts;
    }
};

SettingsRecord Bare() {
    return UntickedDefaults(CalvexLogic());
}

void SetCards(SettingsRecord& r, std::initializer_list<uint8_t> cards) {
    std::size_t port = 0;
    for (uint8_t card : cards)
        r.SetU8(C::nFmcDaughterId + port++, card);
}

} // namespace

TEST_F(Calvex, Defaults) {
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentText(), "CALVEX_A7");
    EXPECT_EQ(Items("ComboBoxBoard"), (std::vector<std::string>{"CALVEX_A7", "CALVEX_AB"}));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "CALVEX");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 18);
    for (QCheckBox* box : Form().findChildren<QCheckBox*>()) {
        const std::string name = box->objectName().toStdString();
        const bool off = name == "CheckBoxDDR3" || name == "CheckBoxPCIe" || name == "CheckBoxSataHost" ||
                         name == "CheckBoxSataDevice" || name == "CheckBoxExtCdcmPLL" ||
                         name == "CheckBoxExtLmkPLL";
        EXPECT_EQ(box->isChecked(), !off) << name;
    }
    for (const char* combo :
         {"ComboBoxFmc_A", "ComboBoxFmc_B", "ComboBoxFmc_C", "ComboBoxFmc_D", "ComboBoxGpio"})
        EXPECT_EQ(List(combo)->currentText(), "None") << combo;
    EXPECT_EQ(Items("ComboBoxFmc_B"),
              (std::vector<std::string>{"None", "FMC LPC - VITA Standard", "FMC LPC - Altera Standard",
                                        "FMC LPC with XCVR - Altera Standard", "Faldon-FMC", "HDMI-FMC",
                                        "NET-FMC", "Fiskel-FMC"}));
    EXPECT_EQ(List("ComboBoxFmc_A")->count(), 15);
    EXPECT_EQ(List("ComboBoxGpio")->count(), 9);
    for (const auto lists : {CalvexCdcmLists(), CalvexLmkLists()})
        for (const CalvexClockList& l : lists) {
            EXPECT_EQ(List(l.combo)->currentText(), "Disable") << l.combo;
            EXPECT_FALSE(List(l.combo)->isEnabled()) << l.combo;
        }

    std::vector<uint8_t> expected = RecordHead(29, 812, "CALVEX");
    for (std::size_t offset : {136, 137, 138, 139, 140, 141, 142, 147, 148, 149, 150, 151})
        expected[offset] = 1;
    const uint8_t settings[] = {2, 2, 1, 1, 0, 1, 2, 2, 2, 2}; // offsets 155 to 164
    for (std::size_t i = 0; i < std::size(settings); ++i)
        expected[155 + i] = settings[i];
    EXPECT_EQ(Bytes(DefaultsOf(CalvexLogic())), expected);
}

TEST_F(Calvex, TheClockListsFollowTheirBoxAndTheStoredSettings) {
    Start();
    Tick("CheckBoxExtCdcmPLL", true);
    EXPECT_EQ(Shown(CalvexCdcmLists()),
              (std::vector<std::string>{"125.0", "125.0", "150.0", "150.0", "Disable", "133.333"}));
    EXPECT_TRUE(List("ComboBoxPLL_DDR3")->isEnabled());
    Tick("CheckBoxExtLmkPLL", true);
    EXPECT_EQ(Shown(CalvexLmkLists()),
              (std::vector<std::string>{"644.53125", "644.53125", "644.53125", "644.53125"}));
    EXPECT_EQ(Items("ComboBoxPLL_FMCB_PLUS"),
              (std::vector<std::string>{"Disable", "322.265625", "644.53125"}));

    // A choice not yet stored is replaced by the stored setting on the next box click.
    ChooseText("ComboBoxPLL_FMCA", "100.0");
    Tick("CheckBoxLED", false);
    EXPECT_EQ(List("ComboBoxPLL_FMCA")->currentText(), "125.0");

    // Unticked and saved, the chip's settings are 0; ticked again every list shows "Disable".
    Tick("CheckBoxExtCdcmPLL", false);
    seam.AnswerFile(dir.File("off.cfg"));
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(dir.File("off.cfg")).substr(155, 6), std::string(6, '\0'));
    Tick("CheckBoxExtCdcmPLL", true);
    EXPECT_EQ(Shown(CalvexCdcmLists()), std::vector<std::string>(6, "Disable"));
}

TEST_F(Calvex, TheFmcPrefixRule) {
    Start();
    auto message = [](char a, char b) {
        return std::string("Error|FMC-") + a + " and FMC-" + b +
               " cannot have the same prefix name when both connect to the same type of daughter boards.";
    };
    auto validate = [this] {
        seam.ClearRecords();
        return SaveChecks(Form());
    };
    Choose("ComboBoxFmc_A", 3); // FMC HPC - Altera Standard
    Choose("ComboBoxFmc_D", 3);
    EXPECT_FALSE(validate());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{message('A', 'D')}));
    Type("EditFmc_D", "D_");
    EXPECT_TRUE(validate());
    EXPECT_TRUE(BoxTexts().empty());

    // An LPC card fits an HPC port: the same card and prefix on A and B clash.
    Choose("ComboBoxFmc_D", 0);
    ChooseText("ComboBoxFmc_A", "FMC LPC - VITA Standard");
    ChooseText("ComboBoxFmc_B", "FMC LPC - VITA Standard");
    Type("EditFmc_A", "X_");
    Type("EditFmc_B", "X_");
    EXPECT_FALSE(validate());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{message('A', 'B')}));
    // An empty project name is the only message.
    Type("EditProjectName", "");
    EXPECT_FALSE(validate());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Project Name cannot be empty."}));
    // Two different cards pass whatever their prefixes.
    Type("EditProjectName", "CALVEX");
    ChooseText("ComboBoxFmc_B", "NET-FMC");
    EXPECT_TRUE(validate());
}

TEST_F(Calvex, TheDdr3QuestionOnSaveAndGenerate) {
    Start();
    Tick("CheckBoxDDR3", true);
    const std::string question =
        "Warning|DDR3 is enabled but the associated referece clock is not configured.\r\n"
        "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed to "
        "the next step.\r\nDo you want to continue?";
    seam.AnswerBox(platform::Button::No);
    Click("ButtonSave");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{question}));
    EXPECT_TRUE(seam.FileDialogs().empty());
    seam.ClearRecords();
    seam.AnswerBox(platform::Button::No);
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{question}));
    EXPECT_TRUE(seam.FileDialogs().empty());

    // With the DDR3 reference clock configured nothing is asked; the module is attached.
    seam.ClearRecords();
    Tick("CheckBoxExtCdcmPLL", true);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "===== DDR3 Pinwright warning =====\r\n"
              "Please add the DDR3 Controller IP to your Quartus project, follow by\r\n"
              "the steps below to prevent any errors from occurring during compilation.\r\n"
              "\r\n"
              "1). Create correct pin assignment for DDR3.\r\n"
              "2). Setup correct parameters in DDR3 controller dialog. \r\n"
              "3). Execute TCL files, generated by DDR3 IP, under your Quartus project.\r\n"
              "\r\n");
    const std::string qsf = ReadFile(folder + "CALVEX.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AT29 -to DDR3_SCL\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AR8 -to RZQ_DDR3\r\n"), std::string::npos);
}

TEST_F(Calvex, TheCdcm6208NeedsOneFrequencyForBothFmcPorts) {
    Start();
    Tick("CheckBoxExtCdcmPLL", true);
    ChooseText("ComboBoxPLL_FMCA", "100.0");
    ChooseText("ComboBoxPLL_FMCD", "150.0");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Warning|Due to the limitation of CDCM6208,\r\n"
                                        "the clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must "
                                        "be the same..\r\n"}));
    EXPECT_TRUE(seam.FileDialogs().empty());
    seam.ClearRecords();
    ChooseText("ComboBoxPLL_FMCD", "Disable");
    EXPECT_FALSE(SaveChecks(Form()));
    seam.ClearRecords();
    ChooseText("ComboBoxPLL_FMCA", "Disable");
    ChooseText("ComboBoxPLL_FMCD", "150.0");
    EXPECT_TRUE(SaveChecks(Form()));
}

TEST_F(Calvex, TheClockChipChoicesReachTheVerilogAndTheConstraints) {
    Start();
    Tick("CheckBoxExtCdcmPLL", true);
    std::string folder = Generate();
    std::string v = ReadFile(folder + "CALVEX.v");
    EXPECT_NE(v.find("assign cdcm6208_freq_select = `CDCM6208_MODE_1;\r\n"), std::string::npos);
    EXPECT_NE(v.find("assign cdcm6208_freq_disable = `CDCM6208_PCIE_DISABLE_BIT;\r\n"), std::string::npos);
    std::string sdc = ReadFile(folder + "CALVEX.sdc");
    EXPECT_NE(sdc.find("create_clock -period \"125.000000 MHz\" [get_ports FMCA_ONBOARD_REFCLK_p[0]]\r\n"),
              std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"133.333328 MHz\" [get_ports DDR3_REFCLK_p]\r\n"),
              std::string::npos);
    EXPECT_EQ(sdc.find("PCIE_ONBOARD_REFCLK_p"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;

    // The LMK04906 alone, its outputs at 322.265625 and 644.53125 MHz.
    Tick("CheckBoxExtCdcmPLL", false);
    Tick("CheckBoxExtLmkPLL", true);
    ChooseText("ComboBoxPLL_FMCB_PLUS", "322.265625");
    Type("EditProjectName", "lmk");
    seam.ClearRecords();
    folder = Generate();
    v = ReadFile(folder + "lmk.v");
    EXPECT_NE(v.find("assign lmk04906_freq_select = `FMCA_644M53125_BIT | `FMCC_644M53125_BIT | "
                     "`FMCD_644M53125_BIT;\r\n"),
              std::string::npos);
    EXPECT_EQ(v.find("cdcm6208"), std::string::npos);
    sdc = ReadFile(folder + "lmk.sdc");
    EXPECT_NE(sdc.find("create_clock -period \"322.265625 MHz\" [get_ports FMCB_ONBOARD_REFCLK_p[0]]\r\n"),
              std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"644.531250 MHz\" [get_ports FMCD_ONBOARD_REFCLK_p[1]]\r\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(folder + "lmk04906/SPI_LMK04906_Config.v"));
    EXPECT_FALSE(fs::exists(folder + "cdcm6208"));
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
}

TEST(CalvexPins, TheControllersBringTheirOscillatorAndResetWithoutTheirBoxes) {
    SettingsRecord r = Bare();
    r.SetU8(C::bCdcmPll, 1);
    auto built = Build(CalvexLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board),
              (std::vector<std::string>{"CLOCK", "KEY", "CDCM6208 External PLL"}));
    EXPECT_EQ(PinNames(*FindConnector(built->board, "CLOCK")), (std::vector<std::string>{"OSC_50_B3B"}));
    EXPECT_EQ(PinNames(*FindConnector(built->board, "KEY")), (std::vector<std::string>{"CPU_RESET_n"}));
    EXPECT_EQ(PinNames(*FindConnector(built->board, "CDCM6208 External PLL")),
              (std::vector<std::string>{"CLOCK_SCL", "CLOCK_SDA", "FMCA_ONBOARD_REFCLK_p[0]",
                                        "FMCD_ONBOARD_REFCLK_p[0]", "SATA_HOST_REFCLK_p",
                                        "SATA_DEVICE_REFCLK_p", "DDR3_REFCLK_p"}));
    r.SetU8(C::bLmkPll, 1);
    for (std::size_t i = 0; i < 4; ++i)
        r.SetU8(C::nLmk04906 + i, 0);
    built = Build(CalvexLogic(), r);
    EXPECT_EQ(PinNames(*FindConnector(built->board, "CLOCK")),
              (std::vector<std::string>{"OSC_50_B3B", "OSC_50_B4A"}));
    EXPECT_EQ(
        PinNames(*FindConnector(built->board, "LMK04906B External PLL")),
        (std::vector<std::string>{"LMK04906_CLK", "LMK04906_DATAIN", "LMK04906_DATAOUT", "LMK04906_LE"}));
}

TEST(CalvexPins, TheDevicesAndTheOnBoardGroups) {
    SettingsRecord r = DefaultsOf(CalvexLogic());
    auto built = Build(CalvexLogic(), r);
    EXPECT_EQ(built->board.GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(built->board.GetSpeedGradeText(), "C2");
    EXPECT_EQ(built->board.GetFamily(), "Stratix V");
    EXPECT_EQ(ConnectorNames(built->board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "FAN", "SSRAM", "FLASH",
                                        "Share Bus for Flash and SSRAM", "SD Card", "Uart to Usb",
                                        "I2C for Temperature-Sensor or Fan-Control or Power-Monitor",
                                        "Temperature", "POWER Monitor", "SMA"}));
    EXPECT_EQ(FindConnector(built->board, "Share Bus for Flash and SSRAM")->ActivePinCount(), 42);
    EXPECT_EQ(FindPin(built->board, "OSC_50_B8D")->GetFrequencyText(), "50.000000 MHz");
    r.SetU8(C::nBoardType, 1);
    EXPECT_EQ(Build(CalvexLogic(), r)->board.GetDevice(), "5SGXEABN2F45C2");

    r = Bare();
    EXPECT_TRUE(ConnectorNames(Build(CalvexLogic(), r)->board).empty());
    SetCards(r, {0, 0, DAUGHTER_FMC_LPC_VITA, 0});
    EXPECT_EQ(PinNames(*FindConnector(Build(CalvexLogic(), r)->board, "RZQ for FMC")),
              (std::vector<std::string>{"RZQ_FMC"}));
    r.SetU8(C::bDDR3, 1);
    EXPECT_EQ(PinNames(*FindConnector(Build(CalvexLogic(), r)->board, "RZQ for FMC and DDR3")),
              (std::vector<std::string>{"RZQ_DDR3", "RZQ_FMC"}));
}

TEST(CalvexPins, TheFmcPortsAndTheDdr3SocketCarryTheirTellingRows) {
    SettingsRecord r = Bare();
    r.SetU8(C::bDDR3, 1);
    SetCards(r, {DAUGHTER_FMC_HPC_ALTERA, DAUGHTER_FMC_LPC_ALTERA, DAUGHTER_NET_FMC, DAUGHTER_FMC_HPC_VITA});
    TConfigCalvex settings;
    std::copy(r.data(), r.data() + r.size(), settings.Config.data());
    TMainBoard board;
    ConfigCalvexPins(&board, &settings);
    struct Port {
        const char* name;
        int masterId;
        uint8_t type;
        int pins;
        uint8_t card;
    };
    const Port ports[] = {{"FMCA", MASTER_FMC_A, CONNECTOR_FMC_HPC, 194, DAUGHTER_FMC_HPC_ALTERA},
                          {"FMCB", MASTER_FMC_B, CONNECTOR_FMC_LPC, 79, DAUGHTER_FMC_LPC_ALTERA},
                          {"FMCC", MASTER_FMC_C, CONNECTOR_FMC_LPC, 79, DAUGHTER_NET_FMC},
                          {"FMCD", MASTER_FMC_D, CONNECTOR_FMC_HPC, 194, DAUGHTER_FMC_HPC_VITA}};
    for (const Port& p : ports) {
        const TConnector* c = FindConnector(board, p.name);
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->PinCount(), 400);
        EXPECT_EQ(c->ActivePinCount(), p.pins) << p.name;
        EXPECT_EQ(c->GetMasterId(), p.masterId);
        EXPECT_EQ(c->GetType(), p.type);
        EXPECT_EQ(c->GetDaughterId(), p.card);
    }
    EXPECT_EQ(FindConnector(board, "FMCB")->GetCaption(), "FMCB connect to FMC LPC - Altera Standard");
    // Positions count row by row: A2 is 2, C2 82, C30 110, H4 284, K38 398.
    auto at = [&board](const char* port, int position) {
        return FindConnector(board, port)->GetPin(position - 1)->GetLocation();
    };
    EXPECT_EQ(at("FMCA", 2), "Y43");
    EXPECT_EQ(at("FMCD", 82), "W4");
    EXPECT_EQ(at("FMCB", 110), "E36");
    EXPECT_EQ(at("FMCC", 284), "BC19");
    EXPECT_EQ(at("FMCD", 398), "BB15");
    EXPECT_EQ(FindConnector(board, "FMCA")->GetPin(2), nullptr); // A3: a negative leg
    EXPECT_EQ(UnplacedPins(*FindConnector(board, "FMCA")), 186);
    EXPECT_EQ(UnplacedPins(*FindConnector(board, "FMCB")), 73);

    const TConnector* socket = FindConnector(board, "DDR3 SODIMM");
    EXPECT_EQ(socket->GetMasterId(), MASTER_DDR3_SODIMM_A);
    EXPECT_EQ(socket->GetCaption(), "DDR3 SODIMM");
    EXPECT_EQ(socket->PinCount(), 204);
    EXPECT_EQ(socket->ActivePinCount(), 124);
    EXPECT_EQ(UnplacedPins(*socket), 118);
    EXPECT_EQ(socket->GetPin(10)->GetLocation(), "AU32");
}

TEST_F(Calvex, AGpioCardTakesTheHeaderAt2V5) {
    Start();
    ChooseText("ComboBoxGpio", "GPIO Default");
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeGpio")->isHidden());
    Type("EditGpio", "HDR_");
    const std::string folder = Generate();
    const std::string qsf = ReadFile(folder + "CALVEX.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AU36 -to HDR_"), std::string::npos);
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"2.5 V\" -to HDR_"), std::string::npos);
    SettingsRecord r = Form().Session().Stored();
    StoreShown(Form(), r);
    auto built = Build(CalvexLogic(), r);
    EXPECT_EQ(FindConnector(built->board, "GPIO")->GetCaption(), "GPIO connect to GPIO Default");
    EXPECT_EQ(FindConnector(built->board, "GPIO")->PinCount(), 40);
}

TEST_F(Calvex, TransceiverNoteNamesTheTickedPorts) {
    Start();
    Tick("CheckBoxPCIe", true);
    Tick("CheckBoxSataDevice", true);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Information|===== PCIe/Sata-Device  Transceiver Pinwright warning =====\r\n"
                  "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                  "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                  "Transceiver IP to your design.\r\n\r\n",
                  "Information|Generate Quartus Project successfully.\r\nThe project is located in the "
                  "folder:\r\n" +
                      folder}));
}

TEST_F(Calvex, SettingsRoundTrip) {
    Start();
    Choose("ComboBoxBoard", 1);
    Choose("ComboBoxFmc_C", 2);
    Type("EditFmc_C", "C_");
    Tick("CheckBoxExtLmkPLL", true);
    ChooseText("ComboBoxPLL_FMCC_PLUS", "322.265625");
    const std::string cfg = dir.File("calvex.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    const std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 812u);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[153], 1);
    EXPECT_EQ(bytes[163], 1);
    EXPECT_EQ(static_cast<uint8_t>(bytes[296]), DAUGHTER_FMC_LPC_ALTERA);
    EXPECT_EQ(bytes.substr(298 + 2 * 128, 3), std::string("C_\0", 3));

    Click("ButtonDefault");
    EXPECT_EQ(List("ComboBoxFmc_C")->currentIndex(), 0);
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 1);
    EXPECT_EQ(List("ComboBoxFmc_C")->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditFmc_C")->text(), "C_");
    EXPECT_EQ(List("ComboBoxPLL_FMCC_PLUS")->currentText(), "322.265625");
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeFmc_C")->isHidden());
    EXPECT_TRUE(seam.Boxes().empty());
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Failed to load setting"}));
}

TEST_F(Calvex, ACardThePortDoesNotOfferLeavesThePortAsItWasAndIsNeverAttached) {
    Start();
    Choose("ComboBoxFmc_B", 1);
    SettingsRecord r = DefaultsOf(CalvexLogic());
    SetCards(r, {0, DAUGHTER_FMC_HPC_VITA, DAUGHTER_HSMC_DEFAULT, 0}); // an HPC card on an LPC port
    r.SetU8(C::nGpioDaughterId, DAUGHTER_FMC_HPC_VITA);
    const std::string cfg = dir.File("foreign.cfg");
    testsupport::WriteFile(cfg, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(List("ComboBoxFmc_B")->currentIndex(), 1);
    EXPECT_EQ(List("ComboBoxFmc_C")->currentIndex(), 0);
    EXPECT_EQ(List("ComboBoxGpio")->currentIndex(), 0);

    // Without the form such a record still ends in a project, never in an assertion:
    // Generate takes no card the list lacks.
    SettingsRecord dropped = r;
    Normalise(CalvexLogic(), dropped);
    auto built = Build(CalvexLogic(), dropped);
    EXPECT_EQ(FindConnector(built->board, "FMCB"), nullptr);
    EXPECT_EQ(FindConnector(built->board, "GPIO"), nullptr);
    testsupport::TempDir out;
    seam.ClearRecords();
    EXPECT_TRUE(GenerateLoaded(CalvexLogic(), dropped, out.File("foreign.qpf")));
}
