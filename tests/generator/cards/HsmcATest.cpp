#include "cards/CardTables.h"
#include "cards/HsmcCardPins.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Positions = std::set<int>;

// Calls one table with a general and a transceiver standard, as the factory would.
using Fill = void (*)(TConnector*, uint8_t io, uint8_t xcvr);

struct Card {
    const char* name;
    Fill fill;
    int pins;
    Positions ioPositions;   // pins that take the general (or single-ended) standard
    Positions xcvrPositions; // pins that take the transceiver standard
    Positions lvdsPositions; // pins fixed at "LVDS"; every other pin is "2.5 V"
};

Positions Range(int first, int last) {
    Positions out;
    for (int p = first; p <= last; ++p)
        out.insert(p);
    return out;
}

Positions Join(std::initializer_list<Positions> parts) {
    Positions out;
    for (const Positions& part : parts)
        out.insert(part.begin(), part.end());
    return out;
}

// The transmit p and receive p positions of transceiver lanes 7 to 0.
Positions LanePHalves() {
    Positions out;
    for (int lane = 7; lane >= 0; --lane)
        out.insert({4 * (7 - lane) + 1, 4 * (7 - lane) + 2});
    return out;
}

// The transmit p and receive p positions of the 17 signal pairs.
Positions PairPHalves() {
    Positions out;
    for (int k = 0; k <= 16; ++k) {
        const int first = k < 8 ? 47 + 6 * k : 101 + 6 * (k - 8);
        out.insert({first, first + 1});
    }
    return out;
}

// Each card as the factory calls it; io stands for the general (or single-ended) standard.
void LvdsDefault(TConnector* c, uint8_t io, uint8_t x) {
    FillCardHsmcLvdsDefaultPins(c, false, x, IOSTD_LVDS, io);
}
void LvdsDefaultGxb(TConnector* c, uint8_t io, uint8_t x) {
    FillCardHsmcLvdsDefaultPins(c, true, x, IOSTD_LVDS, io);
}
void Pellum(TConnector* c, uint8_t io, uint8_t) {
    FillCardPellumPins(c, io);
}
void TurvinHsmc(TConnector* c, uint8_t io, uint8_t) {
    FillCardTurvinHsmcPins(c, io);
}
void Dvi(TConnector* c, uint8_t io, uint8_t) {
    FillCardDviPins(c, io);
}
void Gorvay(TConnector* c, uint8_t io, uint8_t) {
    FillCardGorvayPins(c, io);
}
void Net(TConnector* c, uint8_t io, uint8_t) {
    FillCardNetPins(c, io);
}
void Sfp(TConnector* c, uint8_t, uint8_t x) {
    FillCardSfpPins(c, x);
}
void Sdi(TConnector* c, uint8_t, uint8_t x) {
    FillCardSdiPins(c, x);
}
void Sata(TConnector* c, uint8_t io, uint8_t x) {
    FillCardSataPins(c, x, io);
}
void Faldon(TConnector* c, uint8_t, uint8_t x) {
    FillCardFaldonPins(c, x);
}
void Loopback(TConnector* c, uint8_t, uint8_t x) {
    FillCardHsmcLoopbackPins(c, false, x);
}
void LoopbackXcvr(TConnector* c, uint8_t, uint8_t x) {
    FillCardHsmcLoopbackPins(c, true, x);
}
void Debug(TConnector* c, uint8_t, uint8_t) {
    FillCardHsmcDebugPins(c, 1);
}
void Plindor(TConnector* c, uint8_t io, uint8_t) {
    FillCardPlindorPins(c, io);
}
void KappelLoopback(TConnector* c, uint8_t, uint8_t) {
    FillCardKappelLoopbackPins(c);
}

