// Board 6, Fennic: five variants, the GPIO headers in place of Kappel-A, the DDR2 socket
// in place of Kappel-B, its record, its two card lists and its prefix rules.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/first/fennic/CONFIG_FENNIC.h"
#include "boards/first/fennic/FennicRules.h"
#include "boards/first/fennic/UI_Fennic.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"

#include <QLabel>
#include <filesystem>

using namespace firstboards;
using testsupport::ReadFile;

namespace {

using C = FENNIC_CONFIG;

const std::string kKappelAC =
    "Error|Kappel-A and Kappel-C cannot have the same prefix name when both connect to "
    "the same type of daughter boards.";
const std::string kGpioPair =
    "Error|GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the "
    "same type of daughter boards.";

class Fennic : public BoardFormFixture {
protected:
    TFormFennic* Start() { return Open<TFormFennic>(); }
    std::string Label() { return Get<QLabel>("LabelKappel_A")->text().toStdString(); }
    void WriteDefaultCfg(const SettingsRecord& r) {
        testsupport::WriteFile(dir.File("default.cfg"),
                               std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    }
};

// The defaults as the record's table lays them out: variant 0, ten peripherals ticked.
std::vector<uint8_t> NewRecordBytes() {
    return NewRecordDefaults(6, 924, "Fennic", 10);
}

SettingsRecord Defaults() {
    return RecordOf(NewRecordBytes());
}

} // namespace

TEST_F(Fennic, FirstStartShowsTheDefaultsAndDestroyingTheFormStoresThem) {
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentText(), "Fennic 150");
    EXPECT_EQ(Items("ComboBoxBoard"), (std::vector<std::string>{"Fennic 150", "Fennic 260", "Fennic 340C2",
                                                                "Fennic 340C3", "Fennic 150ES"}));
    for (QCheckBox* box : Form().findChildren<QCheckBox*>()) {
        const bool swap = box->objectName() == "CheckBoxGPIO" || box->objectName() == "CheckBoxDDR2";
        EXPECT_EQ(box->isChecked(), !swap) << box->objectName().toStdString();
    }
    for (const char* hidden :
         {"LabelGPIO", "ComboBoxGPIO_0", "EditGPIO_0", "ComboBoxGPIO_1", "EditGPIO_1", "ShapeDDR2",
          "ShapeKappel_A", "ShapeKappel_B", "ShapeKappel_C", "ShapeKappel_D"})
        EXPECT_FALSE(Shown(hidden)) << hidden;
    for (const char* shown : {"ComboBoxKappel_A", "EditKappel_A", "ShapeSma", "ShapeKappel23"})
        EXPECT_TRUE(Shown(shown)) << shown;
    EXPECT_EQ(Label(), "Kappel-A");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Fennic");
    const std::vector<std::string> kappels = KappelListItems();
    for (const char* combo : {"ComboBoxKappel_A", "ComboBoxKappel_B", "ComboBoxKappel_C", "ComboBoxKappel_D"})
        EXPECT_EQ(Items(combo), kappels) << combo;
    EXPECT_EQ(Items("ComboBoxGPIO_0").size(), 10u);
    EXPECT_EQ(Items("ComboBoxGPIO_1")[2], CardName(DAUGHTER_TURVIN_GPIO));

    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordBytes()));
}

TEST(FennicPins, TheFiveVariantsGiveTheirDevicesAndSpeedGrades) {
    struct Case {
        int8_t variant;
        const char* device;
        int speedGrade;
    };
    const Case cases[] = {
        {0, "EP3SL150F1152C3", 2},
        {1, "EP3SE260F1152C2", 2},
        {2, "EP3SL340H1152C2", 2},
        {3, "EP3SL340H1152C3", 3},
        {4, "EP3SL150F1152C3", 2},
        {5, "", 2},
        {-1, "", 2},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Defaults();
        r.SetU8(C::nBoardType, static_cast<uint8_t>(c.variant));
        TMainBoard b;
        ConfigFennicPins(&b, r);
        EXPECT_EQ(b.GetDevice(), c.device) << int{c.variant};
        EXPECT_EQ(b.GetSpeedGrade(), c.speedGrade) << int{c.variant};
        EXPECT_EQ(b.GetFamily(), "Straix III");
        EXPECT_EQ(b.GetDevicePackage(), "FBGA");
        EXPECT_EQ(b.GetDevicePinCount(), 1152);
    }
}

