// Board 31, Embrel: its form, record, pin table, the Si5340 clock lists and the LTM4677 flag.
#include "ClockBoardsSupport.h"
#include "boards/latest/embrel/CONFIG_EMBREL.h"
#include "boards/latest/embrel/ConfigEmbrel.h"
#include "boards/latest/embrel/EmbrelRules.h"
#include "boards/latest/embrel/UI_Embrel.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <filesystem>

using testsupport::ReadFile;
using C = TConfigEmbrel::EMBREL_CONFIG;
namespace fs = std::filesystem;

namespace {

class Embrel : public ClockBoardForm {
protected:
    TFormEmbrel* Start() { return Open<TFormEmbrel>(); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
};

SettingsRecord Bare() {
    return UntickedDefaults(EmbrelLogic());
}

SettingsRecord SelectAll() {
    SettingsRecord r = EmbrelLogic().NewRecord();
    EmbrelSelectAll(r);
    return r;
}

const char* const kClockLists[] = {"ComboBoxSi5340A_A", "ComboBoxSi5340A_B", "ComboBoxSi5340A_C",
                                   "ComboBoxSi5340A_D", "ComboBoxSi5340B_QDRII"};

} // namespace

TEST_F(Embrel, Defaults) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Embrel");
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 21);
    EXPECT_EQ(Items("ComboBoxSi5340A_D"),
              (std::vector<std::string>{"Not Use", "100.00000", "125.00000", "156.25000", "250.00000",
                                        "312.50000", "322.26500", "644.53125"}));
    EXPECT_EQ(Items("ComboBoxSi5340B_QDRII"),
              (std::vector<std::string>{"Not Use", "225.00000", "250.00000", "275.00000"}));
    for (const char* list : kClockLists) {
        EXPECT_EQ(List(list)->currentText(), "Not Use") << list;
        EXPECT_FALSE(List(list)->isEnabled()) << list;
    }
    // Ticking an interface enables its list still at "Not Use".
    Tick("CheckBoxQsfpC", true);
    EXPECT_TRUE(List("ComboBoxSi5340A_C")->isEnabled());
    EXPECT_EQ(List("ComboBoxSi5340A_C")->currentText(), "Not Use");

    std::vector<uint8_t> expected = RecordHead(31, 180, "Embrel");
    for (std::size_t offset : {136, 137, 138, 139, 140, 141, 153, 154})
        expected[offset] = 1;
    EXPECT_EQ(Bytes(DefaultsOf(EmbrelLogic())), expected);
}

TEST(EmbrelPins, SelectAllGivesTwentyFourConnectorsAndTheirPins) {
    const SettingsRecord all = SelectAll();
    EXPECT_EQ(all.U8(C::bLtm4677), 0);
    auto built = Build(EmbrelLogic(), all);
    EXPECT_EQ(built->board.GetConnectorCount(), 24);
    EXPECT_EQ(ActivePins(built->board), 632);
    EXPECT_EQ(FindConnector(built->board, "LTM4677"), nullptr);
    EXPECT_EQ(FindPin(built->board, "FLASH_A[0]"), nullptr);
    EXPECT_NE(FindPin(built->board, "FLASH_A[26]"), nullptr);
    // The device without a speed grade.
    EXPECT_EQ(built->board.GetDevice(), "10AX115N2F45E1SG");
    EXPECT_EQ(built->board.GetSpeedGradeText(), "");
    EXPECT_EQ(built->board.GetSpeedGrade(), 0);
}

TEST(EmbrelPins, TheLtm4677FlagThatNoBoxShowsAddsItsPins) {
    SettingsRecord r = SelectAll();
    r.SetU8(C::bLtm4677, 1);
    auto built = Build(EmbrelLogic(), r);
    const std::vector<std::string> names = ConnectorNames(built->board);
    ASSERT_EQ(names.size(), 25u);
    EXPECT_EQ(names[22], "QSFPD");
    EXPECT_EQ(names[23], "LTM4677");
    EXPECT_EQ(names[24], "GPIO Expansion Header");
    EXPECT_EQ(PinNames(*FindConnector(built->board, "LTM4677")),
              (std::vector<std::string>{"LTM4677_ALERT_n", "LTM4677_SCL", "LTM4677_SDA"}));
    EXPECT_EQ(ActivePins(built->board), 635);
}

