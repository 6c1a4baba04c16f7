#pragma once
// What board tests ask of a board model and of a record: the records they start from,
// the model a pin table makes of one, connectors and pins by name, empty and unplaced
// slots, and the record head every board's defaults start with.

#include "boards/kit/BoardLogic.h"
#include "core/MainBoard.h"
#include "model/DaughterCatalogue.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The record with the board's defaults.
inline SettingsRecord DefaultsOf(const kit::BoardLogic& logic) {
    SettingsRecord r = logic.NewRecord();
    logic.SetDefaultConfig(r);
    return r;
}

// A record of the board with its head and nothing else: every box clear, no card.
inline SettingsRecord BareRecord(uint8_t id, std::size_t size) {
    SettingsRecord r(size);
    r.SetU8(0, id);
    r.SetI32(4, static_cast<int32_t>(size));
    return r;
}

// The board's defaults with every box of its form clear.
inline SettingsRecord UntickedDefaults(const kit::BoardLogic& logic) {
    SettingsRecord r = DefaultsOf(logic);
    for (const kit::FlagBinding& f : logic.Spec().flags)
        r.SetU8(f.offset, 0);
    return r;
}

// The board model a pin table makes of a record, or of a board's settings object:
// ModelOf(ConfigMirvoPins, r).
template <class Table, class... Args> std::unique_ptr<TMainBoard> ModelOf(Table table, Args&&... args) {
    auto board = std::make_unique<TMainBoard>();
    table(board.get(), std::forward<Args>(args)...);
    return board;
}

// The board model the pin table alone makes of a record (no attach steps).
inline std::unique_ptr<TMainBoard> PinsOf(const kit::BoardLogic& logic, const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    logic.FillBoard(*board, r, nullptr);
    return board;
}

inline std::vector<std::string> ConnectorNames(const TMainBoard& b) {
    std::vector<std::string> names;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        names.push_back(b.GetConnector(i)->GetName());
    return names;
}

inline const TConnector* FindConnector(const TMainBoard& b, const std::string& name) {
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        if (b.GetConnector(i)->GetName() == name)
            return b.GetConnector(i);
    return nullptr;
}

inline const TPin* FindPin(const TMainBoard& b, const std::string& name) {
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        for (int k = 0; k < b.GetConnector(i)->PinCount(); ++k)
            if (const TPin* p = b.GetConnector(i)->GetPin(k); p != nullptr && p->GetName() == name)
                return p;
    return nullptr;
}

inline std::vector<std::string> PinNames(const TConnector& c) {
    std::vector<std::string> names;
    for (int k = 0; k < c.PinCount(); ++k)
        if (const TPin* p = c.GetPin(k))
            names.push_back(p->GetName());
    return names;
}

// A card's name as the catalogue gives it.
inline std::string CardName(uint8_t card) {
    return BoardName(static_cast<int8_t>(card));
}

// The names of a connector's slots in order, "-" for a slot that holds no pin.
inline std::vector<std::string> SlotNames(const TConnector& c) {
    std::vector<std::string> names;
    for (int k = 0; k < c.PinCount(); ++k)
        names.push_back(c.GetPin(k) != nullptr ? c.GetPin(k)->GetName() : "-");
    return names;
}

// The 0-based slots of a connector that hold no pin.
inline std::vector<int> EmptySlots(const TConnector& c) {
    std::vector<int> empty;
    for (int k = 0; k < c.PinCount(); ++k)
        if (c.GetPin(k) == nullptr)
            empty.push_back(k);
    return empty;
}

inline int ActivePins(const TMainBoard& b) {
    int n = 0;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        n += b.GetConnector(i)->ActivePinCount();
    return n;
}

// Pins that the board carries but whose location its data does not give.
inline int UnplacedPins(const TConnector& c) {
    int n = 0;
    for (int k = 0; k < c.PinCount(); ++k)
        if (const TPin* p = c.GetPin(k); p != nullptr && p->IsActive() && p->GetLocation().empty())
            ++n;
    return n;
}

// Expected record bytes as every record's layout starts: the board id at 0,
// the size at 4 (little-endian), the project name at 8, the rest zero.
inline std::vector<uint8_t> RecordHead(uint8_t id, std::size_t size, const std::string& name) {
    std::vector<uint8_t> bytes(size, 0);
    bytes[0] = id;
    for (std::size_t i = 0; i < 4; ++i)
        bytes[4 + i] = static_cast<uint8_t>(size >> (8 * i));
    for (std::size_t i = 0; i < name.size(); ++i)
        bytes[8 + i] = static_cast<uint8_t>(name[i]);
    return bytes;
}

template <class Record> std::vector<uint8_t> Bytes(const Record& r) {
    return std::vector<uint8_t>(r.data(), r.data() + r.size());
}

inline SettingsRecord RecordOf(const std::vector<uint8_t>& bytes) {
    SettingsRecord r(bytes.size());
    std::copy(bytes.begin(), bytes.end(), r.data());
    return r;
}
