// Board 27, Abrenz: its form, record, pin table, the Si5340 clock lists and the DDR3 sockets.
#include "ClockBoardsSupport.h"
#include "SessionSupport.h"
#include "boards/latest/ClockChipText.h"
#include "boards/latest/abrenz/AbrenzRules.h"
#include "boards/latest/abrenz/CONFIG_ABRENZ.h"
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/abrenz/UI_Abrenz.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <filesystem>

using testsupport::ReadFile;
using C = TConfigAbrenz::ABRENZ_CONFIG;
namespace fs = std::filesystem;

namespace {

class Abrenz : public ClockBoardForm {
protected:
    TFormAbrenz* Start() { return Open<TFormAbrenz>(); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
};

// The record with every box unticked.
SettingsRecord Bare() {
    return UntickedDefaults(AbrenzLogic());
}

// The pin table alone, before any module is attached.
std::unique_ptr<TMainBoard> Pins(const SettingsRecord& r, TConfigAbrenz& settings) {
    std::copy(r.data(), r.data() + r.size(), settings.Config.data());
    auto board = std::make_unique<TMainBoard>();
    ConfigAbrenzPins(board.get(), &settings);
    return board;
}

const char* const kClockLists[] = {"ComboBoxDi5340A_A",   "ComboBoxDi5340A_B",    "ComboBoxDi5340A_C",
                                   "ComboBoxDi5340A_D",   "ComboBoxDi5340B_DDR3", "ComboBoxDi5340B_QDRII",
                                   "ComboBoxDi5340B_PCIE"};

} // namespace

TEST_F(Abrenz, Defaults) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "ABRENZ");
    EXPECT_EQ(Items("ComboBoxBoard"),
              (std::vector<std::string>{"I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG",
                                        "E1 1150K: 10AX115N2F45E1SG", "I2  900K: 10AX090N3F45I2SG"}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 0);
    EXPECT_EQ(Form().findChildren<QCheckBox*>().size(), 23);
    EXPECT_EQ(Items("ComboBoxDi5340A_C"),
              (std::vector<std::string>{"Not Use", "100.00000", "125.00000", "156.25000", "250.00000",
                                        "312.50000", "322.26500", "644.53125"}));
    EXPECT_EQ(Items("ComboBoxDi5340B_DDR3"),
              (std::vector<std::string>{"Not Use", "200.00000", "233.33300", "266.66700"}));
    EXPECT_EQ(Items("ComboBoxDi5340B_QDRII"),
              (std::vector<std::string>{"Not Use", "225.00000", "233.33300", "250.00000", "275.00000"}));
    EXPECT_EQ(Items("ComboBoxDi5340B_PCIE"), (std::vector<std::string>{"Not Use", "100.00000"}));
    for (const char* list : kClockLists) {
        EXPECT_EQ(List(list)->currentIndex(), 0) << list;
        EXPECT_FALSE(List(list)->isEnabled()) << list;
    }

    // The record's bytes as the record's layout places them.
    std::vector<uint8_t> expected = RecordHead(27, 188, "ABRENZ");
    for (std::size_t offset : {136, 137, 138, 139, 140, 142, 143, 155, 156})
        expected[offset] = 1;
    EXPECT_EQ(Bytes(DefaultsOf(AbrenzLogic())), expected);
}

TEST(AbrenzPins, TheFourVariantsGiveTheirDevices) {
    const char* const devices[] = {"10AX115N3F45I2SG", "10AX115N3F45E2SG", "10AX115N2F45E1SG",
                                   "10AX090N3F45I2SG"};
    for (uint8_t variant = 0; variant < 4; ++variant) {
        SettingsRecord r = DefaultsOf(AbrenzLogic());
        r.SetU8(C::nBoardType, variant);
        auto built = Build(AbrenzLogic(), r);
        EXPECT_EQ(built->board.GetDevice(), devices[variant]);
        EXPECT_EQ(built->board.GetFamily(), "Arria 10");
        EXPECT_EQ(built->board.GetDevicePinCount(), 1932);
        EXPECT_EQ(built->board.GetDevicePackage(), "FBGA");
        EXPECT_EQ(built->board.GetSpeedGradeText(), "");
        EXPECT_EQ(built->board.GetSpeedGrade(), 0);
        EXPECT_EQ(TextOf<ClockChipText>(built->board).Settings(), built->settings.get());
    }
}

