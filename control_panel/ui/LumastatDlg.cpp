#include "LumastatDlg.h"

#include "AboutDialog.h"
#include "GSensorDialog.h"
#include "HexDialog.h"
#include "LedDialog.h"
#include "MemoryDialog.h"
#include "PanelPictures.h"
#include "SwitchDialog.h"
#include "VgaDialog.h"
#include "control_panel/logic/DialogUnits.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QueuedCall.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr const char* TITLE_TEXT = "Veltrax Lumastat V1.0.2";
constexpr uint32_t TITLE_COLOR = 0x00FF00;
// 8 points on a 96-dpi screen.
constexpr int STATUS_FONT_PX = 11;
// Creation order of the pages: LED, 7-SEG, Memory, VGA, Switches, Accelerometer; their
// windows go in the same order.
constexpr int PAGE_CREATION_ORDER[] = {PAGE_LED, PAGE_SEG7, PAGE_MEMORY, PAGE_VGA, PAGE_SWITCH, PAGE_GSENSOR};

// The surface of the main dialog: its painter, with the dialog's own font for the
// status line and the progress text.
class CQtPanelCanvas : public CPanelCanvas {
public:
    explicit CQtPanelCanvas(QPainter& painter) : m_painter(painter), m_buttons(painter) {}

    void DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) override {
        m_buttons.DrawBitmap(resourceId, srcTop, width, height, x, y);
    }
    void CaptionSize(const std::string& text, int& width, int& height) override {
        m_buttons.CaptionSize(text, width, height);
    }
    void DrawCaption(const std::string& text, int x, int y, int width, uint32_t colorRef) override {
        m_buttons.DrawCaption(text, x, y, width, colorRef);
    }
    void FillRect(const PanelRect& rect, uint32_t colorRef) override {
        m_painter.fillRect(QtRect(rect), FromColorRef(colorRef));
    }
    void TextSize(const std::string& text, int& width, int& height) override {
        QFontMetrics metrics(m_painter.font());
        width = metrics.horizontalAdvance(platform::ToQt(text));
        height = metrics.height();
    }
    void DrawText(const std::string& text, int x, int y, uint32_t colorRef, const PanelRect* clip) override {
        m_painter.save();
        if (clip != nullptr)
            m_painter.setClipRect(QtRect(*clip));
        m_painter.setPen(FromColorRef(colorRef));
        m_painter.drawText(QPoint(x, y + QFontMetrics(m_painter.font()).ascent()), platform::ToQt(text));
        m_painter.restore();
    }
    void RoundRect(const PanelRect& rect, int corner, int penWidth, uint32_t colorRef) override {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setPen(QPen(FromColorRef(colorRef), penWidth));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRoundedRect(QRectF(QtRect(rect)), corner / 2.0, corner / 2.0);
        m_painter.restore();
    }

private:
    QPainter& m_painter;
    CQtButtonCanvas m_buttons;
};

} // namespace

CPageDialog* CLumastatDlg::MakePage(int page, CMainDialogServices& services, QWidget* parent) {
    switch (page) {
    case PAGE_LED:
        return new CLedDialog(services, parent);
    case PAGE_SEG7:
        return new CHexDialog(services, parent);
    case PAGE_SWITCH:
        return new CSwitchDialog(services, parent);
    case PAGE_MEMORY:
        return new CMemoryDialog(services, parent);
    case PAGE_GSENSOR:
        return new CGSensorDialog(services, parent);
    default: // PAGE_VGA
        return new CVgaDialog(services, parent);
    }
}

CLumastatDlg::CLumastatDlg(PageFactory factory) : m_owner(this), m_panel(*this, m_link) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QStringLiteral("Lumastat"));
    // The 413 x 370 dialog-unit template rounds to 620 x 601; the window keeps the
    // size of its 620 x 600 background instead, so no strip is left unpainted.
    setFixedSize(620, 600);
    setWindowIcon(QIcon(QPixmap::fromImage(PanelIcon(IDI_MAIN))));
    // The status line and the progress text are painted in the dialog's own font, the
    // 8-point face of the system's dialogs, not in the desktop's font, whose size is not
    // known here and could overrun the status box.
    QFont statusFont(QStringLiteral("MS Sans Serif"));
    statusFont.setStyleHint(QFont::SansSerif);
    statusFont.setPixelSize(STATUS_FONT_PX);
    setFont(statusFont);

    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("1082"));
    m_pTitle->setGeometry(DuX(100), DuY(9), DuX(213), DuY(14));
    m_pTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSize(10);
    m_pTitle->setFont(titleFont);
    QPalette palette = m_pTitle->palette();
    palette.setColor(QPalette::WindowText, FromColorRef(TITLE_COLOR));
    m_pTitle->setPalette(palette);
    m_pTitle->setText(platform::ToQt(TITLE_TEXT));

    m_pAnimation = new CAnimationBox(this);
    m_pAnimation->setObjectName(QStringLiteral("1051"));
    m_pAnimation->hide();

    for (int page : PAGE_CREATION_ORDER) {
        m_pages[page] = factory(page, *this, this);
        m_pages[page]->setGeometry(QtRect(PAGE_RECT));
        m_pages[page]->hide();
    }

    m_progressTimer.setInterval(PROGRESS_DURATION_MS / 100);
    QObject::connect(&m_progressTimer, &QTimer::timeout, this, [this] { m_panel.OnTimer(IDT_REFRESH); });

    m_panel.Init();
}

