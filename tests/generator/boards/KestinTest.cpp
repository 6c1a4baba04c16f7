// Board 11, Kestin: its two Kappel connectors with their own prefix rule, the DDR2
// socket, the 32-bit Kappel 1 card id and the sort before the cards are attached.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/BoardForms.h"
#include "boards/first/kestin/CONFIG_KESTIN.h"
#include "boards/first/kestin/KestinRules.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"

#include <filesystem>

using namespace firstboards;
using testsupport::ReadFile;

namespace {

using C = KESTIN_CONFIG;

const std::string kKappelPair =
    "Error|Kappel23 and Kappel1 cannot have the same prefix name when both connect to "
    "the same type of daughter boards.";

class Kestin : public BoardFormFixture {
protected:
    BoardForm* Start() { return OpenBoard(MAINBOARD_KESTIN); }
};

// The defaults as the record's table lays them out: CLOCK, LED and Button ticked.
std::vector<uint8_t> NewRecordBytes() {
    return NewRecordDefaults(11, 404, "Kestin", 3);
}

SettingsRecord Bare() {
    return RecordOf(NewRecordDefaults(11, 404, "Kestin", 0));
}

} // namespace

TEST_F(Kestin, FirstStartShowsTheDefaultsAndDestroyingTheFormStoresThem) {
    Start();
    for (const char* ticked : {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton"})
        EXPECT_TRUE(Get<QCheckBox>(ticked)->isChecked()) << ticked;
    for (const char* clear : {"CheckBoxGpio", "CheckBoxDDR2", "CheckBoxPciBus"})
        EXPECT_FALSE(Get<QCheckBox>(clear)->isChecked()) << clear;
    for (const char* shown : {"ShapeOSC", "ShapeLED", "ShapeButton"})
        EXPECT_TRUE(Shown(shown)) << shown;
    for (const char* hidden : {"ShapePio", "ShapeDDR2", "ShapeBridge", "ShapeKappel1", "ShapeKappel2",
                               "ShapeKappel3", "ShapeKappel23", "ImageKappel1", "ImageKappel23"})
        EXPECT_FALSE(Shown(hidden)) << hidden;
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "Kestin");
    const std::vector<std::string> kappels = KappelListItems();
    EXPECT_EQ(Items("ComboBoxKappel1"), kappels);
    EXPECT_EQ(Items("ComboBoxKappel23"), kappels);
    CloseForm();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordBytes()));
}

TEST_F(Kestin, GenerateWithTheDefaults) {
    Start();
    const std::string folder = Generate();
    EXPECT_EQ(folder, dir.Folder() + "CodeGenerated/Kestin/Kestin/");
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string sdc = ReadFile(folder + "Kestin.sdc");
    EXPECT_NE(sdc.find("create_clock -period 10.000ns [get_ports OSC_100]\r\n"), std::string::npos);
    const std::string qsf = ReadFile(folder + "Kestin.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE EP3C120F780C7\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("DEVICE_FILTER_PIN_COUNT"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AF9 -to LED[2]\r\n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Kestin.v", output)) << output;
}

TEST_F(Kestin, KappelDefaultHasNoPinsAndIsRefusedOnGenerateNotOnSave) {
    Start();
    ChooseText("ComboBoxKappel1", "Kappel Default");
    // The card is a choice the settings file may keep.
    seam.AnswerFile(dir.File("kappel.cfg"));
    Click("ButtonSave");
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(std::filesystem::exists(dir.File("kappel.cfg")));
    const std::string message = "Error|Kappel 1: the daughter board \"Kappel Default\" has no pin "
                                "assignments and cannot be generated.";
    const std::string folder = Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{message});
    EXPECT_FALSE(std::filesystem::exists(folder + "Kestin.qpf"));
}

TEST(KestinPins, ConnectorsFollowTheFlagsAndCards) {
    struct Case {
        const char* what;
        std::size_t flag; // 0: none
        uint8_t kappel23;
        int32_t kappel1;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"nothing", 0, 0, 0, {}},
        {"PIO header", C::bGpio, 0, 0, {"GPIO Header"}},
        {"PCI bridge", C::bPciBus, 0, 0, {}},
        {"socket", C::bDDR2, 0, 0, {"DDR2"}},
        {"Kappel 1", 0, 0, DAUGHTER_HDMI, {"KAPPEL_1"}},
        {"both Kappels", 0, DAUGHTER_DVI, DAUGHTER_HDMI, {"KAPPEL_23", "KAPPEL_1"}},
    };
    for (const Case& c : cases) {
        SettingsRecord r = Bare();
        if (c.flag != 0)
            r.SetU8(c.flag, 1);
        r.SetU8(C::nKappel23DaughterId, c.kappel23);
        r.SetI32(C::nKappel1DaughterId, c.kappel1);
        TMainBoard b;
        ConfigKestinPins(&b, r);
        EXPECT_EQ(ConnectorNames(b), c.names) << c.what;
        EXPECT_EQ(b.GetDevice(), "EP3C120F780C7");
        EXPECT_EQ(b.GetDevicePinCount(), -1);
    }
}

