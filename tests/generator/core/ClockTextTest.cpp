// The external-PLL text of boards 8 and 12 and the oscillator text of boards 15, 16
// and 18, as the board model builds them from its record copies.
#include "core/MainBoard.h"
#include "core/OscillatorText.h"

#include "boards/second/harlin/HarlinText.h"
#include "boards/second/lomar/LomarText.h"
#include "boards/second/ostrel/OstrelText.h"
#include "boards/second/pallex/PallexText.h"
#include "boards/second/rasmel/RasmelText.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

const std::string kVRule = "//=======================================================\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Board 8 with the external PLL ticked and its clocks at 0, 1 and 12.
const std::string kHarlin = "\r\n\r\n" + kVRule +
                            "//  External PLL Configuration ==========================\r\n" + kVRule +
                            "\r\n"
                            "//  Signal declarations\r\n"
                            "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n"
                            "wire         rstn;\r\n"
                            "wire         conf_ready;\r\n"
                            "wire         counter_max;\r\n"
                            "wire  [7:0]  counter_inc;\r\n"
                            "reg   [7:0]  auto_set_counter;\r\n"
                            "reg          conf_wr;\r\n"
                            "\r\n"
                            "//  Structural coding\r\n"
                            "assign clk1_set_wr = 4'd0; //Unchange MHZ\r\n"
                            "assign clk2_set_wr = 4'd1; //Disable MHZ\r\n"
                            "assign clk3_set_wr = 4'd12; //625 MHZ\r\n"
                            "\r\n"
                            "assign rstn = CPU_RESET_n;\r\n"
                            "assign counter_max = &auto_set_counter;\r\n"
                            "assign counter_inc = auto_set_counter + 1'b1;\r\n"
                            "\r\n"
                            "always @(posedge OSC_50_BANK2 or negedge rstn)\r\n"
                            "\tif(!rstn)\r\n"
                            "\tbegin\r\n"
                            "\t\tauto_set_counter <= 0;\r\n"
                            "\t\tconf_wr <= 0;\r\n"
                            "\tend \r\n"
                            "\telse if (counter_max)\r\n"
                            "\t\tconf_wr <= 1;\r\n"
                            "\telse\r\n"
                            "\t\tauto_set_counter <= counter_inc;\r\n"
                            "\r\n"
                            "\r\n"
                            "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n"
                            "\t.osc_50(OSC_50_BANK2), //50MHZ\r\n"
                            "\t.rstn(rstn),\r\n"
                            "\r\n"
                            "\t// device 1 (HSMA_REFCLK)\r\n"
                            "\t.clk1_set_wr(clk1_set_wr),\r\n"
                            "\t.clk1_set_rd(),\r\n"
                            "\r\n"
                            "\t// device 2 (HSMB_REFCLK)\r\n"
                            "\t.clk2_set_wr(clk2_set_wr),\r\n"
                            "\t.clk2_set_rd(),\r\n"
                            "\r\n"
                            "\t// device 3 (PLL_CLKIN/SATA_REFCLK)\r\n"
                            "\t.clk3_set_wr(clk3_set_wr),\r\n"
                            "\t.clk3_set_rd(),\r\n"
                            "\r\n"
                            "\t// setting trigger\r\n"
                            "\t.conf_wr(conf_wr), // 1T 50MHz \r\n"
                            "\t.conf_rd(), // 1T 50MHz\r\n"
                            "\r\n"
                            "\t// status \r\n"
                            "\t.conf_ready(conf_ready),\r\n"
                            "\r\n"
                            "\t// 2-wire interface \r\n"
                            "\t.max_sclk(MAX_I2C_SCLK),\r\n"
                            "\t.max_sdat(MAX_I2C_SDAT)\r\n"
                            "\r\n"
                            ");\r\n";

