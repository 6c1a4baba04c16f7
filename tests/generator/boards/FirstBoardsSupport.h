#pragma once
// What the tests of the first catalogue boards share: the board model of a record
// through a board's pin table, and the record bytes their documentation lays out.

#include "boards/kit/BoardLogic.h"
#include "core/MainBoard.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace firstboards {

// The record with the board's defaults.
inline SettingsRecord DefaultsOf(const kit::BoardLogic& logic) {
    SettingsRecord r = logic.NewRecord();
    logic.SetDefaultConfig(r);
    return r;
}

// The board model the pin table makes of a record.
inline std::unique_ptr<TMainBoard> PinsOf(const kit::BoardLogic& logic, const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    logic.FillBoard(*board, r, nullptr);
    return board;
}

inline std::vector<std::string> NamesOf(const TMainBoard& b) {
    std::vector<std::string> names;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        names.push_back(b.GetConnector(i)->GetName());
    return names;
}

inline int PinCountOf(const TMainBoard& b) {
    int pins = 0;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        pins += b.GetConnector(i)->ActivePinCount();
    return pins;
}

inline const TConnector* Find(const TMainBoard& b, const std::string& name) {
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

// The 0-based slots of a connector that hold no pin.
inline std::vector<int> EmptySlotsOf(const TConnector& c) {
    std::vector<int> empty;
    for (int k = 0; k < c.PinCount(); ++k)
        if (c.GetPin(k) == nullptr)
            empty.push_back(k);
    return empty;
}

// A record as the documentation lays out the defaults: board id at 0, the size at 4,
// the name at 8, then `flags` flag bytes of 1 from offset 136, the rest zero.
inline std::vector<uint8_t> DocumentedDefaults(uint8_t id, std::size_t size, const std::string& name,
                                               int flags) {
    std::vector<uint8_t> bytes(size, 0);
    bytes[0] = id;
    bytes[4] = static_cast<uint8_t>(size & 0xFF);
    bytes[5] = static_cast<uint8_t>(size >> 8);
    for (std::size_t i = 0; i < name.size(); ++i)
        bytes[8 + i] = static_cast<uint8_t>(name[i]);
    for (int i = 0; i < flags; ++i)
        bytes[136 + static_cast<std::size_t>(i)] = 1;
    return bytes;
}

inline std::string AsText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

inline SettingsRecord RecordOf(const std::vector<uint8_t>& bytes) {
    SettingsRecord r(bytes.size());
    std::copy(bytes.begin(), bytes.end(), r.data());
    return r;
}

} // namespace firstboards
