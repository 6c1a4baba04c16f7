#pragma once
// The outlines that mark the I/O voltage chosen for a bank, one per item of the
// voltage lists (3.3 V, 2.5 V, 1.8 V, 1.5 V): the chosen one shows, the others hide. A
// voltage outside the list marks the board's default.

#include "FormView.h"

#include <cstdint>

namespace kit {

inline constexpr const char* kHsmcVoltageMarks[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8",
                                                    "ShapeHsmc1V5"};
inline constexpr const char* kGpioVoltageMarks[] = {"ShapeGpio3V3", "ShapeGpio2V5", "ShapeGpio1V8",
                                                    "ShapeGpio1V5"};

inline void ShowVoltageMark(FormView& view, const char* const (&marks)[4], int32_t voltage,
                            int32_t fallback) {
    for (const char* mark : marks)
        view.shown[mark] = false;
    view.shown[marks[voltage >= 0 && voltage < 4 ? voltage : fallback]] = true;
}

} // namespace kit
