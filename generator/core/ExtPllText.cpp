// The external-PLL text and the controller instance that the oscillator text shares.
#include "ExtPllText.h"

#include "platform/Assert.h"
#include "platform/Text.h"

#include <iterator>

namespace {

const char* const kVRule = "//=======================================================\r\n";

// Options of a PLL clock; the index is also the value written.
// clang-format off
constexpr const char* kOptions[] = {
    "Unchange", "Disable", "62.5", "75", "100", "125", "150", "156.25", "187.5", "200", "250", "312.5", "625",
};

// clang-format on

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string OptionText(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kOptions)) ? kOptions[index] : "";
}

} // namespace

std::string ExtPllText(bool enabled, const int (&settings)[3], const ExtPllWiring& wiring) {
    if (!enabled)
        return std::string();
    const std::string texts[3] = {OptionText(settings[0]), OptionText(settings[1]), OptionText(settings[2])};
    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  External PLL Configuration ==========================");
    text += kVRule;
    text += "\r\n";
    return text + ExtPllControllerText(wiring, settings, texts);
}

std::string ExtPllControllerText(const ExtPllWiring& w, const int (&settings)[3],
                                 const std::string (&texts)[3]) {
    std::string text;
    text += Line("//  Signal declarations");
    text += Line("wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;");
    text += Line("wire         rstn;");
    text += Line("wire         conf_ready;");
    text += Line("wire         counter_max;");
    text += Line("wire  [7:0]  counter_inc;");
    text += Line("reg   [7:0]  auto_set_counter;");
    text += Line("reg          conf_wr;");
    text += "\r\n";
    text += Line("//  Structural coding");
    for (int i = 0; i < 3; ++i)
        text += Line(platform::Format("assign clk%d_set_wr = 4'd%d; //%s%s", i + 1, settings[i],
                                      texts[i].c_str(), w.suffix));
    text += "\r\n";
    text += Line(platform::Format("assign rstn = %s;", w.reset));
    text += Line("assign counter_max = &auto_set_counter;");
    text += Line("assign counter_inc = auto_set_counter + 1'b1;");
    text += "\r\n";
    text += Line(platform::Format("always @(posedge %s or negedge rstn)", w.osc));
    text += Line("\tif(!rstn)");
    text += Line("\tbegin");
    text += Line("\t\tauto_set_counter <= 0;");
    text += Line("\t\tconf_wr <= 0;");
    text += Line("\tend ");
    text += Line("\telse if (counter_max)");
    text += Line("\t\tconf_wr <= 1;");
    text += Line("\telse");
    text += Line("\t\tauto_set_counter <= counter_inc;");
    text += "\r\n";
    text += "\r\n";
    text += Line("ext_pll_ctrl ext_pll_ctrl_Inst(");
    text += Line(platform::Format("\t.osc_50(%s), //50MHZ", w.osc));
    text += Line("\t.rstn(rstn),");
    for (int i = 0; i < 3; ++i) {
        text += "\r\n";
        text += Line(platform::Format("\t// device %d (%s)", i + 1, w.device[i]));
        text += Line(platform::Format("\t.clk%d_set_wr(clk%d_set_wr),", i + 1, i + 1));
        text += Line(platform::Format("\t.clk%d_set_rd(),", i + 1));
    }
    text += "\r\n";
    text += Line("\t// setting trigger");
    text += Line("\t.conf_wr(conf_wr), // 1T 50MHz ");
    text += Line("\t.conf_rd(), // 1T 50MHz");
    text += "\r\n";
    text += Line("\t// status ");
    text += Line("\t.conf_ready(conf_ready),");
    text += "\r\n";
    text += Line("\t// 2-wire interface ");
    text += Line(platform::Format("\t.max_sclk(%s),", w.sclk));
    text += Line(platform::Format("\t.max_sdat(%s)", w.sdat));
    text += "\r\n";
    text += Line(");");
    return text;
}