CLumastatDlg::~CLumastatDlg() {
    m_progressTimer.stop();
    SetWaitCursor(false);
    // The pages go before the link they may still hold.
    for (int page : PAGE_CREATION_ORDER) {
        delete m_pages[page];
        m_pages[page] = nullptr;
    }
}

void CLumastatDlg::EnableMainButtons(bool enable) {
    m_panel.EnableMainButtons(enable);
}

void CLumastatDlg::NotifyLinkError() {}

bool CLumastatDlg::LoadBitmap(int resourceId, int& width, int& height) {
    return m_owner.LoadBitmap(resourceId, width, height);
}

void CLumastatDlg::Invalidate(const PanelRect& rect) {
    m_owner.Invalidate(rect);
}

void CLumastatDlg::Update() {
    m_owner.Update();
}

void CLumastatDlg::SetCapture() {
    m_owner.SetCapture();
}

void CLumastatDlg::ReleaseCapture() {
    m_owner.ReleaseCapture();
}

void CLumastatDlg::ShowPage(int page, bool show) {
    m_pages[page]->setVisible(show);
}

void CLumastatDlg::AttachPageLink(int page, CBoardLink* link) {
    m_pages[page]->AttachLink(link);
}

void CLumastatDlg::DetachPageLink(int page) {
    m_pages[page]->DetachLink();
}

void CLumastatDlg::PlayAnimation(const PanelRect& where) {
    m_pAnimation->setGeometry(QtRect(where));
    m_pAnimation->show();
    m_pAnimation->Open(PanelAnimation(IDR_CONNECT_AVI));
    m_pAnimation->Play();
}

void CLumastatDlg::StopAnimation() {
    m_pAnimation->Stop();
}

void CLumastatDlg::ShowAnimation(bool show) {
    m_pAnimation->setVisible(show);
}

void CLumastatDlg::InvalidateAll() {
    m_owner.Invalidate(RectAt(0, 0, width(), height()));
}

void CLumastatDlg::SetWaitCursor(bool wait) {
    if (wait == m_bWaitCursor)
        return;
    m_bWaitCursor = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int CLumastatDlg::StartTimer(int id, uint32_t intervalMs) {
    m_progressTimer.start(static_cast<int>(intervalMs));
    return id;
}

void CLumastatDlg::KillTimer(int) {
    m_progressTimer.stop();
}

void CLumastatDlg::PostConnect() {
    // The connect holds the event loop for seconds: it starts once the window has been
    // painted on the screen, so that the connect animation and the 2 % bar show while it runs.
    m_bConnectAfterPaint = true;
    update();
}

void CLumastatDlg::CloseWindow() {
    // Runs once the handler that asked has returned.
    platform::PostCall(this, [this] { close(); });
}

void CLumastatDlg::Minimize() {
    showMinimized();
}

void CLumastatDlg::RunAbout() {
    CAboutDialog about(this);
    about.exec();
}

void CLumastatDlg::reject() {
    if (m_panel.CanClose())
        QDialog::reject();
}

void CLumastatDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_BACKGROUND));
    CQtPanelCanvas canvas(painter);
    m_panel.Paint(canvas);
    // Painted into a picture (a grab) the window is not yet on the screen.
    if (m_bConnectAfterPaint && windowHandle() != nullptr && windowHandle()->isExposed()) {
        m_bConnectAfterPaint = false;
        platform::PostCall(this, [this] { m_panel.OnConnect(); });
    }
}

void CLumastatDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    QPoint p = event->position().toPoint();
    if (m_panel.IsOverButton(p.x(), p.y())) {
        m_panel.OnLButtonDown(p.x(), p.y());
        return;
    }
    // Anywhere else the frameless window is dragged by its body.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    m_bDragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CLumastatDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    QPoint p = event->position().toPoint();
    m_panel.OnMouseMove(p.x(), p.y());
    m_owner.ShowHandCursor(m_panel.IsOverButton(p.x(), p.y()));
}

void CLumastatDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_bDragging) {
        m_bDragging = false;
        return;
    }
    QPoint p = event->position().toPoint();
    m_panel.OnLButtonUp(p.x(), p.y());
}

void CLumastatDlg::leaveEvent(QEvent* event) {
    if (!m_bDragging)
        m_panel.OnMouseMove(CQtButtonOwner::OUTSIDE, CQtButtonOwner::OUTSIDE);
    QDialog::leaveEvent(event);
}
