// Lumastat: the board control panel.
#include "platform/qt/Application.h"
#include "platform/qt/QtPlatform.h"

#include <QWidget>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtPlatform seam;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lumastat"));
    window.resize(620, 600);
    window.show();
    return app.exec();
}
