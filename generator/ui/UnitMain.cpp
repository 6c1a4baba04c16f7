#include "UnitMain.h"

#include "boards/kit/BoardForm.h"

#include "UI_Selector.h"
#include "model/DaughterBitmaps.h"
#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QueuedCall.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

TFormMain* FormMain = nullptr;

namespace {

using platform::Kind;
using platform::LayoutRow;

constexpr LayoutRow kFormMain[] = {
    {"FormMain",
     Kind::Form,
     nullptr,
     438,
     335,
     433,
     210,
     "Pinwright",
     {.font = "MS Sans Serif", .fontPx = 13}},
};

constexpr const char* kIniSection = "Builder";
constexpr const char* kIniKey = "MainBoard";

std::string IniPath() {
    return platform::IniPathOf(platform::Current().ProgramPath());
}

} // namespace

WindowPlace CentreOnScreen(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

TFormMain::TFormMain(QWidget* owner, std::span<const BoardFormRow> boards)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_BoardForms(boards), m_Forms(boards.size()),
      m_RunSelector([](TFormBoardSelector& selector) { return selector.exec(); }) {
    FormMain = this;
    MainHost = this;
    try {
        StartUp();
    } catch (...) {
        FormMain = nullptr;
        MainHost = nullptr;
        throw;
    }
}

void TFormMain::StartUp() {
    platform::BuildForm(this, kFormMain);
    setFixedSize(kFormMain[0].w, kFormMain[0].h);
    move(kFormMain[0].x, kFormMain[0].y);

    m_MainBoardId = 0;
    LoadMainBoardId();
    // This build always starts with the Dunmir board, whatever the file says.
    m_MainBoardId = MAINBOARD_DUNMIR;
    CreateBoardForm(m_MainBoardId);
}

TFormMain::~TFormMain() {
    FreeBoardForms();
    SaveMainBoardId();
    // The remaining board forms go while this is still the main window they know.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
    if (FormMain == this)
        FormMain = nullptr;
    if (MainHost == this)
        MainHost = nullptr;
}

std::size_t TFormMain::RowOf(uint8_t id) const {
    for (std::size_t i = 0; i < m_BoardForms.size(); ++i)
        if (m_BoardForms[i].id == id)
            return i;
    return m_BoardForms.size();
}

QWidget* TFormMain::BoardForm(uint8_t id) const {
    std::size_t row = RowOf(id);
    return row < m_Forms.size() ? m_Forms[row].data() : nullptr;
}

void TFormMain::CreateBoardForm(uint8_t id) {
    FreeBoardForms();
    const std::size_t row = RowOf(id);
    PW_ASSERT(row < m_BoardForms.size(), "0", "UnitMain", 700);
    QWidget* form = ::CreateBoardForm(m_BoardForms[row], this);
    m_Forms[row] = form;
    m_MainBoardId = id;
    form->setParent(this, Qt::Widget);
    form->move(0, 0);
    form->show();
    form->raise();
    setFixedSize(form->width(), form->height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize s = screen->size();
        const WindowPlace at = CentreOnScreen(s.width(), s.height(), form->width(), form->height());
        move(at.left, at.top);
    }
}

void TFormMain::FreeBoardForms() {
    for (std::size_t i = 0; i < m_BoardForms.size(); ++i) {
        if (m_BoardForms[i].freedByMain && m_Forms[i]) {
            delete m_Forms[i].data();
            m_Forms[i] = nullptr;
        }
    }
}

void TFormMain::SelectMainBoard(bool disableCancel) {
    auto selector = std::make_unique<TFormBoardSelector>(this);
    if (m_MainBoardId == 0)
        m_MainBoardId = MAINBOARD_GALDOR;
    selector->SelectBoardId(m_MainBoardId);
    if (disableCancel)
        platform::Component<QPushButton>(selector.get(), "ButtonCancel")->setEnabled(false);
    const bool ok = m_RunSelector(*selector) == TFormBoardSelector::kResultOk;
    const uint8_t chosen = ok ? selector->GetSelectedBoardId() : 0;
    selector.reset();
    if (ok)
        CreateBoardForm(chosen);
}

void TFormMain::PostSelectMainBoard() {
    platform::PostCall(this, [this] { SelectMainBoard(false); });
}

void TFormMain::LoadMainBoardId() {
    try {
        const std::string path = IniPath();
        if (::access(path.c_str(), F_OK) != 0)
            return;
        // An unreadable file changes nothing.
        if (std::optional<platform::ProfileFile> ini = platform::ProfileFile::Read(path))
            m_MainBoardId = static_cast<uint8_t>(ini->Int(kIniSection, kIniKey, 0));
    } catch (...) {
        // Errors while reading are swallowed.
    }
}

void TFormMain::SaveMainBoardId() {
    try {
        // The file is edited, not rewritten: its other lines stay. One that exists but
        // cannot be read is left alone.
        const std::string path = IniPath();
        if (std::optional<platform::ProfileFile> ini = platform::ProfileFile::ReadOrEmpty(path)) {
            ini->Set(kIniSection, kIniKey,
                     std::to_string(static_cast<int>(static_cast<int8_t>(m_MainBoardId))));
            ini->Write(path);
        }
    } catch (...) {
        // The board id is only a convenience for the next start.
    }
}

void TFormMain::ShowDaughterImage(platform::PictureBox* image, int daughterId) {
    ShowCardPicture(image, daughterId);
}

std::string TFormMain::GetDaughterBitmapName(int daughterId) {
    return std::string(DaughterBitmapName(daughterId));
}
