#include "TextInk.h"

#include "platform/qt/Widgets.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegion>
#include <QTextItem>
#include <climits>

namespace testsupport {

namespace {

// An ink pixel is one the glyphs cover by more than a quarter: the faint fringe that
// antialiasing leaves beside a stem is no part of what a reader sees.
constexpr int kInkAlpha = 64;

struct TextCall {
    QString text;
    QFont font;
    QTransform transform;
    QPointF origin;
    QRegion shown;         // device pixels where the painter lets it show
    std::size_t coverFrom; // the paint operations after it
};

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(QSize size, bool trackCover)
        : QPaintEngine(QPaintEngine::AllFeatures), size_(size), trackCover_(trackCover) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const QPaintEngine::DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            transform_ = state.transform();
        if (dirty & DirtyPen)
            pen_ = state.pen();
        if (dirty & DirtyBrush)
            brush_ = state.brush();
        if (dirty & DirtyClipRegion)
            Clip(transform_.map(state.clipRegion()), state.clipOperation());
        if (dirty & DirtyClipPath)
            Clip(QRegion(transform_.map(state.clipPath()).toFillPolygon().toPolygon()),
                 state.clipOperation());
        if (dirty & DirtyClipEnabled)
            clipEnabled_ = state.isClipEnabled();
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        QRegion shown(QRect(QPoint(0, 0), size_));
        if (!systemClip().isEmpty())
            shown &= systemClip();
        if (clipEnabled_ && hasClip_)
            shown &= clip_;
        texts.push_back({item.text(), item.font(), transform_, p, shown, covers.size()});
    }

