// The clock texts of the boards, as the board model builds them from its record
// copies or asks the board's settings object: the external-PLL text of boards 8 and
// 12, the oscillator text of boards 15, 16 and 18 with the module files it needs, and
// the clock-chip text of boards 27, 29 and 31.
#include "boards/latest/ClockChipText.h"
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/calvex/ConfigCalvex.h"
#include "boards/latest/embrel/ConfigEmbrel.h"
#include "boards/second/harlin/HarlinText.h"
#include "boards/second/lomar/LomarText.h"
#include "boards/second/ostrel/OstrelText.h"
#include "boards/second/pallex/PallexText.h"
#include "boards/second/rasmel/RasmelText.h"
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;

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

TEST(ExportVerilogModules, WhichModulesEachBoardWrites) {
    ScriptedPlatform seam;
    for (const char* name :
         {"EXT_PLL_CTRL_VERILOG", "SI570_CONTROLLER_VERILOG", "CLOCK_DIVIDER_VERILOG",
          "EDGE_DETECTOR_VERILOG", "I2C_BUS_CONTROLLER_VERILOG", "I2C_CONTROLLER_VERILOG",
          "I2C_REG_CONTROLLER_VERILOG", "INITIAL_CONFIG_VERILOG", "CDCM6100X_CONFIG_VERILOG"})
        seam.SetResource(name, std::string("// ") + name + "\r\n");
    auto files = [](const TempDir& dir) {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    using V = std::vector<std::string>;
    const V si570 = {"clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v", "i2c_controller.v",
                     "i2c_reg_controller.v", "initial_config.v", "si570_controller.v"};
    {
        TempDir dir;
        TMainBoard b;
        b.m_BoardId = 18;
        RecordOf<RasmelText>(b).SetI32(160, 3);
        TPinwright w;
        EXPECT_TRUE(w.ExportVerilogModules(&b, dir.Folder()));
        EXPECT_EQ(files(dir), (V{"CDCM6100x_Config.v"}));
    }
    {
        TempDir dir;
        TMainBoard b;
        b.m_BoardId = 16;
        RecordOf<PallexText>(b).SetI32(168, 1);
        RecordOf<PallexText>(b).SetI32(172, 1);
        TPinwright w;
        EXPECT_TRUE(w.ExportVerilogModules(&b, dir.Folder()));
        EXPECT_TRUE(files(dir).empty());
        RecordOf<PallexText>(b).SetI32(172, 2);
        RecordOf<PallexText>(b).SetI32(164, 1);
        EXPECT_TRUE(w.ExportVerilogModules(&b, dir.Folder()));
        V expected = si570;
        expected.insert(expected.begin(), "EXT_PLL_CTRL.v");
        EXPECT_EQ(files(dir), expected);
        EXPECT_EQ(ReadFile(dir.File("EXT_PLL_CTRL.v")), "// EXT_PLL_CTRL_VERILOG\r\n");
    }
    {
        // si570_controller.v cannot be written: the rest of the set is skipped, the CDCM file still written.
        TempDir dir;
        std::filesystem::create_directory(dir.File("si570_controller.v"));
        testsupport::WriteFile(dir.File("si570_controller.v/keep"), "x"); // a folder that is not removed
        TMainBoard b;
        b.m_BoardId = 18;
        RecordOf<RasmelText>(b).SetI32(156, 1);
        RecordOf<RasmelText>(b).SetI32(160, 1);
        TPinwright w;
        EXPECT_FALSE(w.ExportVerilogModules(&b, dir.Folder()));
        EXPECT_EQ(files(dir), (V{"CDCM6100x_Config.v", "si570_controller.v"}));
        EXPECT_EQ(seam.Boxes().back().text, "Failed to export verilog IP");
    }
}

TEST(ExportVerilogModules, AClockChipBoardsFailedExportStopsGenerate) {
    // No module resource can be found.
    ScriptedPlatform seam;
    TConfigAbrenz abrenz;
    abrenz.Config.SetI32(TConfigAbrenz::ABRENZ_CONFIG::nSi5340A, 1);
    TConfigCalvex calvex;
    calvex.Config.SetU8(TConfigCalvex::CALVEX_CONFIG::bLmkPll, 1);
    TConfigEmbrel embrel;
    embrel.Config.SetI32(TConfigEmbrel::EMBREL_CONFIG::nSi5340B, 1);
    for (auto [id, settings] :
         {std::pair<uint8_t, TConfigBoard*>{27, &abrenz}, {29, &calvex}, {31, &embrel}}) {
        TempDir dir;
        TMainBoard b;
        b.m_BoardId = id;
        b.m_Family = "MAX 10 FPGA";
        b.m_Device = "10M50DAF484C7G";
        b.SetBoardText(std::make_unique<ClockChipText>(settings));
        TPinwright w;
        EXPECT_FALSE(w.Generate(&b, dir.File("clocks.qpf"))) << int(id);
        EXPECT_EQ(seam.Boxes().back().text, "Failed to export verilog IP");
        EXPECT_TRUE(std::filesystem::exists(dir.File("clocks.v")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("clocks.sdc")));
    }
}

namespace {

// A clock-chip board's settings object, as far as the writers ask it.
class ClockChipSettings : public TConfigBoard {
public:
    bool LoadConfigFile(const std::string&) override { return false; }
    bool SaveConfigFile(const std::string&) override { return false; }
    std::string GetQsfAssignments() override { return "qsf lines\r\n"; }
    std::string GetStructuralCode() override { return "verilog lines\r\n"; }
    bool ExportVerilogModules(std::string folder) override {
        exportedTo = folder;
        return false;
    }
    std::string exportedTo;
};

} // namespace

TEST(BoardText, ClockChipBoardsAskTheirSettingsObject) {
    ScriptedPlatform seam;
    ClockChipSettings settings;
    TMainBoard b;
    TPinwright w;
    for (uint8_t id : {uint8_t{27}, uint8_t{29}, uint8_t{31}}) {
        b.m_BoardId = id;
        b.SetBoardText(std::make_unique<ClockChipText>(&settings));
        EXPECT_EQ(b.GetQsfGlobalAssignments(), "qsf lines\r\n");
        EXPECT_EQ(b.GetStructuralCode(), "verilog lines\r\n");
        EXPECT_FALSE(w.ExportVerilogModules(&b, "/p/"));
        EXPECT_EQ(settings.exportedTo, "/p/");
        EXPECT_EQ(seam.Boxes().back().text, "Failed to export verilog IP");
    }
    b.m_BoardId = 30; // the Dunmir board has no text
    b.SetBoardText(nullptr);
    EXPECT_EQ(b.GetQsfGlobalAssignments(), "");
    EXPECT_EQ(b.GetStructuralCode(), "");
}
