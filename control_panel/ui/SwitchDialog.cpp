#include "SwitchDialog.h"

#include "PageLayout.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

// Every control in 9-point "Arial" on black; the status text in the status colour.
constexpr Style kCaption{.fontColor = PAGE_LABEL_COLOR};
constexpr Style kKey{.picture = "BITMAP_130"};
constexpr Style kSwitch{.picture = "BITMAP_163"};
constexpr Style kStatusIcon{.picture = "BITMAP_206"};
constexpr Style kStatusText{};

// Template 162: KEY0 and SW0 on the right, as on the board.
constexpr LayoutRow kSwitchLayout[] = {
    {"CSwitchDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("KeyGroup", Kind::GroupBox, 7, 7, 241, 63, " KEY ", kCaption),
    DuRow("Key0", Kind::Picture, 202, 26, 29, 27, nullptr, kKey), // 1040
    DuRow("Key1", Kind::Picture, 156, 26, 29, 27, nullptr, kKey), // 1041
    DuRow("SwitchGroup", Kind::GroupBox, 7, 76, 241, 82, " SWITCH ", kCaption),
    DuRow("Sw0", Kind::Picture, 220, 95, 13, 39, nullptr, kSwitch), // 1042
    DuRow("Sw1", Kind::Picture, 198, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw2", Kind::Picture, 176, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw3", Kind::Picture, 154, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw4", Kind::Picture, 132, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw5", Kind::Picture, 110, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw6", Kind::Picture, 88, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw7", Kind::Picture, 66, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw8", Kind::Picture, 44, 95, 13, 39, nullptr, kSwitch),
    DuRow("Sw9", Kind::Picture, 22, 95, 13, 39, nullptr, kSwitch),             // 1051
    DuRow("StatusText", Kind::Label, 33, 165, 202, 12, "Static", kStatusText), // 1081
    DuRow("StatusIcon", Kind::Picture, 20, 165, 10, 8, nullptr, kStatusIcon),  // 1078
};

} // namespace

CSwitchDialog::CSwitchDialog(CMainDialogServices&, QWidget* parent) : CPageDialog(parent) {
    setFont(PageFont(12));
    platform::BuildForm(this, kSwitchLayout);
    m_timer.setObjectName(QStringLiteral("PollTimer"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(IDT_REFRESH_MS);
    connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(); });
    for (int j = 0; j < KEY_COUNT; ++j)
        m_keys[static_cast<std::size_t>(j)] = platform::Component<platform::PictureBox>(
            this, QStringLiteral("Key%1").arg(j).toLatin1().constData());
    for (int j = 0; j < SWITCH_COUNT; ++j)
        m_switches[static_cast<std::size_t>(j)] = platform::Component<platform::PictureBox>(
            this, QStringLiteral("Sw%1").arg(j).toLatin1().constData());
    m_status = std::make_unique<CPageStatusLine>(platform::Component<QWidget>(this, "StatusIcon"),
                                                 platform::Component<QLabel>(this, "StatusText"));
    m_status->Clear();
}

void CSwitchDialog::AttachLink(CBoardLink* link) {
    m_status->Clear();
    m_pLink = link;
    if (m_pLink != nullptr && m_pLink->IsOpen()) {
        m_status->SetStatus("Monitor Switches and Push buttons...", STATUS_YELLOW);
        StartPollTimer();
    } else {
        KillPollTimer();
    }
}

void CSwitchDialog::DetachLink() {
    m_status->Clear();
    KillPollTimer();
    m_pLink = nullptr;
}

void CSwitchDialog::StartPollTimer() {
    KillPollTimer();
    m_timer.start();
}

void CSwitchDialog::OnTimer() {
    KillPollTimer();
    PollInputs();
    // The next poll comes 200 ms after this one ended, and only while the link is open.
    if (m_pLink != nullptr && m_pLink->IsOpen())
        StartPollTimer();
}

void CSwitchDialog::PollInputs() {
    if (m_pLink == nullptr)
        return;
    EmptyHandler(m_pLink);
    uint32_t keys = 0;
    uint32_t switches = 0;
    if (m_pLink->IsOpen() && m_pLink->GetKeySwitch(keys, switches)) {
        ShowKeys(~keys);
        ShowSwitches(~switches);
    }
    EmptyHandler(m_pLink);
}

void CSwitchDialog::ShowKeys(uint32_t word) {
    const std::array<int, KEY_COUNT> ids = KeyPictures(word);
    for (int j = 0; j < KEY_COUNT; ++j)
        m_keys[static_cast<std::size_t>(j)]->SetImage(PanelBitmap(ids[static_cast<std::size_t>(j)]));
    repaint();
}

void CSwitchDialog::ShowSwitches(uint32_t word) {
    const std::array<int, SWITCH_COUNT> ids = SwitchPictures(word);
    for (int j = 0; j < SWITCH_COUNT; ++j)
        m_switches[static_cast<std::size_t>(j)]->SetImage(PanelBitmap(ids[static_cast<std::size_t>(j)]));
    repaint();
}

void CSwitchDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_PAGE_BACKGROUND));
    // A character cell 14 pixels high.
    painter.setFont(PageFont(12));
    painter.setPen(Qt::white);
    // Labels under the pictures: keys 10 pixels in, switches 2 pixels out to the left.
    for (int j = 0; j < KEY_COUNT; ++j) {
        const QRect r = m_keys[static_cast<std::size_t>(j)]->geometry();
        painter.drawText(QRect(r.left() + 10, r.bottom() + 1 + 4, 100, 30), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("KEY%1").arg(j));
    }
    for (int j = 0; j < SWITCH_COUNT; ++j) {
        const QRect r = m_switches[static_cast<std::size_t>(j)]->geometry();
        painter.drawText(QRect(r.left() - 2, r.bottom() + 1 + 4, 100, 30), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("SW%1").arg(j));
    }
}
