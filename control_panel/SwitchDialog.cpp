#include "SwitchDialog.h"

#include "BoardLink.h"
#include "DialogUnits.h"
#include "PanelPictures.h"
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
    {"KeyGroup", Kind::GroupBox, nullptr, DuX(7), DuY(7), DuX(241), DuY(63), " KEY ", kCaption},
    {"Key0", Kind::Picture, nullptr, DuX(202), DuY(26), DuX(29), DuY(27), nullptr, kKey}, // 1040
    {"Key1", Kind::Picture, nullptr, DuX(156), DuY(26), DuX(29), DuY(27), nullptr, kKey}, // 1041
    {"SwitchGroup", Kind::GroupBox, nullptr, DuX(7), DuY(76), DuX(241), DuY(82), " SWITCH ", kCaption},
    {"Sw0", Kind::Picture, nullptr, DuX(220), DuY(95), DuX(13), DuY(39), nullptr, kSwitch}, // 1042
    {"Sw1", Kind::Picture, nullptr, DuX(198), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw2", Kind::Picture, nullptr, DuX(176), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw3", Kind::Picture, nullptr, DuX(154), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw4", Kind::Picture, nullptr, DuX(132), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw5", Kind::Picture, nullptr, DuX(110), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw6", Kind::Picture, nullptr, DuX(88), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw7", Kind::Picture, nullptr, DuX(66), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw8", Kind::Picture, nullptr, DuX(44), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},
    {"Sw9", Kind::Picture, nullptr, DuX(22), DuY(95), DuX(13), DuY(39), nullptr, kSwitch},             // 1051
    {"StatusText", Kind::Label, nullptr, DuX(33), DuY(165), DuX(202), DuY(12), "Static", kStatusText}, // 1081
    {"StatusIcon", Kind::Picture, nullptr, DuX(20), DuY(165), DuX(10), DuY(8), nullptr, kStatusIcon},  // 1078
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
        m_status->SetStatus("Monitor Switches and Push buttons...", STATUS_BUSY);
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
