#pragma once
// The switches and keys page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CSwitchDialog : public CPageDialog {
public:
    explicit CSwitchDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
