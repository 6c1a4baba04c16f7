#include "PageFixture.h"

#include "control_panel/ui/BarPageDialog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <filesystem>

void PageTest::Click(CBarPageDialog& page, int x, int y) {
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, page.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, page.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &release);
}

void PageTest::SaveScreenshot(QWidget& page, const char* name) {
    const std::filesystem::path dir = std::filesystem::path(testsupport::BuildDir()) / "screenshots";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(page.grab().save(QString::fromStdString((dir / (std::string(name) + ".png")).string())));
}
