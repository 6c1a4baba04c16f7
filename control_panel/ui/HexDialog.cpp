#include "HexDialog.h"

#include "PageLayout.h"
#include "PageLook.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/TextFit.h"
#include "platform/qt/Widgets.h"

#include <QLabel>
#include <QPainter>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

// Labels in 9-point "Arial", light blue, on the background.
constexpr Style kLabel{.fontColor = PAGE_LABEL_COLOR};
constexpr Style kDigit{.picture = "BITMAP_132"};

// Template 151: HEX0 on the right, HEX5 on the left, as on the board.
constexpr LayoutRow kHexLayout[] = {
    {"CHexDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("Hex0Label", Kind::Label, 211, 50, 19, 8, "HEX0", kLabel),
    DuRow("Hex0Picture", Kind::Picture, 207, 60, 28, 39, nullptr, kDigit), // 1029
    DuRow("Hex1Label", Kind::Label, 175, 50, 19, 8, "HEX1", kLabel),
    DuRow("Hex1Picture", Kind::Picture, 169, 60, 28, 39, nullptr, kDigit), // 1033
    DuRow("Hex2Label", Kind::Label, 137, 50, 19, 8, "HEX2", kLabel),
    DuRow("Hex2Picture", Kind::Picture, 133, 60, 28, 39, nullptr, kDigit), // 1034
    DuRow("Hex3Label", Kind::Label, 101, 50, 19, 8, "HEX3", kLabel),
    DuRow("Hex3Picture", Kind::Picture, 95, 60, 28, 39, nullptr, kDigit), // 1035
    DuRow("Hex4Label", Kind::Label, 63, 50, 19, 8, "HEX4", kLabel),
    DuRow("Hex4Picture", Kind::Picture, 59, 60, 28, 39, nullptr, kDigit), // 1036
    DuRow("Hex5Label", Kind::Label, 27, 50, 19, 8, "HEX5", kLabel),
    DuRow("Hex5Picture", Kind::Picture, 21, 60, 28, 39, nullptr, kDigit), // 1037
};

const char* const kPictureNames[HEX_DIGIT_COUNT] = {"Hex0Picture", "Hex1Picture", "Hex2Picture",
                                                    "Hex3Picture", "Hex4Picture", "Hex5Picture"};

} // namespace

CHexDialog::CHexDialog(CMainDialogServices&, QWidget* parent)
    : CBarPageDialog(parent), m_bar(AddBar(BTN_MODE_TOGGLE)) {
    setFont(PageFont(12));
    platform::BuildForm(this, kHexLayout);
    for (QLabel* label : findChildren<QLabel*>())
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    platform::FitTexts(*this);
    for (int j = 0; j < HEX_DIGIT_COUNT; ++j) {
        m_pictures[static_cast<std::size_t>(j)] =
            platform::Component<platform::PictureBox>(this, kPictureNames[j]);
        const int left = m_pictures[static_cast<std::size_t>(j)]->x();
        m_bar.AddButton(2 * j, "", IDB_ARROW_UP, left + HEX_UP_OFFSET, HEX_BUTTON_Y);
        m_bar.AddButton(2 * j + 1, "", IDB_ARROW_DOWN, left, HEX_BUTTON_Y);
        m_digits[static_cast<std::size_t>(j)] = HEX_START_VALUE;
    }
    UpdateDigits();
}

void CHexDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
    m_bar.EnableAll(m_pLink != nullptr && m_pLink->IsOpen());
}

void CHexDialog::DetachLink() {
    m_pLink = nullptr;
    m_bar.EnableAll(false);
}

void CHexDialog::UpdateDigits() {
    for (int j = 0; j < HEX_DIGIT_COUNT; ++j)
        m_pictures[static_cast<std::size_t>(j)]->SetImage(
            PanelBitmap(kDigitBitmaps[static_cast<std::size_t>(m_digits[static_cast<std::size_t>(j)])]));
}

void CHexDialog::OnLButtonUp(int x, int y) {
    const int b = m_bar.OnLButtonUp(x, y);
    if (b < 0)
        return;
    int& digit = m_digits[static_cast<std::size_t>(b / 2)];
    digit = StepDigit(digit, b % 2 == 0);
    UpdateDigits();
    WriteDigits();
}

void CHexDialog::WriteDigits() {
    if (m_pLink == nullptr)
        return;
    EmptyHandler(m_pLink);
    // A failed write is not reported; the next step sends all six digits again.
    if (m_pLink->IsOpen())
        m_pLink->SetSeg7(DisplayValue(m_digits), 0);
    EmptyHandler(m_pLink);
}

void CHexDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_PAGE_BACKGROUND));
    PaintBars(painter);
}