    void drawPath(const QPainterPath& path) override {
        QPainterPath covered;
        if (brush_.style() != Qt::NoBrush)
            covered = path;
        if (pen_.style() != Qt::NoPen) {
            QPainterPathStroker stroker(pen_);
            covered = covered.united(stroker.createStroke(path));
        }
        Cover(transform_.map(covered));
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        QBrush keep = brush_;
        if (mode == PolylineMode)
            brush_ = Qt::NoBrush;
        drawPath(path);
        brush_ = keep;
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { CoverRect(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        CoverRect(r);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap&, const QPointF&) override { CoverRect(r); }

    std::vector<TextCall> texts;
    std::vector<QPainterPath> covers; // device pixels

private:
    void Clip(const QRegion& region, Qt::ClipOperation op) {
        switch (op) {
        case Qt::NoClip:
            hasClip_ = false;
            clip_ = QRegion();
            break;
        case Qt::ReplaceClip:
            hasClip_ = true;
            clip_ = region;
            break;
        case Qt::IntersectClip:
            clip_ = hasClip_ ? clip_ & region : region;
            hasClip_ = true;
            break;
        }
        clipEnabled_ = op != Qt::NoClip;
    }
    void Cover(const QPainterPath& devicePath) {
        if (trackCover_ && !devicePath.isEmpty())
            covers.push_back(devicePath);
    }
    void CoverRect(const QRectF& r) {
        QPainterPath path;
        path.addRect(r);
        Cover(transform_.map(path));
    }

    QSize size_;
    bool trackCover_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    QRegion clip_;
    bool hasClip_ = false;
    bool clipEnabled_ = false;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(QSize size, bool trackCover) : size_(size), engine_(size, trackCover) {}
    ~RecordingDevice() override = default;
    QPaintEngine* paintEngine() const override { return &engine_; }
    RecordingEngine& Engine() { return engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        // A 96-dpi screen, as the offscreen platform shows the widgets.
        switch (m) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return qRound(size_.width() * 25.4 / 96);
        case PdmHeightMM:
            return qRound(size_.height() * 25.4 / 96);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize size_;
    mutable RecordingEngine engine_;
};

// Rasterises one text alone and counts its ink against where it may show.
DrawnText Measure(const TextCall& call, const std::vector<QPainterPath>& covers) {
    DrawnText result;
    result.text = call.text;
    const QRectF logical = QFontMetricsF(call.font).boundingRect(call.text);
    const QRect box =
        call.transform.mapRect(logical.translated(call.origin)).toAlignedRect().adjusted(-8, -8, 8, 8);
    QImage ink(box.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter p(&ink);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setTransform(call.transform * QTransform::fromTranslate(-box.left(), -box.top()));
        p.setFont(call.font);
        p.setPen(Qt::black);
        p.drawText(call.origin, call.text);
    }
    QRegion later;
    for (std::size_t i = call.coverFrom; i < covers.size(); ++i)
        later += QRegion(covers[i].toFillPolygon().toPolygon());
    bool lost = false;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x) {
            if (qAlpha(ink.pixel(x, y)) <= kInkAlpha)
                continue;
            const QPoint at(box.left() + x, box.top() + y);
            ++result.inkPixels;
            result.ink |= QRect(at, QSize(1, 1));
            const bool clipped = !call.shown.contains(at);
            const bool covered = !clipped && later.contains(at);
            result.clipped += clipped;
            result.covered += covered;
            if ((clipped || covered) && !lost) {
                lost = true;
                result.firstLost = at;
            }
        }
    return result;
}

std::vector<DrawnText> MeasureAll(RecordingEngine& engine) {
    std::vector<DrawnText> found;
    for (const TextCall& call : engine.texts)
        if (!call.text.trimmed().isEmpty())
            found.push_back(Measure(call, engine.covers));
    return found;
}

// Edits and lists scroll their texts by design; every other widget shows its texts whole.
bool Judged(QWidget* w, QWidget& form) {
    for (QWidget* p = w; p != &form; p = p->parentWidget())
        if (p->isWindow() || qobject_cast<QLineEdit*>(p) != nullptr ||
            qobject_cast<QAbstractScrollArea*>(p) != nullptr)
            return false;
    return w->isVisibleTo(&form) || w == &form;
}

QString Joined(const std::vector<DrawnText>& texts) {
    QString all;
    for (const DrawnText& t : texts)
        all += t.text;
    return all;
}

void JudgeTexts(QWidget* w, const std::vector<DrawnText>& texts, const QString& what, int& judged,
                std::vector<std::string>& faults) {
    for (const DrawnText& t : texts) {
        ++judged;
        const std::string fault = TextFault(t);
        if (!fault.empty())
            faults.push_back(w->objectName().toStdString() + what.toStdString() + " " + fault);
    }
}

// A closed combo box shows each of its items whole, or cut short with the whole name in
// its tooltip.
void JudgeComboBox(QComboBox* box, int& judged, std::vector<std::string>& faults) {
    const int chosen = box->currentIndex();
    for (int i = 0; i < box->count(); ++i) {
        box->setCurrentIndex(i);
        const std::vector<DrawnText> texts = TextsOfWidget(*box);
        const QString what = QStringLiteral(" item %1").arg(i);
        JudgeTexts(box, texts, what, judged, faults);
        const QString shown = Joined(texts).trimmed();
        if (shown != box->currentText().trimmed() && box->toolTip() != box->currentText())
            faults.push_back(box->objectName().toStdString() + what.toStdString() + " shows \"" +
                             shown.toStdString() + "\" of \"" + box->currentText().toStdString() +
                             "\" with the tooltip \"" + box->toolTip().toStdString() + "\"");
    }
    box->setCurrentIndex(chosen);
}

} // namespace

std::vector<DrawnText> TextsDrawn(QSize size, const std::function<void(QPainter&)>& draw, bool trackCover) {
    RecordingDevice device(size, trackCover);
    {
        QPainter p(&device);
        draw(p);
    }
    return MeasureAll(device.Engine());
}

std::vector<DrawnText> TextsOfWidget(QWidget& widget) {
    RecordingDevice device(widget.size(), false);
    widget.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return MeasureAll(device.Engine());
}

std::string TextFault(const DrawnText& t) {
    if (t.clipped == 0 && t.covered == 0)
        return {};
    std::string fault = "\"" + t.text.toStdString() + "\": ";
    if (t.clipped > 0)
        fault += std::to_string(t.clipped) + " of " + std::to_string(t.inkPixels) + " ink pixels cut off";
    if (t.covered > 0)
        fault += std::string(t.clipped > 0 ? ", " : "") + std::to_string(t.covered) + " of " +
                 std::to_string(t.inkPixels) + " ink pixels painted over";
    fault += ", first at (" + std::to_string(t.firstLost.x()) + ", " + std::to_string(t.firstLost.y()) +
             "), ink " + std::to_string(t.ink.left()) + ".." + std::to_string(t.ink.right()) + " x " +
             std::to_string(t.ink.top()) + ".." + std::to_string(t.ink.bottom());
    return fault;
}

::testing::AssertionResult TextsShowWhole(QWidget& form, int least) {
    std::vector<QWidget*> widgets{&form};
    for (QWidget* w : form.findChildren<QWidget*>())
        widgets.push_back(w);
    int judged = 0;
    std::vector<std::string> faults;
    for (QWidget* w : widgets) {
        if (!Judged(w, form))
            continue;
        if (auto* box = qobject_cast<QComboBox*>(w); box != nullptr && !box->isEditable()) {
            JudgeComboBox(box, judged, faults);
        } else if (auto* picture = dynamic_cast<platform::PictureBox*>(w)) {
            // A picture cut by its box cuts what is written on it.
            const QSize image = picture->Image().size();
            if (!picture->Image().isNull() &&
                !QRect(QPoint(), picture->size()).contains(QRect(QPoint(), image)))
                faults.push_back(w->objectName().toStdString() + ": its " + std::to_string(image.width()) +
                                 " x " + std::to_string(image.height()) + " picture is cut to " +
                                 std::to_string(picture->width()) + " x " +
                                 std::to_string(picture->height()));
        } else {
            JudgeTexts(w, TextsOfWidget(*w), QString(), judged, faults);
        }
    }
    if (judged < least)
        return ::testing::AssertionFailure() << form.objectName().toStdString() << " shows " << judged
                                             << " texts to judge, fewer than " << least;
    if (faults.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << form.objectName().toStdString() << ": " << faults.size() << " texts do not show whole:";
    for (const std::string& fault : faults)
        failure << "\n  " << fault;
    return failure;
}

} // namespace testsupport
