// The CDCM6208 and LMK04906 clock-chip settings of board 29 (Calvex): .qsf blocks,
// controller instances, module files and output frequencies.
#include "boards/latest/calvex/ConfigCalvex.h"

#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;
using C = TConfigCalvex::CALVEX_CONFIG;

namespace {

const std::string kRule = "#============================================================\r\n";
const std::string kVRule = "//=======================================================\r\n";

const std::string kLmkFiles = "\r\n" + kRule + "# Includes LMK04906 Controller File(s)\r\n" + kRule +
                              "set_global_assignment -name VERILOG_FILE lmk04906/SPI_LMK04906_Config.v\r\n"
                              "\r\n";
const std::string kCdcmFiles =
    "\r\n" + kRule + "# Includes CDCM6208 Controller Files\r\n" + kRule +
    "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Config.v\r\n"
    "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Controller.v\r\n"
    "\r\n";

// The CDCM6208 text with every output enabled and FMC A at 150 MHz.
const std::string kCdcm = "\r\n\r\n" + kVRule +
                          "//  External PLL CDCM6208 Configuration =================\r\n" + kVRule +
                          "\r\n"
                          "//  Signal declarations\r\n"
                          "`define CDCM6208_MODE_0  2'd0   "
                          "//FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
                          "`define CDCM6208_MODE_1  2'd1   "
                          "//FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
                          "`define CDCM6208_MODE_2  2'd2   "
                          "//FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
                          "\r\n"
                          "`define CDCM6208_FMCA_DISABLE_BIT\t\t6'b000001\r\n"
                          "`define CDCM6208_FMCD_DISABLE_BIT\t\t6'b000010\r\n"
                          "`define CDCM6208_SATA_HOST_DISABLE_BIT\t\t6'b000100\r\n"
                          "`define CDCM6208_SATA_DEVICE_DISABLE_BIT\t\t6'b001000\r\n"
                          "`define CDCM6208_PCIE_DISABLE_BIT\t\t6'b010000\r\n"
                          "`define CDCM6208_DDR3_DISABLE_BIT\t\t6'b100000\r\n"
                          "\r\n"
                          "wire    [1:0]   cdcm6208_freq_select;\r\n"
                          "wire    [5:0]   cdcm6208_freq_disable;\r\n"
                          "wire            cdcm6208_reset_n;\r\n"
                          "wire            cdcm6208_i2c_done;\r\n"
                          "\r\n"
                          "//  Structural coding\r\n"
                          "assign cdcm6208_reset_n = CPU_RESET_n;\r\n"
                          "assign cdcm6208_freq_select = `CDCM6208_MODE_2;\r\n"
                          "assign cdcm6208_freq_disable = 6'b000000;\r\n"
                          "\r\n"
                          "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n"
                          "\t.iCLK(OSC_50_B3B), //50MHZ\r\n"
                          "\t.iRST_N(cdcm6208_reset_n),\r\n"
                          "\r\n"
                          "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n"
                          "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n"
                          "\r\n"
                          "\t// i2c\r\n"
                          "\t.I2C_SCLK(CLOCK_SCL),\r\n"
                          "\t.I2C_SDAT(CLOCK_SDA),\r\n"
                          "\r\n"
                          "\t.I2C_DONE(cdcm6208_i2c_done)\n"
                          ");\r\n";

// The LMK04906 text with FMC A and FMC C at 644.53125 MHz.
const std::string kLmk = "\r\n\r\n" + kVRule +
                         "//  External PLL LMK04906 Configuration =================\r\n" + kVRule +
                         "\r\n"
                         "//  Signal declarations\r\n"
                         "`define FMCA_644M53125_BIT  4'h8   //644.53125 MHz\r\n"
                         "`define FMCB_644M53125_BIT  4'h2   //644.53125 MHz\r\n"
                         "`define FMCC_644M53125_BIT  4'h1   //644.53125 MHz\r\n"
                         "`define FMCD_644M53125_BIT  4'h4   //644.53125 MHz\r\n"
                         "\r\n"
                         "wire [3:0]      lmk04906_freq_select;\r\n"
                         "wire            lmk04906_reset_n;\r\n"
                         "wire            lmk04906_spi_done;\r\n"
                         "\r\n"
                         "//  Structural coding\r\n"
                         "assign lmk04906_reset_n = CPU_RESET_n;\r\n"
                         "assign lmk04906_freq_select = `FMCA_644M53125_BIT | `FMCC_644M53125_BIT;\r\n"
                         "\r\n"
                         "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n"
                         "\t.clk50(OSC_50_B4A), //50MHZ\r\n"
                         "\t.rst_n(lmk04906_reset_n),\r\n"
                         "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n"
                         "\r\n"
                         "\t// spi\r\n"
                         "\t.LMK04906_CLK(LMK04906_CLK),\r\n"
                         "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n"
                         "\t.LMK04906_LE(LMK04906_LE),\r\n"
                         "\t.SPI_DONE(lmk04906_spi_done)\n"
                         ");\r\n";

void SetOutputs(TConfigCalvex& calvex, std::size_t field, std::initializer_list<uint8_t> settings) {
    std::size_t i = 0;
    for (uint8_t s : settings)
        calvex.Config.SetU8(field + i++, s);
}

void SetResources(ScriptedPlatform& seam) {
    for (const char* name : {"CALVEX_CDCM6208_CONFIG_VERILOG", "CALVEX_CDCM6208_CONTROLLER_VERILOG",
                             "CALVEX_LMK04906_CONFIG_VERILOG"})
        seam.SetResource(name, std::string("// ") + name + "\r\n");
}

std::string Mask(std::initializer_list<uint8_t> cdcmSettings) {
    TConfigCalvex calvex;
    calvex.Config.SetU8(C::bCdcmPll, 1);
    SetOutputs(calvex, C::nCdcm6208, cdcmSettings);
    const std::string text = calvex.GetStructuralCode();
    const std::string key = "assign cdcm6208_freq_disable = ";
    const std::size_t at = text.find(key) + key.size();
    return text.substr(at, text.find(";\r\n", at) - at);
}

} // namespace

