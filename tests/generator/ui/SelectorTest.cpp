#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "ui/UI_Selector.h"
#include "ui/UnitMain.h"

#include <QCoreApplication>
#include <QFrame>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

using platform::Component;

namespace {

QWidget* PlainForm(QWidget* owner) {
    auto* form = new QWidget(owner);
    form->resize(793, 497);
    return form;
}

constexpr BoardFormRow kTestForms[] = {{30, "Thirty", "", {}, &PlainForm, false}};

QPushButton* Button(QWidget* selector, const char* name) {
    return Component<QPushButton>(selector, name);
}

QListWidget* List(QWidget* selector) {
    return Component<QListWidget>(selector, "ListBoxMainBoard");
}

// What a scripted run of the selector saw.
struct SelectorRun {
    int runs = 0;
    bool cancelEnabled = false;
    QStringList titles;
    int selectedId = -1;
};

class Selector : public ::testing::Test {
protected:
    Selector() { seam.SetProgramPath(dir.File("pinwright")); }

    // Runs the selector by clicking the named button(s) in turn.
    TFormMain::SelectorRunner Clicking(std::vector<const char*> buttons) {
        return [this, buttons](TFormBoardSelector& s) {
            ++seen.runs;
            seen.cancelEnabled = Button(&s, "ButtonCancel")->isEnabled();
            for (int i = 0; i < List(&s)->count(); ++i)
                seen.titles << List(&s)->item(i)->text();
            seen.selectedId = s.GetSelectedBoardId();
            for (const char* b : buttons)
                Button(&s, b)->click();
            return s.result();
        };
    }

    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    SelectorRun seen;
};

} // namespace

TEST_F(Selector, ListsTheDunmirBoardWithItsPictureCentred) {
    TFormBoardSelector s(nullptr);
    EXPECT_EQ(s.windowTitle(), "FPGA Main Board Selector");
    EXPECT_EQ(s.size(), QSize(770, 342));
    ASSERT_EQ(List(&s)->count(), 1);
    EXPECT_EQ(List(&s)->item(0)->text(), "Dunmir KIT");
    EXPECT_EQ(List(&s)->currentRow(), 0);
    EXPECT_EQ(s.GetSelectedBoardId(), 30);

    const QImage picture = platform::LoadPicture("DUNMIR_BITMAP");
    ASSERT_FALSE(picture.isNull());
    auto* panel = Component<QFrame>(&s, "PanelImage");
    auto* image = Component<platform::PictureBox>(&s, "ImageBoard");
    EXPECT_EQ(panel->size(), QSize(417, 320));
    EXPECT_EQ(image->parentWidget(), panel);
    EXPECT_EQ(image->Image(), picture);
    EXPECT_EQ(image->geometry(), QRect((417 - picture.width()) / 2, (320 - picture.height()) / 2,
                                       picture.width(), picture.height()));
}

TEST_F(Selector, PreselectingAnUnlistedBoardKeepsDunmir) {
    TFormBoardSelector s(nullptr);
    s.SelectBoardId(7);
    EXPECT_EQ(List(&s)->currentRow(), 0);
    EXPECT_EQ(s.GetSelectedBoardId(), 30);
}

TEST_F(Selector, ButtonsAndDoubleClickSetTheModalResult) {
    TFormBoardSelector s(nullptr);
    Button(&s, "ButtonOK")->click();
    EXPECT_EQ(s.result(), 1);
    Button(&s, "ButtonCancel")->click();
    EXPECT_EQ(s.result(), 2);
    s.setResult(0);
    emit List(&s)->itemDoubleClicked(List(&s)->item(0));
    EXPECT_EQ(s.result(), 1);
    s.setResult(0);
    s.reject(); // Escape and the window manager cannot end it
    EXPECT_EQ(s.result(), 0);
}

TEST_F(Selector, TheQueuedMessageOpensItWithCancelAndCancelKeepsTheForm) {
    TFormMain main(nullptr, kTestForms);
    main.SetSelectorRunner(Clicking({"ButtonCancel"}));
    QPointer<QWidget> form = main.BoardForm(30);

    main.PostSelectMainBoard();
    EXPECT_EQ(seen.runs, 0); // not from inside the caller
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(seen.runs, 1);
    EXPECT_TRUE(seen.cancelEnabled);
    EXPECT_EQ(seen.titles, QStringList{"Dunmir KIT"});
    EXPECT_EQ(seen.selectedId, 30);
    EXPECT_EQ(main.BoardForm(30), form.data());
    EXPECT_EQ(main.findChildren<TFormBoardSelector*>().size(), 0);
}

TEST_F(Selector, OkCreatesTheChosenBoardsForm) {
    TFormMain main(nullptr, kTestForms);
    main.SetSelectorRunner(Clicking({"ButtonOK"}));
    QPointer<QWidget> form = main.BoardForm(30);
    main.SelectMainBoard(false);
    EXPECT_EQ(seen.runs, 1);
    EXPECT_NE(main.BoardForm(30), form.data());
    EXPECT_FALSE(form.isNull()); // board 30's form is not freed by the main window
    EXPECT_EQ(main.MainBoardId(), 30);
}

TEST_F(Selector, WithCancelDisabledOnlyOkLeads) {
    TFormMain main(nullptr, kTestForms);
    main.SetSelectorRunner(Clicking({"ButtonCancel", "ButtonOK"}));
    main.SelectMainBoard(true);
    EXPECT_FALSE(seen.cancelEnabled);
    EXPECT_NE(main.BoardForm(30), nullptr);
}

TEST(SelectorBoards, EveryPictureIsABoardPicture) {
    for (const BoardFormRow& row : BoardFormTable()) {
        const QImage picture = platform::LoadPicture(row.picture);
        EXPECT_EQ(picture.size(), QSize(400, 300)) << row.picture;
    }
}
