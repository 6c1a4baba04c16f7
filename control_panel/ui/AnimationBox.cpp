#include "AnimationBox.h"

#include <QPainter>

namespace {

constexpr int FRAME_INTERVAL_MS = 100;

} // namespace

CAnimationBox::CAnimationBox(QWidget* parent) : QWidget(parent) {
    m_timer.setInterval(FRAME_INTERVAL_MS);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { NextFrame(); });
}

void CAnimationBox::Open(const QList<QImage>& frames) {
    m_timer.stop();
    m_frames = frames;
    m_nFrame = 0;
    update();
}

void CAnimationBox::Play() {
    m_nFrame = 0;
    update();
    if (m_frames.size() > 1)
        m_timer.start();
}

void CAnimationBox::Stop() {
    m_timer.stop();
}

void CAnimationBox::NextFrame() {
    if (m_frames.isEmpty())
        return;
    m_nFrame = (m_nFrame + 1) % static_cast<int>(m_frames.size());
    update();
}

void CAnimationBox::paintEvent(QPaintEvent*) {
    if (m_nFrame >= m_frames.size())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_frames[m_nFrame]);
}
