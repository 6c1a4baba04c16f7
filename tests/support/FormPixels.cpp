#include "FormPixels.h"

#include "TempDir.h"
#include "platform/qt/Widgets.h"

#include <QRegion>
#include <algorithm>
#include <filesystem>
#include <functional>

namespace testsupport {

namespace {

using platform::OutlineShape;
using platform::PictureBox;

// The widgets below the form in the order they are painted: a parent before its
// children, a sibling before the ones raised above it.
std::vector<QWidget*> PaintOrder(QWidget& form) {
    std::vector<QWidget*> order;
    std::function<void(QWidget*)> walk = [&](QWidget* parent) {
        for (QObject* child : parent->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w == nullptr || w->isWindow())
                continue;
            order.push_back(w);
            walk(w);
        }
    };
    walk(&form);
    return order;
}

// The part of the widget the form can show: its rectangle in form pixels, cut by every
// parent's rectangle and by the picture.
QRect ShownRect(QWidget* w, QWidget& form, const QImage& shot) {
    QRect r(w->mapTo(&form, QPoint(0, 0)), w->size());
    for (QWidget* p = w->parentWidget(); p != nullptr && p != &form; p = p->parentWidget())
        r &= QRect(p->mapTo(&form, QPoint(0, 0)), p->size());
    return r & shot.rect();
}

// The bands an outline's pen takes, in form pixels (one band for a line).
std::vector<QRect> PenBands(OutlineShape* s, QWidget& form, const QImage& shot) {
    const QRect r(s->mapTo(&form, QPoint(0, 0)), s->size());
    const int pen = s->PenWidth();
    std::vector<QRect> bands;
    if (r.height() <= pen || r.width() <= pen)
        bands = {QRect(r.left(), r.top(), r.width(), std::min(pen, r.height()))};
    else
        bands = {
            QRect(r.left(), r.top(), r.width(), pen), QRect(r.left(), r.bottom() - pen + 1, r.width(), pen),
            QRect(r.left(), r.top(), pen, r.height()), QRect(r.right() - pen + 1, r.top(), pen, r.height())};
    const QRect shown = ShownRect(s, form, shot);
    for (QRect& band : bands)
        band &= shown;
    return bands;
}

// What the widgets painted after the one at index hide of it: the whole shown rectangle
// of a widget, only the pen of an outline.
QRegion CoveredAbove(const std::vector<QWidget*>& order, std::size_t index, QWidget& form,
                     const QImage& shot) {
    QRegion covered;
    for (std::size_t i = index + 1; i < order.size(); ++i) {
        QWidget* w = order[i];
        if (!w->isVisibleTo(&form))
            continue;
        if (auto* s = dynamic_cast<OutlineShape*>(w)) {
            for (const QRect& band : PenBands(s, form, shot))
                covered += band;
        } else {
            covered += ShownRect(w, form, shot);
        }
    }
    return covered;
}

std::string Name(const QWidget* w) {
    return w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                     : w->objectName().toStdString();
}

std::string Colour(QRgb c) {
    return QColor(c).name().toStdString();
}

struct EdgeCount {
    int judged = 0;
    int inPen = 0;
    QPoint firstOther;
    QRgb firstOtherColour = 0;
};

EdgeCount CountEdge(const QImage& shot, const std::vector<QRect>& bands, const QRegion& covered, QRgb pen) {
    // A point of the edge is a line across its band: the pen is there when any pixel of
    // the line has its colour.
    EdgeCount count;
    for (const QRect& band : bands) {
        if (band.isEmpty())
            continue;
        const bool across = band.width() <= band.height(); // a vertical band: lines run across x
        const int length = across ? band.height() : band.width();
        const int depth = across ? band.width() : band.height();
        for (int i = 0; i < length; ++i) {
            bool anyShown = false, found = false;
            QPoint other;
            for (int d = 0; d < depth; ++d) {
                const QPoint p = across ? QPoint(band.left() + d, band.top() + i)
                                        : QPoint(band.left() + i, band.top() + d);
                if (covered.contains(p))
                    continue;
                anyShown = true;
                if ((shot.pixel(p) & 0xFFFFFF) == (pen & 0xFFFFFF))
                    found = true;
                else
                    other = p;
            }
            if (!anyShown)
                continue;
            ++count.judged;
            if (found) {
                ++count.inPen;
            } else if (count.judged - count.inPen == 1) {
                count.firstOther = other;
                count.firstOtherColour = shot.pixel(other);
            }
        }
    }
    return count;
}

void CheckOutline(FormPixels& result, const QImage& shot, QWidget& form, OutlineShape* s,
                  const QRegion& covered) {
    const bool shown = s->isVisibleTo(&form);
    const QRgb pen = s->PenColor().rgb();
    const EdgeCount count = CountEdge(shot, PenBands(s, form, shot), covered, pen);
    if (count.judged == 0)
        return;
    // A dotted pen colours about one point in three.
    const double inPen = static_cast<double>(count.inPen) / count.judged;
    const double least = s->Dotted() ? 0.25 : 1.0;
    const double hiddenMost = s->Dotted() ? 0.25 : 0.5;
    if (shown) {
        ++result.outlines;
        if (inPen < least)
            result.faults.push_back(Name(s) + ": " + std::to_string(count.judged - count.inPen) + " of " +
                                    std::to_string(count.judged) + " edge points lack the pen " +
                                    Colour(pen) + ", first at (" + std::to_string(count.firstOther.x()) +
                                    ", " + std::to_string(count.firstOther.y()) + ") " +
                                    Colour(count.firstOtherColour));
    } else {
        ++result.hiddenOutlines;
        if (inPen >= hiddenMost)
            result.faults.push_back(Name(s) + ": hidden, yet " + std::to_string(count.inPen) + " of " +
                                    std::to_string(count.judged) + " edge points show its pen " +
                                    Colour(pen));
    }
}

void CheckPicture(FormPixels& result, const QImage& shot, QWidget& form, PictureBox* box,
                  const QRegion& covered) {
    const QImage& image = box->Image();
    if (image.isNull())
        return;
    const QPoint origin = box->mapTo(&form, QPoint(0, 0));
    const QRect drawn = ShownRect(box, form, shot) & QRect(origin, image.size());
    int compared = 0, wrong = 0;
    QPoint first;
    QRgb firstShot = 0, firstImage = 0;
    for (int y = drawn.top(); y <= drawn.bottom(); ++y)
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            const QRgb want = image.pixel(x - origin.x(), y - origin.y());
            if (qAlpha(want) != 255 || covered.contains(QPoint(x, y)))
                continue;
            ++compared;
            const QRgb got = shot.pixel(x, y);
            if ((got & 0xFFFFFF) != (want & 0xFFFFFF) && wrong++ == 0) {
                first = QPoint(x, y);
                firstShot = got;
                firstImage = want;
            }
        }
    if (compared == 0)
        return;
    ++result.pictures;
    if (wrong > 0)
        result.faults.push_back(Name(box) + ": " + std::to_string(wrong) + " of " + std::to_string(compared) +
                                " pixels differ from its picture, first at (" + std::to_string(first.x()) +
                                ", " + std::to_string(first.y()) + ") " + Colour(firstShot) + " instead of " +
                                Colour(firstImage));
}

} // namespace

