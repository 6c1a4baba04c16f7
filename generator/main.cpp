// Pinwright: the project generator.
#include "platform/qt/Application.h"
#include "platform/qt/QtPlatform.h"

#include <QWidget>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtPlatform seam;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pinwright"));
    window.resize(433, 210);
    window.show();
    return app.exec();
}
