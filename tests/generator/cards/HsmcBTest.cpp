#include "cards/CardTables.h"
#include "platform/testing/ScriptedPlatform.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using platform::testing::AssertionFailure;
using platform::testing::ScriptedPlatform;

namespace {

constexpr uint8_t kNone = DIRECTION_NONE;
constexpr uint8_t kIo = DIRECTION_INOUT;
constexpr uint8_t kIn = DIRECTION_INPUT;
constexpr uint8_t kOut = DIRECTION_OUTPUT;

std::unique_ptr<TConnector> NewCard() {
    return std::make_unique<TConnector>("", "", CONNECTOR_NONE, -1);
}

// 160 slots, each pin's index its position.
void ExpectHsmcShape(const TConnector& conn) {
    ASSERT_EQ(conn.PinCount(), 160);
    for (int i = 0; i < conn.PinCount(); ++i)
        if (const TPin* pin = conn.GetPin(i)) {
            EXPECT_EQ(pin->GetIndex(), i + 1) << pin->GetName();
        }
}

int CountWithStandard(const TConnector& conn, uint8_t standard) {
    int n = 0;
    for (int i = 0; i < conn.PinCount(); ++i)
        if (const TPin* pin = conn.GetPin(i); pin && pin->GetIoStandard() == standard)
            ++n;
    return n;
}

bool HasName(const TConnector& conn, const std::string& name) {
    for (int i = 0; i < conn.PinCount(); ++i)
        if (const TPin* pin = conn.GetPin(i); pin && pin->GetName() == name)
            return true;
    return false;
}

// name nullptr: the position is an empty slot.
struct Spot {
    int position;
    const char* name;
    uint8_t direction;
    uint8_t standard;
};

void ExpectSpots(const TConnector& conn, std::initializer_list<Spot> spots) {
    for (const Spot& s : spots) {
        SCOPED_TRACE("position " + std::to_string(s.position));
        const TPin* pin = conn.GetPin(s.position - 1);
        if (!s.name) {
            EXPECT_EQ(pin, nullptr);
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), s.name);
        EXPECT_EQ(pin->GetDirection(), s.direction);
        EXPECT_EQ(pin->GetIoStandard(), s.standard);
    }
}

// The standard argument is 1.8 V, as board 8 passes it, so that it differs from the
// cards' own 2.5 V.
constexpr uint8_t kArg = IOSTD_1V8;

struct FixedCard {
    const char* name;
    std::function<void(TConnector*)> fill;
    int pins;
    int argPins;  // pins that take the argument
    int lvdsPins; // pins at LVDS; every other pin is 2.5 V
};

const std::vector<FixedCard>& FixedCards() {
    static const std::vector<FixedCard> cards = {
        {"Ruvex", [](TConnector* c) { FillCardRuvexPins(c, kArg); }, 83, 2, 0},
        {"HdmiTx", [](TConnector* c) { FillCardHdmiTxPins(c, kArg); }, 64, 2, 0},
        {"HdmiRx", [](TConnector* c) { FillCardHdmiRxPins(c, kArg); }, 67, 2, 0},
        {"CameraLink", [](TConnector* c) { FillCardCameraLinkPins(c); }, 82, 0, 0},
        {"LvdsCrossover", [](TConnector* c) { FillCardLvdsCrossoverPins(c, kArg); }, 84, 2, 76},
        {"Hovrin", [](TConnector* c) { FillCardHovrinPins(c); }, 48, 0, 0},
        {"Hovrin2", [](TConnector* c) { FillCardHovrin2Pins(c); }, 54, 0, 0},
        {"Zimbor", [](TConnector* c) { FillCardZimborPins(c); }, 30, 0, 5},
        {"Sarvon", [](TConnector* c) { FillCardSarvonPins(c); }, 69, 0, 0},
        {"Sarvon2", [](TConnector* c) { FillCardSarvon2Pins(c, kArg); }, 74, 0, 0},
        {"Brissel", [](TConnector* c) { FillCardBrisselHsmcPins(c, kArg, 7); }, 72, 72, 0},
    };
    return cards;
}

} // namespace

