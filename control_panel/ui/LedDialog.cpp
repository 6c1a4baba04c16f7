#include "LedDialog.h"

#include "PageLayout.h"
#include "PageLook.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "platform/qt/FormBuilder.h"

#include <QPainter>
#include <QPushButton>

namespace {

using platform::Kind;
using platform::LayoutRow;

// Template 9; the two push buttons stay hidden and only share the handlers.
constexpr platform::Style kHidden{.hidden = true};

constexpr LayoutRow kLedLayout[] = {
    {"CLedDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("LightAllButton", Kind::Button, 54, 126, 50, 14, "Light All", kHidden),      // 1017
    DuRow("UnlightAllButton", Kind::Button, 151, 126, 50, 14, "Unlight All", kHidden), // 1018
};

} // namespace

CLedDialog::CLedDialog(CMainDialogServices& services, QWidget* parent)
    : CBarPageDialog(parent), m_services(services), m_ledBar(AddBar(BTN_MODE_TOGGLE)),
      m_commandBar(AddBar(BTN_MODE_PUSH)) {
    platform::BuildForm(this, kLedLayout);
    connect(platform::Component<QPushButton>(this, "LightAllButton"), &QPushButton::clicked, this,
            [this] { OnLightAll(); });
    connect(platform::Component<QPushButton>(this, "UnlightAllButton"), &QPushButton::clicked, this,
            [this] { OnUnlightAll(); });
    // All ten LEDs start lit.
    for (int i = 0; i < LED_COUNT; ++i) {
        m_ledPositions[i] = LedPosition(i);
        m_ledBar.AddButton(i, "", IDB_LED_ON, m_ledPositions[i].x, m_ledPositions[i].y);
        m_ledBar.SetCheck(i, true);
    }
    m_commandBar.AddButton(IDC_LIGHT_ALL, "Light All", IDB_BUTTON_FACE, 106, 243);
    m_commandBar.AddButton(IDC_UNLIGHT_ALL, "Unlight All", IDB_BUTTON_FACE, 218, 243);
}

void CLedDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CLedDialog::DetachLink() {
    m_pLink = nullptr;
}

void CLedDialog::OnLightAll() {
    for (int i = 0; i < LED_COUNT; ++i) {
        m_ledBar.SetBitmap(i, IDB_LED_ON);
        m_ledBar.SetCheck(i, true);
    }
}

void CLedDialog::OnUnlightAll() {
    for (int i = 0; i < LED_COUNT; ++i) {
        m_ledBar.SetBitmap(i, IDB_LED_OFF);
        m_ledBar.SetCheck(i, false);
    }
}

void CLedDialog::OnLButtonUp(int x, int y) {
    int id = m_ledBar.OnLButtonUp(x, y);
    if (id >= 0) {
        m_ledBar.SetBitmap(id, m_ledBar.GetCheck(id) ? IDB_LED_ON : IDB_LED_OFF);
        WriteLeds();
        return;
    }
    id = m_commandBar.OnLButtonUp(x, y);
    if (id == IDC_LIGHT_ALL) {
        OnLightAll();
        WriteLeds();
    } else if (id == IDC_UNLIGHT_ALL) {
        OnUnlightAll();
        WriteLeds();
    }
}

void CLedDialog::WriteLeds() {
    if (m_pLink == nullptr)
        return;
    EmptyHandler(m_pLink);
    bool result = true;
    if (m_pLink->IsOpen()) {
        std::array<bool, LED_COUNT> lit{};
        for (int i = 0; i < LED_COUNT; ++i)
            lit[static_cast<std::size_t>(i)] = m_ledBar.GetCheck(i);
        result = m_pLink->SetLed(LedMask(lit));
    }
    EmptyHandler(m_pLink);
    if (!result)
        m_services.NotifyLinkError();
}

void CLedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_PAGE_BACKGROUND));
    PaintBars(painter);
    painter.setFont(PageFont(11));
    painter.setPen(Qt::white);
    for (int i = 0; i < LED_COUNT; ++i) {
        const LedPoint& at = m_ledPositions[i];
        painter.drawText(QRect(at.x, at.y + 40, 100, 20), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("LED%1").arg(i));
    }
}
