#pragma once
// Assertion lines that no board's checks fix, chosen once here. The texts and source
// names stay the boards' own; only the line numbers are ours.

namespace kit {

struct ChosenLine {
    const char* where; // source, or the kind of check
    const char* rule;
    int line;
};

// The head checks of a pin table ("Config.BoardId == ...", "Config.Size == ...") take
// the lines the Dunmir table uses for its own; a bus whose location list does not
// match its count (a table typo) stops at the third.
inline constexpr int kHeadIdLine = 24;
inline constexpr int kHeadSizeLine = 25;
inline constexpr int kRowCountLine = 60;
// The Ulmaro table's checks that an 80-pin card on header 0 sits on both headers.
inline constexpr int kUlmaroPairLine0 = 128;
inline constexpr int kUlmaroPairLine1 = 129;
// A row that names a bank whose standard the table has not set.
inline constexpr int kBankLine = 61;
// The Yarrin table's checks that an 80-pin card sits on both headers.
inline constexpr int kYarrinGpio0Line = 170;
inline constexpr int kYarrinGpio1Line = 171;

// clang-format off
inline constexpr ChosenLine kChosenLines[] = {
    {"CONFIG_<BOARD>", "Config.BoardId == MAINBOARD_<BOARD>", kHeadIdLine},
    {"CONFIG_<BOARD>", "Config.Size == sizeof(<BOARD>_CONFIG)", kHeadSizeLine},
    {"CONFIG_<BOARD>", "nNum == count", kRowCountLine},
    {"CONFIG_ULMARO", "Config.nGpioDaughterId[GPIO_0]", kUlmaroPairLine0},
    {"CONFIG_ULMARO", "Config.nGpioDaughterId[GPIO_1]", kUlmaroPairLine1},
    {"CONFIG_<BOARD>", "0", kBankLine},
    {"CONFIG_ZEPHAL", "nNum == nPinNum", kRowCountLine},
    {"CONFIG_YARRIN", "Config.nGpioDaughterId[GPIO_0]", kYarrinGpio0Line},
    {"CONFIG_YARRIN", "Config.nGpioDaughterId[GPIO_1]", kYarrinGpio1Line},
    {"ConfigBase", "Type == CONNECTOR_HSMC || Type == CONNECTOR_KAPPEL", 212},
    {"ConfigBase", "Type == CONNECTOR_MOXEN_2x6", 268},
    {"MainBoard", "Type == CONNECTOR_MOXEN_2x6", 1360},
    // The form routine's FMC test where it takes LPC cards too: the text of the board
    // model's FMC routine, the routine's own line.
    {"ConfigBase", "Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC", 231},
};
// clang-format on

// Source names spelled two ways across the boards: the name the assertions carry.
struct ChosenSource {
    const char* given;
    const char* chosen;
};

// clang-format off
inline constexpr ChosenSource kChosenSources[] = {
    // The attach routines of the older board forms: sources are named without extension.
    {"ConfigBase.h", "ConfigBase"},
};
// clang-format on

} // namespace kit
