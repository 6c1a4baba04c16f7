#include "Widgets.h"

#include "TextFit.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace platform {

OutlineShape::OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineShape::SetPen(const QColor& color, int width, bool dotted) {
    color_ = color;
    width_ = width < 1 ? 1 : width;
    dotted_ = dotted;
    update();
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(color_, width_, dotted_ ? Qt::DotLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The pen lies inside the bounds, so a thick outline keeps its rectangle.
    qreal inset = width_ / 2.0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (height() <= width_ || width() <= width_)
        p.drawLine(QPointF(0, inset), QPointF(width(), inset));
    else
        p.drawRect(r);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetImage(const QImage& image) {
    image_ = image;
    if (autoSize_ && !image_.isNull())
        resize(image_.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    // Items come after the box is built, and lists are filled anew when a choice changes them.
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, [this] { FitToItems(); });
    connect(items, &QAbstractItemModel::rowsRemoved, this, [this] { FitToItems(); });
    connect(items, &QAbstractItemModel::modelReset, this, [this] { FitToItems(); });
    connect(items, &QAbstractItemModel::dataChanged, this, [this] { FitToItems(); });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { UpdateTip(); });
}

void ComboBox::showPopup() {
    // Items are added after the box is built, so the width is taken when the list opens.
    QAbstractItemView* list = view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(width);
    QComboBox::showPopup();
}

int ComboBox::FieldWidth() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The style draws the text one pixel inside the field on either side.
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() -
           2;
}

QString ComboBox::ShownText() const {
    const QString text = currentText();
    const QFontMetrics metrics = fontMetrics();
    const int field = FieldWidth();
    if (TextNeed(metrics, text).width() <= field)
        return text;
    // The elision at the widest room whose ink fits the field. An elision only grows
    // with its room, so each room gives a run of rooms the same text: one elision per
    // run, and the next shorter run is found by halving.
    int room = field;
    while (room > 0) {
        const QString shown = metrics.elidedText(text, Qt::ElideRight, room);
        if (TextNeed(metrics, shown).width() <= field)
            return shown;
        int shorter = 0; // the widest room known to give another text (0: none)
        int same = room; // the narrowest room known to give this one
        while (same - shorter > 1) {
            const int middle = shorter + (same - shorter) / 2;
            if (metrics.elidedText(text, Qt::ElideRight, middle) != shown)
                shorter = middle;
            else
                same = middle;
        }
        room = shorter;
    }
    return QString();
}

void ComboBox::FitToItems() {
    if (layoutWidth_ < 0)
        layoutWidth_ = width();
    const QFontMetrics metrics = fontMetrics();
    int longest = 0;
    for (int i = 0; i < count(); ++i)
        longest = std::max(longest, TextNeed(metrics, itemText(i)).width());
    const int chrome = width() - FieldWidth();
    const int wanted = std::max(layoutWidth_, longest + chrome);
    const int room = width() + FreeRight(*this);
    const int target = wanted <= room ? wanted : layoutWidth_;
    if (target != width())
        resize(target, height());
    UpdateTip();
}

void ComboBox::UpdateTip() {
    const bool cut = ShownText() != currentText();
    if (cut) {
        setToolTip(currentText());
        tipIsName_ = true;
    } else if (tipIsName_) {
        setToolTip(QString());
        tipIsName_ = false;
    }
}

void ComboBox::paintEvent(QPaintEvent*) {
    // As QComboBox paints itself, with the text cut short to its field.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    } else {
        option.currentText = ShownText();
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    UpdateTip();
}

void ComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitToItems();
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
    if (!painter_)
        return;
    QPainter p(this);
    painter_(p);
}

} // namespace platform
