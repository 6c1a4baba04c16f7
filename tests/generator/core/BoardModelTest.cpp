#include "core/DaughterBoard.h"
#include "core/MainBoard.h"
#include "model/DaughterCatalogue.h"
#include "platform/testing/ScriptedPlatform.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using platform::testing::AssertionFailure;
using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

TConnector* Master(const char* name, uint8_t type, int masterId, int positions) {
    auto* c = new TConnector(name, "", type, -1);
    for (int p = 1; p <= positions; ++p)
        c->AddPin(
            new TPin("", ("L" + std::to_string(p)).c_str(), DIRECTION_BY_DAUGHTER, IOSTD_BY_DAUGHTER, 0.0f));
    c->SetMaster(1);
    c->SetMasterId(masterId);
    return c;
}

} // namespace

TEST(TMainBoard, FindsMasterConnectorsByIdAndFlag) {
    TMainBoard board;
    auto* plain = new TConnector("X", "", CONNECTOR_GPIO40, -1);
    plain->SetMasterId(16);
    board.AddConnector(plain);
    auto* gpio = Master("GPIO", CONNECTOR_GPIO40, 16, 40);
    board.AddConnector(gpio);
    EXPECT_EQ(board.FindMasterConnector(16), gpio);
    EXPECT_EQ(board.FindMasterConnector(17), nullptr);
}

TEST(TMainBoard, LocationsAreUsedOnlyByActivePins) {
    TMainBoard board;
    auto* c = new TConnector("LED", "", CONNECTOR_NONE, -1);
    c->AddPin(new TPin("A", "W20", DIRECTION_NONE, 8, 0.0f));
    board.AddConnector(c);
    EXPECT_FALSE(board.IsLocationUsed("w20"));
    c->GetPin(0)->SetDirection(DIRECTION_OUTPUT);
    EXPECT_TRUE(board.IsLocationUsed("w20"));
}

TEST(TMainBoard, DisplayNames) {
    ScriptedPlatform seam;
    TMainBoard board;
    board.m_BoardId = 30;
    EXPECT_EQ(board.GetDisplayName(), "Dunmir Kit");
    board.m_BoardId = 19;
    EXPECT_EQ(board.GetDisplayName(), "Cylone V SoC FPGA Board");
    board.m_BoardId = 33;
    EXPECT_EQ(AssertionOf([&] { board.GetDisplayName(); }), "Assertion failed: 0, file MainBoard, line 471");
}

TEST(TMainBoard, SortLeavesFmcLayoutsInTableOrder) {
    TMainBoard board;
    auto make = [](uint8_t type, int daughter) {
        auto* c = new TConnector("C", "", type, daughter);
        c->AddPin(new TPin("B", "", DIRECTION_INOUT, 8, 0.0f));
        c->AddPin(new TPin("A", "", DIRECTION_INOUT, 8, 0.0f));
        return c;
    };
    board.AddConnector(make(CONNECTOR_FMC_HPC, -1));
    board.AddConnector(make(CONNECTOR_FMC_HPC, 41));
    board.AddConnector(make(CONNECTOR_NONE, -1));
    board.AddConnector(make(CONNECTOR_FMC_HPC, 47));
    board.SortAllConnectors();
    EXPECT_EQ(board.GetConnector(0)->GetPin(0)->GetName(), "B");
    EXPECT_EQ(board.GetConnector(1)->GetPin(0)->GetName(), "B");
    EXPECT_EQ(board.GetConnector(2)->GetPin(0)->GetName(), "A");
    EXPECT_EQ(board.GetConnector(3)->GetPin(0)->GetName(), "A");
}

namespace {

// The pin order as the plain exchange sort over the names gives it: each comparison
// reads the names again. The board model must give the same order, equal names included.
std::vector<int> ExchangeOrder(const std::vector<std::string>& names) {
    auto bus = [](const std::string& n) { return n.find('[') != n.npos && n.find(']') != n.npos; };
    auto base = [](const std::string& n) { return n.substr(0, n.find('[')); };
    auto index = [](const std::string& n) {
        return std::stoi(n.substr(n.find('[') + 1, n.find(']') - n.find('[') - 1));
    };
    auto before = [&](const std::string& b, const std::string& a) {
        if (bus(a) && bus(b))
            return base(a) == base(b)
                       ? index(b) < index(a)
                       : std::lexicographical_compare(base(b).begin(), base(b).end(), base(a).begin(),
                                                      base(a).end(),
                                                      [](char x, char y) { return uint8_t(x) < uint8_t(y); });
        return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                            [](char x, char y) { return uint8_t(x) < uint8_t(y); });
    };
    std::vector<int> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (!names[order[i]].empty() && !names[order[j]].empty() &&
                before(names[order[j]], names[order[i]]))
                std::swap(order[i], order[j]);
    return order;
}

} // namespace

