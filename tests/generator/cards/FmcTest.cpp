#include "cards/CardTables.h"
#include "cards/D_FMC_TI_ADC34J45.h"
#include "cards/FmcShape.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Fill = std::function<void(TConnector*)>;

std::unique_ptr<TConnector> Filled(const Fill& fill) {
    auto conn = std::make_unique<TConnector>("", "", CONNECTOR_NONE, -1);
    fill(conn.get());
    return conn;
}

// "C10" is position 90.
int Position(const std::string& label) {
    return FmcPosition(label[0], std::stoi(label.substr(1)));
}

const TPin* At(const TConnector& conn, const std::string& label) {
    return conn.GetPin(Position(label) - 1);
}

struct Card {
    const char* title;
    Fill fill;
    int pins;
};

// The fills as the factory calls them for each card id.
const std::vector<Card>& Cards() {
    static const std::vector<Card> cards = {
        {"39", [](TConnector* c) { FillCardFmcHpcVitaPins(c, true, IOSTD_2V5, false); }, 214},
        {"40", [](TConnector* c) { FillCardFmcLpcVitaPins(c, true, IOSTD_2V5); }, 80},
        {"41", [](TConnector* c) { FillCardFmcHpcAlteraPins(c, false, IOSTD_2V5, true); }, 138},
        {"42", [](TConnector* c) { FillCardFmcHpcAlteraPins(c, true, IOSTD_2V5, true); }, 180},
        {"43", [](TConnector* c) { FillCardFmcHpcAlteraVeltraxPins(c, false, IOSTD_2V5, true); }, 149},
        {"44", [](TConnector* c) { FillCardFmcHpcAlteraVeltraxPins(c, true, IOSTD_2V5, true); }, 191},
        {"45", [](TConnector* c) { FillCardFmcLpcAlteraPins(c, false, IOSTD_2V5, true); }, 76},
        {"46", [](TConnector* c) { FillCardFmcLpcAlteraPins(c, true, IOSTD_2V5, true); }, 81},
        {"47 Faldon-FMC", FillCardFaldonFmcPins, 42},
        {"48 12G SDI", FillCardSdiFmcPins, 96},
        {"49 HDMI", FillCardHdmiFmcPins, 129},
        {"50 JESD", FillCardJesdFmcPins, 93}, // 91 and the renamed F1 and H35
        {"51 ADC34J45", [](TConnector* c) { FillCardJesdAdc34j45Pins(c, true); }, 27},
        {"52 NET-FMC", FillCardNetFmcPins, 136},
        {"73 Fiskel-FMC", FillCardFiskelFmcPins, 68},
    };
    return cards;
}

std::vector<std::string> Names(const TConnector& conn) {
    std::vector<std::string> names;
    for (int i = 0; i < conn.PinCount(); ++i)
        names.push_back(conn.GetPin(i) ? conn.GetPin(i)->GetName() : "");
    return names;
}

} // namespace

TEST(FmcCards, EveryCardFillsFourHundredSlotsIndexedByPosition) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.title);
        auto conn = Filled(card.fill);
        ASSERT_EQ(conn->PinCount(), FMC_HPC_PIN_NUM);
        EXPECT_EQ(conn->ActivePinCount(), card.pins);
        std::set<std::string> names;
        for (int slot = 0; slot < conn->PinCount(); ++slot) {
            const TPin* pin = conn->GetPin(slot);
            if (!pin)
                continue;
            EXPECT_EQ(pin->GetIndex(), slot + 1);
            EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName() << " twice";
        }
    }
}

TEST(FmcCards, TwoFillsGiveTheSameSlots) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.title);
        EXPECT_EQ(Names(*Filled(card.fill)), Names(*Filled(card.fill)));
    }
}

