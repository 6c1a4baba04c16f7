// Board 21, Ulmaro: its form, record, pin table, header pairing and timing constraints.
#include "BoardFormFixture.h"
#include "SessionSupport.h"
#include "SocBoardSupport.h"
#include "boards/latest/ulmaro/CONFIG_ULMARO.h"
#include "boards/latest/ulmaro/UlmaroRules.h"
#include "boards/latest/ulmaro/UlmaroText.h"
#include "core/Pinwright.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = ULMARO_CONFIG;

class Ulmaro : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_ULMARO); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

SettingsRecord Bare() {
    return BareRecord(21, 408);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigUlmaroPins, r);
}

const std::string kStars = "#" + std::string(62, '*') + "\r\n";

std::string Section(const std::string& heading) {
    return kStars + heading + kStars;
}

} // namespace

TEST_F(Ulmaro, DefaultsGenerateThirteenConnectorsAndNoHpsWarning) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Ulmaro");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxHPS") << box->objectName().toStdString();
    EXPECT_FALSE(Shown("ShapeHPS"));
    EXPECT_TRUE(Shown("ShapeSDRAM"));
    for (const char* combo : {"ComboBoxGpio0", "ComboBoxGpio1"})
        EXPECT_EQ(Get<QComboBox>(combo)->currentText(), "None");
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio0")->text().isEmpty());

    // The record as its layout places the bytes.
    std::vector<uint8_t> expected = RecordHead(21, 408, "Ulmaro");
    for (std::size_t offset = 136; offset <= 147; ++offset)
        expected[offset] = 1;
    SettingsRecord r = UlmaroLogic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(Bytes(r), expected);
    EXPECT_EQ(ConnectorNames(*Model(r)),
              (std::vector<std::string>{"ADC", "Audio", "CLOCK", "SDRAM", "I2C for Audio and Video-In",
                                        "SEG7", "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA"}));

    // The board's own text names the folder "Ulmaro".
    const std::string folder = Generate();
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.initialDir, dir.Folder() + "CodeGenerated/Ulmaro/Ulmaro/");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Information|Generate Quartus Project successfully.\r\nThe "
                                        "project is located in the folder:\r\n" +
                                        folder}));
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
    EXPECT_NE(ReadFile(folder + "Ulmaro.qsf").find("set_global_assignment -name DEVICE 5CSEMA5F31C6\r\n"),
              std::string::npos);
}

TEST_F(Ulmaro, TheEightyPinCardOnEitherHeaderTakesBothAndOneMaster) {
    for (const char* chosen : {"ComboBoxGpio0", "ComboBoxGpio1"}) {
        SCOPED_TRACE(chosen);
        seam.ClearRecords();
        Start();
        const bool first = std::string(chosen) == "ComboBoxGpio0";
        const char* other = first ? "ComboBoxGpio1" : "ComboBoxGpio0";
        Type(first ? "EditPrefixGpio0" : "EditPrefixGpio1", "ADA_");
        ChooseText(chosen, BoardName(DAUGHTER_TURVIN_GPIO).c_str());
        EXPECT_EQ(Get<QComboBox>(other)->currentText(), Get<QComboBox>(chosen)->currentText());
        EXPECT_FALSE(Get<QComboBox>(other)->isEnabled());
        EXPECT_FALSE(Get<QLineEdit>(first ? "EditPrefixGpio1" : "EditPrefixGpio0")->isEnabled());
        EXPECT_EQ(Get<QLineEdit>(first ? "EditPrefixGpio1" : "EditPrefixGpio0")->text(), "ADA_");
        EXPECT_TRUE(Shown("ShapeGpio0"));
        EXPECT_TRUE(Shown("ShapeGpio1"));

        SettingsRecord r = UlmaroLogic().NewRecord();
        StoreShown(Form(), r);
        auto board = Model(r);
        ASSERT_EQ(board->GetConnectorCount(), 14);
        const TConnector* both = board->GetConnector(13);
        EXPECT_EQ(both->GetName(), "GPIO_0_1");
        EXPECT_EQ(both->GetCaption(), "GPIO_0_1 connect to " + BoardName(DAUGHTER_TURVIN_GPIO));
        EXPECT_EQ(both->GetMasterId(), MASTER_GPIO_BOTH);
        EXPECT_EQ(both->GetType(), CONNECTOR_GPIO80);
        EXPECT_EQ(both->PinCount(), 80);
        EXPECT_EQ(both->ActivePinCount(), 72);
        EXPECT_EQ(EmptySlots(*both), (std::vector<int>{10, 11, 28, 29, 50, 51, 68, 69}));
        EXPECT_EQ(both->GetPin(40)->GetLocation(), "AB17");

        const std::string folder = Generate();
        EXPECT_EQ(BoxTexts().size(), 1u);
        const std::string qsf = ReadFile(folder + "Ulmaro.qsf");
        EXPECT_NE(qsf.find("-to ADA_"), std::string::npos);
        EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to ADA_"), std::string::npos);

        // Another card on the enabled header frees the other one.
        ChooseText(chosen, "GPIO Default");
        EXPECT_TRUE(Get<QComboBox>(other)->isEnabled());
        EXPECT_EQ(Get<QComboBox>(other)->currentText(), "None");
        EXPECT_TRUE(Get<QLineEdit>(first ? "EditPrefixGpio1" : "EditPrefixGpio0")->text().isEmpty());
        CloseForm();
        fs::remove(dir.File("default.cfg"));
    }
}