TEST(EmbrelPins, TheDefaultsAndTheClockChips) {
    EXPECT_EQ(ConnectorNames(Build(EmbrelLogic(), DefaultsOf(EmbrelLogic()))->board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "FAN", "FLASH", "Temperature",
                                        "POWER Monitor"}));
    // The chips bring the whole CLOCK and KEY groups.
    SettingsRecord r = Bare();
    r.SetU8(C::bQsfpA, 1);
    r.SetI32(C::nSi5340A, 7);
    auto built = Build(EmbrelLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board), (std::vector<std::string>{"CLOCK", "KEY", "SI5340A", "QSFPA"}));
    EXPECT_EQ(FindConnector(built->board, "CLOCK")->ActivePinCount(), 8);
    EXPECT_EQ(FindConnector(built->board, "KEY")->ActivePinCount(), 5);
    EXPECT_EQ(FindPin(built->board, "QSFPA_REFCLK_p")->GetFrequencyText(), "644.531250 MHz");

    // The memories share one reference clock; at "Not Use" it is a clock of 0 and no chip is used.
    r = Bare();
    r.SetU8(C::bQdriiC, 1);
    built = Build(EmbrelLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board), (std::vector<std::string>{"QDRIIC", "RZQ"}));
    EXPECT_EQ(FindPin(built->board, "QDRIIC_REFCLK_p")->GetIsClock(), 1);
    EXPECT_EQ(FindPin(built->board, "QDRIIC_REFCLK_p")->GetFrequencyText(), "0.000000 MHz");
    r.SetU8(C::bQdriiF, 1);
    r.SetI32(C::nSi5340B, 1);
    built = Build(EmbrelLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board),
              (std::vector<std::string>{"CLOCK", "KEY", "QDRIIC", "QDRIIF", "RZQ", "SI5340B"}));
    EXPECT_EQ(FindPin(built->board, "QDRIIF_REFCLK_p")->GetFrequencyText(), "225.000000 MHz");
    EXPECT_EQ(FindConnector(built->board, "RZQ")->ActivePinCount(), 6);
}

