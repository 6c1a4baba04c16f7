#include "LumastatApp.h"

#include "LumastatDlg.h"

#include <QCoreApplication>

bool CLumastatApp::InitInstance() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    // Constructing the dialog loads the JTAG-UART library: its warnings come before the window.
    CLumastatDlg dialog;
    dialog.exec();
    return false;
}
