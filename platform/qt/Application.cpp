#include "Application.h"

#include "StandInFonts.h"
#include "platform/Platform.h"

#include <clocale>
#include <exception>

namespace platform {

void UseCNumbers() {
    std::setlocale(LC_NUMERIC, "C");
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    UseCNumbers();
    UseStandInFonts();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowMessage(e.what(), "Error", Icon::Error);
    } catch (...) {
        ShowMessage("", "Error", Icon::Error);
    }
    return false;
}

} // namespace platform