TEST(FmcCards, SpotPositions) {
    struct Spot {
        int card; // index into Cards()
        const char* label;
        const char* name; // nullptr: empty slot
        uint8_t direction;
        uint8_t ioStandard;
    };
    const Spot spots[] = {
        {0, "C10", "LA06_P", DIRECTION_INOUT, IOSTD_2V5},
        {0, "C11", "LA06_N", DIRECTION_INOUT, IOSTD_2V5},
        {0, "C6", "DP0_M2C_P", DIRECTION_INPUT, IOSTD_LVDS},
        {0, "C7", nullptr, 0, 0},
        {0, "A3", "DP1_M2C_N", DIRECTION_INPUT, IOSTD_1V5_PCML},
        {0, "D4", "GBTCLK_M2C_P", DIRECTION_INPUT, IOSTD_LVDS},
        {0, "D5", nullptr, 0, 0},
        {0, "B1", "CLK_DIR", DIRECTION_INOUT, IOSTD_2V5},
        {0, "K38", "HB17_N_CC", DIRECTION_INOUT, IOSTD_2V5},
        {1, "H38", "LA32_N", DIRECTION_INOUT, IOSTD_2V5},
        {3, "A2", "DP_M2C_p[1]", DIRECTION_INPUT, IOSTD_1V4_PCML},
        {3, "B21", nullptr, 0, 0},
        {3, "J6", "HA_RX_p[5]", DIRECTION_INPUT, IOSTD_2V5},
        {3, "H5", "CLK_M2C_n[0]", DIRECTION_INPUT, IOSTD_2V5},
        {5, "J7", "HA_RX_n[5]", DIRECTION_INPUT, IOSTD_2V5},
        {5, "E2", "HA_RX_CLK_p", DIRECTION_INPUT, IOSTD_2V5},
        {8, "C6", "XCVR_RX_p[0]", DIRECTION_INPUT, IOSTD_LVDS},
        {8, "C7", "XCVR_RX_n[0]", DIRECTION_INPUT, IOSTD_LVDS},
        {8, "B20", "XCVR_REFCLK1_p", DIRECTION_INPUT, IOSTD_LVDS},
        {8, "B21", nullptr, 0, 0},
        {8, "A14", nullptr, 0, 0},
        {8, "D12", "DP_SINK_R", DIRECTION_INPUT, IOSTD_2V5},
        {9, "G2", "CLKOUT4_p", DIRECTION_INPUT, IOSTD_LVDS},
        {9, "G3", nullptr, 0, 0},
        {9, "A3", "RX_SDI_n[1]", DIRECTION_INPUT, IOSTD_1V5_PCML},
        {9, "H38", "REFCLK_I2C_SCL", DIRECTION_OUTPUT, IOSTD_2V5},
        {10, "E2", "SII9679_ADV7619_CSDA_FMC", DIRECTION_INOUT, IOSTD_2V5},
        {10, "C30", "FMC_I2C_SCL", DIRECTION_OUTPUT, IOSTD_2V5},
        {11, "F1", "F1", DIRECTION_INPUT, IOSTD_2V5},
        {11, "H35", "H35", DIRECTION_OUTPUT, IOSTD_2V5},
        {11, "H25", "SYNCP", DIRECTION_OUTPUT, IOSTD_LVDS},
        {11, "H26", nullptr, 0, 0},
        {11, "A3", "DP1_M2C_N", DIRECTION_INPUT, IOSTD_1V5_PCML},
        {11, "G6", "CLK_LA0_0P", DIRECTION_INPUT, IOSTD_2V5},
        {11, "G7", "CLK_LA0_0M", DIRECTION_INPUT, IOSTD_2V5},
        {13, "E6", "NET0_S_RX_P", DIRECTION_INPUT, IOSTD_LVDS},
        {13, "E7", nullptr, 0, 0},
        {13, "K11", "NET3_LINK1000", DIRECTION_INPUT, IOSTD_2V5},
        {14, "C10", "MIPI_PIXEL_D[9]", DIRECTION_INPUT, IOSTD_2V5},
        {14, "H38", "HDMI_LRCLK", DIRECTION_OUTPUT, IOSTD_2V5},
    };
    for (const Spot& s : spots) {
        const Card& card = Cards()[static_cast<std::size_t>(s.card)];
        SCOPED_TRACE(std::string(card.title) + " " + s.label);
        auto conn = Filled(card.fill);
        const TPin* pin = At(*conn, s.label);
        if (!s.name) {
            EXPECT_EQ(pin, nullptr);
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), s.name);
        EXPECT_EQ(pin->GetDirection(), s.direction);
        EXPECT_EQ(pin->GetIoStandard(), s.ioStandard);
        EXPECT_EQ(pin->GetIndex(), Position(s.label));
    }
}

TEST(FmcStandardCards, WithoutTransceiversNoLaneOrReferenceClock) {
    for (int card : {2, 4, 6}) {
        SCOPED_TRACE(Cards()[static_cast<std::size_t>(card)].title);
        for (const std::string& name : Names(*Filled(Cards()[static_cast<std::size_t>(card)].fill))) {
            EXPECT_NE(name.rfind("DP", 0), 0u) << name;
            EXPECT_NE(name.rfind("GBTCLK", 0), 0u) << name;
        }
    }
}

TEST(FmcStandardCards, LowPinCountLeavesRowsABEFJKEmpty) {
    for (int card : {1, 6, 7}) {
        SCOPED_TRACE(Cards()[static_cast<std::size_t>(card)].title);
        auto conn = Filled(Cards()[static_cast<std::size_t>(card)].fill);
        for (char row : {'A', 'B', 'E', 'F', 'J', 'K'})
            for (int column = 1; column <= 40; ++column)
                EXPECT_EQ(conn->GetPin(FmcPosition(row, column) - 1), nullptr) << row << column;
    }
}

