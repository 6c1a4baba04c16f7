#include "FormBoardPicture.h"

#include "ChipNames.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace pictures {

namespace {

struct Part {
    QRect rect;
    std::string name; // the outline's name without "Shape"; "" for a numbered one
};

bool Has(const std::string& name, std::initializer_list<const char*> words) {
    const QString n = QString::fromStdString(name);
    for (const char* w : words)
        if (n.contains(QString::fromLatin1(w), Qt::CaseInsensitive))
            return true;
    return false;
}

// Parts drawn as what they are; every other part is a chip with its name on it.
bool IsChip(const Part& part) {
    return !Has(part.name, {"LED", "Switch", "SW", "Button", "Key", "Seg7", "Hex", "Gpio", "HSMC", "FMC",
                            "Kappel", "Arduino", "Header", "BBB", "Moxen"});
}

// The part's drawing; a chip's name is written later, over every part.
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
        ChipBody(p, r);
}

bool Free(const QRect& r, const std::vector<QRect>& taken) {
    for (const QRect& t : taken)
        if (r.intersects(t))
            return false;
    return true;
}

// The free place of the given size inside area nearest to where it would best stand;
// an empty rectangle when there is none.
QRect FreePlace(QSize size, QPoint best, const QRect& area, const std::vector<QRect>& taken) {
    QRect found;
    long nearest = -1;
    for (int y = area.top(); y + size.height() - 1 <= area.bottom(); ++y)
        for (int x = area.left(); x + size.width() - 1 <= area.right(); ++x) {
            const long dx = x - best.x(), dy = y - best.y();
            const long distance = dx * dx + dy * dy;
            if (nearest >= 0 && distance >= nearest)
                continue;
            const QRect r(QPoint(x, y), size);
            if (Free(r, taken)) {
                nearest = distance;
                found = r;
            }
        }
    return found;
}

// Where a chip writes its name: its inside, or, where other parts lie over it, the
// largest strip of it beside them.
QRect NameBox(const QRect& chip, const std::vector<QRect>& parts) {
    const QRect inside = ChipInside(chip);
    std::vector<QRect> over;
    for (const QRect& o : parts)
        if (o != chip && o.intersects(inside))
            over.push_back(o.adjusted(-1, -1, 1, 1));
    if (over.empty())
        return inside;
    QRect best;
    for (const QRect& o : over)
        for (const QRect& strip : {QRect(inside.topLeft(), QPoint(inside.right(), o.top() - 1)),
                                   QRect(QPoint(inside.left(), o.bottom() + 1), inside.bottomRight()),
                                   QRect(inside.topLeft(), QPoint(o.left() - 1, inside.bottom())),
                                   QRect(QPoint(o.right() + 1, inside.top()), inside.bottomRight())})
            if (strip.isValid() && Free(strip, over) &&
                strip.width() * strip.height() > best.width() * best.height())
                best = strip;
    return best;
}

QPoint Nearest(const QRect& r, QPoint to) {
    return QPoint(qBound(r.left(), to.x(), r.right()), qBound(r.top(), to.y(), r.bottom()));
}

// The pixels of the line that joins a chip to its name written at place.
std::vector<QPoint> Leader(const QRect& chip, const QRect& place) {
    const QPoint a = Nearest(chip, place.center()), b = Nearest(place, chip.center());
    const int steps = qMax(qAbs(b.x() - a.x()), qAbs(b.y() - a.y()));
    std::vector<QPoint> points;
    for (int i = 0; i <= steps; ++i)
        points.push_back(steps == 0 ? a : a + (b - a) * i / steps);
    return points;
}

// How many pixels of the chip's line to place lie over other parts or names, counted
// no further than limit.
int Crossings(const QRect& chip, const QRect& place, const std::vector<QRect>& taken, int limit) {
    const QRect own = chip.adjusted(-2, -2, 2, 2);
    int crossings = 0;
    for (const QPoint& point : Leader(chip, place)) {
        if (crossings >= limit)
            break;
        if (!own.contains(point) && !place.contains(point) &&
            std::any_of(taken.begin(), taken.end(), [&](const QRect& t) { return t.contains(point); }))
            ++crossings;
    }
    return crossings;
}

