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
    board_->m_BoardId = checks_.ownId ? boardId : recordId;
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
    // The table's own check where it has one, else the kit's.
    const std::string rule = row.checkLine != 0 ? platform::Format("nNum == %d", row.count) : "nNum == count";
    PW_ASSERT(static_cast<int>(locations.size()) == row.count, rule.c_str(), checks_.source,
              row.checkLine != 0 ? row.checkLine : kRowCountLine);
    for (int i = 0; i < row.count; ++i)
        c->AddPin(BoardPin(platform::Format("%s[%d]", row.name, row.first + i),
                           LocationOf(locations[static_cast<std::size_t>(i)]), row.direction, row.standard));
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
    return AddMaster(row.name, caption, row.type, row.masterId, Words(row.positions), row.direction,
                     row.standard, overrides);
}

TConnector* PinTable::AddMaster(const std::string& name, const std::string& caption, uint8_t type,
                                int masterId, const std::vector<std::string>& positions, uint8_t direction,
                                uint8_t standard, std::span<const SlotOverride> overrides) {
    auto* c = new TConnector(name, caption, type, -1);
    int slot = 0;
    for (const std::string& word : positions) {
        if (word == EMPTY_SLOT) {
            c->AddPin(nullptr);
        } else {
            uint8_t slotDirection = direction;
            uint8_t slotStandard = standard;
            for (const SlotOverride& o : overrides)
                if (o.slot == slot) {
                    slotDirection = o.direction;
                    slotStandard = o.standard;
                }
            c->AddPin(BoardPin("", LocationOf(word), slotDirection, slotStandard));
        }
        ++slot;
    }
    c->SetMaster(1);
    c->SetMasterId(masterId);
    board_->AddConnector(c);
    return c;
}

void PinTable::GpioPairMasters(const GpioHeaderPair& pair, uint8_t id0, uint8_t id1) {
    constexpr int GPIO_PIN_NUM = 40;
    if (static_cast<int8_t>(id0) <= 0 && static_cast<int8_t>(id1) <= 0)
        return;
    const std::vector<std::string> headers[] = {Words(pair.header0), Words(pair.header1)};
    if (BoardConnectorType(static_cast<int8_t>(id0)) == CONNECTOR_GPIO80) {
        PW_ASSERT(id0 != 0, "Config.nGpioDaughterId[GPIO_0]", checks_.source, pair.id0Line);
        PW_ASSERT(id1 != 0, "Config.nGpioDaughterId[GPIO_1]", checks_.source, pair.id1Line);
        const std::string caption =
            platform::Format("GPIO_0_1 connect to %s", BoardName(static_cast<int8_t>(id0)).c_str());
        std::vector<std::string> both = headers[0];
        both.insert(both.end(), headers[1].begin(), headers[1].end());
        PW_ASSERT(static_cast<int>(both.size()) == GPIO_PIN_NUM * 2, "nNum == GPIO_PIN_NUM*2", checks_.source,
                  pair.bothLine);
        AddMaster("GPIO_0_1", caption, CONNECTOR_GPIO80, MASTER_GPIO_BOTH, both, DIRECTION_BY_DAUGHTER,
                  IOSTD_BY_DAUGHTER, {});
        return;
    }
    const uint8_t ids[] = {id0, id1};
    for (int k = 0; k < 2; ++k) {
        if (ids[k] == 0)
            continue;
        const std::string caption =
            platform::Format("GPIO_%d connect to %s", k, BoardName(static_cast<int8_t>(ids[k])).c_str());
        PW_ASSERT(static_cast<int>(headers[k].size()) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM", checks_.source,
                  pair.oneLine);
        AddMaster(platform::Format("GPIO_%d", k), caption, CONNECTOR_GPIO40, MASTER_GPIO_0 + k, headers[k],
                  DIRECTION_BY_DAUGHTER, IOSTD_BY_DAUGHTER, {});
    }
}

} // namespace kit
