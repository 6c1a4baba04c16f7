#pragma once
// A board form as data: which check box sets which record byte and which outline,
// which combo box, prefix edit, picture and card list serve which connector, and
// the policies in which the form shapes of the catalogue differ.

#include "Attach.h"
#include "core/CardRules.h"
#include "model/DaughterId.h" // the card lists' connector types and voltages
#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kit {

// A peripheral check box: its byte in the record and the outlines that follow it.
struct FlagBinding {
    const char* box;
    std::size_t offset;
    uint8_t defaultValue;
    const char* shape = nullptr;
    const char* shape2 = nullptr;
    std::span<const char* const> moreShapes = {}; // a box that shows a whole group of outlines
};

// The arguments of one card list (all boards build their lists from the catalogue),
// and the cards a board offers after the catalogue's, in its order.
struct CardListSpec {
    uint8_t connectorType;
    bool transceivers;
    uint8_t voltage;
    std::span<const uint8_t> appended = {};
};

// An expansion connector with its card choice and how its card is attached. A
// connector whose card a board chooses with controls of its own (a dialog) has no
// combo, prefix edit or picture here: the form kit binds none, the board does.
struct ConnectorBinding {
    const char* combo; // nullptr: bound by the board
    const char* prefixEdit;
    const char* image; // the card's picture; nullptr: none
    const char* shape; // outline shown while a card is chosen; nullptr: none
    std::size_t idOffset;
    std::size_t prefixOffset;
    int list; // index into the board's card lists
    CardKind kind;
    int masterId;
    uint8_t ioStandard;
    const char* pinOverride = nullptr;
    int hsmcVariant = 0; // the HSMC Default tables' extra value (a port index on some boards)
    // 4: the record keeps this card id as a signed 32-bit number.
    std::size_t idBytes = 1;
    // The connector as the form names it, for messages about its card.
    const char* title = nullptr;
};

// Where the record keeps its head.
struct HeadOffsets {
    std::size_t boardId;
    std::size_t size;
    std::size_t projectName;
};
inline constexpr HeadOffsets kCommonHead{CommonRecordHead::BoardId, CommonRecordHead::Size,
                                         CommonRecordHead::ProjectName};
inline constexpr HeadOffsets kSizeFirstHead{SizeFirstRecordHead::BoardId, SizeFirstRecordHead::Size,
                                            SizeFirstRecordHead::ProjectName};

// When a form stores its settings in default.cfg at the end of its life.
enum class SaveAtEnd { OnClose, InDestructor, Never };

// GPIO Default on both headers with both prefixes empty: the newest forms name the
// pins after their header ("GPIO_0", "GPIO_1") and skip the prefix rule; the older
// forms keep the prefix rule, which refuses the pair.
enum class DefaultPairRule { HeaderNames, PrefixRule };

// Two GPIO headers coupled for cards that span both (connector indexes).
struct GpioPair {
    int header0;
    int header1;
    int bothMasterId = MASTER_GPIO_BOTH;
    DefaultPairRule defaultPair = DefaultPairRule::HeaderNames;
    bool lockOnShow = true; // showing a record also sets which header's controls are locked
};

// What a store of the controls writes into the record's head: the board id and size, the size
// only, or nothing (the head then stays as the defaults or the loaded file left it).
enum class HeadOnSave { IdAndSize, SizeOnly, Keep };

// The record a Generate starts from before the controls are copied in: zeroed, or
// the settings object's record (whose bytes no control covers then come along), or
// the settings object's record once Generate has stored the controls in it (the
// record then keeps them, as a Save would).
enum class GenerateFrom { Zeroed, Settings, StoredSettings };

// One of the board's own lists of fixed choices (a voltage, a clock, a variant): its
// combo box and the record field that keeps the item chosen (its width is the one the
// BoardSpec's choices give, else one byte).
struct ChoiceBinding {
    const char* combo;
    std::size_t offset;
};

// A list of the board's own whose item picks the card list of one connector (an I/O
// voltage): another item fills the connector's combo box again, "None" chosen; a new
// form shows the item the BoardSpec's choices give as the default.
struct ListSwitch {
    std::size_t choice; // the list's record field, one of the BoardSpec's choices
    int connector;
    int (*listOf)(int32_t item);
};

