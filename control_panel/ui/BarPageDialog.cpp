#include "BarPageDialog.h"

#include <QMouseEvent>
#include <QPainter>

CBarPageDialog::CBarPageDialog(QWidget* parent) : CPageDialog(parent), m_owner(this) {}

CBarPageDialog::~CBarPageDialog() = default;

CButtonManager& CBarPageDialog::AddBar(int mode) {
    m_bars.push_back(std::make_unique<CButtonManager>(m_owner, mode));
    return *m_bars.back();
}

void CBarPageDialog::PaintBars(QPainter& painter) const {
    CQtButtonCanvas canvas(painter);
    for (const auto& bar : m_bars)
        bar->Paint(canvas);
}

void CBarPageDialog::OnLButtonDown(int x, int y) {
    for (const auto& bar : m_bars)
        if (bar->OnLButtonDown(x, y))
            return;
}

void CBarPageDialog::OnMouseMove(int x, int y) {
    for (const auto& bar : m_bars)
        if (bar->OnMouseMove(x, y))
            break;
    m_owner.ShowHandCursor(IsOverButton(x, y));
}

bool CBarPageDialog::IsOverButton(int x, int y) const {
    for (const auto& bar : m_bars)
        if (bar->IsOverButton(x, y))
            return true;
    return false;
}

void CBarPageDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void CBarPageDialog::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void CBarPageDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->position().toPoint().x(), event->position().toPoint().y());
}

void CBarPageDialog::leaveEvent(QEvent*) {
    // The pointer left the page: it is over none of its buttons.
    OnMouseMove(CQtButtonOwner::OUTSIDE, CQtButtonOwner::OUTSIDE);
}
