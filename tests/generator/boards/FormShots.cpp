#include "FormShots.h"

#include "support/FormOverlaps.h"

#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <filesystem>

namespace formshots {

namespace {

QRect OnForm(QWidget& form, const QWidget* w) {
    return QRect(w->mapTo(&form, QPoint(0, 0)), w->size());
}

bool HasColour(const QImage& shot, const QRect& line, QRgb colour) {
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            if (shot.rect().contains(x, y) && (shot.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

QImage Save(QWidget& form, const std::string& board) {
    const std::filesystem::path dir = std::filesystem::path(testsupport::BuildDir()) / "screenshots";
    std::filesystem::create_directories(dir);
    QImage shot = form.grab().toImage();
    shot.save(QString::fromStdString((dir / ("pinwright-" + board + ".png")).string()));
    return shot;
}

std::vector<std::string> OutlinesNotDrawn(const QImage& shot, QWidget& form) {
    std::vector<std::string> missing;
    int checked = 0;
    // The outline widget has no meta-object of its own: findChildren would give every widget.
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* s = dynamic_cast<platform::OutlineShape*>(w);
        if (s == nullptr || !s->isVisibleTo(&form))
            continue;
        const QRect r = OnForm(form, s);
        const int inset = s->PenWidth() / 2;
        const QRgb pen = s->PenColor().rgb();
        const QRect edges[] = {QRect(r.left(), r.top() + inset, r.width(), 1),
                               QRect(r.left(), r.bottom() - inset, r.width(), 1),
                               QRect(r.left() + inset, r.top(), 1, r.height()),
                               QRect(r.right() - inset, r.top(), 1, r.height())};
        bool drawn = false;
        for (const QRect& e : edges)
            drawn = drawn || HasColour(shot, e, pen);
        if (!drawn)
            missing.push_back(s->objectName().toStdString());
        ++checked;
    }
    if (checked == 0)
        missing.push_back("(no outline shown)");
    return missing;
}

bool Drawn(const QImage& shot, QWidget& form, const char* name) {
    const QWidget* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (w == nullptr || !w->isVisibleTo(&form))
        return false;
    const QImage part = shot.copy(OnForm(form, w));
    const QRgb first = part.pixel(0, 0);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if (part.pixel(x, y) != first)
                return true;
    return false;
}

std::vector<std::string> Overlaps(QWidget& form) {
    return testsupport::OverlappingControls(form);
}

} // namespace formshots
