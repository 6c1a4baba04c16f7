// The programmable-oscillator texts (source EXTRA_S5 in the assertions).
#include "OscillatorText.h"

#include "platform/Assert.h"
#include "platform/Text.h"

#include <iterator>

namespace {

const char* const kVRule = "//=======================================================\r\n";

// Si570 choices 1-7: frequency and the controller's mode.
struct Si570Choice {
    double mhz;
    const char* mode;
};

// CDCM61004 choices 1-11: frequency and the line that selects it.
struct Cdcm61004Choice {
    double mhz;
    const char* select;
};

// clang-format off
constexpr Si570Choice kSi570[] = {
    {100, "3'b000"},
    {125, "3'b001"},
    {156.25, "3'b010"},
    {250, "3'b011"},
    {312.5, "3'b100"},
    {322.265, "3'b101"},
    {644.53125, "3'b110"},
};

constexpr Cdcm61004Choice kCdcm61004[] = {
    {62.5, "assign desired_freq = 4'd0;  // 62.5 \tMHz"},
    {75, "assign desired_freq = 4'd1;  // 75 \tMHz"},
    {100, "assign desired_freq = 4'd2;  // 100 \tMHz"},
    {125, "assign desired_freq = 4'd3;  // 125 \tMHz"},
    {150, "assign desired_freq = 4'd4;  // 150 \tMHz"},
    {156.25, "assign desired_freq = 4'd5;  // 156.25\tMHz"},
    {187.5, "assign desired_freq = 4'd6;  // 187.5 \tMHz"},
    {200, "assign desired_freq = 4'd7;  // 200 \tMHz"},
    {250, "assign desired_freq = 4'd8;  // 250 \tMHz"},
    {312.5, "assign desired_freq = 4'd9;  // 312.5 \tMHz"},
    {625, "assign desired_freq = 4'd10; // 625 \tMHz"},
};

// The external-PLL options of the CDCM61001/CDCM61004 pair, in index order.
constexpr const char* kExtPllOptions[] = {
    "Unchange", "Disabled", "62.5 MHz", "75 MHz", "100 MHz", "125 MHz", "150 MHz", "156.25 MHz", "187.5 MHz",
    "200 MHz", "250 MHz", "312.5 MHz", "625 MHz",
};

// clang-format on

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string OptionText(uint8_t index) {
    return index < std::size(kExtPllOptions) ? kExtPllOptions[index] : "";
}

} // namespace

std::string GetCdcmAndSi570Code(int32_t cdcm61004, int32_t si570) {
    std::string text;
    if (cdcm61004 != 0)
        text += GetCdcm61004Code(static_cast<uint8_t>(cdcm61004));
    if (si570 != 0)
        text += GetSi570Code(static_cast<uint8_t>(si570), "CPU_RESET_n");
    return text;
}

double Si570Frequency(uint8_t index) {
    return index >= 1 && index <= std::size(kSi570) ? kSi570[index - 1].mhz : 0;
}

double Cdcm61004Frequency(uint8_t index) {
    return index >= 1 && index <= std::size(kCdcm61004) ? kCdcm61004[index - 1].mhz : 0;
}

double Cdcm61001Frequency(uint8_t index) {
    return index >= 1 ? Cdcm61004Frequency(static_cast<uint8_t>(index - 1)) : 0;
}

std::string GetSi570Code(uint8_t choice, const char* reset) {
    const char* mode = choice >= 1 && choice <= std::size(kSi570) ? kSi570[choice - 1].mode : "";
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line(
        platform::Format("//  Configure SI570 as %.5f MHz =====================", Si570Frequency(choice)));
    text += kVRule;
    text += "\r\n";
    text += Line("si570_controller si570_controller_inst(");
    text += Line("    .iCLK(OSC_50_B3B), // system   clock 50mhz ");
    text += Line(platform::Format("    .iRST_n(%s), // system reset;", reset));
    text += Line(platform::Format("    .iFREQ_MODE(%s),", mode));
    text += Line("    .I2C_CLK(CLOCK_SCL),");
    text += Line("    .I2C_DATA(CLOCK_SDA),");
    text += Line("    .oController_Ready()");
    text += Line(");");
    return text;
}

std::string GetCdcm61004Code(uint8_t choice) {
    if (choice < 1 || choice > std::size(kCdcm61004))
        platform::AssertFailed("0", "EXTRA_S5", 58);
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line(platform::Format("//  Configure CDCM61004 as %.2f MHz ====================",
                                  Cdcm61004Frequency(choice)));
    text += kVRule;
    text += Line("wire [3:0] desired_freq;");
    text += "\r\n";
    for (std::size_t row = 0; row < std::size(kCdcm61004); ++row)
        text += Line((row + 1 == choice ? "" : "//") + std::string(kCdcm61004[row].select));
    text += "\r\n";
    text += Line("CDCM6100x_Config CDCM61004_Config_inst(");
    text += Line("\t.clk_50m(OSC_50_B3B),");
    text += Line("\t.recal_n(CPU_RESET_n),");
    text += Line("\t.desired_freq(desired_freq),");
    text += Line("\t.CLK_CE(CLK_CE),");
    text += Line("\t.CLK_OD(CLK_OD),");
    text += Line("\t.CLK_OS(CLK_OS),");
    text += Line("\t.CLK_PR(CLK_PR),");
    text += Line("\t.CLK_RST_n(CLK_RST_n)");
    text += Line(");");
    text += "\r\n";
    return text;
}

std::string GetExtPllCtrlCode(const ExtPllWiring& wiring, uint8_t c1, uint8_t c2, uint8_t c3) {
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  CDCM61001/CDCM61004 External PLL Configuration ");
    text += Line("//      Configure CDCM61001 as " + OptionText(c1));
    text += Line("//      Configure CDCM61004 as " + OptionText(c2));
    text += kVRule;
    text += "\r\n";
    const int settings[3] = {c1, c2, c3};
    const std::string texts[3] = {OptionText(c1), OptionText(c2), OptionText(c3)};
    return text + ExtPllControllerText(wiring, settings, texts);
}
