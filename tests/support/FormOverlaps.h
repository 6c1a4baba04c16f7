#pragma once
// Controls of a form that lie over one another: what a layout must never do (the
// outline shapes, and labels written inside them, lie over the board picture by design
// and are left out).

#include <QWidget>
#include <string>
#include <vector>

namespace testsupport {

// Visible controls (outlines aside) that overlap a sibling or reach outside their
// parent, as "A/B" or "A/parent".
std::vector<std::string> OverlappingControls(QWidget& form);

} // namespace testsupport