// Board 16 with its CDCM61001 at option 11 and its CDCM61004 unchanged.
const std::string kPallex = "\r\n\r\n" + kVRule +
                            "//  CDCM61001/CDCM61004 External PLL Configuration \r\n"
                            "//      Configure CDCM61001 as 312.5 MHz\r\n"
                            "//      Configure CDCM61004 as Unchange\r\n" +
                            kVRule +
                            "\r\n"
                            "//  Signal declarations\r\n"
                            "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n"
                            "wire         rstn;\r\n"
                            "wire         conf_ready;\r\n"
                            "wire         counter_max;\r\n"
                            "wire  [7:0]  counter_inc;\r\n"
                            "reg   [7:0]  auto_set_counter;\r\n"
                            "reg          conf_wr;\r\n"
                            "\r\n"
                            "//  Structural coding\r\n"
                            "assign clk1_set_wr = 4'd11; //312.5 MHz\r\n"
                            "assign clk2_set_wr = 4'd0; //Unchange\r\n"
                            "assign clk3_set_wr = 4'd0; //Unchange\r\n"
                            "\r\n"
                            "assign rstn = CPU_RESET_n;\r\n"
                            "assign counter_max = &auto_set_counter;\r\n"
                            "assign counter_inc = auto_set_counter + 1'b1;\r\n"
                            "\r\n"
                            "always @(posedge OSC_50_B3B or negedge rstn)\r\n"
                            "\tif(!rstn)\r\n"
                            "\tbegin\r\n"
                            "\t\tauto_set_counter <= 0;\r\n"
                            "\t\tconf_wr <= 0;\r\n"
                            "\tend \r\n"
                            "\telse if (counter_max)\r\n"
                            "\t\tconf_wr <= 1;\r\n"
                            "\telse\r\n"
                            "\t\tauto_set_counter <= counter_inc;\r\n"
                            "\r\n"
                            "\r\n"
                            "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n"
                            "\t.osc_50(OSC_50_B3B), //50MHZ\r\n"
                            "\t.rstn(rstn),\r\n"
                            "\r\n"
                            "\t// device 1 (SFP1G_REFCLK_p)\r\n"
                            "\t.clk1_set_wr(clk1_set_wr),\r\n"
                            "\t.clk1_set_rd(),\r\n"
                            "\r\n"
                            "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)\r\n"
                            "\t.clk2_set_wr(clk2_set_wr),\r\n"
                            "\t.clk2_set_rd(),\r\n"
                            "\r\n"
                            "\t// device 3 (reserved)\r\n"
                            "\t.clk3_set_wr(clk3_set_wr),\r\n"
                            "\t.clk3_set_rd(),\r\n"
                            "\r\n"
                            "\t// setting trigger\r\n"
                            "\t.conf_wr(conf_wr), // 1T 50MHz \r\n"
                            "\t.conf_rd(), // 1T 50MHz\r\n"
                            "\r\n"
                            "\t// status \r\n"
                            "\t.conf_ready(conf_ready),\r\n"
                            "\r\n"
                            "\t// 2-wire interface \r\n"
                            "\t.max_sclk(PLL_SCL),\r\n"
                            "\t.max_sdat(PLL_SDA)\r\n"
                            "\r\n"
                            ");\r\n";

const std::string kSelectRows[] = {
    "assign desired_freq = 4'd0;  // 62.5 \tMHz\r\n",  "assign desired_freq = 4'd1;  // 75 \tMHz\r\n",
    "assign desired_freq = 4'd2;  // 100 \tMHz\r\n",   "assign desired_freq = 4'd3;  // 125 \tMHz\r\n",
    "assign desired_freq = 4'd4;  // 150 \tMHz\r\n",   "assign desired_freq = 4'd5;  // 156.25\tMHz\r\n",
    "assign desired_freq = 4'd6;  // 187.5 \tMHz\r\n", "assign desired_freq = 4'd7;  // 200 \tMHz\r\n",
    "assign desired_freq = 4'd8;  // 250 \tMHz\r\n",   "assign desired_freq = 4'd9;  // 312.5 \tMHz\r\n",
    "assign desired_freq = 4'd10; // 625 \tMHz\r\n",
};

