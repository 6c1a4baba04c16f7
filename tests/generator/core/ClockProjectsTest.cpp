// The clock-chip boards' projects with the program's own module resources: every
// resource name the writers use finds its module, and each board's generated
// project (top level plus exported modules) compiles as a whole. Each board model is
// built by hand with only the ports its clock text uses, so a failure points at the
// writers and the modules, not at a pin table (the board tests cover those).
#include "boards/latest/ClockChipText.h"
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/calvex/ConfigCalvex.h"
#include "boards/latest/embrel/ConfigEmbrel.h"
#include "boards/latest/forvik/ForvikText.h"
#include "boards/second/harlin/HarlinText.h"
#include "boards/second/lomar/LomarText.h"
#include "boards/second/ostrel/OstrelText.h"
#include "boards/second/pallex/PallexText.h"
#include "boards/second/rasmel/RasmelText.h"
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::TempDir;

namespace {

struct ModuleResource {
    const char* name; // as a writer asks for it
    const char* module;
};

// clang-format off
constexpr ModuleResource kResources[] = {
    {"EXT_PLL_CTRL_VERILOG", "ext_pll_ctrl"},
    {"si570_controller_verilog", "si570_controller"},
    {"clock_divider_verilog", "clock_divider"},
    {"edge_detector_verilog", "edge_detector"},
    {"i2c_bus_controller_verilog", "i2c_bus_controller"},
    {"i2c_controller_verilog", "i2c_controller"},
    {"i2c_reg_controller_verilog", "i2c_reg_controller"},
    {"initial_config_verilog", "initial_config"},
    {"cdcm6100x_config_verilog", "CDCM6100x_Config"},
    {"abrenz_clock_divider_verilog", "clock_divider"},
    {"abrenz_edge_detector_verilog", "edge_detector"},
    {"abrenz_i2c_bus_controller_verilog", "i2c_bus_controller"},
    {"abrenz_initial_config_verilog", "initial_config"},
    {"si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen"},
    {"si5340a_controller_verilog", "si5340a_controller"},
    {"si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector"},
    {"si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller"},
    {"si5340b_clk_frq_sel_gen_verilog", "si5340b_clk_frq_sel_gen"},
    {"si5340b_controller_verilog", "si5340b_controller"},
    {"si5340b_freq_prameter_selector_verilog", "si5340b_freq_prameter_selector"},
    {"si5340b_i2c_reg_controller_verilog", "si5340b_i2c_reg_controller"},
    {"embrel_clock_divider_verilog", "clock_divider"},
    {"embrel_edge_detector_verilog", "edge_detector"},
    {"embrel_i2c_bus_controller_verilog", "i2c_bus_controller"},
    {"embrel_initial_config_verilog", "initial_config"},
    {"embrel_si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen"},
    {"embrel_si5340a_controller_verilog", "si5340a_controller"},
    {"embrel_si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector"},
    {"embrel_si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller"},
    {"embrel_si5340b_clk_frq_sel_gen_verilog", "si5340b_clk_frq_sel_gen"},
    {"embrel_si5340b_controller_verilog", "si5340b_controller"},
    {"embrel_si5340b_freq_prameter_selector_verilog", "si5340b_freq_prameter_selector"},
    {"embrel_si5340b_i2c_reg_controller_verilog", "si5340b_i2c_reg_controller"},
    {"CALVEX_CDCM6208_config_verilog", "I2C_CDCM6208_Config"},
    {"CALVEX_CDCM6208_controller_verilog", "I2C_CDCM6208_Controller"},
    {"CALVEX_LMK04906_config_verilog", "SPI_LMK04906_Config"},
};
// clang-format on

struct Port {
    const char* name;
    uint8_t direction;
};

const Port kResetAndOsc[] = {{"OSC_50_B3B", DIRECTION_INPUT}, {"CPU_RESET_n", DIRECTION_INPUT}};
const Port kSi570[] = {{"CLOCK_SCL", DIRECTION_OUTPUT}, {"CLOCK_SDA", DIRECTION_INOUT}};
const Port kCdcm61004[] = {
    {"CLK_CE", DIRECTION_OUTPUT},    {"CLK_OD[0]", DIRECTION_OUTPUT}, {"CLK_OD[1]", DIRECTION_OUTPUT},
    {"CLK_OD[2]", DIRECTION_OUTPUT}, {"CLK_OS[0]", DIRECTION_OUTPUT}, {"CLK_OS[1]", DIRECTION_OUTPUT},
    {"CLK_PR[0]", DIRECTION_OUTPUT}, {"CLK_PR[1]", DIRECTION_OUTPUT}, {"CLK_RST_n", DIRECTION_OUTPUT},
};
const Port kSi5340[] = {
    {"CPU_RESET_n", DIRECTION_INPUT},     {"BUTTON[0]", DIRECTION_INPUT},
    {"BUTTON[1]", DIRECTION_INPUT},       {"SI5340A_I2C_SCL", DIRECTION_OUTPUT},
    {"SI5340A_I2C_SDA", DIRECTION_INOUT}, {"SI5340A_OE_n", DIRECTION_OUTPUT},
    {"SI5340A_RST_n", DIRECTION_OUTPUT},  {"SI5340B_I2C_SCL", DIRECTION_OUTPUT},
    {"SI5340B_I2C_SDA", DIRECTION_INOUT}, {"SI5340B_OE_n", DIRECTION_OUTPUT},
    {"SI5340B_RST_n", DIRECTION_OUTPUT},
};

TConnector* Connector(const char* name, std::span<const Port> ports) {
    auto* c = new TConnector(name, "", CONNECTOR_NONE, -1);
    for (const Port& p : ports)
        c->AddPin(new TPin(p.name, "", p.direction, IOSTD_3V3_LVTTL, 0.0f));
    return c;
}

std::vector<std::string> VerilogFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        if (e.path().extension() == ".v")
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Generates the board into a fresh folder; the project and its modules must
// compile together, and the modules are those listed.
void GenerateAndCompile(TMainBoard& b, const std::vector<std::string>& modules) {
    b.m_Family = "Cyclone V";
    b.m_Device = "5CGXFC5C6F27C7";
    TempDir dir;
    TPinwright w;
    ASSERT_TRUE(w.Generate(&b, dir.File("clocks.qpf"))) << int(b.m_BoardId);
    std::vector<std::string> files = VerilogFiles(dir.Path());
    std::vector<std::string> relative;
    for (const std::string& f : files)
        relative.push_back(std::filesystem::relative(f, dir.Path()).string());
    std::vector<std::string> expected = modules;
    expected.push_back("clocks.v");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(relative, expected) << int(b.m_BoardId);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsAll(files, output)) << int(b.m_BoardId) << "\n" << output;
}