TEST(KestinPins, MastersKeepTheGivenLocationsAndLeaveTheRestUnplaced) {
    SettingsRecord r = Bare();
    r.SetU8(C::bOSC, 1);
    r.SetU8(C::bDDR2, 1);
    r.SetU8(C::nKappel23DaughterId, DAUGHTER_KAPPEL_LOOPBACK);
    r.SetI32(C::nKappel1DaughterId, DAUGHTER_DVI);
    TMainBoard b;
    ConfigKestinPins(&b, r);
    const TPin* osc = FindPin(b, "OSC_100");
    ASSERT_NE(osc, nullptr);
    EXPECT_EQ(osc->GetIsClock(), 1);
    EXPECT_EQ(osc->GetPeriod(), 10);
    EXPECT_EQ(osc->GetFrequencyText(), "");

    const TConnector* socket = FindConnector(b, "DDR2");
    ASSERT_NE(socket, nullptr);
    EXPECT_EQ(socket->GetCaption(), "DDR2 Sodimm Enabled");
    EXPECT_EQ(socket->GetType(), CONNECTOR_DDR2_SODIMM);
    EXPECT_EQ(socket->GetMasterId(), 1);
    EXPECT_EQ(socket->PinCount(), 200);
    EXPECT_EQ(socket->ActivePinCount(), 112);
    struct Slot {
        int position;
        const char* location; // nullptr: no pin
    };
    const Slot expected[] = {{3, nullptr}, {4, "B7"},      {5, "C10"},    {6, "B6"},
                             {7, "E11"},   {10, "A8"},     {11, nullptr}, {13, "E12"},
                             {14, ""},     {193, nullptr}, {194, "AH25"}, {195, nullptr}};
    for (const Slot& s : expected) {
        const TPin* p = socket->GetPin(s.position - 1);
        if (s.location == nullptr)
            EXPECT_EQ(p, nullptr) << s.position;
        else if (p != nullptr)
            EXPECT_EQ(p->GetLocation(), s.location) << s.position;
        else
            ADD_FAILURE() << s.position;
    }

    struct Kappel {
        const char* name;
        const char* caption;
        int masterId;
        const char* third;
        const char* last;
    };
    const Kappel kappels[] = {
        {"KAPPEL_23", "KAPPEL2/KAPPEL3 connect to ", 7, "G1", "AC3"},
        {"KAPPEL_1", "KAPPEL1 connect to ", 6, "J26", "AE7"},
    };
    for (const Kappel& k : kappels) {
        const TConnector* c = FindConnector(b, k.name);
        ASSERT_NE(c, nullptr) << k.name;
        EXPECT_EQ(c->GetCaption(),
                  k.caption + CardName(k.masterId == 7 ? DAUGHTER_KAPPEL_LOOPBACK : DAUGHTER_DVI));
        EXPECT_EQ(c->GetType(), CONNECTOR_KAPPEL);
        EXPECT_EQ(c->GetMasterId(), k.masterId);
        EXPECT_EQ(c->PinCount(), 180);
        EXPECT_EQ(c->ActivePinCount(), 132);
        EXPECT_EQ(c->GetPin(2)->GetLocation(), k.third);
        EXPECT_EQ(c->GetPin(179)->GetLocation(), k.last);
        EXPECT_EQ(c->GetPin(10)->GetLocation(), "");
        EXPECT_EQ(EmptySlots(*c).size(), 48u);
    }
}

TEST(KestinLogic, TheSocketThenKappel23ThenKappel1AreAttached) {
    SettingsRecord r = Bare();
    r.SetU8(C::bDDR2, 1);
    r.SetU8(C::nKappel23DaughterId, DAUGHTER_NET);
    r.SetText(C::szKappel23PrefixName, "A_");
    r.SetI32(C::nKappel1DaughterId, DAUGHTER_NET);
    r.SetText(C::szKappel1PrefixName, "B_");
    const std::vector<kit::AttachStep> steps = KestinLogic().AttachPlan(r);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].masterId, 1);
    EXPECT_EQ(steps[0].prefix, "mem_");
    EXPECT_EQ(steps[1].masterId, 7);
    EXPECT_EQ(steps[1].prefix, "A_");
    EXPECT_EQ(steps[2].masterId, 6);
    EXPECT_EQ(steps[2].prefix, "B_");
}