TEST(HsmcCardTables, ShapeCountsAndStandards) {
    for (const FixedCard& card : FixedCards()) {
        SCOPED_TRACE(card.name);
        auto conn = NewCard();
        card.fill(conn.get());
        ExpectHsmcShape(*conn);
        EXPECT_EQ(conn->ActivePinCount(), card.pins);
        EXPECT_EQ(CountWithStandard(*conn, kArg), card.argPins);
        EXPECT_EQ(CountWithStandard(*conn, IOSTD_LVDS), card.lvdsPins);
        EXPECT_EQ(CountWithStandard(*conn, IOSTD_2V5), card.pins - card.argPins - card.lvdsPins);
    }
}

TEST(HsmcCardTables, InterfaceCardPositions) {
    auto ruvex = NewCard();
    FillCardRuvexPins(ruvex.get(), kArg);
    ExpectSpots(*ruvex, {{33, "RUVEX_SDA", kIo, kArg},
                         {34, "RUVEX_SCL", kOut, kArg},
                         {35, "HSMC_TCK", kIo, IOSTD_2V5},
                         {48, "GPIO_DATA[0]", kIo, IOSTD_2V5},
                         {43, "GPIO_DATA[35]", kIo, IOSTD_2V5},
                         {96, "RS232_RTS", kIn, IOSTD_2V5},
                         {156, "RS232_RXD", kIn, IOSTD_2V5},
                         {1, nullptr, 0, 0}});

    auto tx = NewCard();
    FillCardHdmiTxPins(tx.get(), kArg);
    ExpectSpots(*tx, {{33, "HDMI_TX_SDA", kIo, kArg},
                      {34, "HDMI_TX_SCL", kOut, kArg},
                      {85, "TX_RD[0]", kOut, IOSTD_2V5},
                      {54, "TX_INT_N", kIn, IOSTD_2V5},
                      {137, "TX_BD[11]", kOut, IOSTD_2V5},
                      {157, "TX_DCLK", kOut, IOSTD_2V5}});

    auto rx = NewCard();
    FillCardHdmiRxPins(rx.get(), kArg);
    ExpectSpots(*rx, {{33, "HDMI_RX_SDA", kIo, kArg},
                      {34, "HDMI_RX_SCL", kOut, kArg},
                      {103, "RX_RD[0]", kIn, IOSTD_2V5},
                      {80, "RX_I2S[3]", kIn, IOSTD_2V5},
                      {144, "RX_BD[11]", kIn, IOSTD_2V5},
                      {156, "RX_PCLK", kIn, IOSTD_2V5}});

    auto crossover = NewCard();
    FillCardLvdsCrossoverPins(crossover.get(), kArg);
    ExpectSpots(*crossover, {{47, "LVDS_RX_p0", kIn, IOSTD_LVDS},
                             {48, "LVDS_TX_p0", kOut, IOSTD_LVDS},
                             {49, "LVDS_RX_n0", kIn, IOSTD_LVDS},
                             {50, "LVDS_TX_n0", kOut, IOSTD_LVDS},
                             {51, nullptr, 0, 0},
                             {52, nullptr, 0, 0},
                             {99, nullptr, 0, 0},
                             {101, "LVDS_RX_p8", kIn, IOSTD_LVDS},
                             {152, "LVDS_TX_n16", kOut, IOSTD_LVDS},
                             {95, "CLK_IN_p1", kIn, IOSTD_LVDS},
                             {158, "CLK_OUT_n2", kOut, IOSTD_LVDS},
                             {33, "SDA", kIo, kArg},
                             {34, "SCL", kIo, kArg},
                             {39, "CLKIN0", kIn, IOSTD_2V5},
                             {40, "CLKOUT0", kOut, IOSTD_2V5},
                             {43, "DATA_RX[1]", kIn, IOSTD_2V5},
                             {44, "DATA_TX[1]", kOut, IOSTD_2V5}});
}

