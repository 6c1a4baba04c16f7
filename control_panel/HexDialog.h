#pragma once
// The seven-segment page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CHexDialog : public CPageDialog {
public:
    explicit CHexDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
