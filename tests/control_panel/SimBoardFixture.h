#pragma once
// What the control panel's tests share: the simulated vendor tree, a program folder of
// their own, the board's request log and state, and a clock that never waits.

#include "control_panel/link/BoardLink.h"
#include "control_panel/link/TickClock.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Sets (or, with nullopt, removes) an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// One millisecond passes with every reading; idling passes the time asked at once.
class FakeTickClock : public CTickClock {
public:
    FakeTickClock() : previous_(InstallTickClock(this)) {}
    ~FakeTickClock() override { InstallTickClock(previous_); }
    uint32_t Now() override { return now_ += 1; }
    void Idle(uint32_t ms) override { now_ += ms; }
    void Advance(uint32_t ms) { now_ += ms; }

private:
    CTickClock* previous_;
    uint32_t now_ = 0;
};

// A board link that can also ask how many reply bytes wait unread in the library.
class ProbedLink : public CBoardLink {
public:
    int Pending() const {
        return IsOpen() ? Entry<PFN_BYTES_AVAILABLE>(JTAG_BYTES_AVAILABLE)(m_pConnection) : 0;
    }
};

class SimBoardTest : public ::testing::Test {
protected:
    SimBoardTest();

    std::string ProgramFolder() const { return temp.Path().string(); }
    std::string StateFolder() const { return temp.File("state"); }
    // Writes one of the board's state files.
    void SetState(const std::string& item, const std::string& text) const;
    // The frames the board received so far, one per line.
    std::vector<std::string> Requests() const;

    testsupport::TempDir temp;
    platform::testing::ScriptedPlatform seam;
    FakeTickClock clock;
    ScopedEnv root{"QUARTUS_ROOTDIR", std::string(BOARDSIM_ROOT)};
    ScopedEnv log{"BOARDSIM_LOG", temp.File("requests.log")};
    ScopedEnv state{"BOARDSIM_STATE", temp.File("state")};
    ScopedEnv fault{"BOARDSIM_FAULT", std::nullopt};
    ScopedEnv cable{"BOARDSIM_CABLE", std::nullopt};
    ScopedEnv name{"BOARDSIM_NAME", std::nullopt};
};
