// Every picture drawn at build time writes its texts whole: each inside the box it is
// written in, and under nothing drawn after it (no part over a board's name).
#include "support/TextInk.h"
#include "tools/pictures/ChipNames.h"
#include "tools/pictures/Picture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(Pictures, EveryTextShowsWholeInItsBox) {
    int texts = 0;
    for (const pictures::Picture& picture : pictures::Registry()) {
        const QSize size(picture.width, picture.height);
        const auto drawn = testsupport::TextsDrawn(
            size, [&](QPainter& p) { picture.draw(p, picture.width, picture.height); }, true);
        for (const testsupport::DrawnText& text : drawn) {
            ++texts;
            const std::string fault = testsupport::TextFault(text);
            if (!fault.empty())
                ADD_FAILURE() << picture.name << " " << fault;
        }
    }
    // The board, card and panel pictures write several hundred.
    EXPECT_GT(texts, 300);
}

// Each chip a picture names shows its name whole: a name that fits nowhere near its
// chip is not left out, and none is cut or drawn over.
TEST(Pictures, EveryChipShowsItsNameWhole) {
    int chips = 0;
    for (const pictures::Picture& picture : pictures::Registry()) {
        pictures::ChipNames asked;
        auto drawn = testsupport::TextsDrawn(
            QSize(picture.width, picture.height),
            [&](QPainter& p) { picture.draw(p, picture.width, picture.height); }, true);
        for (const QString& name : asked.Names()) {
            ++chips;
            const auto written = std::find_if(
                drawn.begin(), drawn.end(), [&](const testsupport::DrawnText& t) { return t.text == name; });
            if (written == drawn.end()) {
                ADD_FAILURE() << picture.name << " leaves out the chip name \"" << name.toStdString() << "\"";
                continue;
            }
            const std::string fault = testsupport::TextFault(*written);
            if (!fault.empty())
                ADD_FAILURE() << picture.name << " chip name " << fault;
            drawn.erase(written);
        }
    }
    // The board pictures name several hundred.
    EXPECT_GT(chips, 400);
}

// A stopped frame of the connect animation stays on the screen after a connect that
// failed: words there would contradict the status line.
TEST(Pictures, TheConnectAnimationWritesNoWords) {
    int frames = 0;
    for (const pictures::Picture& picture : pictures::Registry()) {
        if (!QString::fromLatin1(picture.name).startsWith(QStringLiteral("AVI_128_")))
            continue;
        ++frames;
        const auto drawn = testsupport::TextsDrawn(
            QSize(picture.width, picture.height),
            [&](QPainter& p) { picture.draw(p, picture.width, picture.height); }, false);
        EXPECT_TRUE(drawn.empty()) << picture.name << " writes \"" << drawn.front().text.toStdString()
                                   << "\"";
    }
    EXPECT_GT(frames, 1);
}

} // namespace
