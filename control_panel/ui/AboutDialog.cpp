#include "AboutDialog.h"

#include "PanelPictures.h"
#include "control_panel/logic/DialogUnits.h"
#include "control_panel/logic/PanelConstants.h"
#include "platform/qt/QtPlatform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

const char* const ABOUT_VERSION_TEXT = "Software Version V1.0.2\r\n"
                                       "Veltrax Technologies\r\n"
                                       "www.veltrax.example";

namespace {

constexpr int ABOUT_CLOSE_ID = 1047;

QFont ArialPoints(int points) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

// A static control drawn straight on the background picture, white.
QLabel* StaticText(QWidget* parent, const char* name, int x, int y, int w, int h, int points) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(DuX(x), DuY(y), DuX(w), DuY(h));
    label->setFont(ArialPoints(points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    // Presses on the texts reach the dialog, as they would through a static control.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent), m_owner(this) {
    setWindowTitle(QStringLiteral("About Control Panel"));
    setFixedSize(DuX(253), DuY(230));
    m_pName = StaticText(this, "1056", 96, 175, 135, 15, 13);
    m_pName->setText(QStringLiteral("Lumastat"));
    m_pVersion = StaticText(this, "1055", 96, 191, 98, 32, 8);
    // A static control breaks its lines at "\r\n"; a label breaks them at "\n".
    m_pVersion->setText(
        platform::ToQt(ABOUT_VERSION_TEXT).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_pBar = std::make_unique<CButtonManager>(m_owner, BTN_MODE_RADIO);
    m_pBar->AddButton(ABOUT_CLOSE_ID, "Close", IDB_ABOUT_CLOSE, 306, 342);
}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_ABOUT_BACKGROUND));
    CQtButtonCanvas canvas(painter);
    m_pBar->Paint(canvas);
}

void CAboutDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pBar->OnLButtonDown(event->position().toPoint().x(), event->position().toPoint().y());
    QDialog::mousePressEvent(event);
}

void CAboutDialog::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    m_pBar->OnMouseMove(p.x(), p.y());
    m_owner.ShowHandCursor(m_pBar->IsOverButton(p.x(), p.y()));
    QDialog::mouseMoveEvent(event);
}

void CAboutDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPoint p = event->position().toPoint();
        if (m_pBar->OnLButtonUp(p.x(), p.y()) == ABOUT_CLOSE_ID) {
            accept();
            return;
        }
    }
    QDialog::mouseReleaseEvent(event);
}

void CAboutDialog::leaveEvent(QEvent* event) {
    m_pBar->OnMouseMove(CQtButtonOwner::OUTSIDE, CQtButtonOwner::OUTSIDE);
    QDialog::leaveEvent(event);
}

void CAboutDialog::keyPressEvent(QKeyEvent* event) {
    // Enter is the dialog's OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
