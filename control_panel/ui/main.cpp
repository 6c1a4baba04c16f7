// Lumastat: the board control panel.
#include "LumastatApp.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtPlatform seam;
    CLumastatApp theApp;
    theApp.InitInstance();
    return 0;
}
