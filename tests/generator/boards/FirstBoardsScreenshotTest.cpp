// Screenshots of the forms of boards 1 to 4: each form grabbed as the program shows
// it, saved beside the other screenshots, with every shown outline drawn in its pen
// colour where the layout places it, and the board and card pictures drawn.
#include "BoardFormFixture.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/first/arvel/UI_ArvelLayout.h"
#include "boards/first/belmic/UI_BelmicLayout.h"
#include "boards/first/cardix/UI_CardixLayout.h"
#include "boards/first/dorvel/UI_DorvelLayout.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterId.h"
#include "platform/qt/Resources.h"
#include "support/FormPixels.h"

#include <QImage>
#include <cstring>
#include <filesystem>
#include <span>

namespace {

struct Screenshot {
    const char* name; // of the screenshot
    std::span<const platform::LayoutRow> layout;
    BoardForm* (*open)(QWidget*);
};

template <uint8_t id> BoardForm* OpenForm(QWidget* owner) {
    return dynamic_cast<BoardForm*>(CreateBoardForm(*FindBoardForm(id), owner));
}

const platform::LayoutRow& RowOf(std::span<const platform::LayoutRow> layout, const char* name) {
    for (const platform::LayoutRow& row : layout)
        if (std::strcmp(row.name, name) == 0)
            return row;
    ADD_FAILURE() << name;
    return layout.front();
}

// The rectangle of a row on the form: its parent's place added.
QRect OnForm(std::span<const platform::LayoutRow> layout, const platform::LayoutRow& row) {
    QRect r(row.x, row.y, row.w, row.h);
    if (row.parent != nullptr) {
        const platform::LayoutRow& parent = RowOf(layout, row.parent);
        r.translate(parent.x, parent.y);
    }
    return r;
}

// How many pixels of colour rgb lie on the line from a to b.
int CountOn(const QImage& shot, QPoint a, QPoint b, QRgb rgb) {
    int count = 0;
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int i = 0; i <= steps; ++i) {
        const QPoint p = steps == 0 ? a : a + (b - a) * i / steps;
        count += shot.valid(p) && (shot.pixel(p) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    }
    return count;
}

class FirstBoardsScreenshot : public BoardFormFixture, public ::testing::WithParamInterface<Screenshot> {};

} // namespace

TEST_P(FirstBoardsScreenshot, OutlinesAndPicturesWhereTheLayoutPlacesThem) {
    const Screenshot& s = GetParam();
    std::unique_ptr<BoardForm> form(s.open(nullptr));
    // A card on the first header: its outline and picture show too.
    QComboBox* gpio0 = form->findChild<QComboBox*>("ComboBoxGpio0");
    ASSERT_NE(gpio0, nullptr);
    gpio0->setCurrentIndex(gpio0->findText("Kamrel - 5M Pixel Camera"));
    emit gpio0->activated(gpio0->currentIndex());
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(s.layout[0].w, s.layout[0].h));
    testsupport::SaveScreenshot(shot, s.name);

    int outlines = 0;
    for (const platform::LayoutRow& row : s.layout) {
        if (row.kind != platform::Kind::Shape)
            continue;
        const QWidget* shape = form->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(shape, nullptr) << row.name;
        if (shape->isHidden())
            continue;
        ++outlines;
        const QRect r = OnForm(s.layout, row);
        const int in = row.style.penWidth / 2;
        const QRgb pen = qRgb(row.style.penColor & 0xFF, (row.style.penColor >> 8) & 0xFF,
                              (row.style.penColor >> 16) & 0xFF);
        EXPECT_GT(CountOn(shot, r.topLeft() + QPoint(0, in), r.topRight() + QPoint(0, in), pen), 0)
            << row.name;
        if (r.height() > row.style.penWidth) {
            EXPECT_GT(CountOn(shot, r.topLeft() + QPoint(in, 0), r.bottomLeft() + QPoint(in, 0), pen), 0)
                << row.name;
        }
    }
    EXPECT_GT(outlines, 12);

    // The board picture and the card's picture where their rows stand.
    for (const char* picture : {"ImageBoard", "ImageGpio0"}) {
        const platform::LayoutRow& row = RowOf(s.layout, picture);
        const QImage drawn = platform::LoadPicture(row.style.picture != nullptr
                                                       ? std::string(row.style.picture)
                                                       : std::string(DaughterBitmapName(DAUGHTER_KAMREL)));
        ASSERT_FALSE(drawn.isNull()) << picture;
        const QRect r = OnForm(s.layout, row);
        const QPoint probe(r.width() / 2, r.height() / 2);
        EXPECT_EQ(shot.pixel(r.topLeft() + probe), drawn.pixel(probe)) << picture;
    }
    const QRect board = OnForm(s.layout, RowOf(s.layout, "ImageBoard"));
    EXPECT_GT(
        CountOn(shot, board.topLeft() + QPoint(20, 30), board.topRight() + QPoint(-20, 30), qRgb(22, 96, 70)),
        0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FirstBoardsScreenshot,
    ::testing::Values(Screenshot{"pinwright-arvel", arvel::kLayout, &OpenForm<MAINBOARD_ARVEL>},
                      Screenshot{"pinwright-belmic", belmic::kLayout, &OpenForm<MAINBOARD_BELMIC>},
                      Screenshot{"pinwright-cardix", cardix::kLayout, &OpenForm<MAINBOARD_CARDIX>},
                      Screenshot{"pinwright-dorvel", dorvel::kLayout, &OpenForm<MAINBOARD_DORVEL>}),
    [](const auto& info) {
        const std::string name = info.param.name;
        return name.substr(10);
    });
