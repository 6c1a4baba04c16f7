#include "model/Pin.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using platform::testing::AssertionFailure;
using platform::testing::ScriptedPlatform;

TEST(IoStandardName, NamesAndTheBeepOutsideTheTable) {
    ScriptedPlatform seam;
    struct Case {
        int standard;
        const char* name;
        int beeps;
    };
    const Case cases[] = {
        {8, "3.3-V LVTTL", 0}, {6, "2.5 V", 0},    {21, "LVDS", 0}, {52, "HSSI Differential I/O", 0},
        {28, "SSTL-15", 0},    {51, "SSTL-15", 0}, {0, "1.5 V", 0}, {54, "", 1},
        {53, "", 1},           {200, "", 1}};
    for (const Case& c : cases) {
        seam.ClearRecords();
        EXPECT_EQ(IoStandardName(static_cast<uint8_t>(c.standard)), c.name) << c.standard;
        EXPECT_EQ(seam.BeepCount(), c.beeps) << c.standard;
    }
}

TEST(TPin, BoardPinIsAClockOnlyWithAFrequency) {
    TPin clock("X", "W20", DIRECTION_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    EXPECT_EQ(clock.GetIsClock(), 1);
    EXPECT_EQ(clock.GetFrequencyText(), "50.000000 MHz");
    EXPECT_EQ(clock.GetPeriod(), 0);
    EXPECT_EQ(clock.GetIndex(), -1);
    EXPECT_EQ(clock.GetLocation(), "W20");

    TPin plain("X", "W20", DIRECTION_INPUT, IOSTD_3V3_LVTTL, 0.0f);
    EXPECT_EQ(plain.GetIsClock(), 0);
    EXPECT_EQ(plain.GetFrequencyText(), "");
}

TEST(TPin, DaughterPinAndDefaults) {
    TPin card("KAMREL_D[3]", DIRECTION_INPUT, IOSTD_2V5, 13, 0);
    EXPECT_EQ(card.GetLocation(), "");
    EXPECT_EQ(card.GetIndex(), 13);
    EXPECT_EQ(card.GetIndexText(), "13");
    EXPECT_TRUE(card.IsActive());

    TPin empty;
    EXPECT_EQ(empty.GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(empty.GetDirection(), DIRECTION_NONE);
    EXPECT_EQ(empty.GetIndex(), 0);
    EXPECT_FALSE(empty.IsActive());
}

TEST(TPin, NamesLongerThanTheFieldAreCut) {
    TPin p;
    p.SetName(std::string(127, 'P') + "KAMREL_PIXCLK");
    EXPECT_EQ(p.GetName(), std::string(127, 'P') + "K");
    EXPECT_EQ(p.GetName().size(), 128u);
}

TEST(TPin, DirectionTexts) {
    ScriptedPlatform seam;
    EXPECT_EQ(TPin("a", "", DIRECTION_INOUT, 8, 0).GetDirectionText(), "inout ");
    EXPECT_EQ(TPin("a", "", DIRECTION_INPUT, 8, 0).GetDirectionText(), "input ");
    EXPECT_EQ(TPin("a", "", DIRECTION_OUTPUT, 8, 0).GetDirectionText(), "output");
    for (uint8_t d : {DIRECTION_NONE, DIRECTION_BY_DAUGHTER}) {
        try {
            TPin("a", "", d, 8, 0).GetDirectionText();
            FAIL();
        } catch (const AssertionFailure& e) {
            EXPECT_STREQ(e.what(), "Assertion failed: 0, file Pin, line 151");
        }
    }
}

TEST(BusNames, MembersBasesAndIndexes) {
    auto pin = [](const char* name) { return TPin(name, DIRECTION_INOUT, 8, 1, 0); };
    EXPECT_TRUE(IsBusName(pin("LEDR[0]")));
    EXPECT_FALSE(IsBusName(pin("CLOCK_50")));
    EXPECT_TRUE(IsBusName(pin("A]B[2")));
    EXPECT_EQ(BusIndex(pin("LEDR[17]")), 17);
    EXPECT_EQ(BusIndex(pin("KEY")), -1);
    EXPECT_EQ(BusBaseName(pin("LEDR[17]")), "LEDR");
    EXPECT_EQ(BusBaseName(pin("KEY")), "");
    EXPECT_THROW(BusIndex(pin("A[x]")), EConvertError);
    EXPECT_THROW(BusIndex(pin("A]B[2")), EConvertError);
}