TEST_F(Ulmaro, ALoadedEightyPinCardFollowsHeaderZero) {
    SettingsRecord r = UlmaroLogic().NewRecord();
    UlmaroLogic().SetDefaultConfig(r);
    r.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_TURVIN_GPIO);
    testsupport::WriteFile(dir.File("one.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    r.SetU8(C::nGpioDaughterId[GPIO_1], 0);
    r.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_TURVIN_GPIO);
    testsupport::WriteFile(dir.File("zero.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    seam.AnswerFile(dir.File("one.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentText(), "None");
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio1")->isEnabled());
    seam.AnswerFile(dir.File("zero.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(platform::FromQt(Get<QComboBox>("ComboBoxGpio1")->currentText()),
              BoardName(DAUGHTER_TURVIN_GPIO));
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio1")->isEnabled());
}

TEST_F(Ulmaro, HeaderPrefixRulesAndTheGpioDefaultPair) {
    Start();
    Choose("ComboBoxGpio0", 1);
    Choose("ComboBoxGpio1", 1);
    std::string folder = Generate();
    ASSERT_EQ(BoxTexts().size(), 1u);
    std::string qsf = ReadFile(folder + "Ulmaro.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to GPIO_0[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB17 -to GPIO_1[0]\r\n"), std::string::npos);

    seam.ClearRecords();
    Type("EditPrefixGpio0", "P_");
    Type("EditPrefixGpio1", "P_");
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|" + soc::kPrefixClash}));
    EXPECT_TRUE(seam.FileDialogs().empty());

    // Different prefixes pass, each header with its own.
    seam.ClearRecords();
    Type("EditPrefixGpio1", "Q_");
    folder = Generate();
    qsf = ReadFile(folder + "Ulmaro.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to P_GPIO[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB17 -to Q_GPIO[0]\r\n"), std::string::npos);
}

TEST_F(Ulmaro, HpsTickedShowsTheWarningAfterTheSuccessBoxAndLeavesItsPinsUnplaced) {
    Start();
    Tick("CheckBoxHPS", true);
    EXPECT_TRUE(Shown("ShapeHPS"));
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[1].text, soc::kHpsWarning);
    EXPECT_EQ(seam.Boxes()[1].caption, "Information");
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Information);
    const std::string qsf = ReadFile(folder + "Ulmaro.qsf");
    EXPECT_NE(
        qsf.find("set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to HPS_DDR3_ADDR[0]\r\n"),
        std::string::npos);
    EXPECT_NE(qsf.find("set_instance_assignment -name IO_STANDARD \"Differential 1.5-V SSTL Class I\" -to "
                       "HPS_DDR3_DQS_N[3]\r\n"),
              std::string::npos);
    // Standards only: no HPS pin has a location line.
    int lines = 0;
    for (std::size_t at = qsf.find("-to HPS_"); at != std::string::npos; at = qsf.find("-to HPS_", at + 1)) {
        const std::size_t start = qsf.rfind("\n", at) + 1;
        EXPECT_EQ(qsf.compare(start, 42, "set_instance_assignment -name IO_STANDARD "), 0)
            << qsf.substr(start, at - start);
        ++lines;
    }
    EXPECT_EQ(lines, 128);

    // A failed Generate shows only the failure box.
    seam.ClearRecords();
    fs::remove_all(folder);
    fs::create_directories(folder + "Ulmaro.v");
    Generate();
    ASSERT_FALSE(seam.Boxes().empty());
    EXPECT_EQ(seam.Boxes().back().text, "Failed to generate Quartus project: Ulmaro.qpf.");
    for (const auto& box : seam.Boxes())
        EXPECT_NE(box.text, soc::kHpsWarning);
}

