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
    // The line of the table's own count check "nNum == <count>"; 0: the kit's check.
    int checkLine = 0;
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

// The two 2x20 GPIO headers of the older boards: 40 positions each (a location or
// EMPTY_SLOT), and the lines of the checks that build their master connectors.
struct GpioHeaderPair {
    const char* header0;
    const char* header1;
    int id0Line;  // "Config.nGpioDaughterId[GPIO_0]"
    int id1Line;  // "Config.nGpioDaughterId[GPIO_1]"
    int bothLine; // "nNum == GPIO_PIN_NUM*2"
    int oneLine;  // "nNum == GPIO_PIN_NUM"
};

// Where a pin table stops on a broken rule: the source name and line of each check.
struct TableChecks {
    const char* source; // "CONFIG_TAVRIN"
    const char* idRule; // "Config.BoardId == MAINBOARD_TAVRIN"
    int idLine;
    const char* sizeRule; // "Config.Size == sizeof(TAVRIN_CONFIG)"
    int sizeLine;
    // The model takes the board's own id before the checks; false: the record's id.
    bool ownId = false;
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
    // The masters of a GPIO header pair: "GPIO_0_1" (80 positions, master 18) when
    // header 0's card spans both headers, else "GPIO_0" (16) and "GPIO_1" (17) for the
    // headers with a card. Nothing unless a card id, as a signed byte, is above 0.
    void GpioPairMasters(const GpioHeaderPair& pair, uint8_t id0, uint8_t id1);

    TMainBoard* Board() const { return board_; }

private:
    TConnector* AddMaster(const std::string& name, const std::string& caption, uint8_t type, int masterId,
                          const std::vector<std::string>& positions, uint8_t direction, uint8_t standard,
                          std::span<const SlotOverride> overrides);

    TMainBoard* board_;
    TableChecks checks_;
};

// The words of a blank-separated list.
std::vector<std::string> Words(const char* text);

} // namespace kit
