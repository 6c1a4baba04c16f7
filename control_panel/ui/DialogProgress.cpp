#include "DialogProgress.h"

#include "PageLayout.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

constexpr Style kFont{.font = "Microsoft Sans Serif", .fontPx = 11};

// Template 209; the bar is added in code, the form builder has no progress bars.
constexpr LayoutRow kProgressLayout[] = {
    {"CDialogProgress", Kind::Form, nullptr, 0, 0, DuX(231), DuY(114), "Progress", kFont},
    DuRow("AbortButton", Kind::Button, 89, 70, 50, 14, "Abort"), // 1084
    DuRow("PercentLabel", Kind::Label, 23, 17, 190, 12, ""),     // 1085
};

} // namespace

CDialogProgress::CDialogProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    platform::BuildForm(this, kProgressLayout);
    setFixedSize(size());
    m_pLabel = platform::Component<QLabel>(this, "PercentLabel");
    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName(QStringLiteral("Progress")); // 1031
    m_pProgress->setGeometry(DuX(23), DuY(40), DuX(184), DuY(14));
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    m_pProgress->setTextVisible(false);
    auto* abort = platform::Component<QPushButton>(this, "AbortButton");
    abort->setDefault(true);
    // The Memory page gave every button of the program the hand cursor.
    abort->setCursor(Qt::PointingHandCursor);
    connect(abort, &QPushButton::clicked, this, [this] { OnAbort(); });
}

void CDialogProgress::showEvent(QShowEvent* event) {
    // Placed when shown: by then the window's frame is known where the system tells it.
    if (!m_bPlaced) {
        m_bPlaced = true;
        const QPoint mouse = QCursor::pos();
        QScreen* screen = QGuiApplication::screenAt(mouse);
        if (screen == nullptr)
            screen = this->screen();
        const QRect area = screen->availableGeometry();
        const QSize frame = frameGeometry().size();
        // Centred on the mouse, then pushed inside the screen, so that Abort can be reached.
        QPoint place = mouse - QPoint(width() / 2, height() / 2);
        place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - frame.width())));
        place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - frame.height())));
        move(place);
    }
    QDialog::showEvent(event);
}

void CDialogProgress::SetPercentage(int percent) {
    m_pLabel->setText(platform::ToQt(platform::Format("Finished Percentage: %d%%", percent)));
    m_pProgress->setValue(percent);
}
