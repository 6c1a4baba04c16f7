#include "MemoryDialog.h"

#include "DialogProgress.h"
#include "PageLayout.h"
#include "PanelPictures.h"
#include "control_panel/link/BoardLink.h"
#include "control_panel/logic/MemoryFile.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

using platform::Kind;
using platform::LayoutRow;
using platform::Style;

// Every control in 9-point "Arial": section titles light blue, edits black, the rest
// white; the list and the status text on black.
constexpr Style kSection{.fontColor = PAGE_LABEL_COLOR};
constexpr Style kWhite{.fontColor = 0xFFFFFF};
constexpr Style kEdit{.fontColor = 0x000000};
constexpr Style kList{.fontColor = 0xFFFFFF, .handCursor = true};
constexpr Style kCheck{.fontColor = 0xFFFFFF, .handCursor = true};
constexpr Style kHidden{.hidden = true};
constexpr Style kStatusIcon{.picture = "BITMAP_206"};
constexpr Style kStatusText{};

// Template 152. The list's height is that of its closed box; the push buttons are
// hidden, the bar's bitmap buttons act instead.
constexpr LayoutRow kMemoryLayout[] = {
    {"CMemoryDialog", Kind::Form, nullptr, 0, 0, 387, 296, nullptr},
    DuRow("MemoryTypeLabel", Kind::Label, 15, 11, 52, 10, "Memory Type", kSection),  // 1072
    DuRow("MemoryList", Kind::ComboBox, 70, 9, 178, DU_CLOSED_LIST, nullptr, kList), // 1048
    DuRow("RandomAddressLabel", Kind::Label, 15, 39, 38, 10, "Address:", kWhite),
    DuRow("WriteDataLabel", Kind::Label, 110, 39, 46, 10, "Write Data:", kWhite),
    DuRow("ReadDataLabel", Kind::Label, 178, 38, 46, 10, "Read Data:", kWhite),
    DuRow("WriteButton", Kind::Button, 125, 52, 50, 14, "Write", kHidden), // 1004
    DuRow("ReadButton", Kind::Button, 191, 52, 50, 14, "Read", kHidden),   // 1005
    DuRow("RandomAccessLabel", Kind::Label, 15, 26, 67, 10, "Random Access", kSection),
    DuRow("SequentialWriteLabel", Kind::Label, 15, 72, 65, 10, "Sequential Write", kSection),
    DuRow("SequentialReadLabel", Kind::Label, 15, 119, 65, 10, "Sequential Read", kSection),
    DuRow("RandomAddress", Kind::Edit, 56, 37, 44, 14, "00000000", kEdit), // 1063
    DuRow("WriteData", Kind::Edit, 158, 37, 16, 14, "00", kEdit),          // 1064
    DuRow("ReadData", Kind::Edit, 225, 37, 16, 14, "00", kEdit),           // 1065
    DuRow("WriteAddressLabel", Kind::Label, 12, 87, 38, 10, "Address:", kWhite),
    DuRow("WriteAddress", Kind::Edit, 53, 85, 44, 14, "00000000", kEdit), // 1066
    DuRow("ReadAddressLabel", Kind::Label, 11, 133, 38, 10, "Address:", kWhite),
    DuRow("ReadAddress", Kind::Edit, 52, 131, 44, 14, "00000000", kEdit), // 1067
    DuRow("WriteLengthLabel", Kind::Label, 100, 87, 30, 10, "Length:", kWhite),
    DuRow("WriteLength", Kind::Edit, 131, 85, 44, 14, "00000000", kEdit), // 1068
    DuRow("ReadLengthLabel", Kind::Label, 100, 133, 30, 10, "Length:", kWhite),
    DuRow("ReadLength", Kind::Edit, 131, 131, 44, 14, "00000000", kEdit),                         // 1069
    DuRow("FileLength", Kind::CheckBox, 189, 87, 51, 10, "File Length", kCheck),                  // 1070
    DuRow("EntireMemory", Kind::CheckBox, 188, 133, 62, 10, "Entire Memory", kCheck),             // 1071
    DuRow("WriteFileButton", Kind::Button, 129, 103, 110, 14, "Write a file to memory", kHidden), // 1006
    DuRow("ReadFileButton", Kind::Button, 131, 147, 110, 14, "Load Memory Content to a file",
          kHidden),                                                            // 1007
    DuRow("StatusText", Kind::Label, 33, 165, 202, 12, "Static", kStatusText), // 1082
    DuRow("StatusIcon", Kind::Picture, 20, 165, 10, 8, nullptr, kStatusIcon),  // 1078
};