const std::vector<Card>& Cards() {
    static const Positions kXcvrSfp = {13, 14, 17, 18, 21, 22, 25, 26, 29, 30};
    static const Positions kLvdsSfp = {89, 90, 96, 113, 114, 125, 126, 143, 144, 156};
    static const Positions kXcvrFaldon = {17, 18, 21, 22, 25, 26, 29, 30};
    static const Positions kLvdsLvdsDefault = Join({PairPHalves(), {95, 96, 155, 156}});
    static const std::vector<Card> cards = {
        // name, table, pins, general-standard, transceiver-standard and LVDS positions
        {"LvdsDefault", LvdsDefault, 62, Join({{33, 34}, Range(39, 44)}), LanePHalves(), kLvdsLvdsDefault},
        {"LvdsDefaultGxb", LvdsDefaultGxb, 100, Range(33, 160), LanePHalves(), {}},
        {"Pellum", Pellum, 84, {33, 34}, {}, {}},
        {"TurvinHsmc", TurvinHsmc, 71, {33, 34}, {}, {}},
        {"Dvi", Dvi, 77, {33, 34}, {}, {}},
        {"Gorvay", Gorvay, 84, {33, 34}, {}, {}},
        {"Net", Net, 74, {33, 34}, {}, {}},
        {"Sfp", Sfp, 83, {}, kXcvrSfp, kLvdsSfp},
        {"Sdi", Sdi, 52, {}, Range(25, 32), {156, 158}},
        {"Sata", Sata, 85, {33, 34}, Range(1, 32), {156, 158}},
        {"Faldon", Faldon, 15, {}, kXcvrFaldon, {95, 96, 155, 156}},
        {"Loopback", Loopback, 83, {}, {}, {}},
        {"LoopbackXcvr", LoopbackXcvr, 99, {}, LanePHalves(), {}},
        {"Debug", Debug, 81, {}, {}, {}},
        {"Plindor", Plindor, 83, {33, 34}, {}, {}},
        {"KappelLoopback", KappelLoopback, 77, {}, {}, {}},
    };
    return cards;
}

TConnector* NewCard() {
    return new TConnector("J1", "", CONNECTOR_HSMC, 0);
}

std::unique_ptr<TConnector> Filled(const Card& card, uint8_t io, uint8_t xcvr) {
    std::unique_ptr<TConnector> conn(NewCard());
    card.fill(conn.get(), io, xcvr);
    return conn;
}

std::unique_ptr<TConnector> Filled(const std::function<void(TConnector*)>& fill) {
    std::unique_ptr<TConnector> conn(NewCard());
    fill(conn.get());
    return conn;
}

} // namespace

TEST(HsmcCards, EveryTableAppends160SlotsWithItsPinCount) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.name);
        auto conn = Filled(card, IOSTD_2V5, IOSTD_1V5_PCML);
        EXPECT_EQ(conn->PinCount(), 160);
        EXPECT_EQ(conn->ActivePinCount(), card.pins);
        // The table appends: a second call adds another 160 slots behind the first.
        card.fill(conn.get(), IOSTD_2V5, IOSTD_1V5_PCML);
        EXPECT_EQ(conn->PinCount(), 320);
    }
}

TEST(HsmcCards, SlotsCarryTheirPositionAndNoBoardData) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.name);
        auto conn = Filled(card, IOSTD_2V5, IOSTD_1V5_PCML);
        std::set<std::string> names;
        for (int slot = 0; slot < conn->PinCount(); ++slot) {
            const TPin* pin = conn->GetPin(slot);
            if (!pin)
                continue;
            SCOPED_TRACE(pin->GetName());
            EXPECT_EQ(pin->GetIndex(), slot + 1);
            EXPECT_TRUE(pin->IsActive());
            EXPECT_EQ(pin->GetLocation(), "");
            EXPECT_EQ(pin->GetIsClock(), 0);
            EXPECT_EQ(pin->GetFrequencyText(), "");
            EXPECT_TRUE(names.insert(pin->GetName()).second) << "name used twice";
        }
    }
}