TEST_F(Ulmaro, SettingsRoundTripThroughTheDialogs) {
    Start();
    Tick("CheckBoxPS2", false);
    Tick("CheckBoxHPS", true);
    Choose("ComboBoxGpio1", 3);
    Type("EditPrefixGpio1", "CAM_");
    Type("EditProjectName", "kept");
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    ASSERT_EQ(ReadFile(file).size(), 408u);
    Click("ButtonExit");
    ASSERT_TRUE(fs::exists(dir.File("default.cfg")));
    CloseForm();
    Start();
    Tick("CheckBoxPS2", true);
    Choose("ComboBoxGpio1", 0);
    Type("EditProjectName", "other");
    seam.AnswerFile(file);
    Click("ButtonLoad");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxPS2")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxHPS")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentIndex(), 3);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "CAM_");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "kept");
}

TEST(UlmaroPins, GroupsFollowTheirFlags) {
    SettingsRecord r = Bare();
    auto empty = Model(r);
    EXPECT_EQ(empty->GetConnectorCount(), 0);
    EXPECT_EQ(empty->GetDevice(), "5CSEMA5F31C6");
    EXPECT_EQ(empty->GetSpeedGradeText(), "6");
    // The shared I2C bus comes once, between SDRAM and SEG7, for Audio or Video-In.
    for (auto [audio, video] : {std::pair{1, 0}, {0, 1}, {1, 1}}) {
        r = Bare();
        r.SetU8(C::bSDRAM, 1);
        r.SetU8(C::bSeg7, 1);
        r.SetU8(C::bAudio, static_cast<uint8_t>(audio));
        r.SetU8(C::bVideoIn, static_cast<uint8_t>(video));
        std::vector<std::string> names = ConnectorNames(*Model(r));
        std::vector<std::string> expected;
        if (audio)
            expected.push_back("Audio");
        expected.insert(expected.end(), {"SDRAM", "I2C for Audio and Video-In", "SEG7"});
        if (video)
            expected.push_back("Video-In");
        EXPECT_EQ(names, expected);
    }
    // The record copy the timing constraints read.
    r.SetU8(C::Reserved407, 9);
    EXPECT_EQ(Bytes(RecordOf<UlmaroText>(*Model(r))), Bytes(r));
}

TEST(UlmaroPins, ClocksHpsPinsAndSinglePins) {
    SettingsRecord r = Bare();
    r.SetU8(C::bOSC, 1);
    r.SetU8(C::bHPS, 1);
    r.SetU8(C::bSDRAM, 1);
    auto board = Model(r);
    const TConnector* clock = FindConnector(*board, "CLOCK");
    ASSERT_NE(clock, nullptr);
    const char* notes[] = {"BANK 3B", "BANK 4A", "BANK 5B", "BANK 8A"};
    for (int i = 0; i < 4; ++i) {
        const TPin* p = clock->GetPin(i);
        EXPECT_EQ(p->GetIsClock(), 1);
        EXPECT_EQ(p->GetPeriod(), 20);
        EXPECT_EQ(p->GetFrequencyText(), "");
        EXPECT_EQ(p->GetNote(), notes[i]);
    }
    const TConnector* hps = FindConnector(*board, "HPS");
    ASSERT_NE(hps, nullptr);
    ASSERT_EQ(hps->PinCount(), 128);
    for (int i = 0; i < hps->PinCount(); ++i) {
        EXPECT_EQ(hps->GetPin(i)->GetLocation(), "") << hps->GetPin(i)->GetName();
        EXPECT_EQ(hps->GetPin(i)->GetIsClock(), 0);
    }
    // The strobes in pairs, then the memory clock; the last pin.
    EXPECT_EQ(hps->GetPin(72 - 10)->GetName(), "HPS_DDR3_DQS_P[0]");
    EXPECT_EQ(hps->GetPin(72 - 9)->GetName(), "HPS_DDR3_DQS_N[0]");
    EXPECT_EQ(hps->GetPin(71)->GetName(), "HPS_DDR3_CK_N");
    EXPECT_EQ(hps->GetPin(71)->GetIoStandard(), IOSTD_DIFF_1V5_SSTL_I);
    EXPECT_EQ(hps->GetPin(127)->GetName(), "HPS_CONV_USB_N");
    EXPECT_EQ(hps->GetPin(127)->GetIoStandard(), IOSTD_3V3_LVTTL);
    const TConnector* sdram = FindConnector(*board, "SDRAM");
    ASSERT_EQ(sdram->PinCount(), 39);
    EXPECT_EQ(sdram->GetPin(13)->GetName(), "DRAM_BA[0]");
    EXPECT_EQ(sdram->GetPin(14)->GetLocation(), "AJ12");
}