// The CDCM61004 text of boards 15 and 18 for a choice, with banner frequency mhz.
std::string Cdcm61004(int choice, const char* mhz) {
    std::string rows;
    for (int row = 0; row < 11; ++row)
        rows += (row == choice - 1 ? "" : "//") + kSelectRows[row];
    return "\r\n\r\n" + kVRule + "//  Configure CDCM61004 as " + mhz + " MHz ====================\r\n" +
           kVRule +
           "wire [3:0] desired_freq;\r\n"
           "\r\n" +
           rows +
           "\r\n"
           "CDCM6100x_Config CDCM61004_Config_inst(\r\n"
           "\t.clk_50m(OSC_50_B3B),\r\n"
           "\t.recal_n(CPU_RESET_n),\r\n"
           "\t.desired_freq(desired_freq),\r\n"
           "\t.CLK_CE(CLK_CE),\r\n"
           "\t.CLK_OD(CLK_OD),\r\n"
           "\t.CLK_OS(CLK_OS),\r\n"
           "\t.CLK_PR(CLK_PR),\r\n"
           "\t.CLK_RST_n(CLK_RST_n)\r\n"
           ");\r\n"
           "\r\n";
}

// The Si570 text at choice 6.
const std::string kSi570Choice6 = "\r\n\r\n" + kVRule +
                                  "//  Configure SI570 as 322.26500 MHz =====================\r\n" + kVRule +
                                  "\r\n"
                                  "si570_controller si570_controller_inst(\r\n"
                                  "    .iCLK(OSC_50_B3B), // system   clock 50mhz \r\n"
                                  "    .iRST_n(CPU_RESET_n), // system reset;\r\n"
                                  "    .iFREQ_MODE(3'b101),\r\n"
                                  "    .I2C_CLK(CLOCK_SCL),\r\n"
                                  "    .I2C_DATA(CLOCK_SDA),\r\n"
                                  "    .oController_Ready()\r\n"
                                  ");\r\n";

void SetPll(TMainBoard& b, uint8_t board, uint8_t c1, uint8_t c2, uint8_t c3) {
    b.m_BoardId = board;
    auto set = [&](auto& record, std::size_t flag, std::size_t clocks) {
        record.SetU8(flag, 1);
        record.SetU8(clocks, c1);
        record.SetU8(clocks + 1, c2);
        record.SetU8(clocks + 2, c3);
    };
    if (board == MAINBOARD_HARLIN)
        set(RecordOf<HarlinText>(b), HARLIN_CONFIG::bExtPLL, HARLIN_CONFIG::nPllFreq);
    else
        set(RecordOf<LomarText>(b), LOMAR_CONFIG::bExtPLL, LOMAR_CONFIG::nPllFreq);
}

} // namespace

TEST(ExtPllText, Board8WithTheClocksAt0And1And12) {
    ScriptedPlatform seam;
    TMainBoard b;
    SetPll(b, MAINBOARD_HARLIN, 0, 1, 12);
    EXPECT_EQ(b.GetStructuralCode(), kHarlin);
    EXPECT_NE(kHarlin.find("assign clk1_set_wr = 4'd0; //Unchange MHZ\r\n"
                           "assign clk2_set_wr = 4'd1; //Disable MHZ\r\n"
                           "assign clk3_set_wr = 4'd12; //625 MHZ\r\n"),
              std::string::npos);

    // Not ticked: nothing, whatever the clocks hold.
    RecordOf<HarlinText>(b).SetU8(HARLIN_CONFIG::bExtPLL, 0);
    EXPECT_EQ(b.GetStructuralCode(), "");
}

TEST(ExtPllText, Board12DiffersInItsLines) {
    ScriptedPlatform seam;
    TMainBoard b;
    SetPll(b, MAINBOARD_LOMAR, 0, 1, 12);
    std::string expected = Replace(kHarlin, "assign rstn = CPU_RESET_n;", "assign rstn = 1'b1;");
    expected = Replace(expected, "always @(posedge OSC_50_BANK2 or negedge rstn)",
                       "always @(posedge OSC_50_BANK1 or negedge rstn)");
    expected = Replace(expected, "\t.osc_50(OSC_50_BANK2), //50MHZ", "\t.osc_50(OSC_50_BANK1), //50MHZ");
    expected = Replace(expected, "\t// device 2 (HSMB_REFCLK)", "\t// device 2 (HSME_REFCLK)");
    expected = Replace(expected, "\t// device 3 (PLL_CLKIN/SATA_REFCLK)", "\t// device 3 (PGM_GXB_CLK)");
    expected = Replace(expected, "\t.max_sclk(MAX_I2C_SCLK),", "\t.max_sclk(MAX2_I2C_SCL),");
    expected = Replace(expected, "\t.max_sdat(MAX_I2C_SDAT)", "\t.max_sdat(MAX2_I2C_SDA)");
    EXPECT_EQ(b.GetStructuralCode(), expected);
}

