#pragma once
// The VGA page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CVgaDialog : public CPageDialog {
public:
    explicit CVgaDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
