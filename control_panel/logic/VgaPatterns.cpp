#include "VgaPatterns.h"

namespace {

constexpr int RAMP_ROWS = 4;
constexpr int RAMP_CELLS = 40;

PreviewCell RampCell(VgaPreview preview, int c, int r, int width, int height) {
    const auto v = static_cast<uint8_t>((16 * c) & 0xFF);
    PreviewCell cell{width * c / RAMP_CELLS,
                     height * r / RAMP_ROWS,
                     width * (c + 1) / RAMP_CELLS,
                     height * (r + 1) / RAMP_ROWS,
                     0,
                     0,
                     0};
    // "Color Scale" shows a red, a green, a blue and a grey row.
    int channel = r;
    if (preview == VgaPreview::RedRamp)
        channel = 0;
    else if (preview == VgaPreview::GreenRamp)
        channel = 1;
    else if (preview == VgaPreview::BlueRamp)
        channel = 2;
    if (channel == 0 || channel == 3)
        cell.r = v;
    if (channel == 1 || channel == 3)
        cell.g = v;
    if (channel == 2 || channel == 3)
        cell.b = v;
    return cell;
}

} // namespace

std::vector<PreviewCell> PreviewCells(int n, int width, int height) {
    std::vector<PreviewCell> cells;
    if (n < 0 || n >= VGA_PATTERN_COUNT)
        return cells;
    const VgaPattern& pattern = kVgaPatterns[n];
    if (pattern.preview == VgaPreview::Solid) {
        cells.push_back({0, 0, width, height, pattern.r, pattern.g, pattern.b});
        return cells;
    }
    for (int r = 0; r < RAMP_ROWS; ++r)
        for (int c = 0; c < RAMP_CELLS; ++c)
            cells.push_back(RampCell(pattern.preview, c, r, width, height));
    return cells;
}