TEST(ExtPllText, EachMemberAssertsItsBoard) {
    ScriptedPlatform seam;
    TMainBoard b;
    b.m_BoardId = MAINBOARD_LOMAR;
    EXPECT_EQ(AssertionOf([&] { HarlinText({}).StructuralCode(b); }),
              "Assertion failed: m_BoardId == MAINBOARD_HARLIN, file MainBoard, line 727");
    EXPECT_EQ(AssertionOf([&] { PallexText({}).StructuralCode(b); }),
              "Assertion failed: m_BoardId == MAINBOARD_PALLEX, file EXTRA_S5, line 325");
    EXPECT_EQ(AssertionOf([&] { OstrelText({}).StructuralCode(b); }),
              "Assertion failed: m_BoardId == MAINBOARD_OSTREL, file EXTRA_S5, line 383");
    EXPECT_EQ(AssertionOf([&] { RasmelText({}).StructuralCode(b); }),
              "Assertion failed: m_BoardId == MAINBOARD_RASMEL, file EXTRA_S5, line 404");
    b.m_BoardId = MAINBOARD_HARLIN;
    EXPECT_EQ(AssertionOf([&] { LomarText({}).StructuralCode(b); }),
              "Assertion failed: m_BoardId == MAINBOARD_LOMAR, file MainBoard, line 851");
}

TEST(ExtPllText, OptionsOutsideTheTableHaveNoText) {
    ScriptedPlatform seam;
    TMainBoard b;
    SetPll(b, MAINBOARD_HARLIN, 13, 255, 4);
    const std::string text = b.GetStructuralCode();
    EXPECT_NE(text.find("assign clk1_set_wr = 4'd13; // MHZ\r\n"
                        "assign clk2_set_wr = 4'd255; // MHZ\r\n"
                        "assign clk3_set_wr = 4'd4; //100 MHZ\r\n"),
              std::string::npos);
    const ExtPllWiring wiring = {"RST", "OSC", {"D1", "D2", "D3"}, "SCL", "SDA", ""};
    const std::string pallex = GetExtPllCtrlCode(wiring, 13, 12, 0);
    EXPECT_NE(pallex.find("//      Configure CDCM61001 as \r\n//      Configure CDCM61004 as 625 MHz\r\n"),
              std::string::npos);
    EXPECT_NE(pallex.find("assign clk1_set_wr = 4'd13; //\r\n"), std::string::npos);
}

TEST(OscillatorText, Board16) {
    ScriptedPlatform seam;
    TMainBoard b;
    b.m_BoardId = MAINBOARD_PALLEX;
    PALLEX_CONFIG& r = RecordOf<PallexText>(b);
    r.SetI32(PALLEX_CONFIG::nCdcm61001Freq, 11);
    EXPECT_EQ(b.GetStructuralCode(), kPallex);

    r.SetI32(PALLEX_CONFIG::nSi570Freq, 6);
    EXPECT_EQ(b.GetStructuralCode(), kPallex + kSi570Choice6);

    // Both CDCM synthesizers disabled: no controller.
    r.SetI32(PALLEX_CONFIG::nCdcm61001Freq, 1);
    r.SetI32(PALLEX_CONFIG::nCdcm61004Freq, 1);
    EXPECT_EQ(b.GetStructuralCode(), kSi570Choice6);
    r.SetI32(PALLEX_CONFIG::nSi570Freq, 0);
    EXPECT_EQ(b.GetStructuralCode(), "");

    // Both unchanged: the controller with three settings of 0.
    r.SetI32(PALLEX_CONFIG::nCdcm61001Freq, 0);
    r.SetI32(PALLEX_CONFIG::nCdcm61004Freq, 0);
    std::string unchanged = Replace(kPallex, "//      Configure CDCM61001 as 312.5 MHz",
                                    "//      Configure CDCM61001 as Unchange");
    unchanged = Replace(unchanged, "assign clk1_set_wr = 4'd11; //312.5 MHz",
                        "assign clk1_set_wr = 4'd0; //Unchange");
    EXPECT_EQ(b.GetStructuralCode(), unchanged);
}

