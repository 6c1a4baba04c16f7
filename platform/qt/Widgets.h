#pragma once
// Small widgets the forms are built of: outline shapes, pictures and paint boxes.

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
// box is narrower (long card names in a short box). The closed box grows to its longest
// item where free room beside it allows; where not, it shows the chosen item cut short
// with "..." and holds the whole name in its tooltip.
class ComboBox : public QComboBox {
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void showPopup() override;
    // The chosen item's text as the closed box shows it.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int FieldWidth() const;
    void FitToItems();
    void UpdateTip();

    int layoutWidth_ = -1; // the width it was laid out with, taken when items first come
    bool tipIsName_ = false;
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