TEST(Calvex, OnlyTheLmk04906) {
    ScriptedPlatform seam;
    SetResources(seam);
    TempDir dir;
    TConfigCalvex calvex;
    calvex.Config.SetU8(C::bLmkPll, 1);
    SetOutputs(calvex, C::nLmk04906, {2, 1, 2, 0});
    EXPECT_EQ(calvex.GetQsfAssignments(), kLmkFiles);
    EXPECT_EQ(calvex.GetStructuralCode(), kLmk);
    // Its two LF-only lines.
    EXPECT_NE(kLmk.find("\t.SPI_DONE(lmk04906_spi_done)\n);"), std::string::npos);

    ASSERT_TRUE(calvex.ExportVerilogModules(dir.Folder()));
    EXPECT_EQ(ReadFile(dir.File("lmk04906/SPI_LMK04906_Config.v")), "// CALVEX_LMK04906_CONFIG_VERILOG\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "cdcm6208"));
}

TEST(Calvex, TheCdcm6208WithEveryOutputEnabled) {
    ScriptedPlatform seam;
    SetResources(seam);
    TempDir dir;
    TConfigCalvex calvex;
    calvex.Config.SetU8(C::bCdcmPll, 1);
    SetOutputs(calvex, C::nCdcm6208, {3, 1, 1, 1, 1, 1});
    EXPECT_EQ(calvex.GetQsfAssignments(), kCdcmFiles);
    EXPECT_EQ(calvex.GetStructuralCode(), kCdcm);

    ASSERT_TRUE(calvex.ExportVerilogModules(dir.Folder()));
    EXPECT_EQ(ReadFile(dir.File("cdcm6208/I2C_CDCM6208_Config.v")), "// CALVEX_CDCM6208_CONFIG_VERILOG\r\n");
    EXPECT_EQ(ReadFile(dir.File("cdcm6208/I2C_CDCM6208_Controller.v")),
              "// CALVEX_CDCM6208_CONTROLLER_VERILOG\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "lmk04906"));

    // Both chips: the CDCM6208 text first, the LMK04906 file block first.
    calvex.Config.SetU8(C::bLmkPll, 1);
    SetOutputs(calvex, C::nLmk04906, {2, 1, 2, 0});
    EXPECT_EQ(calvex.GetStructuralCode(), kCdcm + kLmk);
    EXPECT_EQ(calvex.GetQsfAssignments(), kLmkFiles + kCdcmFiles);
}

TEST(Calvex, ModeAndMasks) {
    ScriptedPlatform seam;
    EXPECT_EQ(Mask({2, 0, 1, 1, 0, 1}), "`CDCM6208_FMCD_DISABLE_BIT | `CDCM6208_PCIE_DISABLE_BIT");
    EXPECT_EQ(Mask({0, 0, 0, 0, 0, 0}),
              "`CDCM6208_FMCA_DISABLE_BIT | `CDCM6208_FMCD_DISABLE_BIT | "
              "`CDCM6208_SATA_HOST_DISABLE_BIT | `CDCM6208_SATA_DEVICE_DISABLE_BIT | "
              "`CDCM6208_PCIE_DISABLE_BIT | `CDCM6208_DDR3_DISABLE_BIT");
    struct Case {
        uint8_t fmca, fmcd;
        const char* mode;
    };
    for (const Case& c : {Case{1, 3, "CDCM6208_MODE_0"}, Case{2, 1, "CDCM6208_MODE_1"},
                          Case{3, 2, "CDCM6208_MODE_2"}, Case{0, 3, "CDCM6208_MODE_0"}}) {
        TConfigCalvex calvex;
        calvex.Config.SetU8(C::bCdcmPll, 1);
        SetOutputs(calvex, C::nCdcm6208, {c.fmca, c.fmcd});
        EXPECT_NE(calvex.GetStructuralCode().find(std::string("assign cdcm6208_freq_select = `") + c.mode +
                                                  ";\r\n"),
                  std::string::npos)
            << c.mode;
    }
    TConfigCalvex lmk;
    lmk.Config.SetU8(C::bLmkPll, 1);
    SetOutputs(lmk, C::nLmk04906, {1, 1, 1, 1});
    EXPECT_NE(lmk.GetStructuralCode().find("assign lmk04906_freq_select = 4'b0000;\r\n"), std::string::npos);
}

TEST(Calvex, NeitherChipAddsNothing) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigCalvex calvex;
    SetOutputs(calvex, C::nCdcm6208, {2, 2, 1, 1, 0, 1});
    EXPECT_EQ(calvex.GetQsfAssignments(), "");
    EXPECT_EQ(calvex.GetStructuralCode(), "");
    EXPECT_TRUE(calvex.ExportVerilogModules(dir.Folder()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(Calvex, AnUnwritableControllerFileStopsTheRest) {
    ScriptedPlatform seam;
    SetResources(seam);
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "cdcm6208" / "I2C_CDCM6208_Controller.v" / "keep");
    TConfigCalvex calvex;
    calvex.Config.SetU8(C::bCdcmPll, 1);
    calvex.Config.SetU8(C::bLmkPll, 1);
    EXPECT_FALSE(calvex.ExportVerilogModules(dir.Folder()));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "cdcm6208" / "I2C_CDCM6208_Config.v"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "lmk04906"));
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(Calvex, OutputFrequencies) {
    ScriptedPlatform seam;
    TConfigCalvex calvex;
    SetOutputs(calvex, C::nCdcm6208, {3, 1, 1, 0, 1, 1});
    SetOutputs(calvex, C::nLmk04906, {1, 2, 0, 3});
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(0), 150.0f);
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(1), 100.0f);
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(2), 150.0f);
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(3), 0.0f);
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(4), 100.0f);
    EXPECT_EQ(calvex.Cdcm6208OutputFrequency(5), 133.33333f);
    EXPECT_EQ(calvex.Lmk04906OutputFrequency(0), 322.265625f);
    EXPECT_EQ(calvex.Lmk04906OutputFrequency(1), 644.53125f);
    EXPECT_EQ(calvex.Lmk04906OutputFrequency(2), 0.0f);
    EXPECT_EQ(calvex.Lmk04906OutputFrequency(3), 0.0f);
    EXPECT_EQ(AssertionOf([&] { calvex.Cdcm6208OutputFrequency(6); }),
              "Assertion failed: 0, file ConfigCalvex, line 441");
    EXPECT_EQ(AssertionOf([&] { calvex.Lmk04906OutputFrequency(4); }),
              "Assertion failed: 0, file ConfigCalvex, line 459");
}

