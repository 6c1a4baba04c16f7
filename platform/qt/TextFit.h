#pragma once
// Texts fit their controls by construction. A label grows to its text as the form
// designer's auto-size labels did: away from the side its text is aligned to. A check
// box or radio button keeps its laid-out rectangle unless its text would be cut; then it
// grows into free space only, never over another control.

#include <QFontMetrics>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace platform {

// The pixels a one-line text needs: its advance or its ink, whichever reaches further,
// and the font's line height.
QSize TextNeed(const QFontMetrics& metrics, const QString& text);

// Free pixels beside the control inside its parent, up to the nearest other control
// (outline shapes aside: they lie over pictures by design) or the parent's inner edge.
int FreeRight(const QWidget& control);
int FreeAbove(const QWidget& control);
int FreeBelow(const QWidget& control);

void FitLabel(QLabel& label);
// Check boxes and radio buttons.
void FitButtonText(QAbstractButton& button);
// Every label, check box and radio button of the form.
void FitTexts(QWidget& form);

} // namespace platform
