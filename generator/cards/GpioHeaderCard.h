#pragma once
// The shape shared by the 2x20 GPIO header cards: 40 slots, one per header position;
// positions 11, 12, 29 and 30 are power and ground.

#include "cards/CardRow.h"
#include "model/ConnectorType.h"

#include <cstdint>
#include <span>

// One entry of a header card: a pin at one position, or a run BASE[from..to] laid on the
// consecutive positions first..last (the index counts down when to is below from).
struct GpioRun {
    int first;
    int last;
    const char* name; // the pin's name, or the run's base
    int from;         // -1 for a single pin
    int to;
    uint8_t direction;

    constexpr GpioRun(int position, const char* pinName, uint8_t dir)
        : first(position), last(position), name(pinName), from(-1), to(-1), direction(dir) {}
    constexpr GpioRun(int firstPosition, int lastPosition, const char* base, int fromIndex, int toIndex,
                      uint8_t dir)
        : first(firstPosition), last(lastPosition), name(base), from(fromIndex), to(toIndex), direction(dir) {
    }
};

// True when the entries rise through 1..40, never touch a power position and every run
// covers as many positions as it has indexes: checked on each table at compile time.
constexpr bool GpioRunsFit(std::span<const GpioRun> runs) {
    int next = 1;
    for (const GpioRun& r : runs) {
        if (r.first < next || r.last < r.first || r.last > GPIO_PIN_NUM)
            return false;
        if (r.from >= 0 && r.last - r.first != (r.to > r.from ? r.to - r.from : r.from - r.to))
            return false;
        for (int p : {11, 12, 29, 30})
            if (p >= r.first && p <= r.last)
                return false;
        next = r.last + 1;
    }
    return true;
}

// Appends the 40 slots; every pin takes ioStandard, positions without an entry stay empty.
void AppendGpioRuns(TConnector* conn, std::span<const GpioRun> runs, uint8_t ioStandard);
