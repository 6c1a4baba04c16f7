#pragma once
// Dialog templates give places in dialog units; on screen they are pixels.

constexpr int DuX(int du) {
    return (du * 6 * 2 + 4) / 8; // round(du * 6 / 4)
}
constexpr int DuY(int du) {
    return (du * 13 * 2 + 8) / 16; // round(du * 13 / 8)
}
