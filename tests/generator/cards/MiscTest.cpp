// Turvin GPIO, Kappel, SO-DIMM and Moxen card tables, and the BBB header pin-out.
#include "cards/CardTables.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using platform::testing::AssertionFailure;
using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

using Fill = std::function<void(TConnector*)>;

struct Expect {
    int position;
    const char* name;
    uint8_t direction;
    uint8_t ioStandard;
};

std::unique_ptr<TConnector> Filled(const Fill& fill) {
    auto conn = std::make_unique<TConnector>("", "", CONNECTOR_NONE, -1);
    fill(conn.get());
    return conn;
}

void ExpectPins(const Fill& fill, const std::vector<Expect>& expects) {
    TConnector conn("", "", CONNECTOR_NONE, -1);
    fill(&conn);
    for (const Expect& e : expects) {
        SCOPED_TRACE("position " + std::to_string(e.position));
        const TPin* pin = conn.GetPin(e.position - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), e.name);
        EXPECT_EQ(pin->GetDirection(), e.direction);
        EXPECT_EQ(pin->GetIoStandard(), e.ioStandard);
    }
}

void ExpectEmpty(const Fill& fill, const std::vector<int>& positions) {
    TConnector conn("", "", CONNECTOR_NONE, -1);
    fill(&conn);
    for (int p : positions)
        EXPECT_EQ(conn.GetPin(p - 1), nullptr) << "position " << p;
}

std::map<uint8_t, int> DirectionCounts(const TConnector& conn) {
    std::map<uint8_t, int> counts;
    for (int i = 0; i < conn.PinCount(); ++i)
        if (const TPin* pin = conn.GetPin(i))
            ++counts[pin->GetDirection()];
    return counts;
}

constexpr uint8_t I = DIRECTION_INPUT;
constexpr uint8_t O = DIRECTION_OUTPUT;
constexpr uint8_t IO = DIRECTION_INOUT;

const Fill kTurvin = [](TConnector* c) { FillCardTurvinGpioPins(c, IOSTD_3V0_PCI_X); };
const Fill kKappelHdmi = [](TConnector* c) { FillCardKappelHdmiPins(c); };
const Fill kBrisselKappel = [](TConnector* c) { FillCardBrisselKappelPins(c); };
const Fill kDdr2Diff = [](TConnector* c) { FillCardDdr2SodimmPins(c, true, IOSTD_1V8, IOSTD_2V5); };
const Fill kDdr2Single = [](TConnector* c) { FillCardDdr2SodimmPins(c, false, IOSTD_1V8, IOSTD_2V5); };
const Fill kDdr3 = [](TConnector* c) { FillCardDdr3SodimmPins(c, true, IOSTD_1V5, IOSTD_1V5); };
const Fill kDdr3Lower = [](TConnector* c) { FillCardDdr3SodimmLowerCasePins(c, true, IOSTD_1V5, IOSTD_1V5); };
const Fill kDdr3Sstl15 = [](TConnector* c) { FillCardDdr3SodimmSstl15Pins(c, true, IOSTD_1V5, IOSTD_1V5); };
const Fill kMoxen = [](TConnector* c) { FillCardMoxenDefaultPins(c); };
const Fill kJossen = [](TConnector* c) { FillCardJossenPins(c); };

} // namespace

