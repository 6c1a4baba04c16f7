#pragma once
// The pin-table kit: what every board's pin table is made of. A pin table is its
// rows (data, in the order of the board's pin list) and the few conditions
// that pick which groups a record asks for; these builders turn rows into the
// board model's connectors and pins.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kit {

// A pin whose FPGA location the board's data does not give: it exists with its
// name, direction, standard and clock data, and the project leaves it unplaced.
inline constexpr const char* UNPLACED = "?";
// In a master connector's position list: a position that holds no pin.
inline constexpr const char* EMPTY_SLOT = "-";

// The I/O standard of a bank whose voltage the record chooses: a pin row names the
// bank, and the table sets the bank's standard before it builds the groups.
inline constexpr int kBanks = 4;
constexpr uint8_t BankStandard(int bank) {
    return static_cast<uint8_t>(0xF0 + bank);
}

// A check that a board carries with its own text and line
// ("nNum == 8", line 49); without a rule the kit's own check serves.
struct CountCheck {
    const char* rule = nullptr;
    int line = 0;
};

// One pin, or a bus NAME[first] ... NAME[first + count - 1] whose locations follow
// blank-separated in index order (UNPLACED stands for a location not given,
// EMPTY_SLOT for an index that has no pin; a bus whose locations are the one word
// UNPLACED leaves every pin unplaced).
struct PinRow {
    const char* name;
    const char* locations;
    uint8_t direction;
    uint8_t standard;
    int count = 0; // 0: a single pin named `name`
    int first = 0;
    CountCheck check = {};
    int take = 0;          // a bus of which only the first `take` pins are built (0: all)
    bool refClock = false; // a clock at the frequency the record chooses (Add with a frequency)
};

// A reference clock fed by a clock chip: one pin whose frequency follows the chip's setting.
constexpr PinRow RefClock(const char* name, const char* location, uint8_t standard) {
    PinRow row{name, location, DIRECTION_INPUT, standard};
    row.refClock = true;
    return row;
}

// A clock input: marked as a clock with a whole-nanosecond period or a frequency text.
struct ClockRow {
    const char* name;
    const char* location;
    uint8_t standard;
    int periodNs = 0;
    const char* frequency = nullptr; // "50.0 MHz"
    uint8_t direction = DIRECTION_INPUT;
    const char* note = nullptr; // "BANK 3B"
};

struct DeviceRow {
    const char* family;
    const char* device;
    int pinCount;
    const char* package;
    const char* speedGradeText; // nullptr: none
    int speedGrade = 0;
};

// An expansion connector of the board: its slots take the card's pins. The
// positions are blank-separated, one per slot in slot order: a location, UNPLACED
// or EMPTY_SLOT.
struct MasterRow {
    const char* name;
    const char* captionFormat; // "GPIO connect to %s"
    uint8_t type;
    int masterId;
    const char* positions;
    uint8_t standard = IOSTD_BY_DAUGHTER;
    uint8_t direction = DIRECTION_BY_DAUGHTER;
};

// A slot that keeps a direction and standard of its own (a clock input of the header).
struct SlotOverride {
    int slot; // 0-based
    uint8_t direction;
    uint8_t standard;
};

// Which positions of an expansion connector hold a pin (positions counted from 1):
// all but the `empty` ones, or only the `pins` ones; and from runFrom to runTo, in
// each run of runLength positions, the first runEmpty hold none (the HSMC rows).
struct PositionMask {
    int count;
    const char* empty = "";     // "11-12 29-30"
    const char* pins = nullptr; // set instead of `empty`
    int runFrom = 0;
    int runTo = 0;
    int runLength = 6;
    int runEmpty = 2;
};

// Whether `position` is among the blank-separated positions and ranges of `text`
// ("1-3 8-9 12"): 1 or 0; -1 when a word is neither a position nor a range of 1..count.
constexpr int InPositions(const char* text, int position, int count) {
    int found = 0;
    const char* p = text;
    while (*p != '\0') {
        if (*p == ' ') {
            ++p;
            continue;
        }
        int first = 0;
        int digits = 0;
        for (; *p >= '0' && *p <= '9'; ++p, ++digits)
            first = first * 10 + (*p - '0');
        int last = first;
        if (*p == '-') {
            ++p;
            last = 0;
            int more = 0;
            for (; *p >= '0' && *p <= '9'; ++p, ++more)
                last = last * 10 + (*p - '0');
            if (more == 0)
                return -1;
        }
        if (digits == 0 || first < 1 || last < first || last > count || (*p != '\0' && *p != ' '))
            return -1;
        if (position >= first && position <= last)
            found = 1;
    }
    return found;
}

