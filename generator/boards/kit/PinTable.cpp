#include "PinTable.h"

#include "AssertionChoices.h"

#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"
#include "platform/Text.h"

#include <sstream>

namespace kit {

namespace {

std::string LocationOf(const std::string& word) {
    return word == UNPLACED ? std::string() : word;
}

TPin* BoardPin(const std::string& name, const std::string& location, uint8_t direction, uint8_t standard) {
    return new TPin(name.c_str(), location.c_str(), direction, standard, 0.0f);
}

} // namespace

std::vector<std::string> Words(const char* text) {
    std::vector<std::string> words;
    std::istringstream in(text != nullptr ? text : "");
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

void PinTable::Begin(uint8_t boardId, uint8_t recordId, int32_t recordSize, int32_t size,
                     const DeviceRow& device) {
    board_->m_BoardId = recordId;
    PW_ASSERT(recordId == boardId, checks_.idRule, checks_.source, checks_.idLine);
    PW_ASSERT(recordSize == size, checks_.sizeRule, checks_.source, checks_.sizeLine);
    board_->ClearConnectors();
    board_->m_Family = device.family;
    board_->m_Device = device.device;
    board_->m_PinCount = device.pinCount;
    board_->m_Package = device.package != nullptr ? device.package : "";
    board_->m_SpeedGradeText = device.speedGradeText != nullptr ? device.speedGradeText : "";
    board_->m_SpeedGrade = device.speedGrade;
}

TConnector* PinTable::Group(const std::string& name) {
    auto* c = new TConnector(name, "", CONNECTOR_NONE, -1);
    board_->AddConnector(c);
    return c;
}

TConnector* PinTable::Group(const std::string& name, std::span<const PinRow> rows) {
    TConnector* c = Group(name);
    Add(c, rows);
    return c;
}

TConnector* PinTable::Group(const std::string& name, std::span<const ClockRow> clocks) {
    TConnector* c = Group(name);
    Add(c, clocks);
    return c;
}

void PinTable::Add(TConnector* c, std::span<const PinRow> rows) {
    for (const PinRow& row : rows)
        Add(c, row);
}

void PinTable::Add(TConnector* c, const PinRow& row) {
    const std::vector<std::string> locations = Words(row.locations);
    if (row.count == 0) {
        // A table typo is a programming error: one pin, one location.
        PW_ASSERT(locations.size() == 1, "nNum == count", checks_.source, kRowCountLine);
        c->AddPin(BoardPin(row.name, LocationOf(locations[0]), row.direction, row.standard));
        return;
    }
    // UNPLACED alone: the board data gives none of the bus's locations.
    const bool noneGiven = locations.size() == 1 && locations[0] == UNPLACED;
    PW_ASSERT(noneGiven || static_cast<int>(locations.size()) == row.count, "nNum == count", checks_.source,
              kRowCountLine);
    for (int i = 0; i < row.count; ++i)
        c->AddPin(BoardPin(platform::Format("%s[%d]", row.name, row.first + i),
                           noneGiven ? std::string() : LocationOf(locations[static_cast<std::size_t>(i)]),
                           row.direction, row.standard));
}

void PinTable::Add(TConnector* c, std::span<const ClockRow> clocks) {
    for (const ClockRow& clock : clocks)
        Add(c, clock);
}

void PinTable::Add(TConnector* c, const ClockRow& clock) {
    TPin* p = BoardPin(clock.name, LocationOf(clock.location), clock.direction, clock.standard);
    if (clock.periodNs > 0 || clock.frequency != nullptr)
        p->SetIsClock(1);
    if (clock.periodNs > 0)
        p->SetPeriod(clock.periodNs);
    if (clock.frequency != nullptr)
        p->SetFrequencyText(clock.frequency);
    c->AddPin(p);
}

TConnector* PinTable::Master(const MasterRow& row, uint8_t cardId, std::span<const SlotOverride> overrides) {
    const std::string caption =
        platform::Format(row.captionFormat, BoardName(static_cast<int8_t>(cardId)).c_str());
    auto* c = new TConnector(row.name, caption, row.type, -1);
    int slot = 0;
    for (const std::string& word : Words(row.positions)) {
        if (word == EMPTY_SLOT) {
            c->AddPin(nullptr);
        } else {
            uint8_t direction = row.direction;
            uint8_t standard = row.standard;
            for (const SlotOverride& o : overrides)
                if (o.slot == slot) {
                    direction = o.direction;
                    standard = o.standard;
                }
            c->AddPin(BoardPin("", LocationOf(word), direction, standard));
        }
        ++slot;
    }
    c->SetMaster(1);
    c->SetMasterId(row.masterId);
    board_->AddConnector(c);
    return c;
}

void PinTable::AddSlots(TConnector* c, const char* positions, uint8_t standard, uint8_t direction) {
    for (const std::string& word : Words(positions))
        c->AddPin(word == EMPTY_SLOT ? nullptr : BoardPin("", LocationOf(word), direction, standard));
}

} // namespace kit