TEST_F(Embrel, SelectAllThenGenerate) {
    Start();
    Type("EditProjectName", "other");
    Click("ButtonButtonDefaultAllSetting");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Embrel");
    for (const char* list : kClockLists)
        EXPECT_EQ(List(list)->currentIndex(), List(list)->count() - 1) << list;
    EXPECT_EQ(Form().Session().Stored().U8(C::bLtm4677), 0);

    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "===== QDRII+ SRAM Pinwright warning =====\r\n"
              "Please add the QDRII+ SRAM Controller IP to your Quartus project, follow by\r\n"
              "the steps below to prevent any errors from occurring during compilation.\r\n"
              "\r\n"
              "1). Create correct pin assignment for QDRII+ SRAM.\r\n"
              "2). Setup correct parameters in QDRII+ SRAM controller dialog. \r\n"
              "3). Execute TCL files, generated by QDRII+ SRAM IP, under your Quartus project.\r\n"
              "\r\n"
              "===== PCIe/QSFP+  Transceiver Pinwright warning =====\r\n"
              "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
              "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
              "Transceiver IP to your design.\r\n");
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
    const std::string qsf = ReadFile(folder + "Embrel.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE 10AX115N2F45E1SG\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("DEVICE_FILTER_SPEED_GRADE"), std::string::npos);
    EXPECT_NE(
        qsf.find("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIF_REFCLK_p\r\n"),
        std::string::npos);
    const std::string v = ReadFile(folder + "Embrel.v");
    EXPECT_NE(v.find("    .iCLK(CLK_50_B2F),\r\n"), std::string::npos);
    EXPECT_NE(v.find("    .iPLL_OUT_FREQ_SEL(`REFCLK_QDR275),\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder + "si5340_controller/si5340a_controller.v"));
}

TEST_F(Embrel, AQdriiMemoryAtNotUseAsksForTheSecondChipOnly) {
    Start();
    Tick("CheckBoxQdrE", true);
    seam.AnswerBox(platform::Button::Yes);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 3u);
    EXPECT_EQ(
        seam.Boxes()[0].text,
        "QDRII interface is enabled, but the associated programmable oscillator SI5338B is not enabled.\r\n"
        "Do you want to continued?");
    EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(seam.Boxes()[1].text.rfind("===== QDRII+ SRAM Pinwright warning =====\r\n", 0), 0u);
    EXPECT_EQ(seam.Boxes()[2].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    // No chip in use: no controller and no module files.
    EXPECT_FALSE(fs::exists(folder + "si5340_controller"));
}

TEST_F(Embrel, TheQuestionNamesTheCagesWithoutAFrequency) {
    Start();
    for (const char* box : {"CheckBoxQsfpA", "CheckBoxQsfpB", "CheckBoxQsfpD"})
        Tick(box, true);
    Choose("ComboBoxSi5340A_B", 4);
    seam.AnswerBox(platform::Button::No);
    Click("ButtonGen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Warning|QSFPA/QSFPD interface is enabled, but the associated programmable "
                              "oscillator SI5338A is not enalbed.\r\nDo you want to continued?"}));
    EXPECT_TRUE(seam.FileDialogs().empty());
}

TEST_F(Embrel, TheLtm4677FlagTravelsThroughTheFormUnseen) {
    SettingsRecord r = DefaultsOf(EmbrelLogic());
    r.SetU8(C::bLtm4677, 1);
    r.SetU8(C::bQsfpB, 1);
    r.SetI32(C::nSi5340A + 4, 3);
    const std::string cfg = dir.File("ltm.cfg");
    testsupport::WriteFile(cfg, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    Start();
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxQsfpB")->isChecked());
    EXPECT_EQ(List("ComboBoxSi5340A_B")->currentIndex(), 3);
    EXPECT_TRUE(List("ComboBoxSi5340A_B")->isEnabled());
    EXPECT_FALSE(List("ComboBoxSi5340A_A")->isEnabled());

    const std::string folder = Generate();
    EXPECT_NE(ReadFile(folder + "Embrel.qsf").find("set_location_assignment PIN_V36 -to LTM4677_ALERT_n\r\n"),
              std::string::npos);
    // Saved again unchanged, until the defaults clear it.
    const std::string saved = dir.File("saved.cfg");
    seam.AnswerFile(saved);
    Click("ButtonSave");
    EXPECT_EQ(ReadFile(saved)[156], 1);
    Click("ButtonDefaultSetting");
    EXPECT_EQ(Form().Session().Stored().U8(C::bLtm4677), 0);
}

TEST_F(Embrel, SettingsRoundTrip) {
    Start();
    Tick("CheckBoxGPIO", true);
    Tick("CheckBoxQdrB", true);
    Choose("ComboBoxSi5340B_QDRII", 2);
    Type("EditProjectName", "round");
    const std::string cfg = dir.File("embrel.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    const std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 180u);
    EXPECT_EQ(bytes[157], 1);
    EXPECT_EQ(bytes[143], 1);
    EXPECT_EQ(bytes[176], 2);

    Click("ButtonDefaultSetting");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxGPIO")->isChecked());
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxGPIO")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxQdrB")->isChecked());
    EXPECT_EQ(List("ComboBoxSi5340B_QDRII")->currentIndex(), 2);
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeSi5340B")->isHidden());
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeSi5340A")->isHidden());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "round");
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Failed to load setting"}));
}