TEST(HsmcCardTables, CameraLinkBusesSkipMember23) {
    auto conn = NewCard();
    FillCardCameraLinkPins(conn.get());
    ExpectSpots(*conn, {{39, "RX_BASE[0]", kIn, IOSTD_2V5},
                        {85, "RX_BASE[22]", kIn, IOSTD_2V5},
                        {83, "RX_BASE[24]", kIn, IOSTD_2V5},
                        {73, "RX_BASE[27]", kIn, IOSTD_2V5},
                        {126, "RX_MEDIUM[0]", kIn, IOSTD_2V5},
                        {155, "RX_MEDIUM[22]", kIn, IOSTD_2V5},
                        {157, "RX_MEDIUM[24]", kIn, IOSTD_2V5},
                        {128, "RX_MEDIUM[27]", kIn, IOSTD_2V5},
                        {78, "RXCC[1]", kOut, IOSTD_2V5},
                        {158, "RX_FULL27_HSMC", kIn, IOSTD_2V5}});
    EXPECT_FALSE(HasName(*conn, "RX_BASE[23]"));
    EXPECT_FALSE(HasName(*conn, "RX_MEDIUM[23]"));
}

TEST(HsmcCardTables, DisplayAndCameraCardPositions) {
    auto hovrin = NewCard();
    FillCardHovrinPins(hovrin.get());
    auto hovrin2 = NewCard();
    FillCardHovrin2Pins(hovrin2.get());
    for (int i = 0; i < 160; ++i) {
        const TPin* a = hovrin->GetPin(i);
        if (!a)
            continue;
        const TPin* b = hovrin2->GetPin(i);
        ASSERT_NE(b, nullptr) << a->GetName();
        EXPECT_EQ(b->GetName(), a->GetName());
        EXPECT_EQ(b->GetDirection(), a->GetDirection());
    }
    ExpectSpots(*hovrin, {{60, "CAMERA_D[0]", kIn, IOSTD_2V5},
                          {91, "CAMERA_SDATA", kIo, IOSTD_2V5},
                          {145, "LCD_B[0]", kOut, IOSTD_2V5},
                          {115, "LCD_B[5]", kOut, IOSTD_2V5},
                          {157, "LCD_NCLK", kOut, IOSTD_2V5},
                          {41, nullptr, 0, 0}});
    ExpectSpots(*hovrin2, {{41, "GSENSOR_INT1", kIn, IOSTD_2V5},
                           {49, "GSENSOR_CS_n", kIn, IOSTD_2V5},
                           {55, "GSENSOR_SDA_SDI_SDIO", kIn, IOSTD_2V5},
                           {57, "GSENSOR_SCL_SCLK", kIn, IOSTD_2V5}});

    auto zimbor = NewCard();
    FillCardZimborPins(zimbor.get());
    ExpectSpots(*zimbor, {{126, "IMG_DIN[0]", kIn, IOSTD_2V5},
                          {66, "IMG_DIN[11]", kIn, IOSTD_2V5},
                          {79, "DEMO2_I2C_SDA", kIo, IOSTD_2V5},
                          {132, "LVDS_DATA_p[0]", kIn, IOSTD_LVDS},
                          {144, "LVDS_DATA_p[3]", kIn, IOSTD_LVDS},
                          {156, "CK_LVDS_CLK0_p", kIn, IOSTD_LVDS}});
    for (int i = 0; i < 160; ++i)
        if (const TPin* pin = zimbor->GetPin(i)) {
            EXPECT_EQ(pin->GetName().find("_n"), std::string::npos) << pin->GetName();
        }

    auto sarvon = NewCard();
    FillCardSarvonPins(sarvon.get());
    ExpectSpots(*sarvon, {{83, "LCD_UPDN", kOut, IOSTD_2V5},
                          {109, "LCD_B[0]", kOut, IOSTD_2V5},
                          {145, "LCD_R[0]", kOut, IOSTD_2V5},
                          {61, "GSENSOR_CS_n", kOut, IOSTD_2V5},
                          {73, "GSENSOR_SDA_SDI_SDIO", kIo, IOSTD_2V5},
                          {90, "LCD_POWER_CTL", kOut, IOSTD_2V5},
                          {115, "LSENSOR_SCL", kOut, IOSTD_2V5},
                          {152, "TOUCH_I2C_SCL", kOut, IOSTD_2V5},
                          {79, nullptr, 0, 0}});

    auto sarvon2 = NewCard();
    FillCardSarvon2Pins(sarvon2.get(), IOSTD_1V8);
    ExpectSpots(*sarvon2, {{83, "LCD_UPDN", kOut, IOSTD_2V5},
                           {42, "MIPI_PIXEL_D[13]", kIn, IOSTD_2V5},
                           {79, "LCD_POWER_CTL", kOut, IOSTD_2V5},
                           {115, "LSENSOR_SCL", kIo, IOSTD_2V5},
                           {152, "TOUCH_I2C_SCL", kIo, IOSTD_2V5},
                           {144, "CAMERA_PWDN_n", kOut, IOSTD_2V5},
                           {90, "MIPI_PIXEL_D[11]", kIn, IOSTD_2V5},
                           {81, nullptr, 0, 0}});
}

