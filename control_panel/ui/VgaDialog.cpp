#include "VgaDialog.h"

#include "PageLayout.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "control_panel/link/BoardProtocol.h"
#include "control_panel/logic/VgaPatterns.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TextFit.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

// Every control in 9-point "Arial"; the list and the labels on black.
constexpr Style kTitle{.fontColor = PAGE_LABEL_COLOR};
constexpr Style kWhite{.fontColor = 0xFFFFFF};
constexpr Style kList{.handCursor = true};
constexpr Style kFrame{.penColor = 0x000000};
constexpr Style kStatusIcon{.picture = "BITMAP_206"};
constexpr Style kStatusText{};

// Template 153. The list's height is that of its closed box.
constexpr LayoutRow kVgaLayout[] = {
    {"CVgaDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("TitleLabel", Kind::Label, 40, 28, 65, 8, "VGA Pattern Display", kTitle),   // 1059
    DuRow("PatternLabel", Kind::Label, 40, 46, 28, 8, "Pattern:", kWhite),            // 1060
    DuRow("PatternList", Kind::ComboBox, 71, 44, 71, DU_CLOSED_LIST, nullptr, kList), // 1025
    DuRow("PreviewFrame", Kind::Shape, 32, 74, 194, 84, nullptr, kFrame),             // 1047
    DuRow("StatusText", Kind::Label, 33, 165, 202, 12, "Static", kStatusText),        // 1086
    DuRow("StatusIcon", Kind::Picture, 20, 165, 10, 8, nullptr, kStatusIcon),         // 1078
};

} // namespace

CVgaDialog::CVgaDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {
    setFont(PageFont(12));
    platform::BuildForm(this, kVgaLayout);
    for (QLabel* label : findChildren<QLabel*>())
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::FitTexts(*this);
    m_pPatterns = platform::Component<QComboBox>(this, "PatternList");
    QPalette palette = m_pPatterns->palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    m_pPatterns->setPalette(palette);
    for (const VgaPattern& pattern : kVgaPatterns)
        m_pPatterns->addItem(platform::ToQt(pattern.name));
    m_pPatterns->setCurrentIndex(0);
    // Picking the item that is already shown is no change of the selection.
    connect(m_pPatterns, &QComboBox::activated, this, [this](int index) {
        if (index != m_nShownPattern)
            OnSelchangePattern();
    });
    m_pPreview = platform::Component<QWidget>(this, "PreviewFrame");
    // The status line keeps its template text until the page is first attached.
    m_status = std::make_unique<CPageStatusLine>(platform::Component<QWidget>(this, "StatusIcon"),
                                                 platform::Component<QLabel>(this, "StatusText"));
}

void CVgaDialog::AttachLink(CBoardLink* link) {
    m_status->Clear();
    m_pLink = link;
    if (m_pLink != nullptr && m_pLink->IsOpen() && ProbeVga())
        OnSelchangePattern();
}

void CVgaDialog::DetachLink() {
    m_pLink = nullptr;
}

bool CVgaDialog::ProbeVga() {
    if (m_pLink == nullptr)
        return false;
    EmptyHandler(m_pLink);
    bool answered = false;
    if (m_pLink->IsOpen()) {
        bool ok = false;
        answered = m_pLink->DeviceControl(ok, DEVICE_VGA, VGA_OP_PROBE, 0) && ok;
    }
    EmptyHandler(m_pLink);
    return answered;
}

bool CVgaDialog::SetVgaPattern(int pattern) {
    if (m_pLink == nullptr)
        return false;
    EmptyHandler(m_pLink);
    bool result = true;
    if (m_pLink->IsOpen()) {
        // A pattern the board refuses is a failure too, not only a lost exchange.
        bool ok = false;
        result =
            m_pLink->DeviceControl(ok, DEVICE_VGA, VGA_OP_SET_PATTERN, static_cast<uint8_t>(pattern)) && ok;
    }
    EmptyHandler(m_pLink);
    if (!result)
        m_services.NotifyLinkError();
    return result;
}

void CVgaDialog::OnSelchangePattern() {
    repaint();
    const int pattern = m_pPatterns->currentIndex();
    m_nShownPattern = pattern;
    if (m_pLink != nullptr && m_pLink->IsOpen())
        ApplyPattern(pattern);
}

void CVgaDialog::ApplyPattern(int pattern) {
    m_status->SetStatus("VGA-OUT Setting...", STATUS_YELLOW);
    if (SetVgaPattern(pattern))
        m_status->SetStatus(platform::Format("%s %s", "Set VGA-OUT", "Success"), STATUS_GREEN);
}

void CVgaDialog::DrawPattern(QPainter& painter, int pattern) {
    const QRect r = m_pPreview->geometry();
    for (const PreviewCell& cell : PreviewCells(pattern, r.width(), r.height()))
        painter.fillRect(
            QRect(r.left() + cell.left, r.top() + cell.top, cell.right - cell.left, cell.bottom - cell.top),
            QColor(cell.r, cell.g, cell.b));
}

void CVgaDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_PAGE_BACKGROUND));
    DrawPattern(painter, m_pPatterns->currentIndex());
}
