#pragma once
// What the device pages share in their look: the background, the colours and the font.
// Their status lines use the main dialog's colours: yellow while working, green for
// success and when idle, red for failure.

#include "control_panel/logic/PanelConstants.h"

#include <QFont>
#include <QWidget>
#include <cstdint>

// The page background, 387 x 296, drawn from the top-left corner.
constexpr int IDB_PAGE_BACKGROUND = 176;

// The pages' label colour, light blue.
constexpr uint32_t PAGE_LABEL_COLOR = 0xFFEA00;

// The pages that watch the board ask again this long after each answer.
constexpr int IDT_REFRESH_MS = 200;

// "Arial" of the given pixel height (8 points are 11 pixels, 9 points 12). A page whose
// labels it aligns anew calls platform::FitTexts afterwards, so that none cuts its text.
QFont PageFont(int pixels);