// Whether a position of the mask holds a pin: 1 or 0; -1 for a malformed mask.
constexpr int MaskHolds(const PositionMask& mask, int position) {
    const int listed = InPositions(mask.pins != nullptr ? mask.pins : mask.empty, position, mask.count);
    if (listed < 0 || (mask.pins != nullptr && mask.empty != nullptr && mask.empty[0] != '\0'))
        return -1;
    bool holds = mask.pins != nullptr ? listed == 1 : listed == 0;
    if (mask.runTo > 0 && position >= mask.runFrom && position <= mask.runTo &&
        (position - mask.runFrom) % mask.runLength < mask.runEmpty)
        holds = false;
    return holds ? 1 : 0;
}

// The number of positions that hold a pin; -1 for a malformed mask. Reads the list
// once, so the compiler can check the long FMC masks at build time.
constexpr int MaskPinCount(const PositionMask& mask) {
    constexpr int kMaxPositions = 512;
    if (mask.count < 1 || mask.count > kMaxPositions ||
        (mask.pins != nullptr && mask.empty != nullptr && mask.empty[0] != '\0'))
        return -1;
    std::array<bool, kMaxPositions + 1> listed{};
    const char* p = mask.pins != nullptr ? mask.pins : mask.empty;
    while (*p != '\0') {
        if (*p == ' ') {
            ++p;
            continue;
        }
        const char* word = p;
        while (*p != '\0' && *p != ' ')
            ++p;
        // A position ("12") or a range ("1-3") of 1..count.
        int first = 0;
        const char* q = word;
        for (; q < p && *q >= '0' && *q <= '9'; ++q)
            first = first * 10 + (*q - '0');
        int last = first;
        if (q < p && *q == '-') {
            last = 0;
            for (++q; q < p && *q >= '0' && *q <= '9'; ++q)
                last = last * 10 + (*q - '0');
        }
        if (q != p || first < 1 || last < first || last > mask.count)
            return -1;
        for (int position = first; position <= last; ++position)
            listed[static_cast<std::size_t>(position)] = true;
    }
    int pins = 0;
    for (int position = 1; position <= mask.count; ++position) {
        bool holds = mask.pins != nullptr ? listed[static_cast<std::size_t>(position)]
                                          : !listed[static_cast<std::size_t>(position)];
        if (mask.runTo > 0 && position >= mask.runFrom && position <= mask.runTo &&
            (position - mask.runFrom) % mask.runLength < mask.runEmpty)
            holds = false;
        pins += holds ? 1 : 0;
    }
    return pins;
}

// Locations of consecutive positions from `first` on, blank-separated; or, with
// `locations` UNPLACED and `last` set, every pin position first..last without one.
struct LocationRun {
    int first;
    const char* locations;
    int last = 0;
};

// A position that keeps a direction and standard of its own (counted from 1; the
// standard may name a bank).
struct PositionOverride {
    int position;
    uint8_t direction;
    uint8_t standard;
};

// An expansion connector laid out by a position mask, its location table and its
// own positions.
struct MaskedMasterRow {
    const char* name;
    const char* captionFormat; // "GPIO connect to %s"
    uint8_t type;
    int masterId;
    const PositionMask* mask;
    std::span<const LocationRun> locations;
    CountCheck check; // the location table fits the mask
    std::span<const PositionOverride> overrides = {};
    int activePins = 0; // with activeCheck: the pins the connector must hold
    CountCheck activeCheck = {};
    bool cardIsDaughter = false; // the connector carries the card's id (else -1)
};

// Which card ids put a master on a header of a pair (ids compare as signed bytes).
enum class PairCards {
    NonZeroOnceOneAbove0, // nothing unless an id is above 0; then each header whose id is not 0
    NonZero,              // each header whose id is not 0
    Above0,               // each header whose id is above 0
};

// The lines of the checks a pair's table makes; 0: the table makes none. An 80-pin card
// on header 0 has both ids set ("Config.nGpioDaughterId[GPIO_0]" and "[GPIO_1]") and
// takes 80 positions ("nNum == GPIO_PIN_NUM*2"); a header's card takes 40 ("nNum == GPIO_PIN_NUM").
struct PairLines {
    int id0 = 0;
    int id1 = 0;
    int both = 0;
    int one0 = 0;
    int one1 = 0;
};

// Two 2x20 headers that one 80-pin card may span: each header's master, and the master of
// the card on both, whose slots are header 0's positions, then header 1's (its own
// positions are not read).
struct HeaderPair {
    MasterRow header0;
    MasterRow header1;
    MasterRow both;
    PairCards cards = PairCards::NonZeroOnceOneAbove0;
    PairLines lines = {};
};

