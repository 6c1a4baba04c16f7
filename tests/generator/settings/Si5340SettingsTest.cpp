// The Si5340 clock-chip settings of boards 27 (Abrenz) and 31 (Embrel): .qsf blocks,
// controller instances, module files and frequencies.
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/embrel/ConfigEmbrel.h"

#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;
using A = TConfigAbrenz::ABRENZ_CONFIG;
using E = TConfigEmbrel::EMBREL_CONFIG;

namespace {

const std::string kRule = "#============================================================\r\n";
const std::string kVRule = "//=======================================================\r\n";

const std::string kCommonFiles =
    "set_global_assignment -name VERILOG_FILE si5340_controller/clock_divider.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/edge_detector.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/i2c_bus_controller.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/initial_config.v\r\n";
const std::string kAFiles =
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_clk_frq_sel_gen.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_controller.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_freq_prameter_selector.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_i2c_reg_controller.v\r\n";
const std::string kBFiles =
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_clk_frq_sel_gen.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_controller.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_freq_prameter_selector.v\r\n"
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_i2c_reg_controller.v\r\n";

std::string FileBlock(const std::string& lines) {
    return "\r\n" + kRule + "# Includes SI5340 Controller Files\r\n" + kRule + lines + "\r\n";
}

std::string TerminationBlock(const std::string& lines) {
    return "\r\n" + kRule + "# Termination Settings\r\n" + kRule + lines + "\r\n";
}

std::string Qsfp(char x) {
    const std::string l(1, x);
    return "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to QSFP" + l +
           "_REFCLK_p\r\n"
           "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP" +
           l +
           "_RX_p\r\n"
           "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP" +
           l + "_TX_p\r\n";
}

const std::string kPcieLines =
    "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to "
    "PCIE_REFCLK_p\r\n"
    "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p\r\n"
    "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p\r\n";

// Board 27's Si5340A text with outputs 0 and 2 at 100 and 644.53125 MHz, 1 and 3 unused.
const std::string kAbrenzA = "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule +
                             "`define SI5340A_POWER_DOWN  3'h0\r\n"
                             "`define SI5340A_644M53125   3'h1\r\n"
                             "`define SI5340A_322M265625  3'h2\r\n"
                             "`define SI5340A_312M5       3'h3\r\n"
                             "`define SI5340A_250M        3'h4\r\n"
                             "`define SI5340A_156M25      3'h5\r\n"
                             "`define SI5340A_125M        3'h6\r\n"
                             "`define SI5340A_100M        3'h7\r\n"
                             "\r\n"
                             "wire si5340a_controller_start;\r\n"
                             "assign si5340a_controller_start = ~BUTTON[0];\r\n"
                             "\r\n"
                             "si5340a_controller si5340a_controller(\r\n"
                             "    .iCLK(CLK_50_B2J),\r\n"
                             "    .iRST_n(CPU_RESET_n),\r\n"
                             "    .iStart(si5340a_controller_start),\r\n"
                             "    .iPLL_OUT0_FREQ_SEL(`SI5340A_100M),//QSFP-A\r\n"
                             "    .iPLL_OUT1_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-B\r\n"
                             "    .iPLL_OUT2_FREQ_SEL(`SI5340A_644M53125),//QSFP-C\r\n"
                             "    .iPLL_OUT3_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-D\r\n"
                             "    .I2C_CLK(SI5340A_I2C_SCL),\r\n"
                             "    .I2C_DATA(SI5340A_I2C_SDA),\r\n"
                             "    .oPLL_REG_CONFIG_DONE()\r\n"
                             ");\r\n"
                             "\r\n"
                             "assign SI5340A_OE_n = 1'b0;\r\n"
                             "assign SI5340A_RST_n = CPU_RESET_n;\r\n"
                             "\r\n";

const std::string kAbrenzBDefines = "`define DDR266_QDR275_PCIE100   4'h0\r\n"
                                    "`define DDR233_QDR275_PCIE100   4'h1\r\n"
                                    "`define DDR200_QDR275_PCIE100   4'h2\r\n"
                                    "`define DDR266_QDR250_PCIE100   4'h3\r\n"
                                    "`define DDR233_QDR250_PCIE100   4'h4\r\n"
                                    "`define DDR200_QDR250_PCIE100   4'h5\r\n"
                                    "`define DDR266_QDR225_PCIE100   4'h6\r\n"
                                    "`define DDR233_QDR225_PCIE100   4'h7\r\n"
                                    "`define DDR200_QDR225_PCIE100   4'h8\r\n"
                                    "`define DDR266_QDR233_PCIE100   4'h9\r\n"
                                    "`define DDR233_QDR233_PCIE100   4'hA\r\n"
                                    "`define DDR200_QDR233_PCIE100   4'hB\r\n";

// Board 27's Si5340B text selecting DDR3 at 200 MHz with the QDRII list unused.
const std::string kAbrenzB = "\r\n\r\n" + kVRule + "//  Configure SI5340B \r\n" + kVRule + kAbrenzBDefines +
                             "\r\n"
                             "wire si5340b_controller_start;\r\n"
                             "wire config_done;\r\n"
                             "\r\n"
                             "assign si5340b_controller_start = ~BUTTON[0];\r\n"
                             "\r\n"
                             "si5340b_controller si5340b_controller(\r\n"
                             "    .iCLK(CLK_50_B2J),\r\n"
                             "    .iRST_n(CPU_RESET_n),\r\n"
                             "    .iStart(si5340b_controller_start),\r\n"
                             "    .iPLL_OUT_FREQ_SEL(`DDR200_QDR275_PCIE100),\r\n"
                             "    .I2C_CLK(SI5340B_I2C_SCL),\r\n"
                             "    .I2C_DATA(SI5340B_I2C_SDA),\r\n"
                             "    .oPLL_REG_CONFIG_DONE(config_done)\r\n"
                             ");\r\n"
                             "\r\n"
                             "assign SI5340B_OE_n = 1'b0;\r\n"
                             "assign SI5340B_RST_n = CPU_RESET_n;\r\n"
                             "\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const char* const kFiles[] = {
    "clock_divider.v",
    "edge_detector.v",
    "i2c_bus_controller.v",
    "initial_config.v",
    "si5340a_clk_frq_sel_gen.v",
    "si5340a_controller.v",
    "si5340a_freq_prameter_selector.v",
    "si5340a_i2c_reg_controller.v",
    "si5340b_clk_frq_sel_gen.v",
    "si5340b_controller.v",
    "si5340b_freq_prameter_selector.v",
    "si5340b_i2c_reg_controller.v",
};