TEST(Calvex, RecordAndChoicesOutsideTheirLists) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigCalvex calvex;
    calvex.Config.SetHead(29);
    calvex.Config.SetText(C::szFMCPrefixName + 3 * C::PrefixNameBytes, C::PrefixNameBytes, "D_");
    ASSERT_TRUE(calvex.SaveDefaultConfig());
    const std::string file = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(file.size(), 812u);
    EXPECT_EQ(file.substr(682, 3), std::string("D_\0", 3));
    TConfigCalvex loaded;
    ASSERT_TRUE(loaded.LoadDefaultConfig());
    EXPECT_EQ(loaded.Config, calvex.Config);

    SetOutputs(loaded, C::nCdcm6208, {4, 1, 2, 1, 7, 1});
    SetOutputs(loaded, C::nLmk04906, {3, 2, 0, 9});
    loaded.Config.SetU8(C::nBoardType, 2);
    BringChoicesIntoRange(loaded.Config, C::kChoiceFields);
    for (auto [field, expected] : {std::pair{C::nCdcm6208, 2},
                                   {C::nCdcm6208 + 1, 1},
                                   {C::nCdcm6208 + 2, 1},
                                   {C::nCdcm6208 + 4, 0},
                                   {C::nLmk04906, 2},
                                   {C::nLmk04906 + 1, 2},
                                   {C::nLmk04906 + 3, 2},
                                   {C::nBoardType, 0}})
        EXPECT_EQ(loaded.Config.U8(field), expected) << field;
}