constexpr int IDB_MEMORY_BACKGROUND = 181;
constexpr int IDB_WIDE_BUTTON_FACE = 208;
constexpr int IDB_BUTTON_FACE = 178;

enum MemoryButton { BTN_RANDOM_WRITE, BTN_RANDOM_READ, BTN_WRITE_FILE, BTN_READ_FILE };

// The filter list simply ends after its last pair. No default extension is
// added to a typed name: the one offered ("*") would make names such as "dump.*".
// Both file dialogs open where the last file was chosen.
platform::FileDialogRequest FileRequest(const std::string& lastFolder) {
    platform::FileDialogRequest request;
    request.initialDir = lastFolder;
    request.filter = "Hex Files (*.HEX)|*.HEX|All Files (*.*)|*.*";
    request.fileName = "*.*";
    return request;
}

// Two or eight hexadecimal positions, "_" where none is typed yet.
void MakeHexField(QLineEdit* edit, int digits) {
    const QString text = edit->text();
    edit->setInputMask(QString(digits, QLatin1Char('h')) + QStringLiteral(";_"));
    edit->setText(text);
}

} // namespace

CMemoryDialog::CMemoryDialog(CMainDialogServices& services, QWidget* parent)
    : CBarPageDialog(parent), m_services(services), m_bar(AddBar(BTN_MODE_PUSH)) {
    setFont(PageFont(12));
    platform::BuildForm(this, kMemoryLayout);
    for (QLabel* label : findChildren<QLabel*>())
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (const char* name : {"RandomAddressLabel", "WriteDataLabel", "ReadDataLabel", "WriteAddressLabel",
                             "ReadAddressLabel", "WriteLengthLabel", "ReadLengthLabel"})
        platform::Component<QLabel>(this, name)->setAlignment(Qt::AlignRight | Qt::AlignTop);
    platform::FitTexts(*this);
    m_pMemory = platform::Component<QComboBox>(this, "MemoryList");
    m_pWriteData = platform::Component<QLineEdit>(this, "WriteData");
    m_pReadData = platform::Component<QLineEdit>(this, "ReadData");
    m_pRandomAddress = platform::Component<QLineEdit>(this, "RandomAddress");
    m_pWriteAddress = platform::Component<QLineEdit>(this, "WriteAddress");
    m_pReadAddress = platform::Component<QLineEdit>(this, "ReadAddress");
    m_pWriteLength = platform::Component<QLineEdit>(this, "WriteLength");
    m_pReadLength = platform::Component<QLineEdit>(this, "ReadLength");
    m_pFileLength = platform::Component<QCheckBox>(this, "FileLength");
    m_pEntireMemory = platform::Component<QCheckBox>(this, "EntireMemory");
    MakeHexField(m_pWriteData, 2);
    MakeHexField(m_pReadData, 2);
    m_pReadData->setReadOnly(true);
    for (QLineEdit* edit : {m_pRandomAddress, m_pWriteAddress, m_pReadAddress, m_pWriteLength, m_pReadLength})
        MakeHexField(edit, 8);
    QPalette palette = m_pMemory->palette();
    palette.setColor(QPalette::Button, Qt::black);
    palette.setColor(QPalette::Base, Qt::black);
    m_pMemory->setPalette(palette);
    for (const MEMORY_INFO& info : g_MemoryTable)
        m_pMemory->addItem(platform::ToQt(MemoryComboLine(info)));
    m_pMemory->setCurrentIndex(0);

    m_bar.AddButton(BTN_RANDOM_WRITE, "Write", IDB_BUTTON_FACE, 198, 89);
    m_bar.AddButton(BTN_RANDOM_READ, "Read", IDB_BUTTON_FACE, 298, 89);
    m_bar.AddButton(BTN_WRITE_FILE, "Write a file to memory", IDB_WIDE_BUTTON_FACE, 198, 164);
    m_bar.AddButton(BTN_READ_FILE, "Dump memory content to a file", IDB_WIDE_BUTTON_FACE, 198, 241);

    m_status = std::make_unique<CPageStatusLine>(platform::Component<QWidget>(this, "StatusIcon"),
                                                 platform::Component<QLabel>(this, "StatusText"));
    m_status->Clear();
}

