#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "model/DaughterBitmaps.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"
#include "ui/UI_Selector.h"
#include "ui/UnitMain.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::testing::AssertionFailure;
using platform::testing::AssertionOf;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

QWidget* PlainForm(QWidget* owner) {
    auto* form = new QWidget(owner);
    form->resize(793, 497);
    return form;
}

// Stand-ins for board forms: one the main window frees, two it keeps.
constexpr BoardFormRow kTestForms[] = {
    {1, "One", "", {}, &PlainForm, true},
    {20, "Twenty", "", {}, &PlainForm, false},
    {30, "Thirty", "", {}, &PlainForm, false},
};

class MainWindow : public ::testing::Test {
protected:
    MainWindow() { seam.SetProgramPath(dir.File("pinwright")); }
    std::string Ini() const { return dir.File("pinwright.INI"); }

    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
};

} // namespace

TEST_F(MainWindow, StartsWithTheDunmirFormAndWritesTheIniOnExit) {
    {
        TFormMain main(nullptr, BoardFormTable());
        EXPECT_EQ(FormMain, &main);
        EXPECT_EQ(main.MainBoardId(), 30);
        EXPECT_EQ(main.windowTitle(), "Dunmir V1.0.1");
        EXPECT_EQ(main.size(), QSize(793, 497));
        QWidget* form = main.BoardForm(30);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->parentWidget(), &main);
        EXPECT_EQ(form->pos(), QPoint(0, 0));
        EXPECT_FALSE(std::filesystem::exists(Ini()));
    }
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(ReadFile(Ini()), "[Builder]\nMainBoard=30\n");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST_F(MainWindow, AStoredBoardIsReplacedBy30AndOtherSectionsStay) {
    WriteFile(Ini(), "[Other]\nKey=value\n\n[Builder]\nMainBoard=5\n");
    {
        TFormMain main(nullptr, BoardFormTable());
        EXPECT_EQ(main.MainBoardId(), 30);
    }
    EXPECT_EQ(ReadFile(Ini()), "[Other]\nKey=value\n\n[Builder]\nMainBoard=30\n");
}

TEST_F(MainWindow, OnlyTheBoardLineChangesCommentsAndLineEndsStay) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"; written by hand\r\n[Builder]\r\n; last board\r\nMainBoard=5\r\nOther=x\n",
         "; written by hand\r\n[Builder]\r\n; last board\r\nMainBoard=30\r\nOther=x\n"},
        {"[Builder]\r\nOther=x\r\n\r\n[Next]\r\n", "[Builder]\r\nOther=x\r\nMainBoard=30\r\n\r\n[Next]\r\n"},
        {"; no section yet\r\n", "; no section yet\r\n[Builder]\r\nMainBoard=30\r\n"},
    };
    for (const Case& c : cases) {
        WriteFile(Ini(), c.before);
        { TFormMain main(nullptr, BoardFormTable()); }
        EXPECT_EQ(ReadFile(Ini()), c.after);
    }
}

TEST_F(MainWindow, APipeInPlaceOfTheIniIsNotWaitedOn) {
    testsupport::FifoWatchdog fifo(Ini());
    ASSERT_TRUE(fifo.Made());
    {
        TFormMain main(nullptr, BoardFormTable());
        main.LoadMainBoardId();
        EXPECT_EQ(main.MainBoardId(), 30);
    }
    EXPECT_FALSE(fifo.Stop()) << "the .INI was waited on";
    struct stat st {};
    ASSERT_EQ(::lstat(Ini().c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)); // a file that cannot be read is not replaced
}

TEST_F(MainWindow, ReadsTheLowByteAndWritesItAsASignedByte) {
    struct Case {
        const char* stored;
        int read;
        const char* written;
    };
    const Case cases[] = {
        {"5", 5, "5"}, {"286", 30, "30"}, {"200", 200, "-56"}, {"abc", 0, "0"}, {"", 0, "0"},
    };
    TFormMain main(nullptr, BoardFormTable());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        WriteFile(Ini(), std::string("[Builder]\nMainBoard=") + c.stored + "\n");
        main.LoadMainBoardId();
        EXPECT_EQ(main.MainBoardId(), c.read);
        main.SaveMainBoardId();
        EXPECT_EQ(ReadFile(Ini()), std::string("[Builder]\nMainBoard=") + c.written + "\n");
    }
    WriteFile(Ini(), "[Builder]\nMainBoard=5\n");
    main.LoadMainBoardId();
    std::filesystem::remove(Ini());
    main.LoadMainBoardId(); // no file: the id stays
    EXPECT_EQ(main.MainBoardId(), 5);
}

