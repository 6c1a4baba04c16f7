#include "control_panel/QtEvents.h"

#include "control_panel/ui/AboutDialog.h"
#include "platform/testing/ScriptedPlatform.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

class About : public ::testing::Test {
protected:
    About() { dialog.show(); }
    QLabel* Text(const char* id) const { return dialog.findChild<QLabel*>(QString::fromLatin1(id)); }

    platform::testing::ScriptedPlatform seam;
    CAboutDialog dialog;
    const QPoint onClose{306 + 30, 342 + 8};
    const QPoint elsewhere{40, 40};
};

TEST_F(About, ShowsTheNameAndVersionOnItsPicture) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Control Panel"));
    EXPECT_EQ(dialog.size(), QSize(380, 374));
    ASSERT_NE(Text("1056"), nullptr);
    EXPECT_EQ(Text("1056")->text(), QStringLiteral("Lumastat"));
    EXPECT_EQ(Text("1056")->geometry(), QRect(144, 284, 203, 24));
    EXPECT_EQ(std::string(ABOUT_VERSION_TEXT).rfind("Software Version V1.0.2\r\n", 0), 0u);
    EXPECT_TRUE(Text("1055")->text().startsWith(QStringLiteral("Software Version V1.0.2\n")));
    EXPECT_FALSE(Text("1055")->autoFillBackground());
    EXPECT_EQ(dialog.Bar().Find(1047)->Rect(), RectAt(306, 342, 64, 17));
    EXPECT_EQ(dialog.Bar().Find(1047)->m_sCaption, "Close");
    EXPECT_TRUE(SaveScreenshot(&dialog, "lumastat_about"));
}

TEST_F(About, APressOnCloseReleasedElsewhereLeavesItOpen) {
    SendMouse(&dialog, QEvent::MouseButtonPress, onClose);
    SendMouse(&dialog, QEvent::MouseButtonRelease, elsewhere, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(About, APressElsewhereReleasedOnCloseClosesIt) {
    SendMouse(&dialog, QEvent::MouseButtonPress, elsewhere);
    SendMouse(&dialog, QEvent::MouseButtonRelease, onClose, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
