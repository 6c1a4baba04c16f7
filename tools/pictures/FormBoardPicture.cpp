#include "FormBoardPicture.h"

#include <QString>
#include <cstring>
#include <string>
#include <vector>

namespace pictures {

namespace {

struct Part {
    QRect rect;
    std::string name; // the outline's name without "Shape"
};

bool Has(const std::string& name, std::initializer_list<const char*> words) {
    const QString n = QString::fromStdString(name);
    for (const char* w : words)
        if (n.contains(QString::fromLatin1(w), Qt::CaseInsensitive))
            return true;
    return false;
}

void DrawPart(QPainter& p, const Part& part) {
    const QRect& r = part.rect;
    const bool wide = r.width() >= r.height();
    if (Has(part.name, {"LED"}))
        Leds(p, r, qBound(2, (wide ? r.width() : r.height()) / 10, 18));
    else if (Has(part.name, {"Switch", "SW"}))
        Switches(p, r, qBound(2, r.width() / 16, 18));
    else if (Has(part.name, {"Button", "Key"}) && !wide)
        Keys(p, r, qBound(1, r.height() / 28, 4));
    else if (Has(part.name, {"Button", "Key"})) {
        const int n = qBound(1, r.width() / 28, 6);
        for (int i = 0; i < n; ++i)
            Keys(p, QRect(r.left() + i * r.width() / n, r.top(), r.width() / n, r.height()), 1);
    } else if (Has(part.name, {"Seg7", "Hex"}))
        Digits(p, r, qBound(1, r.width() / 20, 8));
    else if (Has(part.name, {"Gpio", "HSMC", "FMC", "Kappel", "Arduino", "Header", "BBB", "Moxen"}))
        Header(p, r, wide ? qMax(2, r.width() / 8) : 2, wide ? 2 : qMax(2, r.height() / 8));
    else
        Chip(p, r, QString::fromStdString(part.name));
}

} // namespace

bool RegisterFormBoardPicture(std::span<const platform::LayoutRow> layout, const char* title,
                              const char* imageRow) {
    const platform::LayoutRow* image = nullptr;
    for (const platform::LayoutRow& row : layout)
        if (std::strcmp(row.name, imageRow) == 0)
            image = &row;
    if (image == nullptr || image->style.picture == nullptr)
        return false;
    std::vector<Part> parts;
    for (const platform::LayoutRow& row : layout) {
        if (row.kind != platform::Kind::Shape || row.parent == nullptr || image->parent == nullptr ||
            std::strcmp(row.parent, image->parent) != 0 || row.w <= 3 || row.h <= 3)
            continue; // lines and marks draw nothing under them
        std::string name = row.name;
        if (name.rfind("Shape", 0) == 0)
            name = name.substr(5);
        parts.push_back({QRect(row.x - image->x, row.y - image->y, row.w, row.h), name});
    }
    const std::string label = title;
    Registry().push_back({"pinwright", image->style.picture, image->w, image->h, Format::Png,
                          [parts, label](QPainter& p, int w, int h) {
                              p.fillRect(0, 0, w, h, QColor(235, 233, 237));
                              Board(p, QRect(0, 0, w, h), QColor(22, 96, 70));
                              Chip(p, QRect(w / 2 - 40, h / 2 - 40, 80, 80), QStringLiteral("FPGA"));
                              Label(p, QRect(14, 10, w - 28, 20), QString::fromStdString(label), 14,
                                    Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter);
                              for (const Part& part : parts)
                                  DrawPart(p, part);
                          }});
    return true;
}

} // namespace pictures
