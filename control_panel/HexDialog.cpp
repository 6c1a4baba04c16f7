#include "HexDialog.h"

CHexDialog::CHexDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CHexDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CHexDialog::DetachLink() {
    m_pLink = nullptr;
}