// An edit of the board's own that shows a text field of the record.
struct TextBinding {
    const char* edit;
    std::size_t offset;
};

// When a loaded card id is not in its combo box's list, the combo box keeps its
// choice; its prefix edit then shows the stored prefix when the kept choice is not
// "None", or keeps its own text.
enum class PrefixOnShow { ByChoice, OnlyWhenFound };

// A prefix rule over connectors of one kind ("GPIO-0 and GPIO-1 cannot have ...").
enum class PrefixRuleKind { Gpio, Hsmc, Fmc };
struct PrefixRule {
    PrefixRuleKind kind;
    std::span<const int> connectors; // connector indexes, in header order
};

// A fixed module the record asks for with a flag (a memory module in a socket),
// attached after the connectors' cards with the board's fixed prefix.
struct ModuleBinding {
    std::size_t flagOffset;
    CardKind kind;
    int masterId;
    const char* prefix;
};

// One pass of the left-Ctrl batch over a connector's card list.
struct BatchPass {
    int connector;
    int from;                     // first list index
    const char* nameFormat;       // "TAVRIN_GPIO_%s" with the card's short name
    const char* prefix = nullptr; // set on the connector for each project; nullptr: the user's
    // With a GpioPair batched from header 0: set on header 1 for each project. A card
    // that spans both headers takes no prefix on either.
    const char* pairPrefix = nullptr;
};

// The output lists of a clock chip (a programmable PLL), one-byte choices at
// first .. first + count - 1: chosen only while the chip's box is ticked. A record shown,
// and the settings record at every box click, shows its choices there while the box is
// ticked, and the lists' first item ("Unchange", "Disable") while it is not.
struct ChipLists {
    std::size_t box;
    std::size_t first;
    std::size_t count;
};

// An information box after the success box of a plain Generate, while a check box
// (its record byte) is ticked.
struct FlagNote {
    std::size_t flag;
    const char* text;
};

struct BoardSpec {
    uint8_t id;
    std::size_t recordSize;
    HeadOffsets head;
    const char* defaultName;
    const char* folder; // CodeGenerated/<folder>/<project>/
    std::span<const FlagBinding> flags;
    std::span<const CardListSpec> lists;
    std::span<const ConnectorBinding> connectors;
    AttachShape attachShape;
    std::span<const BatchPass> batch = {};
    // Ctrl+Generate beeps and asks for the folder even without a pass, then generates nothing.
    bool batchWithoutPasses = false;
    bool batchBeep = true; // the batch starts with the simple beep
    const GpioPair* gpioPair = nullptr;
    SaveAtEnd save = SaveAtEnd::OnClose;
    bool successBox = true;
    bool loadFailureMessage = false; // "Failed to load setting"
    std::span<const FlagNote> notes = {};
    // Policies of the older form shapes; the defaults are the newest forms'.
    HeadOnSave headOnSave = HeadOnSave::IdAndSize;
    GenerateFrom generateFrom = GenerateFrom::Zeroed;
    PrefixOnShow prefixOnShow = PrefixOnShow::ByChoice;
    std::span<const PrefixRule> prefixRules = {}; // empty: the GPIO pair's rule, if any
    std::span<const ModuleBinding> modules = {};
    bool boardSelector = true;   // false: "Change Main Board" is shown and does nothing
    bool boxClickOnLoad = false; // record to controls runs the box handler for each box it changes
    // A broken prefix rule is the one message shown, whatever else fails.
    bool prefixRulesFirst = false;
    // The board's own lists of fixed choices (voltages, variants), by their record fields.
    std::span<const ChoiceField> choices = {};
    // The combo boxes and edits of the board's own that show record fields.
    std::span<const ChoiceBinding> choiceLists = {};
    std::span<const TextBinding> texts = {};
    const ListSwitch* listSwitch = nullptr;
    std::span<const ChipLists> chipLists = {};
    // A choice whose change stores the controls in the settings record and shows that
    // record again (a board variant).
    std::optional<std::size_t> reshowChoice = std::nullopt;
    // The list that picks the part of the board the controls show (on a board with two FPGAs).
    const char* partList = nullptr;
    // What the daughter-board factory takes from this board when it fills a card.
    TCardRules cardRules = {};
};

} // namespace kit
