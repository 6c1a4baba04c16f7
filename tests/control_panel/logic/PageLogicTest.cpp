// What the LED, seven-segment, switches and VGA pages decide, without any window.
#include "control_panel/logic/HexDigits.h"
#include "control_panel/logic/LedButtons.h"
#include "control_panel/logic/SwitchPictures.h"
#include "control_panel/logic/VgaPatterns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LedButtons, MaskHasOneBitPerLitLed) {
    std::array<bool, LED_COUNT> lit{};
    EXPECT_EQ(LedMask(lit), 0u);
    lit.fill(true);
    EXPECT_EQ(LedMask(lit), 0x3FFu);
    lit[0] = false;
    EXPECT_EQ(LedMask(lit), 0x3FEu);
    lit.fill(false);
    lit[9] = true;
    EXPECT_EQ(LedMask(lit), 0x200u);
}

TEST(LedButtons, Led0IsOnTheRightAndLed9OnTheLeft) {
    EXPECT_EQ(LedPosition(0).x, 332);
    EXPECT_EQ(LedPosition(9).x, 35);
    EXPECT_EQ(LedPosition(5).y, 120);
}

TEST(HexDigits, StepsWrapBetweenFAnd0) {
    EXPECT_EQ(StepDigit(8, true), 9);
    EXPECT_EQ(StepDigit(8, false), 7);
    EXPECT_EQ(StepDigit(0, false), 15);
    EXPECT_EQ(StepDigit(15, true), 0);
    int value = 3;
    for (int i = 0; i < 16; ++i)
        value = StepDigit(value, true);
    EXPECT_EQ(value, 3);
}

TEST(HexDigits, DisplayValuePacksHex0IntoTheLowNibble) {
    EXPECT_EQ(DisplayValue({8, 8, 8, 8, 8, 8}), 0x888888u);
    EXPECT_EQ(DisplayValue({9, 8, 8, 8, 8, 8}), 0x888889u);
    EXPECT_EQ(DisplayValue({8, 8, 8, 8, 8, 7}), 0x788888u);
    EXPECT_EQ(DisplayValue({15, 0, 1, 2, 3, 4}), 0x43210Fu);
}

TEST(HexDigits, EveryValueHasItsPicture) {
    EXPECT_EQ(kDigitBitmaps[0], 132);
    EXPECT_EQ(kDigitBitmaps[7], 155);
    EXPECT_EQ(kDigitBitmaps[8], 101);
    EXPECT_EQ(kDigitBitmaps[10], 203);
    EXPECT_EQ(kDigitBitmaps[15], 143);
}

TEST(SwitchPictures, ComplementedBitSetShowsThePressedKeyAndTheLeverUp) {
    // Key word 0xFFFFFFFE: KEY0 reported 0.
    EXPECT_EQ(KeyPictures(~0xFFFFFFFEu), (std::array<int, 2>{130, 129}));
    EXPECT_EQ(KeyPictures(~3u), (std::array<int, 2>{129, 129}));
    std::array<int, SWITCH_COUNT> up;
    up.fill(164);
    std::array<int, SWITCH_COUNT> down;
    down.fill(163);
    EXPECT_EQ(SwitchPictures(~0u), up);
    EXPECT_EQ(SwitchPictures(~0x3FFu), down);
    // Bits above the ten switches and the two keys change nothing.
    EXPECT_EQ(SwitchPictures(~0x3FFu & 0xFFFFFC00u), down);
    EXPECT_EQ(KeyPictures(0xFFFFFFFCu), (std::array<int, 2>{129, 129}));
}

TEST(VgaPatterns, NinePatternsInListOrder) {
    const char* names[] = {"Color Scale", "Red",       "Green",       "Blue",      "White",
                           "Black",       "Red Scale", "Green Scale", "Blue Scale"};
    ASSERT_EQ(VGA_PATTERN_COUNT, 9);
    for (int i = 0; i < VGA_PATTERN_COUNT; ++i)
        EXPECT_EQ(std::string(kVgaPatterns[i].name), names[i]);
}

TEST(VgaPatterns, RampCellsFollowTheFormula) {
    std::vector<PreviewCell> cells = PreviewCells(0, 291, 137);
    ASSERT_EQ(cells.size(), 160u);
    const PreviewCell& first = cells[0];
    EXPECT_EQ((std::array<int, 4>{first.left, first.top, first.right, first.bottom}),
              (std::array<int, 4>{0, 0, 7, 34}));
    const PreviewCell& last = cells[159];
    EXPECT_EQ((std::array<int, 4>{last.left, last.top, last.right, last.bottom}),
              (std::array<int, 4>{283, 102, 291, 137}));
    struct Case {
        int pattern, c, r;
        uint8_t red, green, blue;
    } cases[] = {
        {0, 1, 0, 16, 0, 0},       {0, 1, 1, 0, 16, 0}, {0, 1, 2, 0, 0, 16},
        {0, 15, 3, 240, 240, 240}, {0, 16, 0, 0, 0, 0}, {0, 39, 3, 112, 112, 112},
        {6, 2, 3, 32, 0, 0},       {7, 2, 0, 0, 32, 0}, {8, 2, 2, 0, 0, 32},
    };
    for (const Case& k : cases) {
        const PreviewCell cell = PreviewCells(k.pattern, 291, 137)[static_cast<std::size_t>(k.r * 40 + k.c)];
        EXPECT_EQ((std::array<int, 3>{cell.r, cell.g, cell.b}), (std::array<int, 3>{k.red, k.green, k.blue}))
            << "pattern " << k.pattern << " cell " << k.c << "," << k.r;
    }
}

TEST(VgaPatterns, SolidPatternsFillThePreviewAndOthersPaintNothing) {
    std::vector<PreviewCell> red = PreviewCells(1, 291, 137);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ((std::array<int, 7>{red[0].left, red[0].top, red[0].right, red[0].bottom, red[0].r, red[0].g,
                                  red[0].b}),
              (std::array<int, 7>{0, 0, 291, 137, 246, 0, 0}));
    EXPECT_EQ(PreviewCells(4, 10, 10)[0].b, 255);
    EXPECT_EQ(PreviewCells(5, 10, 10)[0].g, 0);
    EXPECT_TRUE(PreviewCells(-1, 291, 137).empty());
    EXPECT_TRUE(PreviewCells(9, 291, 137).empty());
}

} // namespace
