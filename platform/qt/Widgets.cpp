#include "Widgets.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScrollBar>

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
    // The pen lies inside the bounds, as the toolkit draws it.
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

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {}

void ComboBox::showPopup() {
    // Items are added after the box is built, so the width is taken when the list opens.
    QAbstractItemView* list = view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(width);
    QComboBox::showPopup();
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
    if (!painter_)
        return;
    QPainter p(this);
    painter_(p);
}

} // namespace platform
