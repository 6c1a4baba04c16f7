#include "TickClock.h"

#include <chrono>
#include <thread>

namespace {

class CSteadyClock : public CTickClock {
public:
    uint32_t Now() override {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<uint32_t>(ms.count());
    }
    void Idle(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

CSteadyClock g_steady;
CTickClock* g_clock = nullptr;

CTickClock& Clock() {
    return g_clock != nullptr ? *g_clock : g_steady;
}

} // namespace

uint32_t GetTickCount() {
    return Clock().Now();
}

void IdleFor(uint32_t ms) {
    Clock().Idle(ms);
}

CTickClock* InstallTickClock(CTickClock* clock) {
    CTickClock* previous = g_clock;
    g_clock = clock;
    return previous;
}
