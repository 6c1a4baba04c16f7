#include "GSensorDialog.h"

#include "PageLayout.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "control_panel/logic/GSensorReadings.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TextFit.h"

#include <QLabel>
#include <QPainter>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

// Every text in 9-point "Arial", green on black; the status text in the status colour.
constexpr Style kText{.fontColor = STATUS_GREEN};
constexpr Style kStatusIcon{.picture = "BITMAP_206"};
constexpr Style kStatusText{};

// Template 193.
constexpr LayoutRow kGSensorLayout[] = {
    {"CGSensorDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("Title", Kind::Label, 60, 19, 135, 15, "X/Y/Z Accelerometer  (-2g~+2g)", kText), // 1066
    DuRow("XText", Kind::Label, 19, 68, 50, 15, "X:", kText),                              // 1061
    DuRow("YText", Kind::Label, 19, 98, 50, 15, "Y:", kText),                              // 1062
    DuRow("ZText", Kind::Label, 19, 128, 50, 15, "Z:", kText),                             // 1063
    DuRow("Angle1Text", Kind::Label, 162, 55, 25, 15, "0", kText),                         // 1064
    DuRow("Angle2Text", Kind::Label, 97, 96, 25, 15, "0", kText),                          // 1065
    DuRow("StatusText", Kind::Label, 33, 165, 202, 12, "Static", kStatusText),             // 1077
    DuRow("StatusIcon", Kind::Picture, 20, 165, 10, 8, nullptr, kStatusIcon),              // 1078
};

// The gauge's origin and pictures: circular level, bubble, horizontal tube and knob,
// vertical tube and knob.
constexpr int GAUGE_X = 117;
constexpr int GAUGE_Y = 64;

void SetText(QWidget* page, const char* name, const std::string& text) {
    platform::Component<QLabel>(page, name)->setText(platform::ToQt(text));
}

} // namespace

CGSensorDialog::CGSensorDialog(CMainDialogServices&, QWidget* parent)
    : CPageDialog(parent), m_gauge(GAUGE_X, GAUGE_Y, 191, 185, 189, 183, 190, 187) {
    setFont(PageFont(12));
    platform::BuildForm(this, kGSensorLayout);
    for (const char* centred : {"Title", "Angle1Text"})
        platform::Component<QLabel>(this, centred)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (const char* left : {"XText", "YText", "ZText", "Angle2Text", "StatusText"})
        platform::Component<QLabel>(this, left)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::FitTexts(*this);
    m_timer.setSingleShot(true);
    m_timer.setInterval(IDT_REFRESH_MS);
    connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(); });
    // The status line keeps its template text until the page is first attached or detached.
    m_status = std::make_unique<CPageStatusLine>(platform::Component<QWidget>(this, "StatusIcon"),
                                                 platform::Component<QLabel>(this, "StatusText"));
}

void CGSensorDialog::AttachLink(CBoardLink* link) {
    m_status->Clear();
    m_pLink = link;
    if (m_pLink != nullptr && m_pLink->IsOpen()) {
        m_status->SetStatus("Monitor accelerometer reading...", STATUS_YELLOW);
        ReadGSensor();
        StartPollTimer();
    } else {
        KillPollTimer();
    }
}

void CGSensorDialog::DetachLink() {
    m_status->Clear();
    m_pLink = nullptr;
    KillPollTimer();
}

void CGSensorDialog::StartPollTimer() {
    KillPollTimer();
    m_timer.start();
}

void CGSensorDialog::OnTimer() {
    KillPollTimer();
    ReadGSensor();
    if (m_pLink != nullptr && m_pLink->IsOpen())
        StartPollTimer();
}

void CGSensorDialog::ReadGSensor() {
    if (m_pLink == nullptr)
        return;
    EmptyHandler(m_pLink);
    if (m_pLink->IsOpen()) {
        int16_t x = 0;
        int16_t y = 0;
        int16_t z = 0;
        m_bValid = m_pLink->GetGSensor(x, y, z);
        if (m_bValid) {
            m_x = x;
            m_y = y;
            m_z = z;
            repaint();
        }
        // A failed read shows only at the next paint.
    } else {
        m_bValid = false;
    }
    EmptyHandler(m_pLink);
}

void CGSensorDialog::DrawReadings(QPainter& painter) {
    const GSensorView view = ViewOfReading(m_bValid, m_x, m_y, m_z);
    SetText(this, "XText", view.xText);
    SetText(this, "YText", view.yText);
    SetText(this, "ZText", view.zText);
    SetText(this, "Angle1Text", view.angle1Text);
    SetText(this, "Angle2Text", view.angle2Text);
    m_gauge.Draw(painter, view.angle1, view.angle2, view.bubbleX, view.bubbleY);
}

void CGSensorDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_PAGE_BACKGROUND));
    DrawReadings(painter);
}