TEST(TMainBoard, SortGivesTheExchangeOrderOfAnyMixOfNames) {
    // Buses, plain names, a bus name that is also a plain name, equal names and empty
    // slots (""), in seeded random connectors; the pins carry their positions along.
    const char* const kNames[] = {"",      "A",    "B",     "AB",    "a",    "\xC3\xA9",
                                  "A[0]",  "A[1]", "A[10]", "A[1]X", "B[0]", "B[2]",
                                  "AB[1]", "A]B",  "a[3]",  "A[-1]", "A[ 2]"};
    std::mt19937 random(31);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> names(random() % 24);
        for (std::string& n : names)
            n = kNames[random() % std::size(kNames)];
        TMainBoard board;
        auto* c = new TConnector("C", "", CONNECTOR_NONE, -1);
        std::vector<const TPin*> pins;
        for (const std::string& n : names) {
            TPin* p = n.empty() ? nullptr : new TPin(n.c_str(), "", DIRECTION_INOUT, 8, 0.0f);
            pins.push_back(p);
            c->AddPin(p);
        }
        board.AddConnector(c);
        board.SortAllConnectors();
        const std::vector<int> expected = ExchangeOrder(names);
        for (int k = 0; k < c->PinCount(); ++k) {
            EXPECT_EQ(c->GetPin(k), pins[expected[k]]) << "round " << round << ", slot " << k;
            EXPECT_EQ(c->GetPosition(k), expected[k] + 1) << "round " << round << ", slot " << k;
        }
    }
}

TEST(TMainBoard, AnUnreadableBusIndexStopsTheSortOnlyWhenItIsCompared) {
    for (auto [names, throws] : {std::pair{std::vector<const char*>{"X[a]", "Y[1]", "Z"}, false},
                                 std::pair{std::vector<const char*>{"X[a]", "Z", "X[1]"}, true}}) {
        TConnector c("C", "", CONNECTOR_NONE, -1);
        for (const char* n : names)
            c.AddPin(new TPin(n, "", DIRECTION_INOUT, 8, 0.0f));
        if (throws)
            EXPECT_THROW(c.SortPins(), EConvertError);
        else
            EXPECT_NO_THROW(c.SortPins());
    }
}

TEST(PrefixRules, SameCardSamePrefixIsRefused) {
    std::string message = "untouched";
    uint8_t same[] = {12, 12};
    std::string prefixes[] = {"GPIO", "GPIO"};
    EXPECT_FALSE(CheckGpioPrefix(2, same, prefixes, message));
    EXPECT_EQ(message,
              "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of "
              "daughter boards.");

    struct Case {
        uint8_t a, b;
        const char *pa, *pb;
        int count;
    };
    const Case passing[] = {
        {12, 12, "A", "B", 2},       // different prefixes
        {12, 13, "GPIO", "GPIO", 2}, // different cards
        {0, 0, "", "", 2},           // no card
        {11, 11, "X", "X", 2},       // a card spanning both headers is exempt
        {12, 12, "", "", 1},         // one header
    };
    for (const Case& c : passing) {
        uint8_t ids[] = {c.a, c.b};
        std::string p[] = {c.pa, c.pb};
        std::string m;
        EXPECT_TRUE(CheckGpioPrefix(c.count, ids, p, m)) << int(c.a) << " " << c.pa;
    }
    uint8_t empty[] = {12, 12};
    std::string none[] = {"", ""};
    EXPECT_FALSE(CheckGpioPrefix(2, empty, none, message));
}

TEST(PrefixRules, HsmcAndFmcLetters) {
    uint8_t ids[] = {6, 0, 6};
    std::string prefixes[] = {"P", "", "P"};
    std::string message;
    EXPECT_FALSE(CheckHsmcPrefix(3, ids, prefixes, message));
    EXPECT_EQ(message,
              "HSMC-A and HSMC-C cannot have the same prefix name when both connect to the same type of "
              "daughter boards.");
    EXPECT_FALSE(CheckFmcPrefix(3, ids, prefixes, message));
    EXPECT_EQ(message,
              "FMC-A and FMC-C cannot have the same prefix name when both connect to the same type of "
              "daughter boards.");
    uint8_t both80[] = {11, 11};
    std::string same[] = {"X", "X"};
    EXPECT_FALSE(CheckHsmcPrefix(2, both80, same, message)); // no exemption outside the GPIO headers
}

