#pragma once
// The LED page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CLedDialog : public CPageDialog {
public:
    explicit CLedDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
