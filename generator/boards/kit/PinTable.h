#pragma once
// The pin-table kit: what every board's pin table is made of. A pin table is its
// rows (data, in the order of the board's documentation) and the few conditions
// that pick which groups a record asks for; these builders turn rows into the
// board model's connectors and pins.

#include "core/MainBoard.h"

#include <cstdint>
#include <span>
#include <string>

namespace kit {

// A pin whose FPGA location the board's data does not give: it exists with its
// name, direction, standard and clock data, and the project leaves it unplaced.
inline constexpr const char* UNPLACED = "?";
// In a master connector's position list: a position that holds no pin.
inline constexpr const char* EMPTY_SLOT = "-";

// One pin, or a bus NAME[first] ... NAME[first + count - 1] whose locations follow
// blank-separated in index order (UNPLACED stands for a location not given; alone,
// for all of the bus's).
struct PinRow {
    const char* name;
    const char* locations;
    uint8_t direction;
    uint8_t standard;
    int count = 0; // 0: a single pin named `name`
    int first = 0;
};

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

    // The master connector for the card on one expansion connector.
    TConnector* Master(const MasterRow& row, uint8_t cardId, std::span<const SlotOverride> overrides = {});
    // Appends more slots to a master (a connector that spans two headers takes the
    // second header's positions after the first's).
    void AddSlots(TConnector* c, const char* positions, uint8_t standard = IOSTD_BY_DAUGHTER,
                  uint8_t direction = DIRECTION_BY_DAUGHTER);

    TMainBoard* Board() const { return board_; }

private:
    TMainBoard* board_;
    TableChecks checks_;
};

// The words of a blank-separated list.
std::vector<std::string> Words(const char* text);

} // namespace kit
