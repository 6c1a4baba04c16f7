#pragma once
// What the tests of the clock-chip boards (27, 29 and 31) share: their forms need the
// program's module resources, and their pin tables are read through the board model.

#include "BoardFormFixture.h"
#include "BoardModelQueries.h"
#include "boards/kit/BoardLogic.h"
#include "boards/kit/Generate.h"
#include "platform/qt/Resources.h"

#include <memory>

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
