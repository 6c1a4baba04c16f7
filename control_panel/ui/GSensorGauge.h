#pragma once
// The accelerometer page's bubble-level gauge: a circular level whose bubble follows the
// X and Y accelerations and two tube levels whose knobs follow the two tilt angles. Each
// part is a copy of its background with its bubble or knob blended in at 50 %.

#include <QImage>

class QPainter;

class CGSensorGauge {
public:
    // Loads the six pictures and places the three parts around the origin (x, y).
    CGSensorGauge(int x, int y, int circleId, int bubbleId, int horizontalId, int horizontalKnobId,
                  int verticalId, int verticalKnobId);

    void Draw(QPainter& painter, float angle1, float angle2, float bubbleX, float bubbleY) const;
    static void BlendBitmap(QImage& background, const QImage& foreground, int x, int y, float alpha);
    static void BlitBitmap(QPainter& painter, int x, int y, const QImage& bitmap);

private:
    struct Part {
        QImage background;
        QImage foreground;
        int x, y;
    };

    Part m_circle;
    Part m_horizontal;
    Part m_vertical;
};