FormPixels CheckFormPixels(const QImage& grabbed, QWidget& form) {
    FormPixels result;
    const QImage shot = grabbed.convertToFormat(QImage::Format_RGB32);
    if (shot.size() != form.size())
        result.faults.push_back("the picture is " + std::to_string(shot.width()) + " x " +
                                std::to_string(shot.height()) + ", the form " + std::to_string(form.width()) +
                                " x " + std::to_string(form.height()));
    const std::vector<QWidget*> order = PaintOrder(form);
    // A hidden outline may share an edge with a shown one: that pen is not the hidden one's.
    QRegion shownPens;
    for (QWidget* w : order)
        if (auto* s = dynamic_cast<OutlineShape*>(w); s != nullptr && s->isVisibleTo(&form))
            for (const QRect& band : PenBands(s, form, shot))
                shownPens += band;
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* w = order[i];
        // Only what the form can show: a widget inside a hidden parent is judged by no one.
        if (w->parentWidget() != &form && !w->parentWidget()->isVisibleTo(&form))
            continue;
        if (auto* s = dynamic_cast<OutlineShape*>(w))
            CheckOutline(result, shot, form, s,
                         s->isVisibleTo(&form) ? CoveredAbove(order, i, form, shot)
                                               : CoveredAbove(order, i, form, shot) + shownPens);
        else if (auto* p = dynamic_cast<PictureBox*>(w); p != nullptr && p->isVisibleTo(&form))
            CheckPicture(result, shot, form, p, CoveredAbove(order, i, form, shot));
    }
    return result;
}

::testing::AssertionResult DrawnAsLaidOut(const QImage& shot, QWidget& form, int leastJudged) {
    const FormPixels pixels = CheckFormPixels(shot, form);
    const int judged = pixels.outlines + pixels.hiddenOutlines + pixels.pictures;
    if (judged < leastJudged)
        return ::testing::AssertionFailure() << Name(&form) << " shows " << judged
                                             << " outlines and pictures to judge, fewer than " << leastJudged;
    if (pixels.faults.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << Name(&form) << " is not drawn as laid out:";
    for (const std::string& fault : pixels.faults)
        failure << "\n  " << fault;
    return failure;
}

QImage GrabScreenshot(QWidget& widget, const std::string& name) {
    QImage shot = widget.grab().toImage();
    SaveScreenshot(shot, name);
    return shot;
}

void SaveScreenshot(const QImage& shot, const std::string& name) {
    const std::filesystem::path file = std::filesystem::path(ScreenshotDir()) / (name + ".png");
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string()))) << name;
}

} // namespace testsupport