TEST(Attach, CardsThatDoNotFitEndInTheAssertions) {
    ScriptedPlatform seam;
    TMainBoard board;
    board.m_BoardId = 30;
    board.AddConnector(Master("GPIO", CONNECTOR_GPIO40, 16, 40));
    EXPECT_EQ(
        AssertionOf([&] { board.AttachGpioDaughter(16, 2, "", nullptr, IOSTD_2V5); }),
        "Assertion failed: Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80, file MainBoard, line 1360");
    EXPECT_EQ(AssertionOf([&] { board.AttachHsmcDaughter(8, 12, ""); }),
              "Assertion failed: Type == CONNECTOR_HSMC, file MainBoard, line 1341");
    EXPECT_EQ(AssertionOf([&] { board.AttachFmcDaughter(20, 2, ""); }),
              "Assertion failed: Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC, file MainBoard, "
              "line 1322");
    EXPECT_EQ(AssertionOf([&] { board.AttachGpioDaughter(17, 1, "", nullptr, IOSTD_2V5); }),
              "Assertion failed: pMasterConn, file MainBoard, line 1363");
    EXPECT_EQ(AssertionOf([&] { board.AttachHsmcDaughter(8, 2, ""); }),
              "Assertion failed: pMasterConn, file MainBoard, line 1345");
    EXPECT_EQ(AssertionOf([&] { board.AttachDdr3Sodimm(24, "", 1, 0, 0); }),
              "Assertion failed: pMasterConn, file MainBoard, line 1305");
}

TEST(DaughterBoard, CardsWithoutATableEndInTheFactorysAssertion) {
    ScriptedPlatform seam;
    struct Case {
        int id;
        int line;
    };
    for (Case c : {Case{0, 431}, Case{5, 32}, Case{9, 211}, Case{38, 431}, Case{66, 431}, Case{200, 431}}) {
        TDaughterBoard d;
        EXPECT_EQ(AssertionOf([&] {
                      d.CreateBoard(static_cast<uint8_t>(c.id), 30, 0, IOSTD_2V5, nullptr, TCardRules{});
                  }),
                  "Assertion failed: 0, file DaughterBoard, line " + std::to_string(c.line))
            << c.id;
        EXPECT_FALSE(d.TryCreateBoard(static_cast<uint8_t>(c.id), 30, 0, IOSTD_2V5, nullptr, TCardRules{}));
    }
}

TEST(DaughterBoard, AnOfferedCardWithoutATableFailsTheAttachInsteadOfEndingTheProgram) {
    ScriptedPlatform seam;
    TMainBoard board;
    board.m_BoardId = 11;
    board.AddConnector(Master("KAPPEL", CONNECTOR_KAPPEL, 6, 180));
    TDaughterBoard d;
    EXPECT_FALSE(d.TryCreateBoard(DAUGHTER_KAPPEL_DEFAULT, 11, 0, IOSTD_2V5, nullptr, TCardRules{}));
    EXPECT_EQ(board.GetConnector(0)->GetPin(0)->GetDirection(), DIRECTION_BY_DAUGHTER);
}

namespace {

// A hand-made card of the given type and slot count; nullptr entries are empty slots.
std::unique_ptr<TDaughterBoard> Card(uint8_t type, std::initializer_list<const char*> names) {
    auto d = std::make_unique<TDaughterBoard>();
    int position = 1;
    for (const char* n : names) {
        d->AddPin(n ? new TPin(n, DIRECTION_INPUT, IOSTD_2V5, position, 0) : nullptr);
        ++position;
    }
    d->SetType(type);
    return d;
}

} // namespace

