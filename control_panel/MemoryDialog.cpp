#include "MemoryDialog.h"

CMemoryDialog::CMemoryDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CMemoryDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CMemoryDialog::DetachLink() {
    m_pLink = nullptr;
}