// The GPIO header pair as most boards name it: "GPIO_0" (master 16), "GPIO_1" (17) and
// "GPIO_0_1" (18), each "<name> connect to <card>".
constexpr HeaderPair GpioHeaders(const char* header0, const char* header1, PairLines lines = {},
                                 PairCards cards = PairCards::NonZeroOnceOneAbove0) {
    return {{"GPIO_0", "GPIO_0 connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0, header0},
            {"GPIO_1", "GPIO_1 connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_1, header1},
            {"GPIO_0_1", "GPIO_0_1 connect to %s", CONNECTOR_GPIO80, MASTER_GPIO_BOTH, nullptr},
            cards,
            lines};
}

// Where a pin table stops on a broken rule: the source name and line of each check.
// Where the board model's id comes from: the record's id byte, or the board's own id.
enum class BoardIdFrom { Record, Constant };

struct TableChecks {
    const char* source; // "CONFIG_TAVRIN"
    const char* idRule; // "Config.BoardId == MAINBOARD_TAVRIN"
    int idLine;
    const char* sizeRule; // "Config.Size == sizeof(TAVRIN_CONFIG)"
    int sizeLine;
    BoardIdFrom idFrom = BoardIdFrom::Record;
};

class PinTable {
public:
    PinTable(TMainBoard* board, const TableChecks& checks) : board_(board), checks_(checks) {}

    // Sets the board id, checks the record's head, clears the connectors and sets the device.
    void Begin(uint8_t boardId, uint8_t recordId, int32_t recordSize, int32_t size, const DeviceRow& device);
    // The board model's copy of the whole record, which the board's writers read
    // (before Begin): a record of another size is a broken rule.
    template <class Record> void CopyRecord(Record& copy, const SettingsRecord& r) {
        CheckRecordSize(r.size(), copy.size());
        std::copy(r.data(), r.data() + std::min(r.size(), copy.size()), copy.data());
    }
    template <class Record> Record RecordCopy(const SettingsRecord& r) {
        Record copy;
        CopyRecord(copy, r);
        return copy;
    }
    // The standard of a bank that rows name with BankStandard(bank).
    void SetBank(int bank, uint8_t standard);

    // A connector of on-board pins (type none, no caption, no card).
    TConnector* Group(const std::string& name);
    TConnector* Group(const std::string& name, std::span<const PinRow> rows);
    TConnector* Group(const std::string& name, std::span<const ClockRow> clocks);
    void Add(TConnector* c, std::span<const PinRow> rows);
    void Add(TConnector* c, std::span<const ClockRow> clocks);
    void Add(TConnector* c, const PinRow& row);
    void Add(TConnector* c, const ClockRow& clock);
    // As Add, the RefClock rows made clocks of refClockMhz ("%f MHz", also for 0).
    void Add(TConnector* c, std::span<const PinRow> rows, double refClockMhz);
    TConnector* Group(const std::string& name, std::span<const PinRow> rows, double refClockMhz);
    // Buses of one count taken in turn: pin 0 of each row, then pin 1 of each, ...
    void AddInterleaved(TConnector* c, std::span<const PinRow> rows);

    // The master connector for the card on one expansion connector.
    TConnector* Master(const MasterRow& row, uint8_t cardId, std::span<const SlotOverride> overrides = {});
    TConnector* Master(const MaskedMasterRow& row, uint8_t cardId);
    // The masters of a header pair for the cards id0 and id1: one across both headers
    // when header 0's card spans both, else one for each header whose id the pair takes.
    void PairMasters(const HeaderPair& pair, uint8_t id0, uint8_t id1);

    TMainBoard* Board() const { return board_; }

    // Groups of one shape repeated per memory, cage or port ("QDRIIA", "QDRIIB", ...): the
    // shape's rows name what follows the prefix ("_A") and carry no locations; these come
    // from `locations`, the words of every column in turn, in the shape's pin order.
    void AddShaped(TConnector* c, const std::string& prefix, std::span<const PinRow> shape,
                   std::span<const char* const> locations);

private:
    struct Slot {
        bool pin;
        std::string location;
        uint8_t direction;
        uint8_t standard;
    };
    uint8_t Standard(uint8_t standard) const;
    void CheckCount(const PinRow& row, std::size_t words) const;
    void CheckRecordSize(std::size_t size, std::size_t recordSize) const;
    // A check the table makes only where it gives a line.
    void CheckAt(bool ok, const char* rule, int line) const;
    TConnector* AddMaster(const std::string& name, const std::string& caption, uint8_t type, int masterId,
                          const std::vector<Slot>& slots, int daughterId = -1);
    std::vector<Slot> SlotsOf(const MasterRow& row, const std::vector<std::string>& positions,
                              std::span<const SlotOverride> overrides) const;

    TMainBoard* board_;
    TableChecks checks_;
    uint8_t banks_[kBanks] = {0xFF, 0xFF, 0xFF, 0xFF};
};

// The words of a blank-separated list.
std::vector<std::string> Words(const char* text);

} // namespace kit