TEST(UpdateMasterConnector, SlotToSlotWithPrefixAndTheMastersOwnStandard) {
    std::unique_ptr<TConnector> master(Master("GPIO", CONNECTOR_GPIO40, 16, 4));
    master->GetPin(0)->SetIoStandard(IOSTD_3V3_LVTTL);
    master->GetPin(2)->SetDirection(DIRECTION_OUTPUT);
    auto card = Card(CONNECTOR_GPIO40, {"D[0]", nullptr, "CLK"});
    card->GetPin(0)->SetIsClock(1);
    card->GetPin(0)->SetFrequencyText("50.0 MHz");
    ASSERT_TRUE(card->UpdateMasterConnector(master.get(), "CAM_"));
    const TPin* p0 = master->GetPin(0);
    EXPECT_EQ(p0->GetName(), "CAM_D[0]");
    EXPECT_EQ(p0->GetLocation(), "L1");
    EXPECT_EQ(p0->GetIoStandard(), IOSTD_3V3_LVTTL); // the master fixes its standard
    EXPECT_EQ(p0->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(p0->GetIndex(), 1);
    EXPECT_EQ(p0->GetFrequencyText(), "50.0 MHz");
    EXPECT_EQ(master->GetPin(1)->GetDirection(), DIRECTION_NONE); // empty card slot
    EXPECT_EQ(master->GetPin(2)->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(master->GetPin(2)->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(master->GetPin(3)->GetDirection(), DIRECTION_NONE); // beyond the card, waiting for it
    EXPECT_EQ(master->GetDaughterType(), CONNECTOR_GPIO40);
}

TEST(UpdateMasterConnector, BeyondTheCardAPinWithItsOwnDirectionKeepsIt) {
    std::unique_ptr<TConnector> master(Master("DDR3", CONNECTOR_DDR3_SODIMM, 24, 3));
    master->GetPin(2)->SetDirection(DIRECTION_OUTPUT);
    master->GetPin(2)->SetName("EXTRA");
    auto card = Card(CONNECTOR_DDR3_SODIMM, {"A", "B"});
    ASSERT_TRUE(card->UpdateMasterConnector(master.get(), ""));
    EXPECT_EQ(master->GetPin(0)->GetName(), "A");
    EXPECT_EQ(master->GetPin(2)->GetName(), "EXTRA");
    EXPECT_EQ(master->GetPin(2)->GetDirection(), DIRECTION_OUTPUT);
}

TEST(UpdateMasterConnector, LpcOnHpcAndHsmcOnKappel) {
    std::unique_ptr<TConnector> hpc(Master("FMC", CONNECTOR_FMC_HPC, 20, 3));
    auto lpc = Card(CONNECTOR_FMC_LPC, {"X", nullptr, "Z"});
    ASSERT_TRUE(lpc->UpdateMasterConnector(hpc.get(), ""));
    EXPECT_EQ(hpc->GetPin(2)->GetName(), "Z");
    EXPECT_EQ(hpc->GetDaughterType(), CONNECTOR_FMC_LPC);

    std::unique_ptr<TConnector> kappel(Master("KAPPEL", CONNECTOR_KAPPEL, 6, 180));
    std::vector<const char*> names(160, nullptr);
    names[159] = "H160"; // Kappel position 2
    names[156] = "H157"; // Kappel position 3
    auto hsmc = std::make_unique<TDaughterBoard>();
    for (int i = 0; i < 160; ++i)
        hsmc->AddPin(names[i] ? new TPin(names[i], DIRECTION_OUTPUT, IOSTD_2V5, i + 1, 0) : nullptr);
    hsmc->SetType(CONNECTOR_HSMC);
    ASSERT_TRUE(hsmc->UpdateMasterConnector(kappel.get(), "P_"));
    EXPECT_EQ(kappel->GetPin(0)->GetDirection(), DIRECTION_NONE); // position 1 maps nowhere
    EXPECT_EQ(kappel->GetPin(1)->GetName(), "P_H160");
    EXPECT_EQ(kappel->GetPin(1)->GetIndex(), 160);
    EXPECT_EQ(kappel->GetPin(1)->GetLocation(), "L2");
    EXPECT_EQ(kappel->GetPin(2)->GetName(), "P_H157");
    EXPECT_EQ(kappel->GetPin(3)->GetDirection(), DIRECTION_NONE); // maps to an empty card slot
    EXPECT_EQ(kappel->ActivePinCount(), 2);
}

TEST(UpdateMasterConnector, OtherPairsAreABrokenRuleAfterTheTypeIsSet) {
    ScriptedPlatform seam;
    std::unique_ptr<TConnector> master(Master("GPIO", CONNECTOR_GPIO40, 16, 2));
    auto card = Card(CONNECTOR_HSMC, {"A"});
    EXPECT_EQ(AssertionOf([&] { card->UpdateMasterConnector(master.get(), ""); }),
              "Assertion failed: 0, file DaughterBoard, line 962");
    EXPECT_EQ(master->GetDaughterType(), CONNECTOR_HSMC);
}

TEST(AttachGpioDaughter, KamrelOnTheDunmirHeaderKeepsTheMastersStandard) {
    ScriptedPlatform seam;
    TMainBoard board;
    board.m_BoardId = 30;
    auto* gpio = Master("GPIO", CONNECTOR_GPIO40, 16, 40);
    for (int i = 0; i < 40; ++i)
        gpio->GetPin(i)->SetIoStandard(IOSTD_3V3_LVTTL);
    gpio->GetPin(0)->SetLocation("V10");
    board.AddConnector(gpio);
    ASSERT_TRUE(board.AttachGpioDaughter(16, DAUGHTER_KAMREL, "GPIO", nullptr, IOSTD_2V5));
    const TPin* first = gpio->GetPin(0);
    EXPECT_EQ(first->GetName(), "GPIOKAMREL_PIXCLK");
    EXPECT_EQ(first->GetLocation(), "V10");
    EXPECT_EQ(first->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(gpio->ActivePinCount(), 21);
    for (int i = 0; i < 40; ++i) {
        if (gpio->GetPin(i)->IsActive()) {
            EXPECT_EQ(gpio->GetPin(i)->GetIoStandard(), IOSTD_3V3_LVTTL) << i;
        }
    }
    EXPECT_EQ(gpio->GetPin(10)->GetDirection(), DIRECTION_NONE);
}

TEST(CreateBoard, GpioDefaultNamingStyleByTheBoardsRules) {
    ScriptedPlatform seam;
    struct Case {
        GpioStyle style;
        const char* first;
    };
    for (Case c : {Case{GpioStyle::Numbered, "GPIO[0]"}, Case{GpioStyle::PerPosition, "GPIO_CLKIN[0]"}}) {
        TDaughterBoard d;
        d.CreateBoard(DAUGHTER_GPIO_DEFAULT, 30, 0, IOSTD_3V3_LVTTL, nullptr,
                      TCardRules{.gpioStyle = c.style});
        EXPECT_EQ(d.GetPin(0)->GetName(), c.first);
        EXPECT_EQ(d.GetName(), "GPIO Default");
        EXPECT_EQ(d.GetCaption(), "GPIO Default Pin Name");
        EXPECT_EQ(d.GetType(), CONNECTOR_GPIO40);
    }
    TDaughterBoard named;
    named.CreateBoard(DAUGHTER_GPIO_DEFAULT, 30, 0, IOSTD_3V3_LVTTL, "LED", TCardRules{});
    EXPECT_EQ(named.GetPin(0)->GetName(), "LED[0]");
    EXPECT_EQ(named.ActivePinCount(), 36);
}

TEST(CreateBoard, CallersStandardIsReplacedWhenTheRulesSaySo) {
    ScriptedPlatform seam;
    struct Case {
        TCardRules rules;
        uint8_t standard;
    };
    for (Case c : {Case{{.replaceIoStandard = true, .ioStandard = IOSTD_3V0_PCI_X}, IOSTD_3V0_PCI_X},
                   Case{{.replaceIoStandard = true, .ioStandard = IOSTD_2V5}, IOSTD_2V5},
                   Case{{.replaceIoStandard = false, .ioStandard = IOSTD_2V5}, IOSTD_3V3_LVTTL}}) {
        TDaughterBoard d;
        d.CreateBoard(DAUGHTER_KAMREL, 30, 0, IOSTD_3V3_LVTTL, nullptr, c.rules);
        EXPECT_EQ(d.GetPin(0)->GetIoStandard(), c.standard);
    }
}

TEST(DaughterBoard, TheVendorsFmcCardsKeepTheirRowKPins) {
    ScriptedPlatform seam;
    struct Case {
        uint8_t id;
        int pins;
    };
    for (Case c : {Case{DAUGHTER_FMC_HPC_XCVR_ALTERA, 204}, Case{DAUGHTER_FMC_HPC_ALTERA_VELTRAX, 173},
                   Case{DAUGHTER_FMC_HPC_XCVR_ALTERA_VELTRAX, 215}}) {
        TDaughterBoard d;
        d.CreateBoard(c.id, MAINBOARD_CALVEX, 0, IOSTD_2V5, nullptr,
                      TCardRules{.replaceIoStandard = true, .ioStandard = IOSTD_2V5});
        EXPECT_EQ(d.ActivePinCount(), c.pins) << int(c.id);
        // Row K starts at position 361: its HA/HB lines are there.
        int rowK = 0;
        for (int i = 360; i < d.PinCount(); ++i)
            rowK += d.GetPin(i) != nullptr;
        EXPECT_GT(rowK, 12) << int(c.id);
    }
}