TEST_F(MainWindow, AnIniThatCannotBeWrittenIsSwallowed) {
    std::filesystem::create_directory(Ini());
    EXPECT_NO_THROW({ TFormMain main(nullptr, BoardFormTable()); });
    EXPECT_TRUE(std::filesystem::is_directory(Ini()));
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(CentreOnScreen, HalvesRoundTowardZero) {
    EXPECT_EQ(CentreOnScreen(1920, 1080, 793, 497), (WindowPlace{563, 291}));
    EXPECT_EQ(CentreOnScreen(800, 600, 793, 497), (WindowPlace{3, 51}));
    EXPECT_EQ(CentreOnScreen(640, 480, 793, 497), (WindowPlace{-76, -8}));
}

TEST_F(MainWindow, DocksTheBoardFormAndCentresOnItsSize) {
    TFormMain main(nullptr, kTestForms);
    QWidget* form = main.BoardForm(30);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parentWidget(), &main);
    EXPECT_FALSE(form->isWindow());
    EXPECT_FALSE(form->isHidden());
    EXPECT_EQ(form->geometry(), QRect(0, 0, 793, 497));
    EXPECT_EQ(main.size(), QSize(793, 497));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const WindowPlace at = CentreOnScreen(screen.width(), screen.height(), 793, 497);
    EXPECT_EQ(main.pos(), QPoint(at.left, at.top));
}

TEST_F(MainWindow, AnIdWithoutAFormIsABrokenRule) {
    TFormMain main(nullptr, BoardFormTable());
    for (int id : {200, 0, 33, 102}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(AssertionOf([&] { main.CreateBoardForm(static_cast<uint8_t>(id)); }),
                  "Assertion failed: 0, file UnitMain, line 700");
    }
}

TEST_F(MainWindow, OlderBoardFormsAreFreedNewerOnesStay) {
    TFormMain main(nullptr, kTestForms);
    QPointer<QWidget> dunmir = main.BoardForm(30);

    main.CreateBoardForm(1);
    QPointer<QWidget> first = main.BoardForm(1);
    main.CreateBoardForm(1);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(main.BoardForm(1), nullptr);

    main.CreateBoardForm(20);
    QPointer<QWidget> older = main.BoardForm(20);
    EXPECT_EQ(main.BoardForm(1), nullptr);
    main.CreateBoardForm(20);
    EXPECT_FALSE(older.isNull());
    EXPECT_NE(main.BoardForm(20), older.data());
    EXPECT_FALSE(dunmir.isNull());
    EXPECT_EQ(main.MainBoardId(), 20);
}

TEST(DaughterBitmaps, NamesByDaughterId) {
    struct Case {
        int id;
        const char* name;
    };
    const Case cases[] = {
        {1, "GPIO_80_BITMAP"},
        {24, "NIMBREK_80_BITMAP"},
        {25, "NIMBREK_80_BITMAP"},
        {0, ""},
        {9, ""},
        {38, ""},
        {72, ""},
        {74, ""},
        {87, ""},
        {-1, ""},
        {86, "HSMC_3V0_DEFAULT_80_BITMAP"},
        {57, "CORPEL_KAMREL_x2_80_BITMAP"},
        {70, "MOXEN_2x6_SPP_BLUETOOTH_BITMAP"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TFormMain::GetDaughterBitmapName(c.id), c.name) << c.id;
    EXPECT_EQ(std::size(kDaughterBitmaps), 82u);
}

TEST(DaughterBitmaps, EveryNameIsAnEightyPixelPicture) {
    for (const DaughterBitmapRow& row : kDaughterBitmaps)
        EXPECT_EQ(platform::LoadPicture(row.name).width(), 80) << row.name;
}

TEST_F(MainWindow, ShowDaughterImageShowsOrHides) {
    TFormMain main(nullptr, BoardFormTable());
    platform::PictureBox image(&main);
    image.SetAutoSize(true);
    main.ShowDaughterImage(&image, 24);
    EXPECT_FALSE(image.isHidden());
    EXPECT_EQ(image.Image().width(), 80);
    EXPECT_EQ(image.width(), 80);
    for (int id : {0, 9, 38, 72, 74, 87}) {
        image.show();
        main.ShowDaughterImage(&image, id);
        EXPECT_TRUE(image.isHidden()) << id;
    }
}

TEST(BoardSupport, OnlyTheDunmirBoard) {
    EXPECT_TRUE(IsMainBoardSupported(30));
    for (int id : {0, 7, 29, 31, 255})
        EXPECT_FALSE(IsMainBoardSupported(static_cast<uint8_t>(id))) << id;
}