TEST(HsmcCardTables, BrisselAdaptor) {
    auto conn = NewCard();
    FillCardBrisselHsmcPins(conn.get(), IOSTD_3V0_PCI_X, 7);
    ExpectSpots(*conn, {{47, "GPIO1_35", kIo, IOSTD_3V0_PCI_X},
                        {48, "GPIO1_31", kIo, IOSTD_3V0_PCI_X},
                        {96, "GPIO1_2", kIo, IOSTD_3V0_PCI_X},
                        {98, "GPIO1_0", kIo, IOSTD_3V0_PCI_X},
                        {107, "GPIO0_35", kIo, IOSTD_3V0_PCI_X},
                        {158, "GPIO0_0", kIo, IOSTD_3V0_PCI_X},
                        {101, nullptr, 0, 0},
                        {106, nullptr, 0, 0},
                        {160, nullptr, 0, 0}});

    // Board 5 takes four of the adaptor pins as inputs.
    auto elbrin = NewCard();
    FillCardBrisselHsmcPins(elbrin.get(), IOSTD_2V5, 5);
    ExpectSpots(*elbrin, {{96, "GPIO1_2", kIn, IOSTD_2V5},
                          {98, "GPIO1_0", kIn, IOSTD_2V5},
                          {156, "GPIO0_2", kIn, IOSTD_2V5},
                          {158, "GPIO0_0", kIn, IOSTD_2V5},
                          {97, "GPIO1_16", kIo, IOSTD_2V5}});
}

TEST(HsmcCardTables, BrisselKamrel) {
    struct Case {
        bool j2, j3;
        int mainBoard;
        int active;
        std::vector<Spot> spots;
    };
    const uint8_t s = IOSTD_3V0_PCI_X;
    const std::vector<Case> cases = {
        // card 55: camera on J2
        {true,
         false,
         7,
         57,
         {{120, "KAMREL_SDATA", kIo, s},
          {158, "KAMREL_PIXCLK", kIn, s},
          {157, "KAMREL_XCLKIN", kOut, s},
          {107, "GPIO0_35", kNone, s},
          {47, "GPIO1_35", kIo, s}}},
        // card 56: camera on J3
        {false,
         true,
         7,
         57,
         {{60, "KAMREL_SDATA", kIo, s},
          {98, "KAMREL_PIXCLK", kIn, s},
          {47, "GPIO1_35", kNone, s},
          {107, "GPIO0_35", kIo, s}}},
        // card 57: a camera on each header
        {true,
         true,
         7,
         42,
         {{120, "KAMREL_0_SDATA", kIo, s},
          {60, "KAMREL_1_SDATA", kIo, s},
          {134, "KAMREL_0_D[0]", kIn, s},
          {74, "KAMREL_1_D[0]", kIn, s},
          {47, "GPIO1_35", kNone, s},
          {107, "GPIO0_35", kNone, s}}},
        // card 55 on board 5: the adaptor's inputs on J2 are switched off too
        {true, false, 5, 57, {{156, "GPIO0_2", kNone, s}, {96, "GPIO1_2", kIn, s}, {98, "GPIO1_0", kIn, s}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.j2) + std::to_string(c.j3) + " board " + std::to_string(c.mainBoard));
        auto conn = NewCard();
        FillCardBrisselKamrelPins(conn.get(), c.j2, c.j3, s, static_cast<uint8_t>(c.mainBoard));
        ExpectHsmcShape(*conn);
        EXPECT_EQ(conn->ActivePinCount(), c.active);
        EXPECT_EQ(CountWithStandard(*conn, s), 72);
        for (const Spot& spot : c.spots)
            ExpectSpots(*conn, {spot});
    }
}

