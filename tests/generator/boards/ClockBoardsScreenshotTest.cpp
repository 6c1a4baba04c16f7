// Screenshots of the clock-chip boards' forms (27, 29 and 31) with every outline shown:
// each visible outline's pen is drawn on all four edges of its rectangle, and the board
// picture where the layout places it.
#include "ClockBoardsSupport.h"
#include "boards/latest/abrenz/UI_Abrenz.h"
#include "boards/latest/calvex/UI_Calvex.h"
#include "boards/latest/embrel/UI_Embrel.h"
#include "platform/qt/Widgets.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"

#include <QImage>
#include <filesystem>

namespace {

class ClockBoardScreenshot : public ClockBoardForm {
protected:
    // Grabs the form, saves it as pinwright-<board>.png and checks what it shows.
    void Check(const char* board, QSize size) {
        Form().show();
        const QImage shot = Form().grab().toImage();
        EXPECT_EQ(shot.size(), size);
        testsupport::SaveScreenshot(shot, std::string("pinwright-") + board);

        int visible = 0;
        for (const QWidget* widget : Form().findChildren<QWidget*>()) {
            // The widgets carry no meta-object of their own: find the outlines by their class.
            const auto* shape = dynamic_cast<const platform::OutlineShape*>(widget);
            if (shape == nullptr || !shape->isVisibleTo(&Form()))
                continue;
            ++visible;
            const QRect r(shape->mapTo(&Form(), QPoint(0, 0)), shape->size());
            const int in = shape->PenWidth() / 2;
            auto penOn = [&](QPoint from, QPoint step, int count) {
                for (int i = 0; i < count; ++i, from += step)
                    if (shot.pixelColor(from) == shape->PenColor())
                        return true;
                return false;
            };
            const std::string name = shape->objectName().toStdString();
            EXPECT_TRUE(penOn(QPoint(r.left(), r.top() + in), QPoint(1, 0), r.width())) << name << " top";
            EXPECT_TRUE(penOn(QPoint(r.left(), r.bottom() - in), QPoint(1, 0), r.width()))
                << name << " bottom";
            EXPECT_TRUE(penOn(QPoint(r.left() + in, r.top()), QPoint(0, 1), r.height())) << name << " left";
            EXPECT_TRUE(penOn(QPoint(r.right() - in, r.top()), QPoint(0, 1), r.height())) << name << " right";
        }
        EXPECT_GT(visible, 20);

        // The board picture: its middle (the FPGA, under no outline) as drawn.
        const auto* board_ = Get<platform::PictureBox>("ImageBoard");
        ASSERT_FALSE(board_->Image().isNull());
        EXPECT_EQ(board_->Image().size(), board_->size());
        const QPoint middle(board_->width() / 2, board_->height() / 2 + 30);
        EXPECT_EQ(shot.pixelColor(board_->mapTo(&Form(), middle)), board_->Image().pixelColor(middle));
    }
};

} // namespace

TEST_F(ClockBoardScreenshot, Abrenz) {
    Open<TFormAbrenz>();
    Click("ButtonButtonDefaultAllSetting");
    Check("abrenz", QSize(831, 588));
}

TEST_F(ClockBoardScreenshot, Calvex) {
    Open<TFormCalvex>();
    for (QCheckBox* box : Form().findChildren<QCheckBox*>())
        Tick(box->objectName().toLatin1().constData(), true);
    for (const char* combo :
         {"ComboBoxFmc_A", "ComboBoxFmc_B", "ComboBoxFmc_C", "ComboBoxFmc_D", "ComboBoxGpio"})
        Choose(combo, 1);
    Check("calvex", QSize(835, 826));
}

TEST_F(ClockBoardScreenshot, Embrel) {
    Open<TFormEmbrel>();
    Click("ButtonButtonDefaultAllSetting");
    Check("embrel", QSize(829, 578));
}