void CMemoryDialog::AttachLink(CBoardLink* link) {
    m_status->Clear();
    m_pLink = link;
    m_bar.EnableAll(m_pLink != nullptr && m_pLink->IsOpen());
}

void CMemoryDialog::DetachLink() {
    m_pLink = nullptr;
    m_status->Clear();
    m_bar.EnableAll(false);
}

void CMemoryDialog::OnLButtonUp(int x, int y) {
    switch (m_bar.OnLButtonUp(x, y)) {
    case BTN_RANDOM_WRITE:
        OnRandomWrite();
        break;
    case BTN_RANDOM_READ:
        OnRandomRead();
        break;
    case BTN_WRITE_FILE:
        OnWriteFile();
        break;
    case BTN_READ_FILE:
        OnReadFile();
        break;
    default:
        break;
    }
}

uint32_t CMemoryDialog::Field(QLineEdit* edit) const {
    return ReadHexField(platform::FromQt(edit->text()));
}

void CMemoryDialog::ShowError(const std::string& text) {
    platform::ShowMessage(text, kMemoryErrorCaption, platform::Icon::Error);
}

bool CMemoryDialog::RunAction(MemoryAction action, const std::function<bool(const MEMORY_INFO&)>& body) {
    m_bar.EnableAll(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int selected =
        std::clamp(m_pMemory->currentIndex(), 0, static_cast<int>(std::size(g_MemoryTable)) - 1);
    const MEMORY_INFO& info = g_MemoryTable[selected];
    const std::string name = platform::ReadBounded(info.name, sizeof info.name);
    SetStatus(MemoryBusyText(action, name), STATUS_YELLOW);
    // Without a link (the buttons are disabled then) nothing can succeed.
    const bool ok = m_pLink != nullptr && body(info);
    SetStatus(MemoryResultText(action, name, ok), ok ? STATUS_GREEN : STATUS_RED);
    QGuiApplication::restoreOverrideCursor();
    m_bar.EnableAll(true);
    return ok;
}

void CMemoryDialog::OnRandomWrite() {
    RunAction(MemoryAction::RandomWrite, [this](const MEMORY_INFO& info) {
        const uint32_t address = Field(m_pRandomAddress);
        const auto value = static_cast<uint8_t>(Field(m_pWriteData) & 0xFF);
        if (!AddressInMemory(address, info.size)) {
            ShowError(AddressMessage(address, info.size));
            return false;
        }
        return m_pLink->WriteMemory(static_cast<uint8_t>(info.id), address, &value, 1);
    });
}

void CMemoryDialog::OnRandomRead() {
    RunAction(MemoryAction::RandomRead, [this](const MEMORY_INFO& info) {
        const uint32_t address = Field(m_pRandomAddress);
        if (!AddressInMemory(address, info.size)) {
            ShowError(AddressMessage(address, info.size));
            return false;
        }
        uint8_t value = 0;
        if (!m_pLink->ReadMemory(static_cast<uint8_t>(info.id), address, &value, 1))
            return false;
        m_pReadData->setText(platform::ToQt(platform::Format("%02X", value)));
        return true;
    });
}

void CMemoryDialog::OnWriteFile() {
    const bool wholeFile = m_pFileLength->isChecked();
    uint32_t length = 0;
    if (!wholeFile) {
        length = Field(m_pWriteLength);
        if (length == 0) {
            ShowError(kWriteLengthMessage);
            return;
        }
    }
    platform::FileDialogRequest request = FileRequest(m_lastFolder);
    request.mustExist = true;
    const std::string path = platform::Current().OpenFileDialog(request);
    if (path.empty())
        return;
    m_lastFolder = platform::ExtractFilePath(path);
    const bool hex = IsHexFile(path);
    uint64_t count = 0;
    const bool ok = RunAction(MemoryAction::SequentialWrite, [&](const MEMORY_INFO& info) {
        const std::optional<uint64_t> fileLength = MemoryFileLength(path);
        if (!fileLength)
            return false;
        // An odd last character of a .HEX file is left out.
        count = hex ? *fileLength / 2 : *fileLength;
        if (!wholeFile)
            count = std::min<uint64_t>(count, length);
        const uint32_t address = Field(m_pWriteAddress);
        if (!RangeInMemory(address, count, info.size)) {
            ShowError(RangeMessage(address + count, info.size));
            return false;
        }
        std::vector<uint8_t> data;
        if (!LoadMemoryFile(path, hex, static_cast<std::size_t>(count), data))
            return false;
        return TransferMemory(TransferDirection::Write, static_cast<uint8_t>(info.id), address, data.data(),
                              static_cast<uint32_t>(count));
    });
    if (ok && wholeFile)
        m_pWriteLength->setText(platform::ToQt(platform::Format("%08X", static_cast<uint32_t>(count))));
}

void CMemoryDialog::OnReadFile() {
    const bool entireMemory = m_pEntireMemory->isChecked();
    if (!entireMemory && Field(m_pReadLength) == 0) {
        ShowError(kReadLengthMessage);
        return;
    }
    platform::FileDialogRequest request = FileRequest(m_lastFolder);
    request.askOverwrite = true;
    const std::string path = platform::Current().SaveFileDialog(request);
    if (path.empty())
        return;
    m_lastFolder = platform::ExtractFilePath(path);
    RunAction(MemoryAction::SequentialRead, [&](const MEMORY_INFO& info) {
        const uint32_t length = entireMemory ? info.size : Field(m_pReadLength);
        const uint32_t address = Field(m_pReadAddress);
        if (!RangeInMemory(address, length, info.size)) {
            ShowError(RangeMessage(uint64_t{address} + length, info.size));
            return false;
        }
        // A target the dump could not be written to fails before the board is read.
        if (!CanSaveMemoryFile(path))
            return false;
        std::vector<uint8_t> buffer(length);
        // A failed or aborted transfer leaves an existing file as it was.
        if (!TransferMemory(TransferDirection::Read, static_cast<uint8_t>(info.id), address, buffer.data(),
                            length))
            return false;
        return SaveMemoryFile(path, IsHexFile(path), buffer.data(), buffer.size());
    });
}

bool CMemoryDialog::TransferMemory(TransferDirection direction, uint8_t memoryId, uint32_t address,
                                   uint8_t* buffer, uint32_t length) {
    m_services.EnableMainButtons(false);
    m_bar.EnableAll(false);
    bool result = false;
    {
        CDialogProgress progress(this);
        progress.show();
        if (m_pLink != nullptr)
            result = RunMemoryTransfer(*m_pLink, direction, memoryId, address, buffer, length, progress);
        progress.hide();
        m_bar.EnableAll(true);
        m_services.EnableMainButtons(true);
    }
    return result;
}

void CMemoryDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PanelBitmap(IDB_MEMORY_BACKGROUND));
    PaintBars(painter);
}