// Where a chip writes its name when its outline leaves no room for it inside: the free
// place nearest to its middle whose line to the chip crosses no part, no name and no
// other name's line, the largest writing first; where there is none, the place among
// the nearest whose line crosses the least. Also the size it is written at. The place
// and its line are then taken. An empty place when there is no free place.
QRect PlaceBeside(const QRect& chip, const QString& name, const QRect& area, std::vector<QRect>& taken,
                  std::vector<QPoint>& lines, int& px) {
    // The nearest places of each size weighed when no line runs clear.
    constexpr std::size_t kWeighed = 2000;
    QRect least;
    int leastPx = 0, leastCrossings = INT_MAX;
    for (px = 9; px >= kSmallestPx && leastCrossings > 0; --px) {
        const QFontMetrics metrics(Font(px));
        const QSize size(metrics.horizontalAdvance(name) + 4, metrics.height());
        if (!Fits(QRect(QPoint(0, 0), size), name, px))
            continue;
        const QPoint best = chip.center() - QPoint(size.width() / 2, size.height() / 2);
        std::vector<std::pair<long, QRect>> free;
        for (int y = area.top(); y + size.height() - 1 <= area.bottom(); ++y)
            for (int x = area.left(); x + size.width() - 1 <= area.right(); ++x) {
                const QRect r(QPoint(x, y), size);
                const long dx = x - best.x(), dy = y - best.y();
                if (Free(r, taken))
                    free.emplace_back(dx * dx + dy * dy, r);
            }
        std::stable_sort(free.begin(), free.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::size_t weighed = 0;
        for (const auto& [distance, place] : free) {
            const QRect margin = place.adjusted(-1, -1, 1, 1);
            if (std::any_of(lines.begin(), lines.end(),
                            [&](const QPoint& point) { return margin.contains(point); }))
                continue;
            // Past the nearest, only a clear line counts.
            const int limit = weighed++ < kWeighed ? leastCrossings : 1;
            const int crossings = Crossings(chip, place, taken, limit);
            if (crossings < limit && crossings < leastCrossings) {
                least = place;
                leastPx = px;
                leastCrossings = crossings;
            }
            if (leastCrossings == 0)
                break;
        }
    }
    px = leastPx;
    if (!least.isEmpty()) {
        taken.push_back(least.adjusted(-1, -1, 1, 1));
        const std::vector<QPoint> leader = Leader(chip, least);
        lines.insert(lines.end(), leader.begin(), leader.end());
    }
    return least;
}

void DrawBoardPicture(QPainter& p, int w, int h, const std::vector<Part>& parts, const QString& title) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Board(p, QRect(0, 0, w, h), QColor(22, 96, 70));
    std::vector<QRect> rects, taken;
    for (const Part& part : parts) {
        rects.push_back(part.rect);
        taken.push_back(part.rect.adjusted(-2, -2, 2, 2));
    }
    const QRect inner(12, 8, w - 24, h - 16);
    // The FPGA in the middle, or as near to it as the parts leave room, smaller if need be.
    QRect fpga;
    for (int side = 80; side >= 40 && fpga.isEmpty(); side -= 8)
        fpga = FreePlace(QSize(side, side), QPoint(w / 2 - side / 2, h / 2 - side / 2), inner, taken);
    if (!fpga.isEmpty()) {
        ChipBody(p, fpga);
        taken.push_back(fpga.adjusted(-2, -2, 2, 2));
    }
    // The board's name where no part lies, the top left corner first; its place is kept
    // before the chips' names written beside them take theirs.
    QRect titlePlace;
    int titlePx = 0;
    for (int px = 14; px >= 9 && titlePlace.isEmpty(); --px) {
        const QFontMetrics metrics(Font(px, true));
        // A few pixels to spare for glyphs that reach past their advance.
        const QSize size(metrics.horizontalAdvance(title) + 6, metrics.height() + 2);
        const QRect place = FreePlace(size, QPoint(14, 10), inner, taken);
        if (!place.isEmpty() && Fits(place, title, px, true)) {
            titlePlace = place;
            titlePx = px;
            taken.push_back(place);
        }
    }
    // The chips too small for their names write them beside, joined by a line.
    std::vector<QRect> beside(parts.size());
    std::vector<int> besidePx(parts.size(), kSmallestPx);
    std::vector<QPoint> lines;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QString name = QString::fromStdString(parts[i].name);
        if (IsChip(parts[i]) && !ChipLabelFits(NameBox(parts[i].rect, rects), name))
            beside[i] = PlaceBeside(parts[i].rect, name, inner, taken, lines, besidePx[i]);
    }
    for (const Part& part : parts)
        DrawPart(p, part);
    p.save();
    p.setPen(QPen(QColor(190, 215, 200), 1));
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (!beside[i].isEmpty())
            p.drawLine(Nearest(parts[i].rect, beside[i].center()),
                       Nearest(beside[i], parts[i].rect.center()));
    p.restore();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!IsChip(parts[i]))
            continue;
        const QString name = QString::fromStdString(parts[i].name);
        if (beside[i].isEmpty()) {
            ChipLabel(p, NameBox(parts[i].rect, rects), name);
        } else {
            ChipNames::Note(name);
            Label(p, beside[i], name, besidePx[i]);
        }
    }
    if (!fpga.isEmpty())
        ChipLabel(p, ChipInside(fpga), QStringLiteral("FPGA"));
    if (!titlePlace.isEmpty())
        Label(p, titlePlace, title, titlePx, Qt::white, true);
}

} // namespace

bool RegisterFormBoardPicture(std::span<const platform::LayoutRow> layout, const char* title,
                              const char* imageName) {
    const platform::LayoutRow* image = nullptr;
    for (const platform::LayoutRow& row : layout)
        if (std::strcmp(row.name, imageName) == 0)
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
        // An outline numbered, not named ("Shape7"), gives its part no name.
        if (name.find_first_not_of("0123456789") == std::string::npos)
            name.clear();
        parts.push_back({QRect(row.x - image->x, row.y - image->y, row.w, row.h), name});
    }
    const QString name = QString::fromLatin1(title);
    Registry().push_back(
        {"pinwright", image->style.picture, image->w, image->h, Format::Png,
         [parts, name](QPainter& p, int w, int h) { DrawBoardPicture(p, w, h, parts, name); }});
    return true;
}

} // namespace pictures
