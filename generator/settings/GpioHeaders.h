#pragma once
// The indexes of a record's two 2x20 GPIO headers in its per-header fields
// (nGpioDaughterId[GPIO_0], szGpioPrefixName[GPIO_1], ...).

struct GpioHeaders {
    enum : int { GPIO_0 = 0, GPIO_1 = 1 };
};
