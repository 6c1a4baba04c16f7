#pragma once
// The accelerometer page.

#include "MainDialogServices.h"
#include "PageDialog.h"

class CGSensorDialog : public CPageDialog {
public:
    explicit CGSensorDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
};
