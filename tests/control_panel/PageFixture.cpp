#include "PageFixture.h"

#include "control_panel/ui/BarPageDialog.h"
#include "support/FormPixels.h"

#include <QCoreApplication>
#include <QMouseEvent>

void PageTest::Click(CBarPageDialog& page, int x, int y) {
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, page.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, page.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &release);
}

void PageTest::SaveScreenshot(QWidget& page, const char* name) {
    // Most of a page is painted by its bars; the picture and outline widgets it has are judged.
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(testsupport::GrabScreenshot(page, name), page, 0)) << name;
}