TEST(FennicPins, TheDefaultRecordGivesNinePeripheralConnectors) {
    const auto board = PinsOf(FennicLogic(), Defaults());
    EXPECT_EQ(ConnectorNames(*board),
              (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "SWITCH", "DIP SWITCH", "Temperature",
                                        "SEG7", "USB OTG", "SDCARD"}));
    EXPECT_EQ(ActivePins(*board), 131);
    std::vector<std::string> clocks;
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        for (int k = 0; k < board->GetConnector(i)->PinCount(); ++k)
            if (const TPin* p = board->GetConnector(i)->GetPin(k); p->GetIsClock()) {
                clocks.push_back(p->GetName());
                EXPECT_EQ(p->GetPeriod(), 20) << p->GetName();
            }
    EXPECT_EQ(clocks,
              (std::vector<std::string>{"OSC1_50", "OSC2_50", "OSC_BA", "OSC_BB", "OSC_BC", "OSC_BD"}));
    EXPECT_EQ(FindPin(*board, "OTG_A[1]")->GetLocation(), "N32");
    EXPECT_EQ(FindPin(*board, "OTG_A[0]"), nullptr);
    EXPECT_EQ(FindPin(*board, "BUTTON[0]")->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(FindPin(*board, "EXT_CLK_OUT")->GetDirection(), DIRECTION_OUTPUT);
}

