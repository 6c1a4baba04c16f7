// The programmable-oscillator texts and the frequencies of their choices, and the
// external-PLL controller text with a wiring of the test's own.
#include "core/OscillatorText.h"
#include "core/ExtPllText.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <iterator>

using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

const ExtPllWiring kWiring = {"RST", "OSC", {"D1", "D2", "D3"}, "SCL", "SDA", ""};

} // namespace

TEST(ExtPllCtrlCode, OptionsOutsideTheTableHaveNoText) {
    const std::string text = GetExtPllCtrlCode(kWiring, 13, 12, 0);
    EXPECT_NE(text.find("//      Configure CDCM61001 as \r\n//      Configure CDCM61004 as 625 MHz\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("assign clk1_set_wr = 4'd13; //\r\n"), std::string::npos);
}

TEST(ExtPllCtrlCode, TheBoardsWiringFillsTheController) {
    const std::string text = GetExtPllCtrlCode(kWiring, 0, 0, 0);
    for (const char* line : {"assign rstn = RST;\r\n", "always @(posedge OSC or negedge rstn)\r\n",
                             "\t.osc_50(OSC), //50MHZ\r\n", "\t// device 1 (D1)\r\n",
                             "\t// device 3 (D3)\r\n", "\t.max_sclk(SCL),\r\n", "\t.max_sdat(SDA)\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(OscillatorText, BrokenChoicesAndModes) {
    ScriptedPlatform seam;
    EXPECT_EQ(AssertionOf([] { GetCdcm61004Code(12); }), "Assertion failed: 0, file EXTRA_S5, line 58");
    EXPECT_EQ(AssertionOf([] { GetCdcm61004Code(0); }), "Assertion failed: 0, file EXTRA_S5, line 58");
    // An Si570 choice outside 1-7 has no mode and no frequency.
    EXPECT_NE(GetSi570Code(8, "rst").find("//  Configure SI570 as 0.00000 MHz"), std::string::npos);
    EXPECT_NE(GetSi570Code(8, "rst").find("    .iFREQ_MODE(),\r\n"), std::string::npos);
    EXPECT_NE(GetSi570Code(1, "rst").find("    .iRST_n(rst), // system reset;\r\n    .iFREQ_MODE(3'b000),"),
              std::string::npos);
}

TEST(OscillatorText, Frequencies) {
    const double si570[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125, 0};
    const double cdcm61004[] = {0, 62.5, 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625, 0};
    for (uint8_t i = 0; i < std::size(si570); ++i)
        EXPECT_EQ(Si570Frequency(i), si570[i]) << int(i);
    for (uint8_t i = 0; i < std::size(cdcm61004); ++i) {
        EXPECT_EQ(Cdcm61004Frequency(i), cdcm61004[i]) << int(i);
        EXPECT_EQ(Cdcm61001Frequency(static_cast<uint8_t>(i + 1)), cdcm61004[i]) << int(i);
    }
    EXPECT_EQ(Cdcm61001Frequency(0), 0.0);
}
