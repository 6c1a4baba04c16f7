// Every text of the control panel shows whole: the main dialog with each of its six pages,
// its status line in the status box, the About box and the progress window.
#include "control_panel/QtEvents.h"
#include "control_panel/SimBoardFixture.h"

#include "control_panel/logic/PanelConstants.h"
#include "control_panel/ui/AboutDialog.h"
#include "control_panel/ui/DialogProgress.h"
#include "control_panel/ui/LumastatDlg.h"
#include "control_panel/ui/QtButtonOwner.h"
#include "support/TextInk.h"

#include <QApplication>
#include <QCoreApplication>

namespace {

using TextsShowWhole = SimBoardTest;

// The status text's ink, as the dialog paints it, inside the status box.
::testing::AssertionResult StatusInItsBox(CLumastatDlg& dialog) {
    const QString status = QString::fromStdString(dialog.Panel().StatusText());
    const QRect box = QtRect(STATUS_RECT);
    for (const testsupport::DrawnText& text : testsupport::TextsOfWidget(dialog))
        if (text.text == status) {
            if (box.contains(text.ink) && testsupport::TextFault(text).empty())
                return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure()
                   << "\"" << status.toStdString() << "\" has its ink at " << text.ink.left() << ".."
                   << text.ink.right() << " x " << text.ink.top() << ".." << text.ink.bottom()
                   << ", the box is " << box.left() << ".." << box.right() << " x " << box.top() << ".."
                   << box.bottom();
        }
    return ::testing::AssertionFailure() << "the dialog does not write \"" << status.toStdString() << "\"";
}

TEST_F(TextsShowWhole, OnEveryPageOfTheMainDialog) {
    CLumastatDlg dialog;
    ShowAndConnect(dialog);
    ASSERT_EQ(dialog.Panel().StatusText(), "Connected");
    for (int page = 0; page < PAGE_COUNT; ++page) {
        dialog.Panel().SelectPage(page);
        EXPECT_TRUE(testsupport::TextsShowWhole(dialog, 10)) << "page " << page;
    }
}

// The desktop's font for the life of the object.
class DesktopFont {
public:
    explicit DesktopFont(int pixels) : previous_(QApplication::font()) {
        QFont font = previous_;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(previous_); }

private:
    QFont previous_;
};

TEST_F(TextsShowWhole, InTheStatusBoxWhateverItSaysAndWhateverTheDesktopsFont) {
    // The board does not answer and no programmer configures it: the connect fails.
    SetState("configured", "0");
    ScopedEnv noRoot("QUARTUS_ROOTDIR", std::nullopt);
    DesktopFont large(18);
    CLumastatDlg dialog;
    ShowAndConnect(dialog);
    EXPECT_EQ(dialog.Panel().StatusText(), "Disconnected");
    EXPECT_TRUE(StatusInItsBox(dialog));
    for (const char* status : {"Ready", "Connected"}) {
        dialog.Panel().SetStatus(status, STATUS_YELLOW);
        EXPECT_TRUE(StatusInItsBox(dialog)) << status;
    }
}

TEST_F(TextsShowWhole, InTheAboutBoxAndTheProgressWindow) {
    CAboutDialog about(nullptr);
    about.show();
    EXPECT_TRUE(testsupport::TextsShowWhole(about, 3));
    CDialogProgress progress(nullptr);
    progress.SetPercentage(100);
    progress.show();
    EXPECT_TRUE(testsupport::TextsShowWhole(progress, 2));
}

} // namespace
