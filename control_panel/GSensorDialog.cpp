#include "GSensorDialog.h"

CGSensorDialog::CGSensorDialog(CMainDialogServices& services, QWidget* parent)
    : CPageDialog(parent), m_services(services) {}

void CGSensorDialog::AttachLink(CBoardLink* link) {
    m_pLink = link;
}

void CGSensorDialog::DetachLink() {
    m_pLink = nullptr;
}
