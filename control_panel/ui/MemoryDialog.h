#pragma once
// The Memory page: single bytes at a typed address ("Random Access"), a whole file into
// memory ("Sequential Write") and a range of memory into a file ("Sequential Read"),
// files being raw bytes or .HEX text. Transfers run in steps under a progress window
// with an Abort button, with the main dialog's buttons and the page's own disabled.

#include "BarPageDialog.h"
#include "PageStatusLine.h"
#include "control_panel/logic/MainDialogServices.h"
#include "control_panel/logic/MemoryChecks.h"
#include "control_panel/logic/MemoryTable.h"
#include "control_panel/logic/MemoryTransfer.h"

#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

class CMemoryDialog : public CBarPageDialog {
public:
    explicit CMemoryDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // Enables the four buttons when the link is open, disables them otherwise.
    void AttachLink(CBoardLink* link) override;
    // Disables the four buttons.
    void DetachLink() override;

    void SetStatus(const std::string& text, uint32_t colorRef) { m_status->SetStatus(text, colorRef); }
    void OnRandomWrite();
    void OnRandomRead();
    void OnWriteFile();
    void OnReadFile();
    bool TransferMemory(TransferDirection direction, uint8_t memoryId, uint32_t address, uint8_t* buffer,
                        uint32_t length);
    void OnLButtonUp(int x, int y) override;

    const CPageStatusLine& Status() const { return *m_status; }
    CButtonManager& Bar() { return m_bar; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame around every action: buttons disabled and the wait cursor meanwhile, the
    // busy text first and the outcome last.
    bool RunAction(MemoryAction action, const std::function<bool(const MEMORY_INFO&)>& body);
    uint32_t Field(QLineEdit* edit) const;
    void ShowError(const std::string& text);

    CMainDialogServices& m_services;
    QComboBox* m_pMemory;
    QLineEdit* m_pWriteData;
    QLineEdit* m_pReadData;
    QLineEdit* m_pRandomAddress;
    QLineEdit* m_pWriteAddress;
    QLineEdit* m_pReadAddress;
    QLineEdit* m_pWriteLength;
    QLineEdit* m_pReadLength;
    QCheckBox* m_pFileLength;
    QCheckBox* m_pEntireMemory;
    std::unique_ptr<CPageStatusLine> m_status;
    CBoardLink* m_pLink = nullptr;
    // The folder of the last file chosen in either file dialog.
    std::string m_lastFolder;
    CButtonManager& m_bar;
};
