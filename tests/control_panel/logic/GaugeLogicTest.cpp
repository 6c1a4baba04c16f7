// What the accelerometer page shows for a reading and where its gauge puts the bubble
// and the knobs, without any window.
#include "control_panel/logic/GSensorReadings.h"
#include "control_panel/logic/GaugeGeometry.h"

#include <gtest/gtest.h>

#include <clocale>
#include <vector>

namespace {

TEST(GSensorReadings, OneGOnEachAxisAndBothAnglesAt45Degrees) {
    // Numbers keep their decimal point whatever the locale says.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    GSensorView view = ViewOfReading(true, 256, -256, 256);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(view.xText, "X=1000.0mg");
    EXPECT_EQ(view.yText, "Y=-1000.0mg");
    EXPECT_EQ(view.zText, "Z=1000.0mg");
    EXPECT_EQ(view.angle1Text, "45.0");
    EXPECT_EQ(view.angle2Text, "45.0");
    EXPECT_FLOAT_EQ(view.bubbleX, -1.0f);
    EXPECT_FLOAT_EQ(view.bubbleY, -1.0f);
}

TEST(GSensorReadings, ZeroZGivesZeroAnglesAndUpsideDownTurnsTheirSign) {
    GSensorView flat = ViewOfReading(true, 100, -50, 0);
    EXPECT_EQ(flat.angle1Text, "0.0");
    EXPECT_EQ(flat.angle2Text, "0.0");
    GSensorView up = ViewOfReading(true, 128, 128, 256);
    GSensorView down = ViewOfReading(true, 128, 128, -256);
    EXPECT_EQ(up.angle1Text, "26.6");
    EXPECT_EQ(down.angle1Text, "-26.6");
    EXPECT_EQ(up.angle2Text, "-26.6");
    EXPECT_EQ(down.angle2Text, "26.6");
}

TEST(GSensorReadings, AFailedReadShowsNothingAndRestsTheGauge) {
    GSensorView view = ViewOfReading(false, 256, 256, 256);
    EXPECT_EQ(view.xText + view.yText + view.zText + view.angle1Text + view.angle2Text, "");
    EXPECT_EQ(view.angle1, 0.0f);
    EXPECT_EQ(view.bubbleX, 0.0f);
}

TEST(GaugeGeometry, BubbleRestsInTheMiddleAndMovesAtMost50Pixels) {
    struct Case {
        int16_t x, y;
        int left, top;
    } cases[] = {
        {0, 0, 60, 61},                        // at rest
        {256, -256, 110, 111},                 // 1000 mg: 50 right, 50 down
        {2000, 0, 110, 61},                    // 7812.5 mg: no further
        {-2000, 2000, 10, 11}, {6, 0, 61, 61}, // 23.4 mg: one pixel
    };
    for (const Case& c : cases) {
        GSensorView view = ViewOfReading(true, c.x, c.y, 256);
        GaugePoint p = BubblePosition(140, 20, 19, view.bubbleX, view.bubbleY);
        EXPECT_EQ(p.x, c.left) << c.x << "," << c.y;
        EXPECT_EQ(p.y, c.top) << c.x << "," << c.y;
    }
}

TEST(GaugeGeometry, KnobsRestInTheirTubesAndFollowTheAngles) {
    EXPECT_EQ(HorizontalKnobPosition(195, 25, 20, 19, 0).x, 87);
    EXPECT_EQ(HorizontalKnobPosition(195, 25, 20, 19, 0).y, 3);
    EXPECT_EQ(HorizontalKnobPosition(195, 25, 20, 19, 40).x, 117);
    EXPECT_EQ(HorizontalKnobPosition(195, 25, 20, 19, -40).x, 57);
    EXPECT_EQ(VerticalKnobPosition(25, 194, 20, 19, 0).x, 2);
    EXPECT_EQ(VerticalKnobPosition(25, 194, 20, 19, 0).y, 88);
    EXPECT_EQ(VerticalKnobPosition(25, 194, 20, 19, 45).y, 121);
    EXPECT_EQ(VerticalKnobPosition(25, 194, 20, 19, -45).y, 55);
}

// Pixels of 4 bytes, as the gauge's bitmaps hold them.
struct Pixels {
    Pixels(int w, int h, uint8_t fill)
        : width(w), height(h), bytes(static_cast<std::size_t>(w * h * 4), fill) {}
    PixelBits Bits() { return {bytes.data(), width, height, width * 4, 4}; }
    uint8_t* At(int x, int y) { return bytes.data() + (y * width + x) * 4; }
    int width, height;
    std::vector<uint8_t> bytes;
};

TEST(GaugeGeometry, BlendingHalvesColoursAndKeepsBlackTransparent) {
    Pixels back(4, 4, 100);
    Pixels fore(2, 2, 0);
    const uint8_t pixel[4] = {0, 200, 100, 77};
    std::copy(pixel, pixel + 4, fore.At(0, 0));
    std::copy(pixel, pixel + 4, fore.At(1, 1));
    BlendBits(back.Bits(), fore.Bits(), 1, 2, 0.5f);
    EXPECT_EQ(std::vector<uint8_t>(back.At(1, 2), back.At(1, 2) + 4),
              (std::vector<uint8_t>{100, 150, 100, 100}));
    EXPECT_EQ(std::vector<uint8_t>(back.At(2, 3), back.At(2, 3) + 4),
              (std::vector<uint8_t>{100, 150, 100, 100}));
    EXPECT_EQ(std::vector<uint8_t>(back.At(2, 2), back.At(2, 2) + 4),
              (std::vector<uint8_t>{100, 100, 100, 100}));
}

TEST(GaugeGeometry, BlendingClipsOnAllFourSides) {
    Pixels fore(3, 3, 255);
    for (GaugePoint at : {GaugePoint{-2, -2}, GaugePoint{3, 3}, GaugePoint{-2, 3}, GaugePoint{3, -2}}) {
        Pixels back(4, 4, 0);
        BlendBits(back.Bits(), fore.Bits(), at.x, at.y, 0.5f);
        int touched = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                touched += back.At(x, y)[0] == 127;
        EXPECT_EQ(touched, 1) << at.x << "," << at.y;
    }
}

} // namespace
