#include "Si5340Text.h"

#include "ConfigBoard.h"

#include "platform/Text.h"

#include <filesystem>
#include <system_error>

namespace si5340 {

namespace {

const char* const kQsfRule = "#============================================================\r\n";
const char* const kVRule = "//=======================================================\r\n";
const char* const kFolder = "si5340_controller";

// Si5340A choices: the define name and the frequency the form shows.
struct AChoice {
    const char* name;
    double mhz;
};

// clang-format off
constexpr AChoice kAChoices[] = {
    {"SI5340A_POWER_DOWN", 0},
    {"SI5340A_100M", 100},
    {"SI5340A_125M", 125},
    {"SI5340A_156M25", 156.25},
    {"SI5340A_250M", 250},
    {"SI5340A_312M5", 312.5},
    {"SI5340A_322M265625", 322.265},
    {"SI5340A_644M53125", 644.53125},
};

// The controller files, group by group: common, Si5340A, Si5340B.
constexpr const char* kCommonFiles[] = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                        "initial_config.v"};
constexpr const char* kAFiles[] = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                   "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"};
constexpr const char* kBFiles[] = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                   "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"};
// clang-format on

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string TerminationLines(Termination kind, char letter) {
    const std::string l(1, letter);
    switch (kind) {
    case Termination::Ddr3:
        return Line("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to DDR3" + l +
                    "_REFCLK_p");
    case Termination::Qdrii:
        return Line("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRII" + l +
                    "_REFCLK_p");
    case Termination::Pcie:
        return Line("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR "
                    "-to "
                    "PCIE_REFCLK_p") +
               Line("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p") +
               Line("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p");
    case Termination::OnBoardPcie:
        return Line(
            "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p");
    case Termination::Qsfp:
        return Line("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to QSFP" + l +
                    "_REFCLK_p") +
               Line("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP" + l + "_RX_p") +
               Line("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP" + l + "_TX_p");
    }
    return std::string();
}

template <class F> void ForEachFile(bool aUsed, bool bUsed, F f) {
    if (aUsed || bUsed)
        for (const char* file : kCommonFiles)
            f(file, true);
    if (aUsed)
        for (const char* file : kAFiles)
            f(file, false);
    if (bUsed)
        for (const char* file : kBFiles)
            f(file, false);
}

} // namespace

std::string TerminationBlock(std::span<const TerminationRow> rows, std::span<const uint8_t> record) {
    std::string lines;
    for (const TerminationRow& row : rows)
        if (record[row.flag] != 0)
            lines += TerminationLines(row.kind, row.letter);
    if (lines.empty())
        return std::string();
    return "\r\n" + std::string(kQsfRule) + Line("# Termination Settings") + kQsfRule + lines + "\r\n";
}

std::string QsfFileBlock(bool aUsed, bool bUsed) {
    std::string lines;
    ForEachFile(aUsed, bUsed, [&](const char* file, bool) {
        lines += platform::Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kFolder, file);
    });
    if (lines.empty())
        return std::string();
    return "\r\n" + std::string(kQsfRule) + Line("# Includes SI5340 Controller Files") + kQsfRule + lines +
           "\r\n";
}

bool ExportModules(const std::string& folder, bool aUsed, bool bUsed, const BoardTexts& board) {
    if (!aUsed && !bUsed)
        return true;
    bool result = true;
    const std::string sub = platform::Format("%s%s/", folder.c_str(), kFolder);
    std::error_code ec;
    if (!std::filesystem::is_directory(sub, ec))
        result = std::filesystem::create_directory(sub, ec);
    ForEachFile(aUsed, bUsed, [&](const char* file, bool common) {
        if (!result)
            return;
        const std::string resource = std::string(common ? board.commonPrefix : board.chipPrefix) +
                                     platform::ChangeFileExt(file, "_verilog");
        result = TConfigBoard::ExportResource(sub + file, resource);
    });
    return result;
}

