// Where the progress window of a memory transfer opens: centred on the mouse, and wholly
// on the mouse's screen, so that its Abort button can always be reached.
#include "control_panel/ui/DialogProgress.h"
#include "platform/testing/ScriptedPlatform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class ProgressPlace : public ::testing::Test {
protected:
    // The box opened with the mouse at the point, shown.
    QRect OpenAt(QPoint mouse) {
        QCursor::setPos(mouse);
        EXPECT_EQ(QCursor::pos(), mouse);
        box = std::make_unique<CDialogProgress>(nullptr);
        box->show();
        return box->frameGeometry();
    }

    platform::testing::ScriptedPlatform seam;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    std::unique_ptr<CDialogProgress> box;
};

TEST_F(ProgressPlace, InTheMiddleOfTheScreenItIsCentredOnTheMouse) {
    const QRect place = OpenAt(area.center());
    EXPECT_EQ(place.topLeft(), area.center() - QPoint(box->width() / 2, box->height() / 2));
}

TEST_F(ProgressPlace, NearEachCornerItStaysWhollyOnTheScreen) {
    const QPoint corners[] = {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()};
    for (QPoint corner : corners) {
        const QPoint mouse =
            corner + QPoint(corner.x() == area.left() ? 3 : -3, corner.y() == area.top() ? 3 : -3);
        const QRect place = OpenAt(mouse);
        EXPECT_TRUE(area.contains(place))
            << "mouse at " << mouse.x() << "," << mouse.y() << ": box at " << place.left() << ","
            << place.top() << " " << place.width() << "x" << place.height();
        // It keeps to the corner the mouse is in.
        EXPECT_TRUE(place.left() == area.left() || place.right() == area.right());
        EXPECT_TRUE(place.top() == area.top() || place.bottom() == area.bottom());
        QPushButton* abort = box->findChild<QPushButton*>(QStringLiteral("AbortButton"));
        ASSERT_NE(abort, nullptr);
        EXPECT_TRUE(area.contains(QRect(abort->mapToGlobal(QPoint(0, 0)), abort->size())));
    }
}

} // namespace