TEST(HsmcCards, PinsSitOnlyOnSignalPositionsExceptOneSataLed) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.name);
        auto conn = Filled(card, IOSTD_2V5, IOSTD_1V5_PCML);
        for (int slot = 0; slot < conn->PinCount(); ++slot) {
            const TPin* pin = conn->GetPin(slot);
            if (!pin || (std::string(card.name) == "Sata" && slot + 1 == 111))
                continue;
            EXPECT_NE(HsmcSlotAt(slot + 1).role, HsmcRole::None) << pin->GetName() << " at " << slot + 1;
        }
    }
}

TEST(HsmcCards, StandardsFollowTheArguments) {
    // Board 8's standards (1.8 V, 1.4-V PCML), then the others' (2.5 V, 1.5-V PCML).
    const struct {
        uint8_t io, xcvr;
        const char *ioText, *xcvrText;
    } boards[] = {{IOSTD_1V8, IOSTD_1V4_PCML, "1.8 V", "1.4-V PCML"},
                  {IOSTD_2V5, IOSTD_1V5_PCML, "2.5 V", "1.5-V PCML"}};
    for (const auto& board : boards) {
        for (const Card& card : Cards()) {
            SCOPED_TRACE(std::string(card.name) + " with " + board.ioText);
            auto conn = Filled(card, board.io, board.xcvr);
            for (int slot = 0; slot < conn->PinCount(); ++slot) {
                const TPin* pin = conn->GetPin(slot);
                if (!pin)
                    continue;
                const int p = slot + 1;
                const char* expected = card.ioPositions.count(p)     ? board.ioText
                                       : card.xcvrPositions.count(p) ? board.xcvrText
                                       : card.lvdsPositions.count(p) ? "LVDS"
                                                                     : "2.5 V";
                EXPECT_EQ(pin->GetIoStandardText(), expected) << pin->GetName() << " at " << p;
            }
        }
    }
}