TEST(FennicPins, MasterConnectorsFollowTheFlagsAndCards) {
    struct Case {
        const char* what;
        bool gpio, ddr2;
        uint8_t gpio0, gpio1;
        uint8_t kappel[4];
        std::vector<std::string> masters;
    };
    const uint8_t k = DAUGHTER_HDMI;
    const Case cases[] = {
        {"socket alone", false, true, 0, 0, {0, 0, 0, 0}, {"DDR2 SODIMM"}},
        {"GPIO-1 alone", true, false, 0, DAUGHTER_GPIO_DEFAULT, {0, 0, 0, 0}, {"GPIO_1"}},
        {"a spanning card",
         true,
         false,
         DAUGHTER_TURVIN_GPIO,
         DAUGHTER_TURVIN_GPIO,
         {0, 0, 0, 0},
         {"GPIO_0_1"}},
        {"headers unused",
         false,
         false,
         DAUGHTER_GPIO_DEFAULT,
         DAUGHTER_GPIO_DEFAULT,
         {k, 0, 0, 0},
         {"Kappel-A"}},
        {"headers take Kappel-A", true, false, 0, 0, {k, 0, 0, 0}, {}},
        {"socket takes Kappel-B", false, true, 0, 0, {0, k, 0, 0}, {"DDR2 SODIMM"}},
        {"all four Kappels",
         false,
         false,
         0,
         0,
         {k, k, k, k},
         {"Kappel-A", "Kappel-B", "Kappel-C", "Kappel-D"}},
        {"everything",
         true,
         true,
         DAUGHTER_GPIO_DEFAULT,
         DAUGHTER_DROVIK,
         {k, k, k, k},
         {"DDR2 SODIMM", "GPIO_0", "GPIO_1", "Kappel-C", "Kappel-D"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = RecordOf(NewRecordDefaults(6, 924, "Fennic", 0));
        r.SetU8(C::bGpio, c.gpio);
        r.SetU8(C::bDDR2, c.ddr2);
        r.SetU8(C::nGpioDaughterId[C::GPIO_0], c.gpio0);
        r.SetU8(C::nGpioDaughterId[C::GPIO_1], c.gpio1);
        for (int i = 0; i < 4; ++i)
            r.SetU8(C::nKappelDaughterId[i], c.kappel[i]);
        const auto board = PinsOf(FennicLogic(), r);
        EXPECT_EQ(ConnectorNames(*board), c.masters) << c.what;
    }
}

TEST(FennicPins, PositionsOfTheMasters) {
    SettingsRecord r = RecordOf(NewRecordDefaults(6, 924, "Fennic", 0));
    r.SetU8(C::bDDR2, 1);
    for (int i = 0; i < 4; ++i)
        r.SetU8(C::nKappelDaughterId[i], DAUGHTER_KAPPEL_LOOPBACK);
    auto board = PinsOf(FennicLogic(), r);
    const TConnector* socket = FindConnector(*board, "DDR2 SODIMM");
    ASSERT_NE(socket, nullptr);
    EXPECT_EQ(socket->GetCaption(), "DDR2 SODIMM");
    EXPECT_EQ(socket->GetType(), CONNECTOR_DDR2_SODIMM);
    EXPECT_EQ(socket->PinCount(), 200);
    EXPECT_EQ(socket->ActivePinCount(), 121);
    EXPECT_EQ(socket->GetMasterId(), 1);
    EXPECT_EQ(socket->GetPin(3)->GetLocation(), "AE7");
    EXPECT_EQ(socket->GetPin(199)->GetLocation(), "U7");
    EXPECT_EQ(socket->GetPin(3)->GetIoStandard(), IOSTD_BY_DAUGHTER);
    r.SetU8(C::bDDR2, 0);
    board = PinsOf(FennicLogic(), r);
    struct Kappel {
        const char* name;
        int masterId;
        int active;
        const char* first; // position 3
        const char* last;  // position 180
    };
    const Kappel kappels[] = {
        {"Kappel-B", 13, 132, "AD16", "AJ16"},
        {"Kappel-C", 14, 132, "L16", "J15"},
        {"Kappel-D", 15, 132, "L20", "F19"},
    };
    for (const Kappel& k : kappels) {
        const TConnector* c = FindConnector(*board, k.name);
        ASSERT_NE(c, nullptr) << k.name;
        EXPECT_EQ(c->GetCaption(), std::string(k.name) + " connect to Kappel Loopback");
        EXPECT_EQ(c->PinCount(), 180);
        EXPECT_EQ(c->ActivePinCount(), k.active) << k.name;
        EXPECT_EQ(c->GetMasterId(), k.masterId);
        EXPECT_EQ(c->GetPin(2)->GetLocation(), k.first);
        EXPECT_EQ(c->GetPin(179)->GetLocation(), k.last);
        EXPECT_EQ(c->GetPin(124), nullptr);
        EXPECT_NE(c->GetPin(130), nullptr) << k.name; // 131 holds a pin
    }
    const TConnector* a = FindConnector(*board, "Kappel-A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ActivePinCount(), 130);
    EXPECT_EQ(a->GetMasterId(), 12);
    EXPECT_EQ(a->GetPin(131), nullptr); // 132 holds none
    EXPECT_EQ(a->GetPin(132)->GetLocation(), "AM28");

    r.SetU8(C::bGpio, 1);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_GPIO_DEFAULT);
    board = PinsOf(FennicLogic(), r);
    const TConnector* g1 = FindConnector(*board, "GPIO_1");
    ASSERT_NE(g1, nullptr);
    EXPECT_EQ(g1->GetCaption(), "GPIO_1 connect to " + CardName(DAUGHTER_GPIO_DEFAULT));
    EXPECT_EQ(g1->GetMasterId(), 17);
    EXPECT_EQ(EmptySlots(*g1), (std::vector<int>{10, 11, 28, 29}));

    r.SetU8(C::nGpioDaughterId[C::GPIO_0], DAUGHTER_TURVIN_GPIO);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_TURVIN_GPIO);
    board = PinsOf(FennicLogic(), r);
    const TConnector* both = FindConnector(*board, "GPIO_0_1");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(both->GetMasterId(), 18);
    EXPECT_EQ(both->GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(EmptySlots(*both), (std::vector<int>{10, 11, 28, 29, 50, 51, 68, 69}));
    EXPECT_EQ(both->GetPin(40)->GetLocation(), "AP19");
}

TEST_F(Fennic, TheSocketTakesKappelBAndItsModuleGetsTheMemPrefix) {
    Start();
    ChooseText("ComboBoxKappel_B", CardName(DAUGHTER_HDMI).c_str());
    EXPECT_TRUE(Shown("ShapeKappel_B"));
    Tick("CheckBoxDDR2", true);
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel_B")->currentIndex(), 0);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxKappel_B")->isEnabled());
    EXPECT_TRUE(Get<QLineEdit>("EditKappel_B")->isEnabled());
    EXPECT_FALSE(Shown("ImageKappel_B"));
    EXPECT_FALSE(Shown("ShapeKappel_B"));
    EXPECT_TRUE(Shown("ShapeDDR2"));
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Fennic/Fennic/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Fennic.qsf");
    for (const char* line : {"set_location_assignment PIN_AE7 -to mem_dq[4]\r\n",
                             "set_location_assignment PIN_AJ3 -to mem_dqs_n[0]\r\n",
                             "set_location_assignment PIN_U7 -to mem_SA[1]\r\n",
                             "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to mem_SA[1]\r\n",
                             "set_global_assignment -name DEVICE EP3SL150F1152C3\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Fennic.v", output)) << output;

    Tick("CheckBoxDDR2", false);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxKappel_B")->isEnabled());
}