// Every module resource of one board, as stored (upper case), each holding its own name.
void SetResources(ScriptedPlatform& seam, const std::string& commonPrefix, const std::string& chipPrefix) {
    for (int i = 0; i < 12; ++i) {
        std::string base = std::filesystem::path(kFiles[i]).stem().string();
        std::string name = (i < 4 ? commonPrefix : chipPrefix) + base + "_VERILOG";
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        seam.SetResource(name, "// " + name + "\r\n");
    }
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(Si5340Abrenz, OnlyTheSi5340bGivesItsInstanceFilesAndModules) {
    ScriptedPlatform seam;
    TempDir dir;
    SetResources(seam, "abrenz_", "");
    TConfigAbrenz abrenz;
    abrenz.Config.SetI32(A::nSi5340BDdr3, 1);

    EXPECT_FALSE(abrenz.IsSi5340aUsed());
    EXPECT_TRUE(abrenz.IsSi5340bUsed());
    EXPECT_EQ(abrenz.GetStructuralCode(), kAbrenzB);
    EXPECT_NE(abrenz.GetStructuralCode().find("\r\n    .iPLL_OUT_FREQ_SEL(`DDR200_QDR275_PCIE100),\r\n"),
              std::string::npos);
    // No interface ticked: no termination block, only the files.
    EXPECT_EQ(abrenz.GetTerminationAssignments(), "");
    EXPECT_EQ(abrenz.GetQsfAssignments(), FileBlock(kCommonFiles + kBFiles));

    // Written twice into the same project: the sub-folder is used again.
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(abrenz.ExportVerilogModules(dir.Folder()));
        EXPECT_EQ(
            FilesIn(dir.Path() / "si5340_controller"),
            (std::vector<std::string>{"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                      "initial_config.v", "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                      "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"}));
    }
    EXPECT_EQ(ReadFile(dir.File("si5340_controller/clock_divider.v")), "// ABRENZ_CLOCK_DIVIDER_VERILOG\r\n");
    EXPECT_EQ(ReadFile(dir.File("si5340_controller/si5340b_controller.v")),
              "// SI5340B_CONTROLLER_VERILOG\r\n");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(Si5340Abrenz, Si5340aOutputsLeftAtZeroArePoweredDown) {
    ScriptedPlatform seam;
    TConfigAbrenz abrenz;
    abrenz.Config.SetI32(A::nSi5340A + 0, 1);
    abrenz.Config.SetI32(A::nSi5340A + 8, 7);
    EXPECT_EQ(abrenz.GetStructuralCode(), kAbrenzA);
    EXPECT_EQ(abrenz.GetSi5340QsfFiles(), FileBlock(kCommonFiles + kAFiles));

    // Both chips: the Si5340A text first, then the Si5340B's; the files in groups.
    abrenz.Config.SetI32(A::nSi5340BDdr3, 1);
    EXPECT_EQ(abrenz.GetStructuralCode(), kAbrenzA + kAbrenzB);
    EXPECT_EQ(abrenz.GetSi5340QsfFiles(), FileBlock(kCommonFiles + kAFiles + kBFiles));
}

TEST(Si5340Abrenz, Si5340bSelectedName) {
    ScriptedPlatform seam;
    TConfigAbrenz abrenz;
    struct Case {
        uint8_t ddr3, qdrii;
        const char* name;
    };
    for (const Case& c : {Case{0, 0, "DDR266_QDR275_PCIE100"}, Case{2, 1, "DDR233_QDR225_PCIE100"},
                          Case{3, 2, "DDR266_QDR233_PCIE100"}, Case{1, 3, "DDR200_QDR250_PCIE100"},
                          Case{1, 4, "DDR200_QDR275_PCIE100"}}) {
        std::string text = abrenz.GetSi5340bCode(c.ddr3, c.qdrii, 1);
        EXPECT_NE(text.find(std::string("    .iPLL_OUT_FREQ_SEL(`") + c.name + "),\r\n"), std::string::npos)
            << c.name;
    }
}

TEST(Si5340Abrenz, TerminationLinesInTheOrderOfTheInterfaces) {
    ScriptedPlatform seam;
    TConfigAbrenz abrenz;
    abrenz.Config.SetU8(A::bQsfpA, 1);
    // An interface ticked with its output unused still gets its lines.
    EXPECT_EQ(abrenz.GetQsfAssignments(), TerminationBlock(Qsfp('A')));
    EXPECT_EQ(abrenz.GetStructuralCode(), "");

    for (std::size_t flag : {A::bQsfpD, A::bPcieRefClk, A::bPcie, A::bQdriiC, A::bDdr3B})
        abrenz.Config.SetU8(flag, 1);
    EXPECT_EQ(
        abrenz.GetTerminationAssignments(),
        TerminationBlock(
            "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to DDR3B_REFCLK_p\r\n"
            "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIC_REFCLK_p\r\n" +
            kPcieLines +
            "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p\r\n" +
            Qsfp('A') + Qsfp('D')));
}

TEST(Si5340Embrel, DiffersFromAbrenzWhereThePartSays) {
    ScriptedPlatform seam;
    TempDir dir;
    SetResources(seam, "embrel_", "embrel_");
    TConfigEmbrel embrel;
    embrel.Config.SetI32(E::nSi5340A + 0, 1);
    embrel.Config.SetI32(E::nSi5340A + 8, 7);
    embrel.Config.SetI32(E::nSi5340B, 2);

    std::string a = Replace(kAbrenzA, "    .iCLK(CLK_50_B2J),", "    .iCLK(CLK_50_B2F),");
    a = Replace(a, "wire si5340a_controller_start;\r\n",
                "wire si5340a_controller_start;\r\nwire si5340a_config_done;\r\n\r\n");
    a = Replace(a, "    .oPLL_REG_CONFIG_DONE()", "    .oPLL_REG_CONFIG_DONE(si5340a_config_done)");
    std::string b = Replace(kAbrenzB, kAbrenzBDefines,
                            "`define REFCLK_QDR275   4'h0\r\n"
                            "`define REFCLK_QDR250   4'h1\r\n"
                            "`define REFCLK_QDR225   4'h2\r\n");
    b = Replace(b, "wire config_done;", "wire si5340b_config_done;");
    b = Replace(b, "    .iCLK(CLK_50_B2J),", "    .iCLK(CLK_50_B2F),");
    b = Replace(b, "    .oPLL_REG_CONFIG_DONE(config_done)",
                "    .oPLL_REG_CONFIG_DONE(si5340b_config_done)");
    b = Replace(b, "`DDR200_QDR275_PCIE100", "`REFCLK_QDR250");
    EXPECT_EQ(embrel.GetStructuralCode(), a + b);
    EXPECT_EQ(embrel.GetSi5340bCode(1).find("`REFCLK_QDR225)") != std::string::npos, true);
    EXPECT_EQ(embrel.GetSi5340bCode(3).find("`REFCLK_QDR275)") != std::string::npos, true);

    // Every file's resource carries the "EMBREL_" prefix.
    ASSERT_TRUE(embrel.ExportVerilogModules(dir.Folder()));
    EXPECT_EQ(FilesIn(dir.Path() / "si5340_controller").size(), 12u);
    EXPECT_EQ(ReadFile(dir.File("si5340_controller/initial_config.v")),
              "// EMBREL_INITIAL_CONFIG_VERILOG\r\n");
    EXPECT_EQ(ReadFile(dir.File("si5340_controller/si5340a_controller.v")),
              "// EMBREL_SI5340A_CONTROLLER_VERILOG\r\n");
    EXPECT_EQ(ReadFile(dir.File("si5340_controller/si5340b_freq_prameter_selector.v")),
              "// EMBREL_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG\r\n");

    // Its own interfaces: QDRII A-F, PCIe, QSFP A-D.
    for (std::size_t flag : {E::bQsfpB, E::bPcie, E::bQdriiF})
        embrel.Config.SetU8(flag, 1);
    EXPECT_EQ(embrel.GetTerminationAssignments(),
              TerminationBlock(
                  "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIF_REFCLK_p\r\n" +
                  kPcieLines + Qsfp('B')));
}

TEST(Si5340, NeitherChipUsedAddsNothing) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigAbrenz abrenz;
    TConfigEmbrel embrel;
    EXPECT_EQ(abrenz.GetQsfAssignments() + abrenz.GetStructuralCode(), "");
    EXPECT_EQ(embrel.GetQsfAssignments() + embrel.GetStructuralCode(), "");
    EXPECT_TRUE(abrenz.ExportVerilogModules(dir.Folder()));
    EXPECT_TRUE(embrel.ExportVerilogModules(dir.Folder()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(Si5340, AFailedWriteStopsTheRest) {
    // Every resource but si5340a_controller's.
    ScriptedPlatform seam;
    for (const char* name :
         {"ABRENZ_CLOCK_DIVIDER_VERILOG", "ABRENZ_EDGE_DETECTOR_VERILOG", "ABRENZ_I2C_BUS_CONTROLLER_VERILOG",
          "ABRENZ_INITIAL_CONFIG_VERILOG", "SI5340A_CLK_FRQ_SEL_GEN_VERILOG",
          "SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG", "SI5340A_I2C_REG_CONTROLLER_VERILOG",
          "SI5340B_CLK_FRQ_SEL_GEN_VERILOG", "SI5340B_CONTROLLER_VERILOG",
          "SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", "SI5340B_I2C_REG_CONTROLLER_VERILOG"})
        seam.SetResource(name, "x");
    TConfigAbrenz abrenz;
    abrenz.Config.SetI32(A::nSi5340A, 3);
    abrenz.Config.SetI32(A::nSi5340BQdrii, 2);
    TempDir dir;
    EXPECT_FALSE(abrenz.ExportVerilogModules(dir.Folder()));
    EXPECT_EQ(FilesIn(dir.Path() / "si5340_controller"),
              (std::vector<std::string>{"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                        "initial_config.v", "si5340a_clk_frq_sel_gen.v"}));
    EXPECT_TRUE(seam.Boxes().empty());

    // The sub-folder cannot be made: nothing is written.
    TempDir blocked;
    testsupport::WriteFile(blocked.File("si5340_controller"), "a file, not a folder");
    EXPECT_FALSE(abrenz.ExportVerilogModules(blocked.Folder()));
}

TEST(Si5340, DefineNamesAndFrequencies) {
    ScriptedPlatform seam;
    EXPECT_EQ(TConfigAbrenz::Si5340aDefineName(6), "SI5340A_322M265625");
    EXPECT_EQ(TConfigEmbrel::Si5340aDefineName(0), "SI5340A_POWER_DOWN");
    EXPECT_EQ(TConfigAbrenz::Si5340aDefineName(8), "");
    EXPECT_EQ(TConfigAbrenz::Si5340aFrequency(6), 322.265);
    EXPECT_EQ(TConfigEmbrel::Si5340aFrequency(7), 644.53125);
    EXPECT_EQ(TConfigAbrenz::Si5340aFrequency(0), 0.0);
    EXPECT_EQ(TConfigAbrenz::Si5340aFrequency(8), 0.0);
    EXPECT_EQ(TConfigAbrenz::Si5340bDdr3Frequency(2), 233.333);
    EXPECT_EQ(TConfigAbrenz::Si5340bDdr3Frequency(3), 266.667);
    EXPECT_EQ(TConfigAbrenz::Si5340bDdr3Frequency(4), 0.0);
    EXPECT_EQ(TConfigAbrenz::Si5340bQdriiFrequency(2), 233.333);
    EXPECT_EQ(TConfigAbrenz::Si5340bQdriiFrequency(4), 275.0);
    EXPECT_EQ(TConfigAbrenz::Si5340bPcieFrequency(1), 100.0);
    EXPECT_EQ(TConfigAbrenz::Si5340bPcieFrequency(2), 0.0);
    EXPECT_EQ(TConfigEmbrel::Si5340bQdriiFrequency(2), 250.0);
    EXPECT_EQ(TConfigEmbrel::Si5340bQdriiFrequency(4), 0.0);
}

TEST(Si5340, ChoicesOutsideTheirListsGoBackToTheDefaults) {
    TConfigAbrenz abrenz;
    abrenz.Config.SetU8(A::nBoardType, 4);
    abrenz.Config.SetI32(A::nSi5340A + 4, 8);
    abrenz.Config.SetI32(A::nSi5340A + 8, 7);
    abrenz.Config.SetI32(A::nSi5340BQdrii, -1);
    abrenz.Config.SetI32(A::nSi5340BPcie, 1);
    BringChoicesIntoRange(abrenz.Config, A::kChoiceFields);
    EXPECT_EQ(abrenz.Config.U8(A::nBoardType), 0);
    EXPECT_EQ(abrenz.Config.I32(A::nSi5340A + 4), 0);
    EXPECT_EQ(abrenz.Config.I32(A::nSi5340A + 8), 7);
    EXPECT_EQ(abrenz.Config.I32(A::nSi5340BQdrii), 0);
    EXPECT_EQ(abrenz.Config.I32(A::nSi5340BPcie), 1);

    TConfigEmbrel embrel;
    embrel.Config.SetI32(E::nSi5340B, 4);
    BringChoicesIntoRange(embrel.Config, E::kChoiceFields);
    EXPECT_EQ(embrel.Config.I32(E::nSi5340B), 0);
}