TEST(FmcStandardCards, RowKFilterKeepsOnlyEveryThirdPositionFromK6) {
    for (int card : {2, 3, 4, 5}) {
        SCOPED_TRACE(Cards()[static_cast<std::size_t>(card)].title);
        auto conn = Filled(Cards()[static_cast<std::size_t>(card)].fill);
        for (int position = 364; position <= 398; ++position) {
            bool kept = (position - 364) % 3 == 2;
            EXPECT_TRUE(kept || conn->GetPin(position - 1) == nullptr) << position;
        }
    }
    // The rows are there: without the filter row K gives its pins.
    auto vendor = Filled([](TConnector* c) { FillCardFmcHpcAlteraPins(c, true, IOSTD_2V5, false); });
    ASSERT_NE(At(*vendor, "K4"), nullptr);
    EXPECT_EQ(At(*vendor, "K4")->GetName(), "DP_M2C_p[10]");
    EXPECT_EQ(vendor->ActivePinCount(), 180 + 24);
    auto veltrax = Filled([](TConnector* c) { FillCardFmcHpcAlteraVeltraxPins(c, false, IOSTD_2V5, false); });
    ASSERT_NE(At(*veltrax, "K38"), nullptr);
    EXPECT_EQ(At(*veltrax, "K38")->GetName(), "HB_TX_n[10]");
    EXPECT_EQ(At(*veltrax, "K38")->GetIoStandard(), IOSTD_2V5);
}

TEST(FmcStandardCards, VeltraxCardsDifferOnlyInRowsAToD) {
    auto without = Names(*Filled(Cards()[4].fill));
    auto with = Names(*Filled(Cards()[5].fill));
    for (int position = FmcPosition('E', 1); position <= FMC_HPC_PIN_NUM; ++position)
        EXPECT_EQ(without[static_cast<std::size_t>(position - 1)],
                  with[static_cast<std::size_t>(position - 1)]);
    EXPECT_NE(without, with);
}

TEST(FmcStandardCards, LvdsArgumentDropsSecondLegsOfUserPairs) {
    auto conn = Filled([](TConnector* c) { FillCardFmcHpcVitaPins(c, true, IOSTD_LVDS, false); });
    ASSERT_NE(At(*conn, "C10"), nullptr);
    EXPECT_EQ(At(*conn, "C10")->GetIoStandard(), IOSTD_LVDS);
    EXPECT_EQ(At(*conn, "C11"), nullptr);
    // The bidirectional clock pairs carry no second-leg flag.
    ASSERT_NE(At(*conn, "J3"), nullptr);
    EXPECT_EQ(At(*conn, "J3")->GetName(), "CLK3_BIDIR_N");
    ASSERT_NE(At(*conn, "K5"), nullptr);
    EXPECT_EQ(At(*conn, "K5")->GetName(), "CLK2_BIDIR_N");
}

TEST(FmcAdc34j45, RemapMovesTheBoardSignalsToTheAdapterPositions) {
    auto remapped = Filled([](TConnector* c) { FillCardJesdAdc34j45Pins(c, true); });
    struct Where {
        const char* label;
        const char* name;
    };
    for (const Where& w : {Where{"H25", "SYNCP"}, Where{"G33", "OVRA"}, Where{"G34", "OVRC"},
                           Where{"H34", "SYNC"}, Where{"D14", "FMC_SDO"}}) {
        ASSERT_NE(At(*remapped, w.label), nullptr) << w.label;
        EXPECT_EQ(At(*remapped, w.label)->GetName(), w.name);
        EXPECT_EQ(At(*remapped, w.label)->GetIndex(), Position(w.label));
    }
    for (const char* label : {"G12", "G13", "H26", "J22", "K19", "K22", "F19", "F20"})
        EXPECT_EQ(At(*remapped, label), nullptr) << label;

    auto base = Filled([](TConnector* c) { FillCardJesdAdc34j45Pins(c, false); });
    EXPECT_EQ(base->ActivePinCount(), 27);
    ASSERT_NE(At(*base, "G12"), nullptr);
    EXPECT_EQ(At(*base, "G12")->GetName(), "SYNCP");
    ASSERT_NE(At(*base, "K19"), nullptr);
    EXPECT_EQ(At(*base, "K19")->GetName(), "OVRA");
    EXPECT_EQ(At(*base, "H25"), nullptr);
}

TEST(FmcAdc34j45, ExchangesRunOneWayAndGoThroughTwoCyclesOfThree) {
    EXPECT_EQ(MapAdc34j45Position(Position("K20") - 1), Position("F7") - 1);
    EXPECT_EQ(MapAdc34j45Position(Position("F7") - 1), Position("F7") - 1);
    EXPECT_EQ(MapAdc34j45Position(Position("F1") - 1), Position("H35") - 1);
    EXPECT_EQ(MapAdc34j45Position(0), 0);
    int moved = 0;
    for (int i = 0; i < FMC_HPC_PIN_NUM; ++i)
        moved += MapAdc34j45Position(i) != i;
    EXPECT_EQ(moved, 14);

    FmcSlots work = BuildAdc34j45PinTable();
    auto nameAt = [&](const char* label) {
        const FmcRow* row = work[static_cast<std::size_t>(Position(label) - 1)];
        return row ? std::string(row->name) : std::string();
    };
    EXPECT_EQ(nameAt("H25"), "SYNCP");
    EXPECT_EQ(nameAt("H26"), "SYNCM");
    EXPECT_EQ(nameAt("G12"), ""); // the base rows of F19 and F20, both empty
    EXPECT_EQ(nameAt("F19"), ""); // the base rows of H25 and H26, both empty
}