double ListFrequency(std::span<const double> mhz, uint8_t choice) {
    return choice >= 1 && choice <= mhz.size() ? mhz[choice - 1] : 0;
}

std::string DefineName(uint8_t choice) {
    return choice < std::size(kAChoices) ? kAChoices[choice].name : "";
}

double AFrequency(uint8_t choice) {
    return choice < std::size(kAChoices) ? kAChoices[choice].mhz : 0;
}

std::string ACode(const BoardTexts& board, uint8_t out0, uint8_t out1, uint8_t out2, uint8_t out3) {
    const std::string names[4] = {DefineName(out0), DefineName(out1), DefineName(out2), DefineName(out3)};
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  Configure SI5340A ");
    text += kVRule;
    text += Line("`define SI5340A_POWER_DOWN  3'h0");
    text += Line("`define SI5340A_644M53125   3'h1");
    text += Line("`define SI5340A_322M265625  3'h2");
    text += Line("`define SI5340A_312M5       3'h3");
    text += Line("`define SI5340A_250M        3'h4");
    text += Line("`define SI5340A_156M25      3'h5");
    text += Line("`define SI5340A_125M        3'h6");
    text += Line("`define SI5340A_100M        3'h7");
    text += "\r\n";
    text += Line("wire si5340a_controller_start;");
    if (*board.aDoneWire != '\0')
        text += Line(platform::Format("wire %s;", board.aDoneWire)) + "\r\n";
    text += Line("assign si5340a_controller_start = ~BUTTON[0];");
    text += "\r\n";
    text += Line("si5340a_controller si5340a_controller(");
    text += Line(platform::Format("    .iCLK(%s),", board.clock));
    text += Line("    .iRST_n(CPU_RESET_n),");
    text += Line("    .iStart(si5340a_controller_start),");
    static const char* const kQsfp = "ABCD";
    for (int i = 0; i < 4; ++i)
        text +=
            Line(platform::Format("    .iPLL_OUT%d_FREQ_SEL(`%s),//QSFP-%c", i, names[i].c_str(), kQsfp[i]));
    text += Line("    .I2C_CLK(SI5340A_I2C_SCL),");
    text += Line("    .I2C_DATA(SI5340A_I2C_SDA),");
    text += Line(platform::Format("    .oPLL_REG_CONFIG_DONE(%s)", board.aDoneWire));
    text += Line(");");
    text += "\r\n";
    text += Line("assign SI5340A_OE_n = 1'b0;");
    text += Line("assign SI5340A_RST_n = CPU_RESET_n;");
    text += "\r\n";
    return text;
}

std::string BCode(const BoardTexts& board, const std::string& selected) {
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  Configure SI5340B ");
    text += kVRule;
    for (const char* define : board.bDefines)
        text += Line(define);
    text += "\r\n";
    text += Line("wire si5340b_controller_start;");
    text += Line(platform::Format("wire %s;", board.bDoneWire));
    text += "\r\n";
    text += Line("assign si5340b_controller_start = ~BUTTON[0];");
    text += "\r\n";
    text += Line("si5340b_controller si5340b_controller(");
    text += Line(platform::Format("    .iCLK(%s),", board.clock));
    text += Line("    .iRST_n(CPU_RESET_n),");
    text += Line("    .iStart(si5340b_controller_start),");
    text += Line(platform::Format("    .iPLL_OUT_FREQ_SEL(`%s),", selected.c_str()));
    text += Line("    .I2C_CLK(SI5340B_I2C_SCL),");
    text += Line("    .I2C_DATA(SI5340B_I2C_SDA),");
    text += Line(platform::Format("    .oPLL_REG_CONFIG_DONE(%s)", board.bDoneWire));
    text += Line(");");
    text += "\r\n";
    text += Line("assign SI5340B_OE_n = 1'b0;");
    text += Line("assign SI5340B_RST_n = CPU_RESET_n;");
    text += "\r\n";
    return text;
}

} // namespace si5340