TEST_F(Fennic, TheGpioHeadersTakeThePlaceOfKappelA) {
    Start();
    ChooseText("ComboBoxKappel_A", CardName(DAUGHTER_DVI).c_str());
    Type("EditKappel_A", "DVI_");
    Tick("CheckBoxGPIO", true);
    EXPECT_EQ(Label(), "GPIO-1");
    for (const char* shown :
         {"LabelGPIO", "ComboBoxGPIO_0", "LabelPreGPIO_0", "EditGPIO_0", "ComboBoxGPIO_1", "EditGPIO_1"})
        EXPECT_TRUE(Shown(shown)) << shown;
    EXPECT_FALSE(Shown("ComboBoxKappel_A"));
    EXPECT_FALSE(Shown("ShapeKappel_A"));
    EXPECT_EQ(Get<QWidget>("ComboBoxGPIO_1")->pos(), Get<QWidget>("ComboBoxKappel_A")->pos());

    ChooseText("ComboBoxGPIO_0", CardName(DAUGHTER_TURVIN_GPIO).c_str());
    Type("EditGPIO_0", "AD_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGPIO_1")->currentText().toStdString(), CardName(DAUGHTER_TURVIN_GPIO));
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGPIO_1")->isEnabled());
    EXPECT_TRUE(Shown("ShapeGPIO_0"));
    EXPECT_TRUE(Shown("ShapeGPIO_1"));
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Fennic.qsf");
    EXPECT_NE(qsf.find("-to AD_"), std::string::npos);
    EXPECT_EQ(qsf.find("-to DVI_"), std::string::npos);

    // The Kappel-A card stays in its hidden box but is stored as none.
    seam.AnswerFile(dir.File("gpio.cfg"));
    Click("ButtonSave");
    const std::string saved = ReadFile(dir.File("gpio.cfg"));
    ASSERT_EQ(saved.size(), 924u);
    EXPECT_EQ(saved[C::nKappelDaughterId[C::KAPPEL_A]], 0);
    EXPECT_EQ(saved[C::szKappelPrefixName[C::KAPPEL_A]], 0);
    EXPECT_EQ(static_cast<uint8_t>(saved[C::nGpioDaughterId[C::GPIO_1]]), DAUGHTER_TURVIN_GPIO);

    Tick("CheckBoxGPIO", false);
    EXPECT_EQ(Label(), "Kappel-A");
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel_A")->currentText().toStdString(), CardName(DAUGHTER_DVI));
    EXPECT_EQ(Get<QLineEdit>("EditKappel_A")->text(), "DVI_");
    EXPECT_TRUE(Shown("ShapeKappel_A"));
}