// The program's own resources behind the test seam.
void UseProgramResources(ScriptedPlatform& seam) {
    seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
}

const std::vector<std::string> kSi570Files = {
    "clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v", "i2c_controller.v",
    "i2c_reg_controller.v", "initial_config.v", "si570_controller.v"};

std::vector<std::string> Si5340Files() {
    std::vector<std::string> files;
    for (const char* f :
         {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v", "initial_config.v",
          "si5340a_clk_frq_sel_gen.v", "si5340a_controller.v", "si5340a_freq_prameter_selector.v",
          "si5340a_i2c_reg_controller.v", "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
          "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"})
        files.push_back(std::string("si5340_controller/") + f);
    return files;
}

} // namespace

TEST(ModuleResources, EveryNameTheWritersUseFindsItsModule) {
    for (const ModuleResource& r : kResources) {
        std::optional<std::string> text = platform::ReadResourceBytes(r.name);
        ASSERT_TRUE(text.has_value()) << r.name;
        EXPECT_NE(text->find(std::string("\nmodule ") + r.module + " "), std::string::npos) << r.name;
    }
}

TEST(ClockProjects, ExternalPllBoards) {
    ScriptedPlatform seam;
    UseProgramResources(seam);
    {
        TMainBoard b;
        b.m_BoardId = MAINBOARD_HARLIN;
        RecordOf<HarlinText>(b).SetU8(HARLIN_CONFIG::bExtPLL, 1);
        RecordOf<HarlinText>(b).SetU8(HARLIN_CONFIG::nPllFreq + 2, 12);
        const Port ports[] = {{"OSC_50_BANK2", DIRECTION_INPUT},
                              {"CPU_RESET_n", DIRECTION_INPUT},
                              {"MAX_I2C_SCLK", DIRECTION_OUTPUT},
                              {"MAX_I2C_SDAT", DIRECTION_INOUT}};
        b.AddConnector(Connector("CLOCK", ports));
        GenerateAndCompile(b, {"EXT_PLL_CTRL.v"});
    }
    {
        TMainBoard b;
        b.m_BoardId = MAINBOARD_LOMAR;
        RecordOf<LomarText>(b).SetU8(LOMAR_CONFIG::bExtPLL, 1);
        RecordOf<LomarText>(b).SetU8(LOMAR_CONFIG::nPllFreq, 7);
        const Port ports[] = {{"OSC_50_BANK1", DIRECTION_INPUT},
                              {"MAX2_I2C_SCL", DIRECTION_OUTPUT},
                              {"MAX2_I2C_SDA", DIRECTION_INOUT}};
        b.AddConnector(Connector("CLOCK", ports));
        GenerateAndCompile(b, {"EXT_PLL_CTRL.v"});
    }
}