// Slot and pin counts; every pin carries its position as index and no location, and
// the table appends to what the connector already holds.
TEST(MiscCards, SlotsPinsAndIndexes) {
    struct Case {
        const char* table;
        Fill fill;
        int slots;
        int pins;
    };
    const Case cases[] = {
        {"Turvin GPIO", kTurvin, 80, 70},
        {"Kappel HDMI", kKappelHdmi, 180, 129},
        {"Brissel Kappel", kBrisselKappel, 180, 137},
        {"DDR2 differential", kDdr2Diff, 200, 124},
        {"DDR2 single-ended", kDdr2Single, 200, 116},
        {"DDR3", kDdr3, 204, 126},
        {"DDR3 single-ended", [](TConnector* c) { FillCardDdr3SodimmPins(c, false, IOSTD_1V5, IOSTD_1V5); },
         204, 118},
        {"DDR3 lower case", kDdr3Lower, 204, 126},
        {"DDR3 lower case single-ended",
         [](TConnector* c) { FillCardDdr3SodimmLowerCasePins(c, false, IOSTD_1V5, IOSTD_1V5); }, 204, 118},
        {"DDR3 SSTL-15", kDdr3Sstl15, 204, 126},
        {"DDR3 SSTL-15 single-ended",
         [](TConnector* c) { FillCardDdr3SodimmSstl15Pins(c, false, IOSTD_1V5, IOSTD_1V5); }, 204, 118},
        {"Moxen Default", kMoxen, 8, 8},
        {"Jossen", kJossen, 8, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        TConnector conn("", "", CONNECTOR_NONE, -1);
        conn.AddPin(new TPin("OLD", DIRECTION_INOUT, IOSTD_2V5, 1, 0));
        c.fill(&conn);
        ASSERT_EQ(conn.PinCount(), 1 + c.slots);
        EXPECT_EQ(conn.GetPin(0)->GetName(), "OLD");
        EXPECT_EQ(conn.ActivePinCount(), 1 + c.pins);
        int slotsWithPin = 0;
        for (int slot = 1; slot <= c.slots; ++slot) {
            const TPin* pin = conn.GetPin(slot);
            if (!pin)
                continue;
            ++slotsWithPin;
            EXPECT_EQ(pin->GetIndex(), slot) << pin->GetName();
            EXPECT_EQ(pin->GetLocation(), "");
        }
        EXPECT_EQ(slotsWithPin, c.pins);
    }
}

TEST(MiscCards, TurvinGpio) {
    ExpectPins(kTurvin, {
                            {1, "ADC_OTR_A", I, IOSTD_3V0_PCI_X},
                            {6, "ADC_DB[4]", I, IOSTD_3V0_PCI_X},
                            {19, "ADC_CLK_A", O, IOSTD_3V0_PCI_X},
                            {40, "ADC_OEB_A", O, IOSTD_3V0_PCI_X},
                            {41, "SMA_DAC4", I, IOSTD_3V0_PCI_X},
                            {43, "OSC_SMA_ADC4", I, IOSTD_3V0_PCI_X},
                            {62, "DAC_DB[13]", O, IOSTD_3V0_PCI_X},
                            {80, "DAC_MODE", O, IOSTD_3V0_PCI_X},
                        });
    ExpectEmpty(kTurvin, {11, 12, 29, 30, 39, 51, 52, 63, 69, 70});

    const auto owned = Filled(kTurvin);
    const TConnector& conn = *owned;
    EXPECT_EQ(DirectionCounts(conn), (std::map<uint8_t, int>{{I, 32}, {O, 38}}));
    // Each data bus has the bits 0 to 13 exactly once.
    std::map<std::string, std::multiset<int>> buses;
    for (int i = 0; i < conn.PinCount(); ++i)
        if (const TPin* pin = conn.GetPin(i); pin && IsBusName(*pin))
            buses[BusBaseName(*pin)].insert(BusIndex(*pin));
    std::multiset<int> bits;
    for (int b = 0; b <= 13; ++b)
        bits.insert(b);
    EXPECT_EQ(buses, (std::map<std::string, std::multiset<int>>{
                         {"ADC_DA", bits}, {"ADC_DB", bits}, {"DAC_DA", bits}, {"DAC_DB", bits}}));
}

TEST(MiscCards, KappelHdmi) {
    constexpr uint8_t L = IOSTD_3V3_LVTTL;
    ExpectPins(kKappelHdmi, {
                                {3, "HDMI_RX_I2S[3]", I, L},
                                {22, "HDMI_RX_HPD_N[1]", O, L},
                                {24, "HDMI_RX_CEC[1]", IO, L},
                                {28, "HDMI_RX_RST_N", O, L},
                                {48, "HDMI_RX_RD[6]", I, L},
                                {53, "HDMI_EDID_WP", O, L},
                                {81, "HDMI_RX_PCSDA", IO, L},
                                {84, "HDMI_RX_PCSCL", O, L},
                                {101, "HDMI_TX_GD[8]", O, L},
                                {123, "HDMI_TX_RD[7]", O, L},
                                {131, "HDMI_SDA", IO, L},
                                {132, "HDMI_SCL", O, L},
                                {140, "HDMI_TX_PCSDA", IO, L},
                                {143, "HDMI_TX_INT_N", I, L},
                                {180, "HDMI_TX_CEC", IO, L},
                            });
    ExpectEmpty(kKappelHdmi, {1, 2, 47, 49, 50, 51, 115, 116, 121, 122, 124, 125, 126, 127, 128, 129, 130});
    EXPECT_EQ(DirectionCounts(*Filled(kKappelHdmi)), (std::map<uint8_t, int>{{IO, 10}, {I, 54}, {O, 65}}));
}

TEST(MiscCards, BrisselKappel) {
    constexpr uint8_t L = IOSTD_3V3_LVTTL;
    ExpectPins(kBrisselKappel, {
                                   {3, "KAPPEL_CLKOUT_n[0]", IO, L},  {4, "KAPPEL_CLKIN_n[0]", IO, L},
                                   {5, "KAPPEL_CLKOUT_p[0]", IO, L},  {6, "KAPPEL_CLKIN_p[0]", IO, L},
                                   {9, "KAPPEL_TX_n[0]", IO, L},      {12, "KAPPEL_RX_p[0]", IO, L},
                                   {57, "KAPPEL_TX_n[8]", IO, L},     {58, "KAPPEL_RX_n[8]", IO, L},
                                   {59, "KAPPEL_TX_p[8]", IO, L},     {60, "KAPPEL_RX_p[8]", IO, L},
                                   {63, "KAPPEL_CLKOUT_n[1]", IO, L}, {66, "KAPPEL_CLKIN_p[1]", IO, L},
                                   {69, "KAPPEL_TX_n[9]", IO, L},     {120, "KAPPEL_RX_p[17]", IO, L},
                                   {121, "KAPPEL_POWER_ON", IO, L},   {123, "KAPPEL_CLKOUT_2", IO, L},
                                   {124, "KAPPEL_CLKIN_2", IO, L},    {125, "KAPPEL_TDO", IO, L},
                                   {126, "KAPPEL_TDI", IO, L},        {129, "KAPPEL_TCK", IO, L},
                                   {130, "KAPPEL_TMS", IO, L},        {131, "KAPPEL_SDA", IO, L},
                                   {132, "KAPPEL_SCL", IO, L},        {133, "KAPPEL_TX_n[18]", IO, L},
                                   {137, "KAPPEL_TX_n[19]", IO, L},   {177, "KAPPEL_TX_n[29]", IO, L},
                                   {178, "KAPPEL_RX_n[29]", IO, L},   {179, "KAPPEL_TX_p[29]", IO, L},
                                   {180, "KAPPEL_RX_p[29]", IO, L},
                               });
    ExpectEmpty(kBrisselKappel, {1, 2, 7, 8, 61, 62, 67, 68, 115, 116, 122, 127, 128});
}

TEST(MiscCards, Ddr2Sodimm) {
    constexpr uint8_t S18 = IOSTD_SSTL_18_I;
    constexpr uint8_t D18 = IOSTD_DIFF_1V8_SSTL_I;
    ExpectPins(kDdr2Diff, {
                              {4, "dq[4]", IO, S18},
                              {10, "dm[0]", O, S18},
                              {11, "dqs_n[0]", IO, D18},
                              {13, "dqs[0]", IO, D18},
                              {30, "ck[0]", IO, D18},
                              {32, "ck_n[0]", IO, D18},
                              {79, "cke[0]", O, S18},
                              {84, "a[15]", O, S18},
                              {108, "ras_n", O, S18},
                              {119, "odt[1]", O, S18},
                              {166, "ck_n[1]", IO, D18},
                              {195, "SDA", IO, IOSTD_1V8},
                              {197, "SCL", O, IOSTD_1V8},
                              {198, "SA[0]", O, IOSTD_2V5},
                              {200, "SA[1]", O, IOSTD_2V5},
                          });
    ExpectEmpty(kDdr2Diff, {1, 2, 3, 8, 9, 196, 199});
    const auto owned = Filled(kDdr2Diff);
    EXPECT_EQ(owned->GetPin(13 - 1)->GetIoStandardText(), "Differential 1.8-V SSTL Class I");
    EXPECT_EQ(owned->GetPin(30 - 1)->GetIoStandardText(), "Differential 1.8-V SSTL Class I");

    ExpectPins(kDdr2Single, {
                                {13, "dqs[0]", IO, S18},
                                {30, "ck[0]", IO, S18},
                                {188, "dqs[7]", IO, S18},
                            });
    ExpectEmpty(kDdr2Single, {11, 29, 49, 68, 129, 146, 167, 186});

    // As board 6 passes them.
    ExpectPins([](TConnector* c) { FillCardDdr2SodimmPins(c, true, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL); },
               {
                   {195, "SDA", IO, IOSTD_3V3_LVTTL},
                   {197, "SCL", O, IOSTD_3V3_LVTTL},
                   {198, "SA[0]", O, IOSTD_3V3_LVTTL},
                   {200, "SA[1]", O, IOSTD_3V3_LVTTL},
               });
}

// SDA and SCL carry clock flag 2 and period 1, which makes no clock; nothing else has clock data.
TEST(MiscCards, SodimmPresenceDetectPinsAreNoClocks) {
    for (const Fill& fill : {kDdr2Diff, kDdr3, kDdr3Lower, kDdr3Sstl15}) {
        const auto owned = Filled(fill);
        const TConnector& conn = *owned;
        std::set<std::string> marked;
        for (int i = 0; i < conn.PinCount(); ++i) {
            const TPin* pin = conn.GetPin(i);
            if (!pin)
                continue;
            if (pin->GetIsClock() != 0 || pin->GetPeriod() != 0) {
                marked.insert(pin->GetName());
                EXPECT_EQ(pin->GetIsClock(), 2);
                EXPECT_EQ(pin->GetPeriod(), 1);
            }
            EXPECT_EQ(pin->GetFrequencyText(), "");
        }
        EXPECT_EQ(marked, (std::set<std::string>{"SDA", "SCL"}));
    }
}

TEST(MiscCards, Ddr3Sodimm) {
    constexpr uint8_t S15I = IOSTD_SSTL_15_I;
    constexpr uint8_t D15I = IOSTD_DIFF_1V5_SSTL_I;
    constexpr uint8_t V15 = IOSTD_1V5;
    ExpectPins(kDdr3, {
                          {4, "DQ[4]", IO, S15I},
                          {10, "DQS_n[0]", IO, D15I},
                          {11, "DM[0]", O, S15I},
                          {12, "DQS[0]", IO, D15I},
                          {30, "RESET_n", O, V15},
                          {73, "CKE[0]", O, S15I},
                          {78, "A[15]", O, S15I},
                          {101, "CK[0]", O, D15I},
                          {104, "CK_n[1]", O, D15I},
                          {110, "RAS_n", O, S15I},
                          {121, "CS_n[1]", O, S15I},
                          {197, "SA[0]", O, V15},
                          {198, "EVENT_n", I, V15},
                          {200, "SDA", IO, V15},
                          {201, "SA[1]", O, V15},
                          {202, "SCL", O, V15},
                      });
    ExpectPins(kDdr3Lower, {
                               {4, "dq[4]", IO, S15I},
                               {10, "dqs_n[0]", IO, D15I},
                               {11, "dm[0]", O, S15I},
                               {12, "dqs[0]", IO, D15I},
                               {30, "reset_n", O, S15I},
                               {78, "a[15]", O, S15I},
                               {101, "ck[0]", O, D15I},
                               {103, "ck_n[0]", O, D15I},
                               {110, "ras_n", O, S15I},
                               {197, "SA[0]", O, V15},
                               {198, "EVENT_n", I, V15},
                               {200, "SDA", IO, V15},
                               {201, "SA[1]", O, V15},
                               {202, "SCL", O, V15},
                           });
    ExpectPins(kDdr3Sstl15, {
                                {4, "DQ[4]", IO, IOSTD_SSTL_15},
                                {10, "DQS_n[0]", IO, IOSTD_DIFF_1V5_SSTL},
                                {11, "DM[0]", O, IOSTD_SSTL_15},
                                {12, "DQS[0]", IO, IOSTD_DIFF_1V5_SSTL},
                                {30, "RESET_n", O, V15},
                                {78, "A[15]", O, S15I},
                                {101, "CK[0]", O, D15I},
                                {104, "CK_n[1]", O, D15I},
                                {198, "EVENT_n", I, V15},
                            });
    // The texts a project shows for the data, strobe and clock pins.
    const auto owned = Filled(kDdr3);
    const TConnector& conn = *owned;
    EXPECT_EQ(conn.GetPin(4 - 1)->GetIoStandardText(), "SSTL-15 Class I");
    EXPECT_EQ(conn.GetPin(12 - 1)->GetIoStandardText(), "Differential 1.5-V SSTL Class I");
    EXPECT_EQ(conn.GetPin(101 - 1)->GetIoStandardText(), "Differential 1.5-V SSTL Class I");
}

TEST(MiscCards, Ddr3SmbusAndAddressStandards) {
    for (const auto& fill : {FillCardDdr3SodimmPins, FillCardDdr3SodimmSstl15Pins}) {
        ExpectPins([fill](TConnector* c) { fill(c, true, IOSTD_1V8, IOSTD_2V5); },
                   {
                       {30, "RESET_n", O, IOSTD_1V8},
                       {197, "SA[0]", O, IOSTD_2V5},
                       {198, "EVENT_n", I, IOSTD_1V8},
                       {200, "SDA", IO, IOSTD_1V8},
                       {201, "SA[1]", O, IOSTD_2V5},
                       {202, "SCL", O, IOSTD_1V8},
                   });
    }
    ExpectPins([](TConnector* c) { FillCardDdr3SodimmLowerCasePins(c, true, IOSTD_1V8, IOSTD_2V5); },
               {
                   {30, "reset_n", O, IOSTD_SSTL_15_I},
                   {197, "SA[0]", O, IOSTD_2V5},
                   {198, "EVENT_n", I, IOSTD_1V8},
               });
}

TEST(MiscCards, Ddr3SingleEndedStrobes) {
    const std::vector<int> strobeN = {10, 27, 45, 62, 135, 152, 169, 186};
    for (const auto& fill :
         {FillCardDdr3SodimmPins, FillCardDdr3SodimmLowerCasePins, FillCardDdr3SodimmSstl15Pins}) {
        const Fill single = [fill](TConnector* c) { fill(c, false, IOSTD_1V5, IOSTD_1V5); };
        ExpectEmpty(single, strobeN);
        const auto owned = Filled(single);
        const TConnector& conn = *owned;
        for (int p : {12, 29, 188, 101, 102, 103, 104})
            EXPECT_EQ(conn.GetPin(p - 1)->GetIoStandard(), IOSTD_SSTL_15_I) << "position " << p;
    }
}

TEST(MiscCards, MoxenHeaderCards) {
    constexpr uint8_t L = IOSTD_3V3_LVTTL;
    ExpectPins(kMoxen, {
                           {1, "GPIO[0]", IO, L},
                           {2, "GPIO[1]", IO, L},
                           {3, "GPIO[2]", IO, L},
                           {4, "GPIO[3]", IO, L},
                           {5, "GPIO[4]", IO, L},
                           {6, "GPIO[5]", IO, L},
                           {7, "GPIO[6]", IO, L},
                           {8, "GPIO[7]", IO, L},
                       });
    ExpectPins(kJossen, {
                            {1, "JOSSEN_UART_RX", O, L},
                            {2, "JOSSEN_UART_TX", I, L},
                            {3, "JOSSEN_UART_RTS", I, L},
                            {4, "JOSSEN_UART_CTS", O, L},
                            {5, "JOSSEN_PIO2_STATUS", I, L},
                            {6, "JOSSEN_RESET_N", O, L},
                            {7, "JOSSEN_GPIO9", IO, L},
                            {8, "JOSSEN_GPIO10", IO, L},
                        });
}

TEST(BbbPinOut, Rows) {
    struct Case {
        uint8_t kind;
        uint8_t header;
        int pinIndex;
        const char* name;
        int direction;
    };
    const Case cases[] = {
        {2, 0, 1, "", IO},
        {2, 0, 11, "BLE_DIO6", I},
        {2, 0, 15, "WIFI_HIB_N", O},
        {2, 0, 46, "", IO},
        {2, 1, 20, "EEPROM_I2C_SDA", IO},
        {2, 1, 42, "BLE_DIO15", I},
        {10, 0, 3, "gpio1[6]", IO},
        {10, 0, 46, "gpio2[7]", IO},
        {10, 1, 10, "", IO},
        {10, 1, 11, "gpio0[30]", IO},
        {10, 1, 42, "gpio0[7]", IO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.header) + "/" +
                     std::to_string(c.pinIndex));
        int ioStandard = -1;
        int direction = -1;
        std::string name = "unset";
        EXPECT_TRUE(GetBbbPinOut(c.kind, c.header, c.pinIndex, ioStandard, direction, name));
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(direction, c.direction);
        EXPECT_EQ(ioStandard, IOSTD_3V3_LVTTL);
    }
}