TEST(AbrenzPins, StoredChoicesOutsideTheirListsComeBackToTheDefaults) {
    SettingsRecord r = DefaultsOf(AbrenzLogic());
    AbrenzSelectAll(r); // every list enabled
    r.SetU8(C::nBoardType, 9);
    r.SetI32(C::nSi5340A + 4, 8);
    r.SetI32(C::nSi5340BQdrii, -1);
    r.SetI32(C::nSi5340BDdr3, 3);
    Normalise(AbrenzLogic(), r);
    EXPECT_EQ(r.U8(C::nBoardType), 0);
    EXPECT_EQ(r.I32(C::nSi5340A + 4), 0);
    EXPECT_EQ(r.I32(C::nSi5340BQdrii), 0);
    EXPECT_EQ(r.I32(C::nSi5340BDdr3), 3);
}

TEST(AbrenzPins, TheDefaultsGiveThePeripheralsInOrder) {
    auto built = Build(AbrenzLogic(), DefaultsOf(AbrenzLogic()));
    EXPECT_EQ(ConnectorNames(built->board),
              (std::vector<std::string>{"KEY", "CLOCK", "SW", "LED", "LED_BRACKET", "SEG7", "FAN", "FLASH",
                                        "POWER Monitor", "Temperature"}));
    EXPECT_EQ(FindConnector(built->board, "FLASH")->ActivePinCount(), 67);
    EXPECT_EQ(FindPin(built->board, "CLK_100_B3D")->GetFrequencyText(), "100.000000 MHz");
}

TEST(AbrenzPins, TheClockChipsBringTheirOscillatorResetAndStartPins) {
    SettingsRecord r = Bare();
    r.SetU8(C::bQsfpA, 1);
    r.SetI32(C::nSi5340A, 7);
    auto built = Build(AbrenzLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board), (std::vector<std::string>{"KEY", "CLOCK", "QSFPA", "SI5340A"}));
    EXPECT_EQ(PinNames(*FindConnector(built->board, "KEY")),
              (std::vector<std::string>{"BUTTON[0]", "CPU_RESET_n"}));
    EXPECT_EQ(PinNames(*FindConnector(built->board, "CLOCK")), (std::vector<std::string>{"CLK_50_B2J"}));
    const TPin* refclk = FindPin(built->board, "QSFPA_REFCLK_p");
    EXPECT_EQ(refclk->GetIsClock(), 1);
    EXPECT_EQ(refclk->GetFrequencyText(), "644.531250 MHz");
    EXPECT_EQ(refclk->GetLocation(), "AH5");
}