TEST_F(Fennic, LoadingARecordWithOrWithoutTheHeadersLabelsTheKappelARow) {
    SettingsRecord r = Defaults();
    r.SetU8(C::bGpio, 1);
    r.SetU8(C::nGpioDaughterId[C::GPIO_1], DAUGHTER_DROVIK);
    r.SetText(C::szGpioPrefixName[C::GPIO_1], "LCD_");
    WriteDefaultCfg(r);
    Start();
    EXPECT_EQ(Label(), "GPIO-1 Header");
    EXPECT_TRUE(Shown("ComboBoxGPIO_1"));
    EXPECT_EQ(Get<QComboBox>("ComboBoxGPIO_1")->currentText().toStdString(), CardName(DAUGHTER_DROVIK));
    EXPECT_EQ(Get<QLineEdit>("EditGPIO_1")->text(), "LCD_");

    seam.AnswerFile(dir.File("plain.cfg"));
    testsupport::WriteFile(dir.File("plain.cfg"), AsText(NewRecordBytes()));
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Label(), "Kappel-A");
    EXPECT_FALSE(Shown("ComboBoxGPIO_1"));
    EXPECT_TRUE(Shown("ComboBoxKappel_A"));
}

TEST_F(Fennic, AVariantOutsideTheListShowsAndSavesTheFirst) {
    SettingsRecord r = Defaults();
    r.SetU8(C::nBoardType, 9);
    WriteDefaultCfg(r);
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentText(), "Fennic 150");
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordBytes()));
}

TEST_F(Fennic, TheChosenVariantNamesTheDeviceAndComesBackAtTheNextStart) {
    Start();
    ChooseText("ComboBoxBoard", "Fennic 340C3");
    const std::string folder = Generate();
    const std::string qsf = ReadFile(folder + "Fennic.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE EP3SL340H1152C3\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 3\r\n"), std::string::npos);
    CloseForm();
    EXPECT_EQ(static_cast<uint8_t>(ReadFile(dir.File("default.cfg"))[1]), 3);
    Start();
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentText(), "Fennic 340C3");
}

TEST_F(Fennic, PrefixRules) {
    struct Case {
        const char* what;
        bool gpio;
        const char* name;
        const char* prefixA;
        const char* prefixC;
        const char* gpio0; // card on both headers with equal prefixes; nullptr: none
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"equal empty prefixes", false, "p", "", "", nullptr, {kKappelAC}},
        {"equal prefixes", false, "p", "X_", "X_", nullptr, {kKappelAC}},
        {"different prefixes", false, "p", "X_", "Y_", nullptr, {}},
        {"Kappel-A not in use", true, "p", "", "", nullptr, {}},
        {"no name", false, "", "", "", nullptr, {"Error|Project Name cannot be empty."}},
        {"no name and a GPIO pair", true, "", "", "", "GPIO Default", {kGpioPair}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.File("default.cfg"));
        Start();
        ChooseText("ComboBoxKappel_A", CardName(DAUGHTER_NET).c_str());
        ChooseText("ComboBoxKappel_C", CardName(DAUGHTER_NET).c_str());
        Type("EditKappel_A", c.prefixA);
        Type("EditKappel_C", c.prefixC);
        Type("EditProjectName", c.name);
        Tick("CheckBoxGPIO", c.gpio);
        if (c.gpio0 != nullptr) {
            ChooseText("ComboBoxGPIO_0", c.gpio0);
            ChooseText("ComboBoxGPIO_1", c.gpio0);
        }
        seam.ClearRecords();
        seam.AnswerFile(dir.File("p.cfg"));
        Click("ButtonSave");
        EXPECT_EQ(BoxTexts(), c.boxes) << c.what;
        CloseForm();
    }
}

