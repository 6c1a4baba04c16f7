#pragma once
// The memory page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CMemoryDialog : public CPageDialog {
public:
    explicit CMemoryDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
