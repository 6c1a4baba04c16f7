#pragma once
// The animation control: shows the frames of an animation one after the other,
// repeating, and keeps the frame it shows when stopped.

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

class CAnimationBox : public QWidget {
public:
    explicit CAnimationBox(QWidget* parent = nullptr);

    void Open(const QList<QImage>& frames);
    // From the first frame, without end.
    void Play();
    void Stop();
    bool IsPlaying() const { return m_timer.isActive(); }
    int FrameCount() const { return static_cast<int>(m_frames.size()); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void NextFrame();

    QList<QImage> m_frames;
    int m_nFrame = 0;
    QTimer m_timer;
};