TEST(HsmcCardTables, BrisselKamrelWithoutCameraIsAnAssertion) {
    ScriptedPlatform seam;
    auto conn = NewCard();
    try {
        FillCardBrisselKamrelPins(conn.get(), false, false, IOSTD_2V5, 7);
        FAIL() << "no assertion";
    } catch (const AssertionFailure& e) {
        EXPECT_STREQ(e.what(), "Assertion failed: 0, file D_HSMC_BRISSEL_KAMREL, line 128");
    }
}

namespace {

struct DefaultCall {
    uint8_t mainBoard;
    int port;
    bool withTransceivers;
    bool upperCase;
};

std::unique_ptr<TConnector> HsmcDefault(const DefaultCall& call, uint8_t ioStandard = IOSTD_2V5,
                                        uint8_t xcvrStandard = IOSTD_1V5_PCML) {
    auto conn = NewCard();
    FillCardHsmcDefaultPins(conn.get(), call.mainBoard, call.port, xcvrStandard, ioStandard,
                            call.withTransceivers, call.upperCase);
    return conn;
}

} // namespace

TEST(HsmcDefaultCard, PinCountsPerLayout) {
    struct Case {
        DefaultCall call;
        int pins;
    };
    const Case cases[] = {
        {{12, 0, true, false}, 101}, // GXB
        {{18, 0, true, false}, 101},
        {{19, 0, true, false}, 101}, // bracketed
        {{20, 0, true, false}, 101},
        {{7, 0, true, false}, 117}, // plain
        {{9, 1, true, false}, 117},
        {{32, 0, true, false}, 117},
        {{8, 0, true, false}, 100}, // board 8
        {{8, 0, false, false}, 84},
        // Without transceivers positions 1-32 stay empty in every layout.
        {{12, 0, false, false}, 85},
        {{19, 0, false, true}, 85},
        {{7, 0, false, false}, 85},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("board " + std::to_string(c.call.mainBoard));
        auto conn = HsmcDefault(c.call);
        ExpectHsmcShape(*conn);
        EXPECT_EQ(conn->ActivePinCount(), c.pins);
        if (!c.call.withTransceivers) {
            for (int i = 0; i < 32; ++i)
                EXPECT_EQ(conn->GetPin(i), nullptr) << "position " << i + 1;
        }
    }
}

