#include "UI_Selector.h"

#include "model/MainBoardId.h"
#include "platform/Assert.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

using platform::Kind;
using platform::LayoutRow;

constexpr const char* kFont = "MS Sans Serif";

// clang-format off
constexpr LayoutRow kFormBoardSelector[] = {
    {"FormBoardSelector", Kind::Form, nullptr, 0, 0, 770, 342, "FPGA Main Board Selector", {.font = kFont, .fontPx = 16}},
    {"ListBoxMainBoard", Kind::ListBox, nullptr, 14, 16, 321, 265, nullptr, {.handCursor = true}},
    {"ButtonOK", Kind::Button, nullptr, 16, 295, 150, 35, "OK", {.handCursor = true}},
    {"ButtonCancel", Kind::Button, nullptr, 184, 295, 150, 35, "Cancel", {.handCursor = true}},
    {"PanelImage", Kind::Panel, nullptr, 344, 16, 417, 320, nullptr},
    {"ImageBoard", Kind::Picture, "PanelImage", 9, 32, 400, 219, nullptr, {.transparent = true, .autoSize = true}},
};
// clang-format on

constexpr int kItemHeight = 20;
constexpr int kLastBoardId = 101;

} // namespace

TFormBoardSelector::TFormBoardSelector(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    platform::BuildForm(this, kFormBoardSelector);
    setFixedSize(size());
    ListBoxMainBoard = platform::Component<QListWidget>(this, "ListBoxMainBoard");
    ButtonOK = platform::Component<QPushButton>(this, "ButtonOK");
    ButtonCancel = platform::Component<QPushButton>(this, "ButtonCancel");
    PanelImage = platform::Component<QFrame>(this, "PanelImage");
    ImageBoard = platform::Component<platform::PictureBox>(this, "ImageBoard");
    ButtonOK->setAutoDefault(false);
    ButtonCancel->setAutoDefault(false);

    // The picture follows the selection the user makes, by mouse or by keys.
    connect(ListBoxMainBoard, &QListWidget::currentRowChanged, this, [this] { ListBoxMainBoardClick(); });
    connect(ListBoxMainBoard, &QListWidget::itemDoubleClicked, this, [this] { ListBoxMainBoardDblClick(); });
    connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });

    FillBoardList();
    ShowBoardImage();
}

void TFormBoardSelector::FillBoardList() {
    const QSignalBlocker quiet(ListBoxMainBoard);
    ListBoxMainBoard->clear();
    m_Entries.clear();
    for (int id = 0; id <= kLastBoardId; ++id) {
        if (!IsMainBoardSupported(static_cast<uint8_t>(id)))
            continue;
        const BoardFormRow* row = FindBoardForm(static_cast<uint8_t>(id));
        PW_ASSERT(row != nullptr, "0", "UI_Selector", 259);
        auto* item = new QListWidgetItem(platform::ToQt(row->title), ListBoxMainBoard);
        item->setSizeHint(QSize(ListBoxMainBoard->viewport()->width(), kItemHeight));
        m_Entries.push_back(row);
    }
    ListBoxMainBoard->setCurrentRow(0);
}

void TFormBoardSelector::ShowBoardImage() {
    const int index = ListBoxMainBoard->currentRow();
    if (index < 0 || index >= static_cast<int>(m_Entries.size()))
        return;
    const QImage picture = platform::LoadBitmapResource(m_Entries[static_cast<std::size_t>(index)]->picture);
    ImageBoard->SetImage(picture);
    ImageBoard->move((PanelImage->width() - picture.width()) / 2,
                     (PanelImage->height() - picture.height()) / 2);
}

void TFormBoardSelector::SelectBoardId(uint8_t id) {
    for (std::size_t i = 0; i < m_Entries.size(); ++i) {
        if (m_Entries[i]->id == id) {
            const QSignalBlocker quiet(ListBoxMainBoard);
            ListBoxMainBoard->setCurrentRow(static_cast<int>(i));
            ShowBoardImage();
            return;
        }
    }
}

uint8_t TFormBoardSelector::GetSelectedBoardId() const {
    const int index = ListBoxMainBoard->currentRow();
    if (index < 0 || index >= static_cast<int>(m_Entries.size()))
        return 0;
    return m_Entries[static_cast<std::size_t>(index)]->id;
}

void TFormBoardSelector::ListBoxMainBoardClick() {
    ShowBoardImage();
}

void TFormBoardSelector::ListBoxMainBoardDblClick() {
    done(kResultOk);
}

void TFormBoardSelector::ButtonOKClick() {
    done(kResultOk);
}

void TFormBoardSelector::ButtonCancelClick() {
    done(kResultCancel);
}
