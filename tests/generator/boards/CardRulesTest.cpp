// Each board's card rules, as its BoardSpec gives them to the daughter-board factory.
#include "core/DaughterBoard.h"
#include "generator/boards/CardRulesOf.h"
#include "model/DaughterCatalogue.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;

TEST(CreateBoard, GpioDefaultNamingStyleByMainBoard) {
    ScriptedPlatform seam;
    struct Case {
        uint8_t board;
        const char* first;
    };
    for (Case c : {Case{30, "GPIO[0]"}, Case{1, "GPIO_CLKIN[0]"}, Case{2, "GPIO_CLKIN[0]"},
                   Case{4, "GPIO_CLKIN[0]"}, Case{6, "GPIO_CLKIN[0]"}, Case{3, "GPIO[0]"}}) {
        TDaughterBoard d;
        d.CreateBoard(DAUGHTER_GPIO_DEFAULT, c.board, 0, IOSTD_3V3_LVTTL, nullptr, CardRulesOf(c.board));
        EXPECT_EQ(d.GetPin(0)->GetName(), c.first) << int(c.board);
        EXPECT_EQ(d.GetName(), "GPIO Default");
        EXPECT_EQ(d.GetCaption(), "GPIO Default Pin Name");
        EXPECT_EQ(d.GetType(), CONNECTOR_GPIO40);
    }
    TDaughterBoard named;
    named.CreateBoard(DAUGHTER_GPIO_DEFAULT, 30, 0, IOSTD_3V3_LVTTL, "LED", CardRulesOf(30));
    EXPECT_EQ(named.GetPin(0)->GetName(), "LED[0]");
    EXPECT_EQ(named.ActivePinCount(), 36);
}

TEST(CreateBoard, CallersStandardIsReplacedOnSomeBoards) {
    ScriptedPlatform seam;
    struct Case {
        uint8_t board;
        uint8_t standard;
    };
    for (Case c : {Case{9, IOSTD_3V0_PCI_X}, Case{29, IOSTD_2V5}, Case{30, IOSTD_3V3_LVTTL}}) {
        TDaughterBoard d;
        d.CreateBoard(DAUGHTER_KAMREL, c.board, 0, IOSTD_3V3_LVTTL, nullptr, CardRulesOf(c.board));
        EXPECT_EQ(d.GetPin(0)->GetIoStandard(), c.standard) << int(c.board);
    }
}
