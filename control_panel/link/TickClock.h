#pragma once
// The millisecond tick count that the waits of the control panel measure time with,
// and the idle pause of the message pump. Tests install a clock of their own so that
// no time-out ever waits for real.

#include <cstdint>

class CTickClock {
public:
    virtual ~CTickClock() = default;
    // Milliseconds since some fixed point; wraps around at 2^32.
    virtual uint32_t Now() = 0;
    // Lets ms milliseconds pass without using the processor.
    virtual void Idle(uint32_t ms) = 0;
};

// The installed clock's tick count (the system's steady clock when none is installed).
uint32_t GetTickCount();
// Idles on the installed clock.
void IdleFor(uint32_t ms);
// Installs clock (not owned; null for the system's clock) and returns the previous one.
CTickClock* InstallTickClock(CTickClock* clock);