TEST_F(Kestin, TheSocketModuleAndTheSameCardOnBothKappelsUnderOtherPrefixes) {
    Start();
    Tick("CheckBoxDDR2", true);
    EXPECT_TRUE(Shown("ShapeDDR2"));
    ChooseText("ComboBoxKappel23", CardName(DAUGHTER_KAPPEL_LOOPBACK).c_str());
    ChooseText("ComboBoxKappel1", CardName(DAUGHTER_KAPPEL_LOOPBACK).c_str());
    Type("EditPrefixKappel23", "L23_");
    Type("EditPrefixKappel1", "L1_");
    for (const char* shown :
         {"ShapeKappel1", "ShapeKappel2", "ShapeKappel3", "ShapeKappel23", "ImageKappel1", "ImageKappel23"})
        EXPECT_TRUE(Shown(shown)) << shown;
    const std::string folder = Generate();
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string qsf = ReadFile(folder + "Kestin.qsf");
    for (const char* line : {"set_location_assignment PIN_B7 -to mem_dq[4]\r\n",
                             "set_location_assignment PIN_AH25 -to mem_dq[63]\r\n", "-to L23_", "-to L1_"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_EQ(qsf.find("mem_dqs_n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "Kestin.v", output)) << output;
}

TEST_F(Kestin, PrefixRule) {
    struct Case {
        const char* what;
        const char* name;
        uint8_t card23, card1;
        const char* prefix23;
        const char* prefix1;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"equal empty prefixes", "p", DAUGHTER_HDMI, DAUGHTER_HDMI, "", "", {kKappelPair}},
        {"equal prefixes", "p", DAUGHTER_HDMI, DAUGHTER_HDMI, "H_", "H_", {kKappelPair}},
        {"other prefixes", "p", DAUGHTER_HDMI, DAUGHTER_HDMI, "H_", "h_", {}},
        {"other cards", "p", DAUGHTER_HDMI, DAUGHTER_DVI, "", "", {}},
        {"no name", "", 0, 0, "", "", {"Error|Project Name cannot be empty."}},
        {"no name and the pair", "", DAUGHTER_NET, DAUGHTER_NET, "", "", {kKappelPair}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.File("default.cfg"));
        Start();
        ChooseText("ComboBoxKappel23", CardName(c.card23).c_str());
        ChooseText("ComboBoxKappel1", CardName(c.card1).c_str());
        Type("EditPrefixKappel23", c.prefix23);
        Type("EditPrefixKappel1", c.prefix1);
        Type("EditProjectName", c.name);
        seam.ClearRecords();
        seam.AnswerFile(dir.File("p.cfg"));
        Click("ButtonSave");
        EXPECT_EQ(BoxTexts(), c.boxes) << c.what;
        CloseForm();
    }
}

TEST_F(Kestin, TheKappel1IdIsAWholeNumber) {
    Start();
    ChooseText("ComboBoxKappel1", CardName(DAUGHTER_PELLUM).c_str());
    Type("EditPrefixKappel1", "P_");
    ChooseText("ComboBoxKappel23", CardName(DAUGHTER_NET).c_str());
    Type("EditProjectName", "kept");
    Tick("CheckBoxPciBus", true);
    seam.AnswerFile(dir.File("kept.cfg"));
    Click("ButtonSave");

    std::vector<uint8_t> expected = NewRecordBytes();
    const std::string name("kept\0", 5);
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    expected[141] = 1;
    expected[142] = DAUGHTER_NET;
    expected[272] = DAUGHTER_PELLUM;
    expected[276] = 'P';
    expected[277] = '_';
    EXPECT_EQ(ReadFile(dir.File("kept.cfg")), AsText(expected));

    // Upper bytes set: no entry of the list, so the choice stays.
    expected[273] = 1;
    testsupport::WriteFile(dir.File("wide.cfg"), AsText(expected));
    ChooseText("ComboBoxKappel1", CardName(DAUGHTER_HDMI).c_str());
    Type("EditPrefixKappel1", "H_");
    ChooseText("ComboBoxKappel23", "None");
    Tick("CheckBoxPciBus", false);
    seam.AnswerFile(dir.File("wide.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxPciBus")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel23")->currentText().toStdString(), CardName(DAUGHTER_NET));
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel1")->currentText().toStdString(), CardName(DAUGHTER_HDMI));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixKappel1")->text(), "P_");

    // Without them the stored card comes back.
    seam.AnswerFile(dir.File("kept.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxKappel1")->currentText().toStdString(), CardName(DAUGHTER_PELLUM));
}

TEST_F(Kestin, ScreenshotWithBothKappelsAndTheSocket) {
    Start();
    Tick("CheckBoxDDR2", true);
    Tick("CheckBoxPciBus", true);
    ChooseText("ComboBoxKappel23", CardName(DAUGHTER_HDMI).c_str());
    ChooseText("ComboBoxKappel1", CardName(DAUGHTER_DVI).c_str());
    Form().show();
    EXPECT_EQ(testsupport::OverlappingControls(Form()), std::vector<std::string>{});
    const QImage shot = testsupport::GrabScreenshot(Form(), "pinwright-board11-kappels");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, Form(), 5));
}