TEST(HsmcCards, SpotPositions) {
    const struct {
        const char* card;
        int position;
        const char* name; // nullptr: an empty slot
        uint8_t direction;
        const char* standard;
    } spots[] = {
        {"LvdsDefault", 1, "TX_p[7]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"LvdsDefault", 2, "RX_p[7]", DIRECTION_INPUT, "1.5-V PCML"},
        {"LvdsDefault", 3, nullptr, 0, nullptr},
        {"LvdsDefault", 30, "RX_p[0]", DIRECTION_INPUT, "1.5-V PCML"},
        {"LvdsDefault", 33, "SDA", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefault", 39, "CLKOUT0", DIRECTION_OUTPUT, "2.5 V"},
        {"LvdsDefault", 44, "D[3]", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefault", 47, "TX_D_p[0]", DIRECTION_OUTPUT, "LVDS"},
        {"LvdsDefault", 49, nullptr, 0, nullptr},
        {"LvdsDefault", 90, "RX_D_p[7]", DIRECTION_INPUT, "LVDS"},
        {"LvdsDefault", 95, "CLKOUT_p1", DIRECTION_OUTPUT, "LVDS"},
        {"LvdsDefault", 97, nullptr, 0, nullptr},
        {"LvdsDefault", 101, "TX_D_p[8]", DIRECTION_OUTPUT, "LVDS"},
        {"LvdsDefault", 150, "RX_D_p[16]", DIRECTION_INPUT, "LVDS"},
        {"LvdsDefault", 156, "CLKIN_p2", DIRECTION_INPUT, "LVDS"},
        {"LvdsDefault", 160, nullptr, 0, nullptr},
        {"LvdsDefaultGxb", 1, "GXB_TX_p[7]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"LvdsDefaultGxb", 30, "GXB_RX_p[0]", DIRECTION_INPUT, "1.5-V PCML"},
        {"LvdsDefaultGxb", 31, nullptr, 0, nullptr},
        {"LvdsDefaultGxb", 39, "OUT0", DIRECTION_OUTPUT, "2.5 V"},
        {"LvdsDefaultGxb", 40, "CLKIN0", DIRECTION_INPUT, "2.5 V"},
        {"LvdsDefaultGxb", 47, "TX_p[0]", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefaultGxb", 50, "RX_n[0]", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefaultGxb", 95, "OUT_p1", DIRECTION_OUTPUT, "2.5 V"},
        {"LvdsDefaultGxb", 97, "OUT_n1", DIRECTION_OUTPUT, "2.5 V"},
        {"LvdsDefaultGxb", 98, "CLKIN_n1", DIRECTION_INPUT, "2.5 V"},
        {"LvdsDefaultGxb", 149, "TX_p[16]", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefaultGxb", 152, "RX_n[16]", DIRECTION_INOUT, "2.5 V"},
        {"LvdsDefaultGxb", 155, "CLKOUT_p2", DIRECTION_OUTPUT, "2.5 V"},
        {"LvdsDefaultGxb", 157, "CLKOUT_n2", DIRECTION_OUTPUT, "2.5 V"},
        {"Pellum", 39, "CLKOUT0", DIRECTION_OUTPUT, "2.5 V"},
        {"Pellum", 41, "ADA_D[13]", DIRECTION_INPUT, "2.5 V"},
        {"Pellum", 80, "ADB_D[0]", DIRECTION_INPUT, "2.5 V"},
        {"Pellum", 95, "FPGA_CLK_A_P", DIRECTION_INOUT, "2.5 V"},
        {"Pellum", 101, "DA[13]", DIRECTION_OUTPUT, "2.5 V"},
        {"Pellum", 152, "J1_152", DIRECTION_INOUT, "2.5 V"},
        {"Pellum", 158, "ADB_DCO", DIRECTION_INPUT, "2.5 V"},
        {"TurvinHsmc", 34, "TURVIN_SCL", DIRECTION_OUTPUT, "2.5 V"},
        {"TurvinHsmc", 47, "DAC_DA[0]", DIRECTION_OUTPUT, "2.5 V"},
        {"TurvinHsmc", 96, "OSC_SMA_ADC4", DIRECTION_INPUT, "2.5 V"},
        {"TurvinHsmc", 108, "ADC_OEB_A", DIRECTION_OUTPUT, "2.5 V"},
        {"TurvinHsmc", 113, "ADC_DB[13]", DIRECTION_INPUT, "2.5 V"},
        {"TurvinHsmc", 158, "ADC_OTR_A", DIRECTION_INPUT, "2.5 V"},
        {"Dvi", 33, "DVI_HSMC_SDA", DIRECTION_INOUT, "2.5 V"},
        {"Dvi", 34, "DVI_HSMC_SCL", DIRECTION_OUTPUT, "2.5 V"},
        {"Dvi", 40, nullptr, 0, nullptr},
        {"Dvi", 92, "DVI_TX_D[17]", DIRECTION_OUTPUT, "2.5 V"},
        {"Dvi", 96, "DVI_RX_CLK", DIRECTION_INPUT, "2.5 V"},
        {"Dvi", 155, "DVI_TX_CLK", DIRECTION_OUTPUT, "2.5 V"},
        {"Dvi", 156, nullptr, 0, nullptr},
        {"Dvi", 157, "DVI_TX_DDCSCL", DIRECTION_INOUT, "2.5 V"},
        {"Gorvay", 33, "HC_I2C_SDAT", DIRECTION_INOUT, "2.5 V"},
        {"Gorvay", 41, "HC_ID_I2CSCL", DIRECTION_OUTPUT, "2.5 V"},
        {"Gorvay", 98, "HC_TD_27MHZ", DIRECTION_INPUT, "2.5 V"},
        {"Gorvay", 158, "HC_TX_CLK", DIRECTION_INPUT, "2.5 V"},
        {"Net", 42, "NET1_S_RX_P", DIRECTION_INPUT, "2.5 V"},
        {"Net", 95, "NET1_GTX_CLK", DIRECTION_OUTPUT, "2.5 V"},
        {"Net", 133, "NET0_MDIO", DIRECTION_INOUT, "2.5 V"},
        {"Net", 158, "NET1_S_CLKN", DIRECTION_INPUT, "2.5 V"},
        {"Sfp", 13, "XCVR_TX4p", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Sfp", 30, "SFP_RD_XCVRp[0]", DIRECTION_INPUT, "1.5-V PCML"},
        {"Sfp", 39, "CLK_IN", DIRECTION_OUTPUT, "2.5 V"},
        {"Sfp", 40, "CLK1", DIRECTION_INPUT, "2.5 V"},
        {"Sfp", 96, "SFP_CLKp[1]", DIRECTION_INPUT, "LVDS"},
        {"Sfp", 143, "SFP_TD_LVDSp[7]", DIRECTION_OUTPUT, "LVDS"},
        {"Sfp", 160, "SFP_PSNTn", DIRECTION_INPUT, "2.5 V"},
        {"Sdi", 25, "SDI_TX_P[2]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Sdi", 32, "SDI_EQOUT_N[1]", DIRECTION_INPUT, "1.5-V PCML"},
        {"Sdi", 96, "AES_CLK", DIRECTION_INPUT, "2.5 V"},
        {"Sdi", 156, "SDI_HSMC_CLK_P", DIRECTION_INPUT, "LVDS"},
        {"Sdi", 160, "SDI_PSNTn", DIRECTION_OUTPUT, "2.5 V"},
        {"Sata", 1, "SATA_HSM_TX_P[7]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Sata", 4, "SATA_HSM_RX_N[7]", DIRECTION_INPUT, "1.5-V PCML"},
        {"Sata", 5, "SATA_HSM_TX_P[6]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Sata", 31, "SATA_HSM_TX_N[0]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Sata", 34, "SATA_HSM_SCL", DIRECTION_OUTPUT, "2.5 V"},
        {"Sata", 111, "SATA_TX_LED_R[3]", DIRECTION_OUTPUT, "2.5 V"},
        {"Sata", 113, "SATA_TX_LED_G[3]", DIRECTION_OUTPUT, "2.5 V"},
        {"Sata", 158, "SATA_CLK_N", DIRECTION_INPUT, "LVDS"},
        {"Sata", 160, "SATA_HSM_PSNTn", DIRECTION_INPUT, "2.5 V"},
        {"Faldon", 13, nullptr, 0, nullptr},
        {"Faldon", 17, "TX_P[3]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"Faldon", 30, "RX_P[0]", DIRECTION_INPUT, "1.5-V PCML"},
        {"Faldon", 95, "CLKOUT_P[1]", DIRECTION_OUTPUT, "LVDS"},
        {"Faldon", 160, "SFP_PSNTn", DIRECTION_INPUT, "2.5 V"},
        {"Loopback", 1, nullptr, 0, nullptr},
        {"Loopback", 33, nullptr, 0, nullptr},
        {"Loopback", 39, "L_CLK0", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 40, "R_CLK0", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 44, "R_D[1]", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 89, "L_D_P[7]", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 92, "R_D_N[7]", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 95, "L_CLK_P1", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 101, "L_D_P[8]", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 152, "R_D_N[16]", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 158, "R_CLK_N2", DIRECTION_INOUT, "2.5 V"},
        {"Loopback", 160, "PSNTn", DIRECTION_INPUT, "2.5 V"},
        {"LoopbackXcvr", 1, "L_P[7]", DIRECTION_OUTPUT, "1.5-V PCML"},
        {"LoopbackXcvr", 30, "R_P[0]", DIRECTION_INPUT, "1.5-V PCML"},
        {"LoopbackXcvr", 32, nullptr, 0, nullptr},
        {"Debug", 39, "HSM_CLKCOUT0", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 40, "HSM_CLKIN0", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 41, "HSM_D[0]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 47, "HSM_D[4]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 56, "HSM_D[11]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 92, "HSM_D[35]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 95, "HSM_D[36]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 97, nullptr, 0, nullptr},
        {"Debug", 101, "HSM_D_LED[40]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 110, "HSM_D_LED[47]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 152, "HSM_D_LED[75]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 155, "HSM_D_LED[76]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 158, "HSM_D_LED[79]", DIRECTION_INOUT, "2.5 V"},
        {"Debug", 160, "HSM_PSNTn", DIRECTION_INPUT, "2.5 V"},
        {"Plindor", 33, "PLINDOR_SDA", DIRECTION_INOUT, "2.5 V"},
        {"Plindor", 40, "PLINDOR_SD_WPn", DIRECTION_INPUT, "2.5 V"},
        {"Plindor", 49, "HSPROTO_IO[40]", DIRECTION_INOUT, "2.5 V"},
        {"Plindor", 50, "HSPROTO_IO[0]", DIRECTION_INOUT, "2.5 V"},
        {"Plindor", 95, "OSC", DIRECTION_OUTPUT, "2.5 V"},
        {"Plindor", 150, "HSPROTO_CARDSEL", DIRECTION_OUTPUT, "2.5 V"},
        {"Plindor", 155, "HSPROTO_IO[22]", DIRECTION_INOUT, "2.5 V"},
        {"Plindor", 157, "TR_CLK", DIRECTION_OUTPUT, "2.5 V"},
        {"Plindor", 160, nullptr, 0, nullptr},
        {"KappelLoopback", 33, "DVI_HSMC_SDA", DIRECTION_INOUT, "2.5 V"},
        {"KappelLoopback", 96, "DVI_RX_CLK", DIRECTION_INPUT, "2.5 V"},
    };
    for (const auto& spot : spots) {
        SCOPED_TRACE(std::string(spot.card) + " at " + std::to_string(spot.position));
        const Card* card = nullptr;
        for (const Card& c : Cards())
            if (std::string(c.name) == spot.card)
                card = &c;
        ASSERT_NE(card, nullptr);
        auto conn = Filled(*card, IOSTD_2V5, IOSTD_1V5_PCML);
        const TPin* pin = conn->GetPin(spot.position - 1);
        if (!spot.name) {
            EXPECT_EQ(pin, nullptr);
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), spot.name);
        EXPECT_EQ(pin->GetDirection(), spot.direction);
        EXPECT_EQ(pin->GetIoStandardText(), spot.standard);
    }
}

TEST(HsmcCards, SdiTakesThePcmlStandardItIsGiven) {
    // The factory passes 1.4-V PCML on every board.
    auto conn = Filled([](TConnector* c) { FillCardSdiPins(c, IOSTD_1V4_PCML); });
    EXPECT_EQ(conn->GetPin(25 - 1)->GetIoStandardText(), "1.4-V PCML");
}

TEST(HsmcCards, DebugCardNamesOnePinAnInputOnBoards8And9) {
    const struct {
        int board;
        const char* name;
        uint8_t direction;
    } boards[] = {
        {1, "HSM_D[37]", DIRECTION_INOUT},    {7, "HSM_D[37]", DIRECTION_INOUT},
        {8, "HSM_D_IN[37]", DIRECTION_INPUT}, {9, "HSM_D_IN[37]", DIRECTION_INPUT},
        {12, "HSM_D[37]", DIRECTION_INOUT},   {30, "HSM_D[37]", DIRECTION_INOUT},
    };
    for (const auto& b : boards) {
        SCOPED_TRACE(b.board);
        auto conn = Filled([&](TConnector* c) { FillCardHsmcDebugPins(c, b.board); });
        EXPECT_EQ(conn->PinCount(), 160);
        EXPECT_EQ(conn->ActivePinCount(), 81);
        const TPin* pin = conn->GetPin(96 - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), b.name);
        EXPECT_EQ(pin->GetDirection(), b.direction);
        EXPECT_EQ(pin->GetIoStandardText(), "2.5 V");
    }
}

TEST(HsmcCards, KappelLoopbackHasTheDviPinsAtTwoPointFiveVolts) {
    auto dvi = Filled([](TConnector* c) { FillCardDviPins(c, IOSTD_1V8); });
    auto kappel = Filled([](TConnector* c) { FillCardKappelLoopbackPins(c); });
    ASSERT_EQ(kappel->PinCount(), dvi->PinCount());
    for (int slot = 0; slot < dvi->PinCount(); ++slot) {
        SCOPED_TRACE(slot + 1);
        const TPin* a = dvi->GetPin(slot);
        const TPin* b = kappel->GetPin(slot);
        ASSERT_EQ(a == nullptr, b == nullptr);
        if (!a)
            continue;
        EXPECT_EQ(b->GetName(), a->GetName());
        EXPECT_EQ(b->GetDirection(), a->GetDirection());
        EXPECT_EQ(b->GetIoStandardText(), "2.5 V");
    }
}

TEST(HsmcCards, PlindorCarriesEverySantaCruzAndMictorLineOnce) {
    auto conn = Filled([](TConnector* c) { FillCardPlindorPins(c, IOSTD_2V5); });
    std::multiset<std::string> names;
    for (int slot = 0; slot < conn->PinCount(); ++slot)
        if (const TPin* pin = conn->GetPin(slot))
            names.insert(pin->GetName());
    for (int k = 0; k <= 40; ++k)
        EXPECT_EQ(names.count("HSPROTO_IO[" + std::to_string(k) + "]"), 1u) << k;
    for (int k = 0; k <= 24; ++k)
        EXPECT_EQ(names.count("MICTOR_D[" + std::to_string(k) + "]"), 1u) << k;
}

TEST(HsmcLayout, PositionsMapToTheirRoles) {
    const struct {
        int position;
        HsmcRole role;
        int index, leg;
    } cases[] = {
        {1, HsmcRole::Lane, 7, 0},      {4, HsmcRole::Lane, 7, 3},         {29, HsmcRole::Lane, 0, 0},
        {32, HsmcRole::Lane, 0, 3},     {33, HsmcRole::I2cData, 0, 0},     {34, HsmcRole::I2cClock, 0, 0},
        {35, HsmcRole::None, 0, 0},     {38, HsmcRole::None, 0, 0},        {39, HsmcRole::ClockOut0, 0, 0},
        {40, HsmcRole::ClockIn0, 0, 0}, {41, HsmcRole::Single, 0, 0},      {44, HsmcRole::Single, 3, 0},
        {45, HsmcRole::None, 0, 0},     {47, HsmcRole::Pair, 0, 0},        {50, HsmcRole::Pair, 0, 3},
        {51, HsmcRole::None, 0, 0},     {52, HsmcRole::None, 0, 0},        {89, HsmcRole::Pair, 7, 0},
        {94, HsmcRole::None, 0, 0},     {95, HsmcRole::ClockPair1, 1, 0},  {98, HsmcRole::ClockPair1, 1, 3},
        {99, HsmcRole::None, 0, 0},     {101, HsmcRole::Pair, 8, 0},       {152, HsmcRole::Pair, 16, 3},
        {153, HsmcRole::None, 0, 0},    {155, HsmcRole::ClockPair2, 2, 0}, {158, HsmcRole::ClockPair2, 2, 3},
        {159, HsmcRole::None, 0, 0},    {160, HsmcRole::Present, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const HsmcSlot slot = HsmcSlotAt(c.position);
        EXPECT_EQ(slot.role, c.role);
        if (slot.role == HsmcRole::None)
            continue;
        EXPECT_EQ(slot.index, c.index);
        EXPECT_EQ(slot.leg, c.leg);
    }
    int signals = 0;
    for (int p = 1; p <= kHsmcPositions; ++p)
        signals += HsmcSlotAt(p).role != HsmcRole::None;
    EXPECT_EQ(signals, 117); // 32 lane + 2 I2C + 6 single-ended + 68 pair + 8 clock-pair + 1 present
}