TEST_F(Fennic, KappelDefaultHasNoPinsAndIsRefusedBeforeAnythingIsWritten) {
    Start();
    ChooseText("ComboBoxKappel_D", "Kappel Default");
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Error|Kappel-D: the daughter board \"Kappel Default\" has no "
                                        "pin assignments and cannot be generated."}));
    EXPECT_FALSE(std::filesystem::exists(folder + "Fennic.qpf"));
}

TEST_F(Fennic, SaveChangeAndLoadAgain) {
    Start();
    Type("EditProjectName", "kept");
    ChooseText("ComboBoxBoard", "Fennic 260");
    Tick("CheckBoxSma", false);
    ChooseText("ComboBoxKappel_C", CardName(DAUGHTER_PELLUM).c_str());
    Type("EditKappel_C", "P_");
    seam.AnswerFile(dir.File("kept.cfg"));
    Click("ButtonSave");

    std::vector<uint8_t> expected = NewRecordBytes();
    const std::string name("kept\0", 5);
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    expected[1] = 1;
    expected[143] = 0;
    expected[408] = DAUGHTER_PELLUM;
    expected[666] = 'P';
    expected[667] = '_';
    EXPECT_EQ(ReadFile(dir.File("kept.cfg")), AsText(expected));

    Type("EditProjectName", "changed");
    ChooseText("ComboBoxBoard", "Fennic 150ES");
    Tick("CheckBoxSma", true);
    ChooseText("ComboBoxKappel_C", "None");
    seam.AnswerFile(dir.File("kept.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "kept");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentText(), "Fennic 260");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSma")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel_C")->currentText().toStdString(), CardName(DAUGHTER_PELLUM));
    EXPECT_EQ(Get<QLineEdit>("EditKappel_C")->text(), "P_");
}

TEST_F(Fennic, ScreenshotWithTheHeadersAndTheSocket) {
    Start();
    Tick("CheckBoxGPIO", true);
    Tick("CheckBoxDDR2", true);
    ChooseText("ComboBoxGPIO_0", CardName(DAUGHTER_GPIO_DEFAULT).c_str());
    ChooseText("ComboBoxGPIO_1", CardName(DAUGHTER_DROVIK).c_str());
    ChooseText("ComboBoxKappel_C", CardName(DAUGHTER_HDMI).c_str());
    Form().show();
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board6-headers");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form(), 5));
    for (const char* shown :
         {"ShapeGPIO_0", "ShapeGPIO_1", "ShapeDDR2", "ShapeKappel_C", "ImageGPIO", "ImageKappel_A"})
        EXPECT_TRUE(Shown(shown)) << shown;
}

TEST_F(Fennic, AKappelCardNotInTheListLeavesTheRowAsItIs) {
    Start();
    ChooseText("ComboBoxKappel_C", CardName(DAUGHTER_NET).c_str());
    Type("EditKappel_C", "N_");
    SettingsRecord r = Defaults();
    r.SetU8(C::nKappelDaughterId[C::KAPPEL_C], DAUGHTER_GPIO_DEFAULT);
    r.SetText(C::szKappelPrefixName[C::KAPPEL_C], "G_");
    r.SetU8(C::nKappelDaughterId[C::KAPPEL_D], DAUGHTER_HDMI);
    r.SetText(C::szKappelPrefixName[C::KAPPEL_D], "H_");
    testsupport::WriteFile(dir.File("other.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(dir.File("other.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel_C")->currentText().toStdString(), CardName(DAUGHTER_NET));
    EXPECT_EQ(Get<QLineEdit>("EditKappel_C")->text(), "N_");
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel_D")->currentText().toStdString(), CardName(DAUGHTER_HDMI));
    EXPECT_EQ(Get<QLineEdit>("EditKappel_D")->text(), "H_");
}
