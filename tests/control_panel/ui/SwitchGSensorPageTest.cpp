// The switches and accelerometer pages against the simulated board: their 200 ms polls
// are driven by calling the timer's handler.
#include "control_panel/PageFixture.h"

#include "control_panel/ui/GSensorDialog.h"
#include "control_panel/ui/SwitchDialog.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QLabel>

namespace {

using SwitchPage = PageTest;

QImage PictureOf(QWidget& page, const std::string& name) {
    return platform::Component<platform::PictureBox>(&page, name.c_str())->Image();
}

TEST_F(SwitchPage, PollsEvery200MsAfterEachReplyWhileAttached) {
    Connect();
    CSwitchDialog page(services);
    EXPECT_EQ(page.Status().Text(), "");
    page.AttachLink(&link);
    EXPECT_EQ(page.Status().Text(), "Monitor Switches and Push buttons...");
    EXPECT_EQ(page.Status().Color(), STATUS_YELLOW);
    // Nothing at once: the first poll comes when the timer fires.
    EXPECT_TRUE(Requests().empty());
    EXPECT_TRUE(page.PollTimer().isActive());
    EXPECT_TRUE(page.PollTimer().isSingleShot());
    EXPECT_EQ(page.PollTimer().interval(), 200);

    page.OnTimer();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 06 00 00 06 55"}));
    EXPECT_TRUE(page.PollTimer().isActive());
    page.OnTimer();
    EXPECT_EQ(Requests().size(), 2u);

    page.DetachLink();
    EXPECT_FALSE(page.PollTimer().isActive());
    EXPECT_EQ(page.Status().Text(), "");
    EXPECT_EQ(page.Status().Color(), STATUS_GREEN);
    // A timer message that was already on its way polls nothing.
    page.OnTimer();
    EXPECT_EQ(Requests().size(), 2u);
}

TEST_F(SwitchPage, KeysAndSwitchesShowTheComplementedBits) {
    SetState("keys", "FFFFFFFE");
    SetState("switches", "0");
    Connect();
    CSwitchDialog page(services);
    page.AttachLink(&link);
    page.OnTimer();
    EXPECT_TRUE(SamePicture(PictureOf(page, "Key0"), PanelBitmap(130)));
    EXPECT_TRUE(SamePicture(PictureOf(page, "Key1"), PanelBitmap(129)));
    for (int j = 0; j < 10; ++j)
        EXPECT_TRUE(SamePicture(PictureOf(page, "Sw" + std::to_string(j)), PanelBitmap(164))) << j;
    SaveScreenshot(page, "lumastat-switches");

    SetState("switches", "FFFFFC00");
    page.OnTimer();
    EXPECT_TRUE(SamePicture(PictureOf(page, "Sw9"), PanelBitmap(164)));
    SetState("switches", "3FF");
    page.OnTimer();
    EXPECT_TRUE(SamePicture(PictureOf(page, "Sw9"), PanelBitmap(163)));
    EXPECT_TRUE(SamePicture(PictureOf(page, "Sw0"), PanelBitmap(163)));
}

TEST_F(SwitchPage, AFailedPollChangesNoPictureAndPollingGoesOn) {
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    SetState("keys", "0");
    Connect();
    CSwitchDialog page(services);
    page.AttachLink(&link);
    page.OnTimer();
    EXPECT_TRUE(SamePicture(PictureOf(page, "Key1"), PanelBitmap(130)));
    EXPECT_TRUE(SamePicture(PictureOf(page, "Sw0"), PanelBitmap(163)));
    EXPECT_TRUE(page.PollTimer().isActive());
    // Once the link is closed the polls stop by themselves.
    link.Close();
    page.OnTimer();
    EXPECT_FALSE(page.PollTimer().isActive());
    EXPECT_EQ(Requests().size(), 1u);
}

TEST_F(SwitchPage, AttachedToAClosedLinkItDoesNotPoll) {
    CSwitchDialog page(services);
    page.AttachLink(&link);
    EXPECT_FALSE(page.PollTimer().isActive());
    EXPECT_EQ(page.Status().Text(), "");
}

using GSensorPage = PageTest;

std::string TextOf(QWidget& page, const char* name) {
    return platform::Component<QLabel>(&page, name)->text().toStdString();
}

std::vector<std::string> Texts(QWidget& page) {
    return {TextOf(page, "XText"), TextOf(page, "YText"), TextOf(page, "ZText"), TextOf(page, "Angle1Text"),
            TextOf(page, "Angle2Text")};
}

// The gauge's three parts: vertical tube, horizontal tube and circular level.
const QRect kGaugeParts[] = {{117, 66, 25, 194}, {164, 64, 195, 25}, {193, 117, 140, 141}};

std::vector<QImage> Gauge(const QImage& page) {
    std::vector<QImage> parts;
    for (const QRect& r : kGaugeParts)
        parts.push_back(page.copy(r));
    return parts;
}

TEST_F(GSensorPage, ReadsAtOnceThenEvery200Ms) {
    Connect();
    CGSensorDialog page(services);
    EXPECT_EQ(page.Status().Text(), "Static");
    page.AttachLink(&link);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 11 00 00 11 55"}));
    EXPECT_EQ(page.Status().Text(), "Monitor accelerometer reading...");
    EXPECT_EQ(page.Status().Color(), STATUS_YELLOW);
    EXPECT_TRUE(page.PollTimer().isActive());
    EXPECT_EQ(page.PollTimer().interval(), 200);
    page.OnTimer();
    EXPECT_EQ(Requests().size(), 2u);
    page.DetachLink();
    EXPECT_FALSE(page.PollTimer().isActive());
    EXPECT_EQ(page.Status().Text(), "");
    page.OnTimer();
    EXPECT_EQ(Requests().size(), 2u);
}

TEST_F(GSensorPage, ShowsMilliGAndAnglesInTheCLocale) {
    SetState("gsensor", "256 -256 256");
    Connect();
    CGSensorDialog page(services);
    page.AttachLink(&link);
    QImage tilted = page.grab().toImage();
    EXPECT_EQ(Texts(page),
              (std::vector<std::string>{"X=1000.0mg", "Y=-1000.0mg", "Z=1000.0mg", "45.0", "45.0"}));
    SaveScreenshot(page, "lumastat-accelerometer");

    // Lying flat the gauge is at rest; a failed read empties the texts and rests it too.
    SetState("gsensor", "0 0 256");
    page.OnTimer();
    QImage flat = page.grab().toImage();
    EXPECT_EQ(Texts(page), (std::vector<std::string>{"X=0.0mg", "Y=0.0mg", "Z=1000.0mg", "0.0", "-0.0"}));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NE(Gauge(tilted)[i], Gauge(flat)[i]) << i;

    SetState("gsensor", "256 -256 256");
    page.OnTimer();
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    link.Close();
    ASSERT_TRUE(link.Open());
    page.OnTimer();
    QImage failed = page.grab().toImage();
    EXPECT_EQ(Texts(page), (std::vector<std::string>(5, "")));
    EXPECT_TRUE(Gauge(failed) == Gauge(flat));
}

} // namespace
