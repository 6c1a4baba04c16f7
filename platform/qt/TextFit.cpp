#include "TextFit.h"

#include "Widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <climits>

namespace platform {

namespace {

// The parent's inside, in the parent's pixels: a group box's or panel's frame is no room.
QRect Inside(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    return parent == nullptr ? control.geometry() : parent->contentsRect();
}

// The other controls that share the parent, wherever they lie over the control already
// (labels written on a picture) they do not bound it.
template <class Visit> void ForEachNeighbour(const QWidget& control, Visit visit) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr)
        return;
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == &control || other->isWindow() || other->objectName().isEmpty() ||
            dynamic_cast<const OutlineShape*>(other) != nullptr ||
            other->geometry().intersects(control.geometry()))
            continue;
        visit(other->geometry());
    }
}

bool RowsMeet(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

bool ColumnsMeet(const QRect& a, const QRect& b) {
    return a.left() <= b.right() && b.left() <= a.right();
}

// Grows g by need pixels at its top and bottom, half each where there is room.
void GrowHeight(QRect& g, int need, int above, int below) {
    int up = std::min(need / 2, above);
    const int down = std::min(need - up, below);
    up = std::min(need - down, above);
    g.adjust(0, -up, 0, down);
}

} // namespace

QSize TextNeed(const QFontMetrics& metrics, const QString& text) {
    const QRect ink = metrics.boundingRect(text);
    return QSize(std::max(metrics.horizontalAdvance(text), ink.right() + 1), metrics.height());
}

int FreeRight(const QWidget& control) {
    const QRect g = control.geometry();
    int limit = Inside(control).right();
    ForEachNeighbour(control, [&](const QRect& other) {
        if (RowsMeet(g, other) && other.left() > g.right())
            limit = std::min(limit, other.left() - 1);
    });
    return std::max(0, limit - g.right());
}

int FreeAbove(const QWidget& control) {
    const QRect g = control.geometry();
    int limit = Inside(control).top();
    ForEachNeighbour(control, [&](const QRect& other) {
        if (ColumnsMeet(g, other) && other.bottom() < g.top())
            limit = std::max(limit, other.bottom() + 1);
    });
    return std::max(0, g.top() - limit);
}

int FreeBelow(const QWidget& control) {
    const QRect g = control.geometry();
    int limit = Inside(control).bottom();
    ForEachNeighbour(control, [&](const QRect& other) {
        if (ColumnsMeet(g, other) && other.top() > g.bottom())
            limit = std::min(limit, other.top() - 1);
    });
    return std::max(0, limit - g.bottom());
}

void FitLabel(QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap() || label.text().contains(QLatin1Char('\n')))
        return;
    const int margin = label.margin();
    const QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize need = TextNeed(label.fontMetrics(), label.text());
    const int wide = need.width() - room.width();
    const int high = need.height() - room.height();
    if (wide <= 0 && high <= 0)
        return;
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    QRect g = label.geometry();
    if (wide > 0) {
        if (align & Qt::AlignRight)
            g.adjust(-wide, 0, 0, 0);
        else if (align & Qt::AlignHCenter)
            g.adjust(-wide / 2, 0, wide - wide / 2, 0);
        else
            g.adjust(0, 0, wide, 0);
    }
    if (high > 0) {
        if (align & Qt::AlignTop)
            g.adjust(0, 0, 0, high);
        else if (align & Qt::AlignBottom)
            g.adjust(0, -high, 0, 0);
        else
            g.adjust(0, -high / 2, 0, high - high / 2);
    }
    label.setGeometry(g);
}

void FitButtonText(QAbstractButton& button) {
    if (button.text().isEmpty())
        return;
    const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect text = button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, &button);
    QString shown = button.text();
    shown.remove(QLatin1Char('&'));
    const QSize need = TextNeed(button.fontMetrics(), shown);
    const int wide = need.width() - text.width();
    const int high = need.height() - text.height();
    QRect g = button.geometry();
    if (wide > 0)
        g.adjust(0, 0, std::min(wide, FreeRight(button)), 0);
    if (high > 0)
        GrowHeight(g, high, FreeAbove(button), FreeBelow(button));
    if (g != button.geometry())
        button.setGeometry(g);
}

void FitTexts(QWidget& form) {
    for (QLabel* label : form.findChildren<QLabel*>())
        if (!label->isWindow())
            FitLabel(*label);
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>())
        if (!button->isWindow() && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
            FitButtonText(*button);
}

} // namespace platform
