// Board 24, Xylmar: its form, record, pin table and header pairing.
#include "BoardFormFixture.h"
#include "SessionSupport.h"
#include "SocBoardSupport.h"
#include "boards/latest/xylmar/CONFIG_XYLMAR.h"
#include "boards/latest/xylmar/XylmarRules.h"
#include "core/Pinwright.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "support/FormPixels.h"

#include <filesystem>

using testsupport::ReadFile;
namespace fs = std::filesystem;

namespace {

using C = XYLMAR_CONFIG;

class Xylmar : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_XYLMAR); }
    bool Shown(const char* shape) { return !Get<platform::OutlineShape>(shape)->isHidden(); }
};

SettingsRecord Bare() {
    return BareRecord(24, 404);
}

std::unique_ptr<TMainBoard> Model(const SettingsRecord& r) {
    return ModelOf(ConfigXylmarPins, r);
}

} // namespace

TEST_F(Xylmar, DefaultsAndBothLists) {
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "XYLMAR");
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box->objectName() != "CheckBoxHPS") << box->objectName().toStdString();
    EXPECT_TRUE(Shown("ShapeHDMI"));
    std::vector<std::string> items;
    for (uint8_t id : {0, 1, 11, 12, 13, 53, 60, 61, 64, 71})
        items.push_back(BoardName(static_cast<int8_t>(id)));
    EXPECT_EQ(Items("ComboBoxGpio0"), items);
    EXPECT_EQ(Items("ComboBoxGpio1"), items);
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->maxVisibleItems(), 10);

    std::vector<uint8_t> expected = RecordHead(24, 404, "XYLMAR");
    for (std::size_t offset : {136, 137, 138, 139, 140, 142, 143})
        expected[offset] = 1;
    SettingsRecord r = XylmarLogic().NewRecord();
    Form().Logic().SetDefaultConfig(r);
    EXPECT_EQ(Bytes(r), expected);

    const std::string folder = Generate();
    EXPECT_EQ(seam.FileDialogs().at(0).request.initialDir, dir.Folder() + "CodeGenerated/XYLMAR/XYLMAR/");
    EXPECT_EQ(BoxTexts().size(), 1u);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
    const std::string sdc = ReadFile(folder + "XYLMAR.sdc");
    for (const char* line : {"create_clock -period \"50.0 MHz\" [get_ports FPGA_CLK1_50]\r\n",
                             "create_clock -period \"50.0 MHz\" [get_ports FPGA_CLK3_50]\r\n\r\n"
                             "# for enhancing USB BlasterII to be reliable, 25MHz\r\n"})
        EXPECT_NE(sdc.find(line), std::string::npos) << line;
}

TEST_F(Xylmar, TwoGpioDefaultHeadersWithoutPrefixesTakeTheHeadersNames) {
    Start();
    ChooseText("ComboBoxGpio0", "GPIO Default");
    ChooseText("ComboBoxGpio1", "GPIO Default");
    std::string folder = Generate();
    ASSERT_EQ(BoxTexts().size(), 1u);
    std::string qsf = ReadFile(folder + "XYLMAR.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V12 -to GPIO_0[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y15 -to GPIO_1[0]\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(folder + "XYLMAR.v").find("GPIO_1"), std::string::npos);

    // A prefix on GPIO-1 only: GPIO-0 keeps the card's own names.
    seam.ClearRecords();
    Type("EditPrefixGpio1", "A_");
    folder = Generate();
    qsf = ReadFile(folder + "XYLMAR.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V12 -to GPIO[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y15 -to A_GPIO[0]\r\n"), std::string::npos);
}

TEST_F(Xylmar, TheSameCardWithTheSamePrefixIsRefused) {
    Start();
    for (const char* prefix : {"", "P_"}) {
        seam.ClearRecords();
        Choose("ComboBoxGpio0", 3);
        Choose("ComboBoxGpio1", 3);
        Type("EditPrefixGpio0", prefix);
        Type("EditPrefixGpio1", prefix);
        Click("ButtonGen");
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|" + soc::kPrefixClash}));
        EXPECT_TRUE(seam.FileDialogs().empty());
        // Save Setting is refused alike.
        seam.ClearRecords();
        Click("ButtonSave");
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error|" + soc::kPrefixClash}));
    }
}

