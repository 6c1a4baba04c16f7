#pragma once
// Attaching a card to its master connector: the checks and copy every board form
// runs for each expansion connector that has a card, with the assertion texts and
// lines of the form shape that runs it.

#include "core/MainBoard.h"

#include <cstdint>
#include <string>

namespace kit {

// What a connector accepts, which names the type test of its attach step.
enum class CardKind {
    Gpio,
    Hsmc,
    HsmcOrKappel,
    FmcHpc,
    Moxen,
    Ddr2Sodimm,
    Ddr3Sodimm,
    Ddr3SodimmLower,
    Ddr3SodimmSstl15,
    Fmc,                     // an FMC port of the board model: HPC and LPC cards, named as such in its test
    Ddr2SodimmNoDiffStrobes, // without the complementary strobes; side-band and SA at 1.8 V
    Ddr2SodimmLvttl          // the complementary strobes; side-band and SA at 3.3-V LVTTL
};

// Which code runs the attach steps of a board, which names the source and lines of
// its assertions: the settings header's routines that the forms run, or the board
// model's own attach operations (the boards whose writers read a settings object),
// or the settings header's routines as the older board forms knew them, or the
// Glavin form's own copy of the HSMC routine.
enum class AttachShape { FormRoutine, BoardModel, OlderForm, GlavinForm };

// Where a failed check of an attach step stops the program.
struct AttachLines {
    const char* source;
    int typeLine;
    int masterLine;
    int updateLine;
    const char* updateRule = nullptr; // the copy check's own text; nullptr: the routines' text
    const char* typeRule = nullptr;   // the type test's text where it is the routine's own
};

// The lines of one kind of attach step in one shape.
AttachLines LinesOf(AttachShape shape, CardKind kind);

struct AttachStep {
    CardKind kind;
    uint8_t card;
    int masterId;
    std::string prefix;
    const char* pinOverride = nullptr; // "GPIO_0"; null or empty: none
    uint8_t ioStandard = IOSTD_3V3_LVTTL;
    int hsmcVariant = 0;
};

// Runs one attach step. False when the card has no pin table (a card a list offers
// must never end the program: Generate then fails); a card of the wrong type, a
// missing master or a refused copy are broken rules (assertions).
bool RunAttach(TMainBoard& board, const AttachStep& step, AttachShape shape);

// The type test's text of a connector kind (a routine may name its own, AttachLines).
const char* TypeRuleOf(CardKind kind);

// The longest pin name the card brings to a connector of this step on a board with
// these card rules (0 for no table).
std::size_t LongestCardPinName(const AttachStep& step, uint8_t boardId, const TCardRules& rules);
// Whether the step's card has a pin table (a list may offer one that has none).
bool CardHasPins(const AttachStep& step, uint8_t boardId, const TCardRules& rules);

} // namespace kit