TEST(OscillatorText, Boards15And18) {
    ScriptedPlatform seam;
    for (uint8_t board : {MAINBOARD_OSTREL, MAINBOARD_RASMEL}) {
        TMainBoard b;
        b.m_BoardId = board;
        auto set = [&](int32_t si570, int32_t cdcm61004) {
            if (board == MAINBOARD_OSTREL) {
                RecordOf<OstrelText>(b).SetI32(OSTREL_CONFIG::nSi570Freq, si570);
                RecordOf<OstrelText>(b).SetI32(OSTREL_CONFIG::nCdcm61004Freq, cdcm61004);
            } else {
                RecordOf<RasmelText>(b).SetI32(RASMEL_CONFIG::nSi570Freq, si570);
                RecordOf<RasmelText>(b).SetI32(RASMEL_CONFIG::nCdcm61004Freq, cdcm61004);
            }
        };
        set(6, 10);
        EXPECT_EQ(b.GetStructuralCode(), Cdcm61004(10, "312.50") + kSi570Choice6);
        set(0, 1);
        EXPECT_EQ(b.GetStructuralCode(), Cdcm61004(1, "62.50"));
        set(0, 11);
        EXPECT_EQ(b.GetStructuralCode(), Cdcm61004(11, "625.00"));
        set(6, 0);
        EXPECT_EQ(b.GetStructuralCode(), kSi570Choice6);
        set(0, 0);
        EXPECT_EQ(b.GetStructuralCode(), "");
    }
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

TEST(OscillatorText, ChoicesOutsideTheirListsGoBackToTheDefaults) {
    PALLEX_CONFIG pallex;
    pallex.SetI32(PALLEX_CONFIG::nSi570Freq, 8);
    pallex.SetI32(PALLEX_CONFIG::nCdcm61004Freq, 12);
    pallex.SetI32(PALLEX_CONFIG::nCdcm61001Freq, 13);
    BringChoicesIntoRange(pallex, PALLEX_CONFIG::kChoiceFields);
    EXPECT_EQ(pallex.I32(PALLEX_CONFIG::nSi570Freq), 0);
    EXPECT_EQ(pallex.I32(PALLEX_CONFIG::nCdcm61004Freq), 12);
    EXPECT_EQ(pallex.I32(PALLEX_CONFIG::nCdcm61001Freq), 1);

    OSTREL_CONFIG ostrel;
    ostrel.SetI32(OSTREL_CONFIG::nCdcm61004Freq, 12);
    ostrel.SetI32(OSTREL_CONFIG::nSi570Freq, -1);
    BringChoicesIntoRange(ostrel, OSTREL_CONFIG::kChoiceFields);
    EXPECT_EQ(ostrel.I32(OSTREL_CONFIG::nCdcm61004Freq), 0);
    EXPECT_EQ(ostrel.I32(OSTREL_CONFIG::nSi570Freq), 0);

    HARLIN_CONFIG harlin;
    harlin.SetU8(HARLIN_CONFIG::nPllFreq + 1, 13);
    harlin.SetU8(HARLIN_CONFIG::nPllFreq + 2, 12);
    BringChoicesIntoRange(harlin, HARLIN_CONFIG::kChoiceFields);
    EXPECT_EQ(harlin.U8(HARLIN_CONFIG::nPllFreq + 1), 4);
    EXPECT_EQ(harlin.U8(HARLIN_CONFIG::nPllFreq + 2), 12);
}