TEST_F(Xylmar, TheEightyPinCardPairsTheHeaders) {
    Start();
    Type("EditPrefixGpio1", "HS_");
    ChooseText("ComboBoxGpio1", BoardName(DAUGHTER_TURVIN_GPIO).c_str());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "HS_");
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio0")->isEnabled());
    EXPECT_FALSE(Get<QLineEdit>("EditPrefixGpio0")->isEnabled());
    SettingsRecord r = XylmarLogic().NewRecord();
    StoreShown(Form(), r);
    auto board = Model(r);
    const TConnector* both = board->GetConnector(board->GetConnectorCount() - 1);
    EXPECT_EQ(both->GetName(), "GPIO_0_1");
    EXPECT_EQ(both->GetMasterId(), MASTER_GPIO_BOTH);
    EXPECT_EQ(both->PinCount(), 80);
    EXPECT_EQ(EmptySlots(*both), (std::vector<int>{10, 11, 28, 29, 50, 51, 68, 69}));
    EXPECT_EQ(FindConnector(*board, "GPIO_0"), nullptr);
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(ReadFile(folder + "XYLMAR.qsf").find("-to HS_"), std::string::npos);

    ChooseText("ComboBoxGpio1", "GPIO Default");
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio0")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentIndex(), 0);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixGpio0")->text().isEmpty());
}

TEST_F(Xylmar, SettingsRoundTripAndAFileOfAnotherBoard) {
    Start();
    Tick("CheckBoxHdmiTx", false);
    Tick("CheckBoxHPS", true);
    Choose("ComboBoxGpio1", 5);
    Type("EditPrefixGpio1", "LCD_");
    seam.AnswerFile(dir.File("x.cfg"));
    Click("ButtonSave");
    Tick("CheckBoxHdmiTx", true);
    Choose("ComboBoxGpio1", 0);
    seam.AnswerFile(dir.File("x.cfg"));
    Click("ButtonLoad");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxHdmiTx")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxHPS")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio1")->currentIndex(), 5);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "LCD_");

    // A board-23 file of the same size: its bytes read with this board's offsets.
    std::vector<uint8_t> wendro = RecordHead(23, 404, "WENDRO");
    wendro[143] = DAUGHTER_GPIO_DEFAULT; // Wendro's GPIO-0 card, this board's HDMI flag
    wendro[144] = DAUGHTER_KAMREL;
    testsupport::WriteFile(dir.File("w.cfg"), std::string(wendro.begin(), wendro.end()));
    seam.AnswerFile(dir.File("w.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxHdmiTx")->isChecked());
    EXPECT_EQ(platform::FromQt(Get<QComboBox>("ComboBoxGpio0")->currentText()), BoardName(DAUGHTER_KAMREL));
    seam.ClearRecords();
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(ReadFile(folder + "WENDRO.qsf").find("HDMI_TX_CLK"), std::string::npos);
}

TEST(XylmarPins, OrderHpsAndClocks) {
    SettingsRecord r = Bare();
    EXPECT_EQ(Model(r)->GetConnectorCount(), 0);
    SettingsRecord all = XylmarLogic().NewRecord();
    XylmarLogic().SetDefaultConfig(all);
    all.SetU8(C::bHPS, 1);
    all.SetU8(C::nGpioDaughterId[GPIO_1], DAUGHTER_DROVIK);
    auto board = Model(all);
    EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HDMI", "HPS",
                                                                "KEY", "LED", "SW", "GPIO_1"}));
    EXPECT_EQ(board->GetConnector(8)->GetMasterId(), MASTER_GPIO_1);
    EXPECT_EQ(board->GetConnector(8)->GetCaption(), "GPIO connect to " + BoardName(DAUGHTER_DROVIK));
    const int counts[] = {4, 17, 3, 35, 120, 2, 8, 4};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(board->GetConnector(i)->PinCount(), counts[i]) << board->GetConnector(i)->GetName();
    const TConnector* hps = FindConnector(*board, "HPS");
    for (int i = 0; i < hps->PinCount(); ++i)
        EXPECT_EQ(hps->GetPin(i)->GetLocation(), "") << hps->GetPin(i)->GetName();
    const TPin* rzq = hps->GetPin(1 + 15 + 5 + 2 + 5 + 32 + 8 + 3);
    EXPECT_EQ(rzq->GetName(), "HPS_DDR3_RZQ");
    EXPECT_EQ(rzq->GetIoStandard(), IOSTD_1V5);
    EXPECT_EQ(rzq->GetDirection(), DIRECTION_INPUT);
    const TConnector* clock = FindConnector(*board, "CLOCK");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(clock->GetPin(i)->GetIsClock(), 1);
        EXPECT_EQ(clock->GetPin(i)->GetFrequencyText(), "50.0 MHz");
        EXPECT_EQ(clock->GetPin(i)->GetPeriod(), 0);
    }
    TPinwright w;
    EXPECT_EQ(w.GetSdcBoardClocks(board.get()), "");
    EXPECT_NE(w.GetSdcJtagClock(board.get()), "");
}

TEST_F(Xylmar, Screenshot) {
    Start();
    Tick("CheckBoxHPS", true);
    ChooseText("ComboBoxGpio0", BoardName(DAUGHTER_TURVIN_GPIO).c_str());
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-xylmar");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form()));
}
