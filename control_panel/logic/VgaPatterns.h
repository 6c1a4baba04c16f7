#pragma once
// The VGA test patterns, in the order of the page's list (the index is the number sent
// to the board), and the preview the page paints of each.

#include <cstdint>
#include <vector>

enum class VgaPreview { ColourRamps, RedRamp, GreenRamp, BlueRamp, Solid };

struct VgaPattern {
    const char* name;
    VgaPreview preview;
    uint8_t r, g, b; // the solid colour
};

inline constexpr VgaPattern kVgaPatterns[] = {
    {"Color Scale", VgaPreview::ColourRamps, 0, 0, 0}, {"Red", VgaPreview::Solid, 246, 0, 0},
    {"Green", VgaPreview::Solid, 0, 255, 0},           {"Blue", VgaPreview::Solid, 0, 0, 255},
    {"White", VgaPreview::Solid, 255, 255, 255},       {"Black", VgaPreview::Solid, 0, 0, 0},
    {"Red Scale", VgaPreview::RedRamp, 0, 0, 0},       {"Green Scale", VgaPreview::GreenRamp, 0, 0, 0},
    {"Blue Scale", VgaPreview::BlueRamp, 0, 0, 0},
};

inline constexpr int VGA_PATTERN_COUNT = sizeof kVgaPatterns / sizeof kVgaPatterns[0];

// One filled rectangle of the preview, relative to its top-left corner; right and bottom
// excluded.
struct PreviewCell {
    int left, top, right, bottom;
    uint8_t r, g, b;
};

// The cells of pattern n in a preview of width x height pixels: ramps are 4 rows of 40
// cells, solid patterns one cell; a number outside the list paints nothing.
std::vector<PreviewCell> PreviewCells(int n, int width, int height);
