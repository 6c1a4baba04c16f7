#include "OutlinePixels.h"

#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <filesystem>

std::vector<std::string> OutlinesNotDrawn(const QWidget& form, const QImage& shot) {
    std::vector<std::string> missing;
    int checked = 0;
    // The outline widget has no meta-object of its own: pick it out by its C++ type.
    for (const QWidget* child : form.findChildren<QWidget*>()) {
        const auto* shape = dynamic_cast<const platform::OutlineShape*>(child);
        if (shape == nullptr || !shape->isVisibleTo(&form))
            continue;
        ++checked;
        const QRect r(shape->mapTo(&form, QPoint(0, 0)), shape->size());
        const QRgb pen = shape->PenColor().rgb();
        int hits = 0;
        for (int x = r.left(); x <= r.right(); ++x)
            hits += shot.pixel(x, r.top()) == pen;
        for (int y = r.top(); y <= r.bottom() && r.height() > 3; ++y)
            hits += shot.pixel(r.left(), y) == pen;
        if (hits == 0)
            missing.push_back(shape->objectName().toStdString() + " " + std::to_string(r.left()) + "," +
                              std::to_string(r.top()) + " " +
                              QColor(shot.pixel(r.left(), r.top())).name().toStdString() + " pen " +
                              shape->PenColor().name().toStdString());
    }
    if (checked == 0)
        missing.push_back("no visible outline");
    return missing;
}

bool SaveScreenshot(const QImage& shot, const std::string& name) {
    const std::string folder = testsupport::BuildDir() + "/screenshots";
    std::filesystem::create_directories(folder);
    return shot.save(QString::fromStdString(folder + "/" + name + ".png"));
}
