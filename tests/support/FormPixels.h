#pragma once
// Checks a grabbed picture of a form against the form's own widgets: a visible outline
// shape shows its pen colour along its edges, a hidden one leaves no outline, and a
// picture shows its pixels in its rectangle. The widgets are found by type, their places
// mapped to the form; pixels that a widget stacked above them covers are not judged.

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testsupport {

struct FormPixels {
    int outlines = 0;       // visible outline shapes whose edges were judged
    int hiddenOutlines = 0; // hidden ones judged to leave no outline
    int pictures = 0;       // pictures whose pixels were compared
    std::vector<std::string> faults;
};

// shot is form.grab() (or the grab of the window the form is docked in, passed as form).
FormPixels CheckFormPixels(const QImage& shot, QWidget& form);

// For EXPECT_TRUE: fails with the faults of CheckFormPixels, and when fewer than
// leastJudged outlines and pictures could be judged (a form that shows none passes 0).
::testing::AssertionResult DrawnAsLaidOut(const QImage& shot, QWidget& form, int leastJudged = 1);

// Grabs the widget and saves it as <name>.png in ScreenshotDir() (the picture for a
// person to look at); returns the grabbed picture.
QImage GrabScreenshot(QWidget& widget, const std::string& name);
void SaveScreenshot(const QImage& shot, const std::string& name);

} // namespace testsupport