TEST(HsmcDefaultCard, BoardNamings) {
    constexpr uint8_t x = IOSTD_1V5_PCML;
    constexpr uint8_t g = IOSTD_2V5;
    struct Case {
        DefaultCall call;
        std::vector<Spot> spots;
    };
    const std::vector<Case> cases = {
        // plain layout
        {{7, 0, true, false},
         {{1, "TX_p[7]", kOut, x},    {2, "RX_p[7]", kIn, x},    {3, "TX_n[7]", kOut, x},
          {4, "RX_n[7]", kIn, x},     {31, "TX_n[0]", kOut, x},  {32, "RX_n[0]", kIn, x},
          {33, "SDA", kIo, g},        {34, "SCL", kOut, g},      {35, nullptr, 0, 0},
          {39, "CLKOUT0", kOut, g},   {41, "D[0]", kIo, g},      {44, "D[3]", kIo, g},
          {45, nullptr, 0, 0},        {47, "TX_D_p[0]", kIo, g}, {152, "RX_D_n[16]", kIo, g},
          {95, "CLKOUT_p1", kOut, g}, {99, nullptr, 0, 0},       {153, nullptr, 0, 0},
          {159, nullptr, 0, 0},       {160, "PRSNT_n", kIn, g}}},
        // GXB layout
        {{12, 0, true, false},
         {{1, "GXB_TX_p[7]", kOut, x}, {2, "GXB_RX_p[7]", kIn, x},   {3, nullptr, 0, 0},
          {4, nullptr, 0, 0},          {29, "GXB_TX_p[0]", kOut, x}, {30, "GXB_RX_p[0]", kIn, x},
          {39, "CLKOUT0", kOut, g},    {47, "TX_p[0]", kIo, g},      {50, "RX_n[0]", kIo, g},
          {51, nullptr, 0, 0},         {52, nullptr, 0, 0},          {53, "TX_p[1]", kIo, g},
          {92, "RX_n[7]", kIo, g},     {93, nullptr, 0, 0},          {94, nullptr, 0, 0},
          {101, "TX_p[8]", kIo, g},    {149, "TX_p[16]", kIo, g},    {152, "RX_n[16]", kIo, g},
          {95, "CLKOUT_p1", kOut, g},  {160, "PRSNT_n", kIn, g}}},
        {{18, 0, true, false}, {{29, "GXB_TX_p[0]", kOut, x}, {98, "CLKIN_n1", kIn, g}}},
        // board 8
        {{8, 0, true, false},
         {{1, "GXB_TX_p[7]", kOut, x},
          {30, "GXB_RX_p[0]", kIn, x},
          {31, nullptr, 0, 0},
          {39, "OUT0", kOut, g},
          {95, "OUT_p1", kOut, g},
          {97, "OUT_n1", kOut, g},
          {155, "CLKOUT_p2", kOut, g},
          {157, "CLKOUT_n2", kOut, g},
          {160, nullptr, 0, 0}}},
        // board 9: the second pair of clock outputs only on port 1
        {{9, 1, true, false},
         {{39, "OUT0", kOut, g},
          {95, "OUT_p1", kOut, g},
          {97, "OUT_n1", kOut, g},
          {155, "OUT_p2", kOut, g},
          {157, "OUT_n2", kOut, g},
          {47, "TX_D_p[0]", kIo, g}}},
        {{9, 0, true, false},
         {{39, "OUT0", kOut, g},
          {95, "OUT_p1", kOut, g},
          {97, "OUT_n1", kOut, g},
          {155, "CLKOUT_p2", kOut, g},
          {157, "CLKOUT_n2", kOut, g}}},
        // bracketed layout, card 2 upper-cased on board 19, card 3 as it stands
        {{19, 0, false, true},
         {{39, "CLK_OUT0", kOut, g},
          {40, "CLK_IN0", kIn, g},
          {47, "TX_P[0]", kIo, g},
          {95, "CLKOUT_P[1]", kOut, g},
          {160, "PRSNT_N", kIn, g},
          {1, nullptr, 0, 0}}},
        {{19, 0, true, false},
         {{1, "GXB_TX_p[7]", kOut, x},
          {39, "CLK_OUT0", kOut, g},
          {47, "TX_p[0]", kIo, g},
          {95, "CLKOUT_p[1]", kOut, g},
          {158, "CLKIN_n[2]", kIn, g}}},
        {{20, 0, true, false},
         {{39, "CLKOUT0", kOut, g}, {40, "CLKIN0", kIn, g}, {155, "CLKOUT_p[2]", kOut, g}}},
        // board 14: its own I2C names, upper-cased with the rest
        {{14, 0, false, true},
         {{33, "I2C_SDAT", kIo, g},
          {34, "I2C_SCLK", kOut, g},
          {47, "TX_D_P[0]", kIo, g},
          {160, "PRSNT_N", kIn, g}}},
        // board 32: the plain layout, upper-cased
        {{32, 0, false, true},
         {{39, "CLKOUT0", kOut, g},
          {47, "TX_D_P[0]", kIo, g},
          {95, "CLKOUT_P1", kOut, g},
          {160, "PRSNT_N", kIn, g}}},
        // upper case reaches the transceiver pins as well
        {{5, 0, true, true}, {{1, "TX_P[7]", kOut, x}, {4, "RX_N[7]", kIn, x}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("board " + std::to_string(c.call.mainBoard) + " port " + std::to_string(c.call.port));
        auto conn = HsmcDefault(c.call);
        for (const Spot& spot : c.spots)
            ExpectSpots(*conn, {spot});
    }
}

TEST(HsmcDefaultCard, TransceiverStandardOnlyAtPositions1To32) {
    // Card 84 as the factory passes it on board 7 (1.4-V PCML lanes) and on board 5 (1.5-V PCML).
    for (uint8_t xcvr : {IOSTD_1V4_PCML, IOSTD_1V5_PCML}) {
        auto conn = HsmcDefault({7, 0, true, false}, IOSTD_1V5, xcvr);
        for (int i = 0; i < conn->PinCount(); ++i)
            if (const TPin* pin = conn->GetPin(i)) {
                EXPECT_EQ(pin->GetIoStandard(), i < 32 ? xcvr : uint8_t{IOSTD_1V5}) << pin->GetName();
            }
        EXPECT_EQ(CountWithStandard(*conn, xcvr), 32);
    }
}
