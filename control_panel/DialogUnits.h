#pragma once
// The pages' templates are laid out in dialog units of their 8-point font; on screen
// one unit is 6/4 pixel across and 13/8 pixel down, rounded to the nearest pixel.

constexpr int DuX(int du) {
    return (du * 6 + 2) / 4;
}

constexpr int DuY(int du) {
    return (du * 13 + 4) / 8;
}