TEST(AbrenzPins, TheSecondSocketAloneTakesTheModuleAndKeepsItsReferenceClock) {
    SettingsRecord r = Bare();
    r.SetU8(C::bDdr3B, 1);
    TConfigAbrenz settings;
    auto pins = Pins(r, settings);
    EXPECT_EQ(ConnectorNames(*pins), (std::vector<std::string>{"DDR3 SODIMM", "RZQ"}));
    const TConnector* socket = pins->GetConnector(0);
    EXPECT_EQ(socket->GetCaption(), "DDR3 SODIMM_B");
    EXPECT_EQ(socket->GetMasterId(), MASTER_DDR3_SODIMM_B);
    EXPECT_EQ(socket->GetType(), CONNECTOR_DDR3_SODIMM);
    EXPECT_EQ(socket->PinCount(), 205);
    int empty = 0;
    for (int k = 0; k < 204; ++k)
        empty += socket->GetPin(k) == nullptr;
    EXPECT_EQ(empty, 80);
    EXPECT_EQ(socket->GetPin(204)->GetName(), "DDR3B_REFCLK_p");
    EXPECT_EQ(FindConnector(*pins, "RZQ")->ActivePinCount(), 6);

    // Generate attaches the module with its prefix on master 25: the telling rows take
    // their signals, the address-select pins fall away, the reference clock stays.
    r.SetI32(C::nSi5340BDdr3, 1);
    auto built = Build(AbrenzLogic(), r);
    EXPECT_EQ(ConnectorNames(built->board),
              (std::vector<std::string>{"KEY", "CLOCK", "DDR3 SODIMM", "RZQ", "SI5340B"}));
    EXPECT_EQ(FindPin(built->board, "DDR3B_RESET_n")->GetLocation(), "BB13");
    EXPECT_EQ(FindPin(built->board, "DDR3B_EVENT_n")->GetLocation(), "AP18");
    EXPECT_EQ(FindPin(built->board, "DDR3B_SCL")->GetLocation(), "AP16");
    EXPECT_EQ(FindPin(built->board, "DDR3B_SA[0]"), nullptr);
    const TPin* refclk = built->board.FindMasterConnector(MASTER_DDR3_SODIMM_B)->GetPin(204);
    EXPECT_EQ(refclk->GetName(), "DDR3B_REFCLK_p");
    EXPECT_EQ(refclk->GetLocation(), "AP14");
    EXPECT_EQ(refclk->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(refclk->GetFrequencyText(), "200.000000 MHz");
    // The other positions of the module's signals have no location: 124 positions carry
    // a pin, four of them with a location, and the reference clock has its own.
    const TConnector* attached = built->board.FindMasterConnector(MASTER_DDR3_SODIMM_B);
    EXPECT_EQ(UnplacedPins(*attached), attached->ActivePinCount() - 5);
    EXPECT_LE(attached->ActivePinCount(), 125);
}

TEST(AbrenzPins, AnOnBoardPcieClockAtNotUseAddsNoConnector) {
    SettingsRecord r = Bare();
    r.SetU8(C::bPcieRefClk, 1);
    EXPECT_TRUE(ConnectorNames(Build(AbrenzLogic(), r)->board).empty());
    r.SetI32(C::nSi5340BPcie, 1);
    EXPECT_EQ(ConnectorNames(Build(AbrenzLogic(), r)->board),
              (std::vector<std::string>{"KEY", "CLOCK", "PCIe On-Board Ref Clock", "SI5340B"}));
}

TEST(AbrenzPins, TheQdriiMemoriesShareOneReferenceClock) {
    SettingsRecord r = Bare();
    r.SetU8(C::bQdriiA, 1);
    r.SetU8(C::bQdriiC, 1);
    r.SetI32(C::nSi5340BQdrii, 2);
    auto built = Build(AbrenzLogic(), r);
    EXPECT_EQ(FindPin(built->board, "QDRIIA_REFCLK_p")->GetFrequencyText(), "233.333000 MHz");
    EXPECT_EQ(FindPin(built->board, "QDRIIC_REFCLK_p")->GetFrequencyText(), "233.333000 MHz");
    EXPECT_EQ(FindConnector(built->board, "QDRIIC")->ActivePinCount(), 70);
}

TEST_F(Abrenz, TheOscillatorQuestionNamesTheTickedInterfacesWhoseClockIsNotUsed) {
    Start();
    for (const char* box : {"CheckBoxQsfpA", "CheckBoxQsfpB", "CheckBoxQsfpC", "CheckBoxPceiClk"})
        Tick(box, true);
    Choose("ComboBoxDi5340A_B", 2);
    seam.AnswerBox(platform::Button::No);
    Click("ButtonGen");
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(
        seam.Boxes()[0].text,
        "QSFPA/QSFPC interface is enabled, but the associated programmable oscillator SI5338A is not "
        "enalbed.\r\n"
        "On-Board PCIe ref clock interface is enabled, but the associated programmable oscillator SI5338B "
        "is not enabled.\r\n"
        "Do you want to continued?");
    EXPECT_EQ(seam.Boxes()[0].caption, "Warning");
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Warning);
    EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(seam.FileDialogs().empty());

    // Yes goes on: the reference clocks at "Not Use" are clocks without a constraint.
    seam.ClearRecords();
    seam.AnswerBox(platform::Button::Yes);
    const std::string folder = Generate();
    ASSERT_EQ(seam.Boxes().size(), 3u);
    EXPECT_EQ(seam.Boxes()[2].caption, "Information");
    const std::string sdc = ReadFile(folder + "ABRENZ.sdc");
    EXPECT_EQ(sdc.find("QSFPA_REFCLK_p"), std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"125.000000 MHz\" [get_ports QSFPB_REFCLK_p]\r\n"),
              std::string::npos);
    EXPECT_NE(ReadFile(folder + "ABRENZ.v").find("    .iPLL_OUT0_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-A\r\n"),
              std::string::npos);
}

TEST_F(Abrenz, APcieBoxAloneAsksNothingAndNotesItsTransceivers) {
    Start();
    Tick("CheckBoxPCIe", true);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Information|===== PCIe  Transceiver Pinwright warning =====\r\n"
                  "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                  "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                  "Transceiver IP to your design.\r\n",
                  "Information|Generate Quartus Project successfully.\r\nThe project is located in the "
                  "folder:\r\n" +
                      folder}));
}

TEST_F(Abrenz, MemoryAndTransceiverNotesComeInOneBoxBeforeTheSuccessBox) {
    Start();
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxQdrC", "CheckBoxQsfpD"})
        Tick(box, true);
    Choose("ComboBoxDi5340B_DDR3", 1);
    Choose("ComboBoxDi5340B_QDRII", 2);
    Choose("ComboBoxDi5340A_D", 7);
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
              "===== QSFP+  Transceiver Pinwright warning =====\r\n"
              "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
              "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
              "Transceiver IP to your design.\r\n");
    EXPECT_EQ(seam.Boxes()[0].caption, "Information");
    EXPECT_EQ(seam.Boxes()[1].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    const std::string qsf = ReadFile(folder + "ABRENZ.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_BD35 -to DDR3A_RESET_n\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AV33 -to DDR3A_REFCLK_p\r\n"), std::string::npos);
}

