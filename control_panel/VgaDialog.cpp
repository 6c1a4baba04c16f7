#include "VgaDialog.h"

CVgaDialog::CVgaDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CVgaDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CVgaDialog::DetachLink() {
    m_pLink = nullptr;
}