TEST(BbbPinOut, EveryRowIsLvttlAndUnusedRowsAreInout) {
    struct Table {
        uint8_t kind;
        uint8_t header;
        int named;
    };
    for (const Table& t : {Table{2, 0, 10}, Table{2, 1, 20}, Table{10, 0, 44}, Table{10, 1, 23}}) {
        int named = 0;
        for (int p = 1; p <= 46; ++p) {
            int ioStandard = -1;
            int direction = -1;
            std::string name;
            ASSERT_TRUE(GetBbbPinOut(t.kind, t.header, p, ioStandard, direction, name));
            EXPECT_EQ(ioStandard, IOSTD_3V3_LVTTL);
            if (name.empty())
                EXPECT_EQ(direction, IO);
            else
                ++named;
        }
        EXPECT_EQ(named, t.named) << int(t.kind) << "/" << int(t.header);
    }
}

TEST(BbbPinOut, OtherKindsLeaveTheOutputs) {
    for (uint8_t kind : {0, 3, 11, 255}) {
        int ioStandard = 77;
        int direction = 66;
        std::string name = "kept";
        EXPECT_FALSE(GetBbbPinOut(kind, 0, 11, ioStandard, direction, name));
        EXPECT_EQ(ioStandard, 77);
        EXPECT_EQ(direction, 66);
        EXPECT_EQ(name, "kept");
    }
}

TEST(BbbPinOut, Assertions) {
    ScriptedPlatform seam;
    int ioStandard = 0;
    int direction = 0;
    std::string name;
    const auto call = [&](uint8_t kind, uint8_t header, int pinIndex) {
        return AssertionOf([&] { GetBbbPinOut(kind, header, pinIndex, ioStandard, direction, name); });
    };
    EXPECT_EQ(call(1, 0, 1), "Assertion failed: 0, file BBB_PinOut, line 24");
    EXPECT_EQ(call(2, 2, 1), "Assertion failed: 0, file BBB_PinOut, line 33");
    EXPECT_EQ(call(10, 255, 1), "Assertion failed: 0, file BBB_PinOut, line 33");
    for (uint8_t kind : {0, 2, 10}) {
        EXPECT_EQ(call(kind, 0, 0), "Assertion failed: PinIndex > 0, file BBB_PinOut, line 20");
        EXPECT_EQ(call(kind, 1, -5), "Assertion failed: PinIndex > 0, file BBB_PinOut, line 20");
        EXPECT_EQ(call(kind, 0, 47), "Assertion failed: PinIndex <= 46, file BBB_PinOut, line 21");
    }
}