TEST_F(Abrenz, AListRemembersItsChoiceWhileItsInterfaceIsUnticked) {
    Start();
    Tick("CheckBoxQsfpB", true);
    EXPECT_TRUE(List("ComboBoxDi5340A_B")->isEnabled());
    Choose("ComboBoxDi5340A_B", 3);
    Tick("CheckBoxQsfpB", false);
    EXPECT_EQ(List("ComboBoxDi5340A_B")->currentText(), "Not Use");
    EXPECT_FALSE(List("ComboBoxDi5340A_B")->isEnabled());
    SettingsRecord r = Form().Logic().NewRecord();
    StoreShown(Form(), r);
    EXPECT_EQ(r.I32(C::nSi5340A + 4), 0);
    Tick("CheckBoxQsfpB", true);
    EXPECT_EQ(List("ComboBoxDi5340A_B")->currentIndex(), 3);

    // A change of another Si5340A list remembers the whole group as it shows.
    Tick("CheckBoxQsfpB", false);
    Tick("CheckBoxQsfpA", true);
    Choose("ComboBoxDi5340A_A", 1);
    Tick("CheckBoxQsfpB", true);
    EXPECT_EQ(List("ComboBoxDi5340A_B")->currentIndex(), 0);
    // CheckBoxPCIe enables no list; the on-board clock box does.
    Tick("CheckBoxPCIe", true);
    EXPECT_FALSE(List("ComboBoxDi5340B_PCIE")->isEnabled());
    Tick("CheckBoxPceiClk", true);
    EXPECT_TRUE(List("ComboBoxDi5340B_PCIE")->isEnabled());
}

TEST_F(Abrenz, SelectAllTicksEverythingAndTheProjectCarriesBothControllers) {
    Start();
    Choose("ComboBoxBoard", 3);
    Type("EditProjectName", "other");
    Click("ButtonButtonDefaultAllSetting");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "ABRENZ");
    const int expected[] = {7, 7, 7, 7, 3, 3, 1};
    for (std::size_t i = 0; i < std::size(kClockLists); ++i)
        EXPECT_EQ(List(kClockLists[i])->currentIndex(), expected[i]) << kClockLists[i];
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeSi5340A")->isHidden());
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeSi5340B")->isHidden());

    const std::string folder = Generate();
    EXPECT_EQ(seam.Boxes().back().caption, "Information");
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
    EXPECT_NE(ReadFile(folder + "ABRENZ.v").find("    .iPLL_OUT_FREQ_SEL(`DDR266_QDR250_PCIE100),\r\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(folder + "si5340_controller/si5340b_i2c_reg_controller.v"));
    EXPECT_NE(ReadFile(folder + "ABRENZ.sdc")
                  .find("create_clock -period \"266.667000 MHz\" [get_ports DDR3B_REFCLK_p]\r\n"),
              std::string::npos);
}

TEST_F(Abrenz, SettingsRoundTrip) {
    Start();
    Choose("ComboBoxBoard", 2);
    Tick("CheckBoxQsfpA", true);
    Choose("ComboBoxDi5340A_A", 5);
    Tick("CheckBoxLED", false);
    Type("EditProjectName", "saved");
    const std::string cfg = dir.File("abrenz.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    const std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 188u);
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[137], 0);
    EXPECT_EQ(bytes[150], 1);
    EXPECT_EQ(bytes[160], 5);

    Click("ButtonDefaultSetting");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxQsfpA")->isChecked());
    EXPECT_FALSE(List("ComboBoxDi5340A_A")->isEnabled());
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 2);
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxQsfpA")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(List("ComboBoxDi5340A_A")->currentIndex(), 5);
    EXPECT_TRUE(List("ComboBoxDi5340A_A")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "saved");
    EXPECT_TRUE(seam.Boxes().empty());

    // A cancelled or failed load says so and changes nothing.
    seam.CancelFile();
    Click("ButtonLoad");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|Failed to load setting"}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 2);
}

TEST_F(Abrenz, ChangeMainBoardDoesNothing) {
    Start();
    Click("ButtonMainBoardSelect");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_FALSE(Get<QPushButton>("ButtonMainBoardSelect")->isHidden());
}
