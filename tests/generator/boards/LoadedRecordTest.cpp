// A record loaded from a file is generated as the form shows it, on every board: what
// tools/gen-project runs (a new form's record, Load Setting, Generate) gives the
// project a user would get, byte for byte where the case names a text.
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/kit/Generate.h"
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/embrel/ConfigEmbrel.h"
#include "boards/latest/ulmaro/ULMARO_CONFIG.h"
#include "boards/latest/vardis/VARDIS_CONFIG.h"
#include "boards/latest/wendro/WENDRO_CONFIG.h"
#include "boards/latest/yarrin/YARRIN_CONFIG.h"
#include "boards/second/elbrin/ELBRIN_CONFIG.h"
#include "boards/second/ostrel/OSTREL_CONFIG.h"
#include "boards/second/rasmel/RASMEL_CONFIG.h"
#include "model/DaughterId.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct LoadedCase {
    const char* name;
    uint8_t board;
    void (*change)(SettingsRecord& r);
    const char* extension; // the project file the texts are looked for in
    const char* holds;     // "" for none
    const char* lacks;     // "" for none
};

using Abrenz = TConfigAbrenz::ABRENZ_CONFIG;
using Embrel = TConfigEmbrel::EMBREL_CONFIG;

// clang-format off
const LoadedCase kCases[] = {
    // A ticked box is 1 to every writer, whatever non-zero byte the file held.
    {"a box byte of 2 is ticked", MAINBOARD_ULMARO, [](SettingsRecord& r) { r.SetU8(ULMARO_CONFIG::bVGA, 2); },
     ".sdc", "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n", ""},
    {"a box byte of 7 is ticked", MAINBOARD_VARDIS, [](SettingsRecord& r) { r.SetU8(VARDIS_CONFIG::bAudio, 7); },
     ".sdc", "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n", ""},
    {"a box byte of 255 is ticked", MAINBOARD_YARRIN, [](SettingsRecord& r) { r.SetU8(YARRIN_CONFIG::bVGA, 255); },
     ".sdc", "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n", ""},
    // A clock list whose interfaces are all unticked shows and stores its "off" item.
    {"no SFP+ cage: both oscillators off", MAINBOARD_OSTREL, [](SettingsRecord& r) {
         r.SetI32(OSTREL_CONFIG::nSi570Freq, 3);
         r.SetI32(OSTREL_CONFIG::nCdcm61004Freq, 3);
     }, ".v", "", "si570_controller"},
    {"nothing clocked: both oscillators off", MAINBOARD_RASMEL, [](SettingsRecord& r) {
         r.SetI32(RASMEL_CONFIG::nSi570Freq, 3);
         r.SetI32(RASMEL_CONFIG::nCdcm61004Freq, 3);
     }, ".v", "", "CDCM6100x_Config"},
    {"QSFP A unticked: its clock powered down", MAINBOARD_ABRENZ, [](SettingsRecord& r) {
         r.SetU8(Abrenz::bQsfpA, 0);
         r.SetI32(Abrenz::nSi5340A, 7);
     }, ".v", "", "644M53125"},
    {"QSFP A unticked: its clock powered down", MAINBOARD_EMBREL, [](SettingsRecord& r) {
         r.SetU8(Embrel::bQsfpA, 0);
         r.SetI32(Embrel::nSi5340A, 7);
     }, ".v", "", "644M53125"},
    // "None" shows no prefix, so none reaches the pins.
    {"the generic header card of 2.5 V takes no stored prefix", MAINBOARD_ELBRIN, [](SettingsRecord& r) {
         r.SetI32(ELBRIN_CONFIG::nGpioVoltage, 1);
         r.SetU8(ELBRIN_CONFIG::nGpioDaughterId, 0);
         r.SetText(ELBRIN_CONFIG::szGpioPrefixName, "Q_");
     }, ".qsf", " -to GPIO[0]\r\n", "Q_GPIO"},
    // Each header looks its card up in its own list.
    {"a card the list lacks on GPIO-0 leaves GPIO-1's card", MAINBOARD_WENDRO, [](SettingsRecord& r) {
         r.SetU8(WENDRO_CONFIG::nGpioDaughterId[GPIO_0], DAUGHTER_TURVIN_GPIO);
         r.SetU8(WENDRO_CONFIG::nGpioDaughterId[GPIO_1], 53);
         r.SetText(WENDRO_CONFIG::szGpioPrefixName[GPIO_1], "D_");
     }, ".htm", "name=\"GPIO_1\"", "name=\"GPIO_0\""},
};
// clang-format on

void PrintTo(const LoadedCase& c, std::ostream* out) {
    *out << "board " << int(c.board) << ": " << c.name;
}

class LoadedRecord : public ::testing::TestWithParam<LoadedCase> {};

TEST_P(LoadedRecord, IsGeneratedAsTheFormShowsIt) {
    const LoadedCase& c = GetParam();
    const kit::BoardLogic& logic = *FindBoardLogic(c.board);
    platform::testing::ScriptedPlatform seam;
    seam.AnswerQuestionsWith(platform::Button::Yes);
    seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    SettingsRecord r = StartRecord(logic);
    c.change(r);
    Normalise(logic, r);
    testsupport::TempDir dir;
    ASSERT_TRUE(GenerateLoaded(logic, r, dir.File("loaded.qpf")));
    const std::string text = testsupport::ReadFile(dir.File(std::string("loaded") + c.extension));
    if (*c.holds != '\0') {
        EXPECT_NE(text.find(c.holds), std::string::npos) << c.holds;
    }
    if (*c.lacks != '\0') {
        EXPECT_EQ(text.find(c.lacks), std::string::npos) << c.lacks;
    }
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(dir.Folder(), output)) << output;
}

INSTANTIATE_TEST_SUITE_P(Boards, LoadedRecord, ::testing::ValuesIn(kCases), [](const auto& info) {
    return "Board" + std::to_string(info.param.board) + "_" + std::to_string(info.index);
});

} // namespace
