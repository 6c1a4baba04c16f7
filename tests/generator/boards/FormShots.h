#pragma once
// Screenshots of board forms and what can fail in them: outlines drawn where the layout
// places them, pictures drawn, and controls that lie over one another.

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

namespace formshots {

// Grabs the form and saves it as <build>/screenshots/pinwright-<board>.png.
QImage Save(QWidget& form, const std::string& board);
// The visible outlines whose pen colour appears on none of their rectangle's edges.
std::vector<std::string> OutlinesNotDrawn(const QImage& shot, QWidget& form);
// True when the named control's rectangle on the shot holds more than one colour.
bool Drawn(const QImage& shot, QWidget& form, const char* name);
// Visible controls (outlines aside) that overlap a sibling or reach outside their parent,
// as "A/B" or "A/parent".
std::vector<std::string> Overlaps(QWidget& form);

} // namespace formshots
