#include "PinTable.h"

#include "AssertionChoices.h"

#include "model/ConnectorType.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"
#include "platform/Text.h"

#include <cstring>
#include <sstream>

namespace kit {

namespace {

std::string LocationOf(const std::string& word) {
    return word == UNPLACED ? std::string() : word;
}

TPin* BoardPin(const std::string& name, const std::string& location, uint8_t direction, uint8_t standard) {
    return new TPin(name.c_str(), location.c_str(), direction, standard, 0.0f);
}

constexpr uint8_t kUnsetBank = 0xFF;

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
    board_->m_BoardId = checks_.idFrom == BoardIdFrom::Constant ? boardId : recordId;
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

void PinTable::CheckRecordSize(std::size_t size, std::size_t recordSize) const {
    PW_ASSERT(size == recordSize, checks_.sizeRule, checks_.source, checks_.sizeLine);
}

void PinTable::SetBank(int bank, uint8_t standard) {
    PW_ASSERT(bank >= 0 && bank < kBanks, "0", checks_.source, kBankLine);
    banks_[bank] = standard;
}

uint8_t PinTable::Standard(uint8_t standard) const {
    if (standard < BankStandard(0) || standard >= BankStandard(kBanks))
        return standard;
    const uint8_t bank = banks_[standard - BankStandard(0)];
    // A row that names a bank the table has not set is a table error.
    PW_ASSERT(bank != kUnsetBank, "0", checks_.source, kBankLine);
    return bank;
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

void PinTable::CheckCount(const PinRow& row, std::size_t words) const {
    // A table typo is a programming error: one location per index.
    if (row.check.rule != nullptr)
        PW_ASSERT(static_cast<int>(words) == row.count, row.check.rule, checks_.source, row.check.line);
    else
        PW_ASSERT(static_cast<int>(words) == row.count, "nNum == count", checks_.source, kRowCountLine);
}

void PinTable::Add(TConnector* c, const PinRow& row) {
    std::vector<std::string> locations = Words(row.locations);
    if (row.count > 0 && locations.size() == 1 && locations[0] == UNPLACED)
        locations.assign(static_cast<std::size_t>(row.count), UNPLACED); // the whole bus unplaced
    if (row.count == 0) {
        PW_ASSERT(locations.size() == 1, "nNum == count", checks_.source, kRowCountLine);
        c->AddPin(BoardPin(row.name, LocationOf(locations[0]), row.direction, Standard(row.standard)));
        return;
    }
    CheckCount(row, locations.size());
    const int built = row.take > 0 && row.take < row.count ? row.take : row.count;
    for (int i = 0; i < built; ++i) {
        const std::string& word = locations[static_cast<std::size_t>(i)];
        if (word == EMPTY_SLOT)
            continue; // the index has no pin
        c->AddPin(BoardPin(platform::Format("%s[%d]", row.name, row.first + i), LocationOf(word),
                           row.direction, Standard(row.standard)));
    }
}

void PinTable::Add(TConnector* c, std::span<const PinRow> rows, double refClockMhz) {
    for (const PinRow& row : rows) {
        // A reference clock is one pin; a bus marked so is a table typo.
        PW_ASSERT(!row.refClock || row.count == 0, "nNum == count", checks_.source, kRowCountLine);
        Add(c, row);
        if (row.refClock) {
            TPin* p = c->GetPin(c->PinCount() - 1);
            p->SetIsClock(1);
            p->SetFrequencyText(platform::Format("%f MHz", refClockMhz));
        }
    }
}

TConnector* PinTable::Group(const std::string& name, std::span<const PinRow> rows, double refClockMhz) {
    TConnector* c = Group(name);
    Add(c, rows, refClockMhz);
    return c;
}

void PinTable::AddInterleaved(TConnector* c, std::span<const PinRow> rows) {
    std::vector<std::vector<std::string>> locations;
    for (const PinRow& row : rows) {
        locations.push_back(Words(row.locations));
        CheckCount(row, locations.back().size());
        PW_ASSERT(row.count == rows.front().count, "nNum == count", checks_.source, kRowCountLine);
    }
    for (int i = 0; i < (rows.empty() ? 0 : rows.front().count); ++i)
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const PinRow& row = rows[r];
            const std::string& word = locations[r][static_cast<std::size_t>(i)];
            if (word != EMPTY_SLOT)
                c->AddPin(BoardPin(platform::Format("%s[%d]", row.name, row.first + i), LocationOf(word),
                                   row.direction, Standard(row.standard)));
        }
}

void PinTable::Add(TConnector* c, std::span<const ClockRow> clocks) {
    for (const ClockRow& clock : clocks)
        Add(c, clock);
}

void PinTable::Add(TConnector* c, const ClockRow& clock) {
    TPin* p = BoardPin(clock.name, LocationOf(clock.location), clock.direction, Standard(clock.standard));
    if (clock.periodNs > 0 || clock.frequency != nullptr)
        p->SetIsClock(1);
    if (clock.periodNs > 0)
        p->SetPeriod(clock.periodNs);
    if (clock.frequency != nullptr)
        p->SetFrequencyText(clock.frequency);
    if (clock.note != nullptr)
        p->SetNote(clock.note);
    c->AddPin(p);
}

TConnector* PinTable::AddMaster(const std::string& name, const std::string& caption, uint8_t type,
                                int masterId, const std::vector<Slot>& slots, int daughterId) {
    auto* c = new TConnector(name, caption, type, daughterId);
    for (const Slot& slot : slots)
        c->AddPin(slot.pin ? BoardPin("", slot.location, slot.direction, slot.standard) : nullptr);
    c->SetMaster(1);
    c->SetMasterId(masterId);
    board_->AddConnector(c);
    return c;
}

std::vector<PinTable::Slot> PinTable::SlotsOf(const MasterRow& row, const std::vector<std::string>& positions,
                                              std::span<const SlotOverride> overrides) const {
    std::vector<Slot> slots;
    for (const std::string& word : positions) {
        Slot slot{word != EMPTY_SLOT, LocationOf(word), row.direction, Standard(row.standard)};
        for (const SlotOverride& o : overrides)
            if (o.slot == static_cast<int>(slots.size())) {
                slot.direction = o.direction;
                slot.standard = Standard(o.standard);
            }
        slots.push_back(slot);
    }
    return slots;
}

TConnector* PinTable::Master(const MasterRow& row, uint8_t cardId, std::span<const SlotOverride> overrides) {
    return AddMaster(row.name,
                     platform::Format(row.captionFormat, BoardName(static_cast<int8_t>(cardId)).c_str()),
                     row.type, row.masterId, SlotsOf(row, Words(row.positions), overrides));
}

TConnector* PinTable::Master(const MaskedMasterRow& row, uint8_t cardId) {
    const PositionMask& mask = *row.mask;
    const char* rule = row.check.rule != nullptr ? row.check.rule : "nNum == count";
    const int line = row.check.rule != nullptr ? row.check.line : kRowCountLine;
    std::vector<Slot> slots;
    for (int position = 1; position <= mask.count; ++position) {
        const int holds = MaskHolds(mask, position);
        PW_ASSERT(holds >= 0, rule, checks_.source, line);
        slots.push_back({holds == 1, std::string(), DIRECTION_BY_DAUGHTER, IOSTD_BY_DAUGHTER});
    }
    // Every pin position takes exactly one entry of the location table.
    std::vector<int> taken(slots.size(), 0);
    auto take = [&](int position, const std::string& location) {
        const bool fits =
            position >= 1 && position <= mask.count && slots[static_cast<std::size_t>(position - 1)].pin;
        PW_ASSERT(fits, rule, checks_.source, line);
        slots[static_cast<std::size_t>(position - 1)].location = LocationOf(location);
        ++taken[static_cast<std::size_t>(position - 1)];
    };
    for (const LocationRun& run : row.locations) {
        if (run.last > 0) {
            PW_ASSERT(std::strcmp(run.locations, UNPLACED) == 0, rule, checks_.source, line);
            for (int position = run.first; position <= run.last; ++position)
                if (position >= 1 && position <= mask.count &&
                    slots[static_cast<std::size_t>(position - 1)].pin)
                    take(position, UNPLACED);
            continue;
        }
        int position = run.first;
        for (const std::string& word : Words(run.locations))
            take(position++, word);
    }
    for (std::size_t i = 0; i < slots.size(); ++i)
        PW_ASSERT(!slots[i].pin || taken[i] == 1, rule, checks_.source, line);
    for (const PositionOverride& o : row.overrides) {
        const bool fits = o.position >= 1 && o.position <= mask.count &&
                          slots[static_cast<std::size_t>(o.position - 1)].pin;
        PW_ASSERT(fits, rule, checks_.source, line);
        slots[static_cast<std::size_t>(o.position - 1)].direction = o.direction;
        slots[static_cast<std::size_t>(o.position - 1)].standard = Standard(o.standard);
    }
    TConnector* c = AddMaster(
        row.name, platform::Format(row.captionFormat, BoardName(static_cast<int8_t>(cardId)).c_str()),
        row.type, row.masterId, slots, row.cardIsDaughter ? static_cast<int>(cardId) : -1);
    if (row.activeCheck.rule != nullptr)
        PW_ASSERT(c->ActivePinCount() == row.activePins, row.activeCheck.rule, checks_.source,
                  row.activeCheck.line);
    return c;
}

void PinTable::CheckAt(bool ok, const char* rule, int line) const {
    if (line != 0)
        PW_ASSERT(ok, rule, checks_.source, line);
}

void PinTable::PairMasters(const HeaderPair& pair, uint8_t id0, uint8_t id1) {
    if (pair.cards == PairCards::NonZeroOnceOneAbove0 && static_cast<int8_t>(id0) <= 0 &&
        static_cast<int8_t>(id1) <= 0)
        return;
    const std::vector<Slot> slots[] = {SlotsOf(pair.header0, Words(pair.header0.positions), {}),
                                       SlotsOf(pair.header1, Words(pair.header1.positions), {})};
    // Only header 0's card decides whether one card spans both headers.
    if (BoardConnectorType(static_cast<int8_t>(id0)) == CONNECTOR_GPIO80) {
        CheckAt(id0 != 0, "Config.nGpioDaughterId[GPIO_0]", pair.lines.id0);
        CheckAt(id1 != 0, "Config.nGpioDaughterId[GPIO_1]", pair.lines.id1);
        std::vector<Slot> both = slots[0];
        both.insert(both.end(), slots[1].begin(), slots[1].end());
        CheckAt(static_cast<int>(both.size()) == GPIO_PIN_NUM * 2, "nNum == GPIO_PIN_NUM*2", pair.lines.both);
        AddMaster(pair.both.name,
                  platform::Format(pair.both.captionFormat, BoardName(static_cast<int8_t>(id0)).c_str()),
                  pair.both.type, pair.both.masterId, both);
        return;
    }
    const uint8_t ids[] = {id0, id1};
    const MasterRow* headers[] = {&pair.header0, &pair.header1};
    const int lines[] = {pair.lines.one0, pair.lines.one1};
    for (std::size_t k = 0; k < 2; ++k) {
        const bool takes = pair.cards == PairCards::Above0 ? static_cast<int8_t>(ids[k]) > 0 : ids[k] != 0;
        if (!takes)
            continue;
        CheckAt(static_cast<int>(slots[k].size()) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM", lines[k]);
        AddMaster(headers[k]->name,
                  platform::Format(headers[k]->captionFormat, BoardName(static_cast<int8_t>(ids[k])).c_str()),
                  headers[k]->type, headers[k]->masterId, slots[k]);
    }
}

void PinTable::AddShaped(TConnector* c, const std::string& prefix, std::span<const PinRow> shape,
                         std::span<const char* const> locations) {
    std::vector<std::string> words;
    for (const char* column : locations)
        for (std::string& w : Words(column))
            words.push_back(std::move(w));
    std::size_t next = 0;
    for (const PinRow& row : shape) {
        const std::size_t count = row.count > 0 ? static_cast<std::size_t>(row.count) : 1;
        // Fewer words than the shape's pins is a table typo.
        PW_ASSERT(next + count <= words.size(), "nNum == count", checks_.source, kRowCountLine);
        std::string own;
        for (std::size_t i = 0; i < count; ++i)
            own += (i > 0 ? " " : "") + words[next + i];
        next += count;
        const std::string name = prefix + row.name;
        PinRow named = row;
        named.name = name.c_str();
        named.locations = own.c_str();
        Add(c, named);
    }
    PW_ASSERT(next == words.size(), "nNum == count", checks_.source, kRowCountLine);
}

} // namespace kit
