#include "SwitchDialog.h"

CSwitchDialog::CSwitchDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CSwitchDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CSwitchDialog::DetachLink() {
    m_pLink = nullptr;
}
