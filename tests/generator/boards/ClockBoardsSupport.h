#pragma once
// What the tests of the clock-chip boards (27, 29 and 31) share: their forms need the
// program's module resources, and their pin tables are read through the board model.

#include "BoardFormFixture.h"
#include "boards/kit/BoardLogic.h"
#include "platform/qt/Resources.h"

#include <memory>
#include <string>
#include <vector>

class ClockBoardForm : public BoardFormFixture {
protected:
    ClockBoardForm() {
        seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    }
};

// The board model of a record as Generate builds it: pin table, then the attach steps.
struct BuiltBoard {
    TMainBoard board;
    std::unique_ptr<TConfigBoard> settings;
};

inline std::unique_ptr<BuiltBoard> Build(const kit::BoardLogic& logic, const SettingsRecord& r) {
    auto built = std::make_unique<BuiltBoard>();
    EXPECT_TRUE(kit::BuildBoard(logic, r, built->board, built->settings));
    return built;
}

inline SettingsRecord Defaults(const kit::BoardLogic& logic) {
    SettingsRecord r = logic.NewRecord();
    logic.SetDefaultConfig(r);
    return r;
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

// Expected record bytes: a head and the bytes the board's documentation lists.
inline std::vector<uint8_t> RecordBytes(std::size_t size, uint8_t id, const std::string& name) {
    std::vector<uint8_t> bytes(size, 0);
    bytes[0] = id;
    for (std::size_t i = 0; i < 4; ++i)
        bytes[4 + i] = static_cast<uint8_t>(size >> (8 * i));
    for (std::size_t i = 0; i < name.size(); ++i)
        bytes[8 + i] = static_cast<uint8_t>(name[i]);
    return bytes;
}

inline std::vector<uint8_t> Bytes(const SettingsRecord& r) {
    return std::vector<uint8_t>(r.data(), r.data() + r.size());
}
