#pragma once
// The core tests' own board: a device and groups of on-board pins that each test
// fills in. It takes the id of a catalogue board (30) only so that the writers
// find a title for it; no board's pin table or text is involved.

#include "core/MainBoard.h"

#include <initializer_list>
#include <tuple>

namespace coretest {

inline constexpr uint8_t kTestBoardId = 30;

// A group of on-board pins (name, location, direction), 3.3-V LVTTL.
inline TConnector* Group(const char* name,
                         std::initializer_list<std::tuple<const char*, const char*, uint8_t>> pins) {
    auto* c = new TConnector(name, "", CONNECTOR_NONE, -1);
    for (auto [n, loc, dir] : pins)
        c->AddPin(new TPin(n, loc, dir, IOSTD_3V3_LVTTL, 0.0f));
    return c;
}

// The test board's id and device, with package, pin count and speed grade.
inline void TestDevice(TMainBoard& b) {
    b.m_BoardId = kTestBoardId;
    b.m_Family = "MAX 10 FPGA";
    b.m_Device = "10M50DAF484C7G";
    b.m_Package = "FBGA";
    b.m_PinCount = 484;
    b.m_SpeedGradeText = "7";
}

} // namespace coretest