TEST(ClockProjects, OscillatorBoards) {
    ScriptedPlatform seam;
    UseProgramResources(seam);
    std::vector<std::string> withCdcm = kSi570Files;
    withCdcm.push_back("CDCM6100x_Config.v");
    for (uint8_t id : {MAINBOARD_OSTREL, MAINBOARD_RASMEL}) {
        TMainBoard b;
        b.m_BoardId = id;
        if (id == MAINBOARD_OSTREL) {
            RecordOf<OstrelText>(b).SetI32(OSTREL_CONFIG::nSi570Freq, 6);
            RecordOf<OstrelText>(b).SetI32(OSTREL_CONFIG::nCdcm61004Freq, 10);
        } else {
            RecordOf<RasmelText>(b).SetI32(RASMEL_CONFIG::nSi570Freq, 1);
            RecordOf<RasmelText>(b).SetI32(RASMEL_CONFIG::nCdcm61004Freq, 1);
        }
        b.AddConnector(Connector("CLOCK", kResetAndOsc));
        b.AddConnector(Connector("SI570", kSi570));
        b.AddConnector(Connector("CDCM61004", kCdcm61004));
        GenerateAndCompile(b, withCdcm);
    }
    TMainBoard b;
    b.m_BoardId = MAINBOARD_PALLEX;
    RecordOf<PallexText>(b).SetI32(PALLEX_CONFIG::nSi570Freq, 3);
    RecordOf<PallexText>(b).SetI32(PALLEX_CONFIG::nCdcm61004Freq, 5);
    RecordOf<PallexText>(b).SetI32(PALLEX_CONFIG::nCdcm61001Freq, 11);
    const Port pll[] = {{"PLL_SCL", DIRECTION_OUTPUT}, {"PLL_SDA", DIRECTION_INOUT}};
    b.AddConnector(Connector("CLOCK", kResetAndOsc));
    b.AddConnector(Connector("SI570", kSi570));
    b.AddConnector(Connector("PLL", pll));
    std::vector<std::string> withPll = kSi570Files;
    withPll.push_back("EXT_PLL_CTRL.v");
    GenerateAndCompile(b, withPll);
}

TEST(ClockProjects, Si5340Boards) {
    ScriptedPlatform seam;
    UseProgramResources(seam);
    TConfigAbrenz abrenz;
    using A = TConfigAbrenz::ABRENZ_CONFIG;
    abrenz.Config.SetI32(A::nSi5340A, 1);
    abrenz.Config.SetI32(A::nSi5340A + 12, 6);
    abrenz.Config.SetI32(A::nSi5340BDdr3, 2);
    abrenz.Config.SetI32(A::nSi5340BQdrii, 4);
    abrenz.Config.SetU8(A::bQsfpA, 1);
    TConfigEmbrel embrel;
    using E = TConfigEmbrel::EMBREL_CONFIG;
    embrel.Config.SetI32(E::nSi5340A + 4, 7);
    embrel.Config.SetI32(E::nSi5340B, 2);
    for (auto [id, clock, settings] :
         {std::tuple<uint8_t, const char*, TConfigBoard*>{27, "CLK_50_B2J", &abrenz},
          {31, "CLK_50_B2F", &embrel}}) {
        TMainBoard b;
        b.m_BoardId = id;
        b.SetBoardText(std::make_unique<ClockChipText>(settings));
        const Port osc[] = {{clock, DIRECTION_INPUT}};
        b.AddConnector(Connector("CLOCK", osc));
        b.AddConnector(Connector("SI5340", kSi5340));
        GenerateAndCompile(b, Si5340Files());
    }
}

TEST(ClockProjects, Cdcm6208AndLmk04906Board) {
    ScriptedPlatform seam;
    UseProgramResources(seam);
    TConfigCalvex calvex;
    using C = TConfigCalvex::CALVEX_CONFIG;
    calvex.Config.SetU8(C::bCdcmPll, 1);
    calvex.Config.SetU8(C::bLmkPll, 1);
    calvex.Config.SetU8(C::nCdcm6208, 2);
    calvex.Config.SetU8(C::nLmk04906 + 1, 2);
    TMainBoard b;
    b.m_BoardId = MAINBOARD_CALVEX;
    b.SetBoardText(std::make_unique<ClockChipText>(&calvex));
    const Port lmk[] = {{"OSC_50_B4A", DIRECTION_INPUT},
                        {"LMK04906_CLK", DIRECTION_OUTPUT},
                        {"LMK04906_DATAIN", DIRECTION_OUTPUT},
                        {"LMK04906_LE", DIRECTION_OUTPUT}};
    b.AddConnector(Connector("CLOCK", kResetAndOsc));
    b.AddConnector(Connector("CDCM6208", kSi570));
    b.AddConnector(Connector("LMK04906", lmk));
    GenerateAndCompile(b, {"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v",
                           "lmk04906/SPI_LMK04906_Config.v"});
}
