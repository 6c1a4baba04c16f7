// Pinwright: the project generator.
#include "boards/BoardForms.h"
#include "platform/Platform.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtPlatform.h"
#include "ui/UnitMain.h"

#include <exception>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtPlatform seam;
    // Exceptions inside the message loop are shown by the application object; these
    // are the ones of the start-up itself.
    try {
        TFormMain window(nullptr, BoardFormTable());
        window.show();
        app.exec();
    } catch (const std::exception& e) {
        platform::ShowMessage(e.what(), "Error", platform::Icon::Error);
    } catch (...) {
        platform::ShowMessage("", "Error", platform::Icon::Error);
    }
    return 0;
}
