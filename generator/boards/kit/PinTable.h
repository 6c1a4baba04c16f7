#pragma once
// The pin-table kit: what every board's pin table is made of. A pin table is its
// rows (data, in the order of the board's documentation) and the few conditions
// that pick which groups a record asks for; these builders turn rows into the
// board model's connectors and pins.

#include "core/MainBoard.h"

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

// One pin, or a bus NAME[first] ... NAME[first + count - 1] whose locations follow
// blank-separated in index order (UNPLACED stands for a location not given).
struct PinRow {
    const char* name;
    const char* locations;
    uint8_t direction;
    uint8_t standard;
    int count = 0; // 0: a single pin named `name`
    int first = 0;
    bool refClock = false; // a clock at the frequency the record chooses (Add with a frequency)
};

// A reference clock fed by a clock chip: its frequency follows the chip's setting.
constexpr PinRow RefClock(const char* name, const char* location, uint8_t standard) {
    return {name, location, DIRECTION_INPUT, standard, 0, 0, true};
}

// A clock input: marked as a clock with a whole-nanosecond period or a frequency text.
struct ClockRow {
    const char* name;
    const char* location;
    uint8_t standard;
    int periodNs = 0;
    const char* frequency = nullptr; // "50.0 MHz"
    uint8_t direction = DIRECTION_INPUT;
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
    bool cardIsDaughter = false; // the connector carries the card's id (else -1)
};

// A position of a master connector whose location the board data gives (1-based).
struct KnownLocation {
    int position;
    const char* location;
};

// A slot that keeps a direction and standard of its own (a clock input of the header).
struct SlotOverride {
    int slot; // 0-based
    uint8_t direction;
    uint8_t standard;
};

// Where a pin table stops on a broken rule: the source name and line of each check.
struct TableChecks {
    const char* source; // "CONFIG_TAVRIN"
    const char* idRule; // "Config.BoardId == MAINBOARD_TAVRIN"
    int idLine;
    const char* sizeRule; // "Config.Size == sizeof(TAVRIN_CONFIG)"
    int sizeLine;
};

class PinTable {
public:
    PinTable(TMainBoard* board, const TableChecks& checks) : board_(board), checks_(checks) {}

    // Sets the board id, checks the record's head, clears the connectors and sets the device.
    void Begin(uint8_t boardId, uint8_t recordId, int32_t recordSize, int32_t size, const DeviceRow& device);

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

    // The master connector for the card on one expansion connector.
    TConnector* Master(const MasterRow& row, uint8_t cardId, std::span<const SlotOverride> overrides = {});
    // A master connector of `slots` positions whose board data gives which positions
    // carry a pin and the locations of only some of them: a pinned position without a
    // known location holds an UNPLACED pin, every other position is an empty slot.
    // The row's own positions are not read.
    TConnector* SparseMaster(const MasterRow& row, uint8_t cardId, int slots, std::span<const int> pinned,
                             std::span<const KnownLocation> known);

    TMainBoard* Board() const { return board_; }

private:
    TConnector* MasterOf(const MasterRow& row, uint8_t cardId, const std::vector<std::string>& positions,
                         std::span<const SlotOverride> overrides);
    void AddRow(TConnector* c, const PinRow& row, const double* refClockMhz);

    TMainBoard* board_;
    TableChecks checks_;
};

// The words of a blank-separated list.
std::vector<std::string> Words(const char* text);

// The positions of a list of runs, "4-7 10-12 198" (1-based, ascending).
std::vector<int> Positions(const char* runs);

} // namespace kit
