#include "LedDialog.h"

CLedDialog::CLedDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CLedDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CLedDialog::DetachLink() {
    m_pLink = nullptr;
}
