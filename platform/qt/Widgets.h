#pragma once
// Small widgets standing in for the toolkit's outline shapes, pictures and paint boxes.

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QWidget>
#include <functional>

namespace platform {

// An outline rectangle: pen colour, width and style, no fill, clicks pass through.
class OutlineShape : public QWidget {
public:
    explicit OutlineShape(QWidget* parent = nullptr);
    void SetPen(const QColor& color, int width, bool dotted);
    QColor PenColor() const { return color_; }
    int PenWidth() const { return width_; }
    bool Dotted() const { return dotted_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_ = Qt::black;
    int width_ = 1;
    bool dotted_ = false;
};

// A picture control: draws its image at the top left; with auto-size it takes the image's size.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }
    void SetAutoSize(bool on) { autoSize_ = on; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage image_;
    bool autoSize_ = false;
};

// A drop-down list whose open list is as wide as its longest item, also when the closed
// box is narrower (long card names in a short box).
class ComboBox : public QComboBox {
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void showPopup() override;
};

// A paint box: the owner paints it through a callback.
class PaintBox : public QWidget {
public:
    explicit PaintBox(QWidget* parent = nullptr);
    void SetPainter(std::function<void(QPainter&)> painter) { painter_ = std::move(painter); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::function<void(QPainter&)> painter_;
};

} // namespace platform