TEST(UlmaroPins, HeadersWithFortyPinCards) {
    SettingsRecord r = Bare();
    r.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_KAMREL);
    auto one = Model(r);
    ASSERT_EQ(ConnectorNames(*one), std::vector<std::string>{"GPIO_1"});
    EXPECT_EQ(one->GetConnector(0)->GetMasterId(), MASTER_GPIO_1);
    EXPECT_EQ(one->GetConnector(0)->GetCaption(), "GPIO_1 connect to " + BoardName(DAUGHTER_KAMREL));
    r.SetU8(C::nGpioDaughterId[GPIO_0], DAUGHTER_GPIO_DEFAULT);
    auto two = Model(r);
    ASSERT_EQ(ConnectorNames(*two), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
    for (int i = 0; i < 2; ++i) {
        const TConnector* c = two->GetConnector(i);
        EXPECT_EQ(c->GetMasterId(), MASTER_GPIO_0 + i);
        EXPECT_EQ(c->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(c->ActivePinCount(), 36);
        EXPECT_EQ(EmptySlots(*c), (std::vector<int>{10, 11, 28, 29}));
        EXPECT_EQ(c->GetPin(0)->GetIoStandard(), IOSTD_BY_DAUGHTER);
        EXPECT_EQ(c->GetPin(0)->GetDirection(), DIRECTION_BY_DAUGHTER);
    }
    EXPECT_EQ(two->GetConnector(0)->GetCaption(), "GPIO_0 connect to GPIO Default");
    EXPECT_EQ(two->GetConnector(1)->GetPin(39)->GetLocation(), "AC22");
}

TEST(UlmaroPins, BrokenRecordsEndTheProgram) {
    platform::testing::ScriptedPlatform seam;
    struct Case {
        uint8_t id;
        int32_t size;
        uint8_t gpio0, gpio1;
        const char* text;
    };
    const Case cases[] = {
        {22, 408, 0, 0, "Assertion failed: Config.BoardId == MAINBOARD_ULMARO, file CONFIG_ULMARO, line 24"},
        {21, 404, 0, 0,
         "Assertion failed: Config.Size == sizeof(ULMARO_CONFIG), file CONFIG_ULMARO, line 25"},
        {21, 408, DAUGHTER_TURVIN_GPIO, 0,
         "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_ULMARO, line 129"},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        r.SetU8(C::BoardId, c.id);
        r.SetI32(C::Size, c.size);
        r.SetU8(C::nGpioDaughterId[GPIO_0], c.gpio0);
        r.SetU8(C::nGpioDaughterId[GPIO_1], c.gpio1);
        TMainBoard b;
        EXPECT_EQ(platform::testing::AssertionOf([&] { ConfigUlmaroPins(&b, r); }), c.text);
        EXPECT_EQ(b.GetBoardId(), c.id);
    }
}

TEST(UlmaroSdc, TheDefaultsWriteEveryBoardClockAndDelay) {
    testsupport::TempDir dir;
    SettingsRecord r = UlmaroLogic().NewRecord();
    UlmaroLogic().SetDefaultConfig(r);
    auto board = Model(r);
    board->SortAllConnectors();
    TPinwright w;
    ASSERT_TRUE(w.WriteSdc(board.get(), dir.File("Ulmaro.sdc")));
    const std::string expected =
        kStars + "# This .sdc file is created by Veltrax Tool.\r\n" +
        "# Users are recommended to modify this file to match users logic.\r\n" + kStars + "\r\n" +
        Section("# Create Clock\r\n") + "create_clock -period 20.000ns [get_ports CLOCK2_50]\r\n" +
        "create_clock -period 20.000ns [get_ports CLOCK3_50]\r\n" +
        "create_clock -period 20.000ns [get_ports CLOCK4_50]\r\n" +
        "create_clock -period 20.000ns [get_ports CLOCK_50]\r\n" + "\r\n" +
        "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n" +
        "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n" +
        "# AUDIO : 48kHz 384fs 32-bit data\r\n" +
        "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n" +
        "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n" +
        "# VGA : 640x480@60Hz\r\n" +
        "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
        "# VGA : 800x600@60Hz\r\n" +
        "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
        "# VGA : 1024x768@60Hz\r\n" +
        "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
        "# VGA : 1280x1024@60Hz\r\n" +
        "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" + "\r\n" +
        "# for enhancing USB BlasterII to be reliable, 25MHz\r\n" +
        "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}\r\n" +
        "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tdi]\r\n" +
        "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tms]\r\n" +
        "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]\r\n" + "\r\n" +
        Section("# Create Generated Clock\r\n") + "derive_pll_clocks\r\n" + "\r\n\r\n\r\n" +
        Section("# Set Clock Latency\r\n") + "\r\n\r\n\r\n" + Section("# Set Clock Uncertainty\r\n") +
        "derive_clock_uncertainty\r\n" + "\r\n\r\n\r\n" + Section("# Set Input Delay\r\n") +
        "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n" +
        "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n" +
        "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n" + "\r\n" +
        "set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]\r\n" +
        "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]\r\n" +
        "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]\r\n" +
        "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]\r\n" +
        "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]\r\n" +
        "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]\r\n" + "\r\n" +
        "\r\n\r\n\r\n" + Section("# Set Output Delay\r\n") +
        "# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n" +
        "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n" +
        "set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]\r\n" +
        "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]\r\n" +
        "set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]\r\n" +
        "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]\r\n" +
        "set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]\r\n" +
        "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]\r\n" +
        "set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]\r\n" +
        "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]\r\n" +
        "set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]\r\n" +
        "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]\r\n" +
        "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]\r\n" +
        "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]\r\n" +
        "set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]\r\n" +
        "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]\r\n" +
        "set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]\r\n" +
        "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]\r\n" +
        "set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]\r\n" +
        "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]\r\n" + "\r\n" +
        "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n" +
        "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]\r\n" +
        "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]\r\n" +
        "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]\r\n" +
        "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]\r\n" +
        "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]\r\n" +
        "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK]\r\n" +
        "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK]\r\n" + "\r\n" + "\r\n\r\n\r\n" +
        Section("# Set Clock Groups\r\n") + "\r\n\r\n\r\n" + Section("# Set False Path\r\n") +
        "\r\n\r\n\r\n" + Section("# Set Multicycle Path\r\n") + "\r\n\r\n\r\n" +
        Section("# Set Maximum Delay\r\n") + "\r\n\r\n\r\n" + Section("# Set Minimum Delay\r\n") +
        "\r\n\r\n\r\n" + Section("# Set Input Transition\r\n") + "\r\n\r\n\r\n" + Section("# Set Load\r\n") +
        "\r\n\r\n\r\n";
    EXPECT_EQ(ReadFile(dir.File("Ulmaro.sdc")), expected);
}

TEST(UlmaroSdc, OnlyVgaTicked) {
    SettingsRecord r = Bare();
    r.SetU8(C::bVGA, 1);
    auto board = Model(r);
    TPinwright w;
    EXPECT_EQ(w.GetSdcBoardClocks(board.get()),
              std::string("# VGA : 640x480@60Hz\r\n") +
                  "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
                  "# VGA : 800x600@60Hz\r\n" +
                  "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
                  "# VGA : 1024x768@60Hz\r\n" +
                  "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" +
                  "# VGA : 1280x1024@60Hz\r\n" +
                  "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n" + "\r\n");
    EXPECT_EQ(w.GetSdcInputDelays(board.get()), "");
    EXPECT_EQ(w.GetSdcOutputDelays(board.get()),
              std::string("# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n") +
                  "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n" +
                  "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n" +
                  "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]\r\n" +
                  "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]\r\n" +
                  "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]\r\n" +
                  "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]\r\n" +
                  "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]\r\n" +
                  "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK]\r\n" +
                  "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK]\r\n" + "\r\n");
    // Nothing ticked: no board clock, no delay, the JTAG lines all the same.
    auto bare = Model(Bare());
    EXPECT_EQ(w.GetSdcBoardClocks(bare.get()), "");
    EXPECT_EQ(w.GetSdcOutputDelays(bare.get()), "");
    EXPECT_EQ(
        w.GetSdcJtagClock(bare.get()).rfind("# for enhancing USB BlasterII to be reliable, 25MHz\r\n", 0),
        0u);
}

TEST_F(Ulmaro, Screenshot) {
    Start();
    Choose("ComboBoxGpio0", 1);
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-ulmaro");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
}
