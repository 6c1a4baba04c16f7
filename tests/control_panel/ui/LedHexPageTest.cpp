// The LED and seven-segment pages against the simulated board.
#include "control_panel/PageFixture.h"

#include "control_panel/ui/HexDialog.h"
#include "control_panel/ui/LedDialog.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QPushButton>

namespace {

// Points inside the buttons: LED i at (332 - 33 i, 120), 22 x 36; the command buttons 64 x 17.
QPoint OverLed(int i) {
    return {332 - 33 * i + 10, 130};
}
constexpr QPoint kOverLightAll{120, 250};
constexpr QPoint kOverUnlightAll{230, 250};

using LedPage = PageTest;

TEST_F(LedPage, ClicksSendTheWholeMask) {
    Connect();
    CLedDialog page(services);
    page.AttachLink(&link);
    EXPECT_TRUE(Requests().empty());

    Click(page, OverLed(0).x(), OverLed(0).y());
    EXPECT_FALSE(page.LedBar().GetCheck(0));
    EXPECT_EQ(page.LedBar().Find(0)->BitmapId(), IDB_LED_OFF);
    Click(page, kOverLightAll.x(), kOverLightAll.y());
    EXPECT_EQ(page.LedBar().Find(0)->BitmapId(), IDB_LED_ON);
    // Already all lit: sent again all the same.
    Click(page, kOverLightAll.x(), kOverLightAll.y());
    Click(page, kOverUnlightAll.x(), kOverUnlightAll.y());
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 05 04 00 FE 03 00 00 0A 55",
                              "AA 05 04 00 FF 03 00 00 0B 55",
                              "AA 05 04 00 FF 03 00 00 0B 55",
                              "AA 05 04 00 00 00 00 00 09 55",
                          }));
    EXPECT_EQ(services.linkErrors, 0);
    SaveScreenshot(page, "lumastat-led");
}

TEST_F(LedPage, WithoutALinkOnlyThePicturesChangeAndTheNextClickSendsThem) {
    Connect();
    CLedDialog page(services);
    Click(page, OverLed(9).x(), OverLed(9).y());
    Click(page, OverLed(3).x(), OverLed(3).y());
    EXPECT_EQ(page.LedBar().Find(9)->BitmapId(), IDB_LED_OFF);
    EXPECT_TRUE(Requests().empty());

    page.AttachLink(&link);
    EXPECT_TRUE(Requests().empty());
    // A press on LED0 released over LED1 is LED1's click.
    page.OnLButtonDown(OverLed(0).x(), OverLed(0).y());
    page.OnMouseMove(OverLed(1).x(), OverLed(1).y());
    page.OnLButtonUp(OverLed(1).x(), OverLed(1).y());
    // A release over no button sends nothing.
    Click(page, 5, 5);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 05 04 00 F5 01 00 00 FF 55"}));
}

TEST_F(LedPage, TheHiddenTemplateButtonsChangeTheButtonsButSendNothing) {
    Connect();
    CLedDialog page(services);
    page.AttachLink(&link);
    platform::Component<QPushButton>(&page, "UnlightAllButton")->click();
    for (int i = 0; i < LED_COUNT; ++i)
        EXPECT_FALSE(page.LedBar().GetCheck(i));
    platform::Component<QPushButton>(&page, "LightAllButton")->click();
    EXPECT_TRUE(page.LedBar().GetCheck(4));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(LedPage, AFailedWriteIsToldToTheMainDialogAndThePicturesStay) {
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    Connect();
    CLedDialog page(services);
    page.AttachLink(&link);
    Click(page, OverLed(2).x(), OverLed(2).y());
    EXPECT_EQ(services.linkErrors, 1);
    EXPECT_EQ(page.LedBar().Find(2)->BitmapId(), IDB_LED_OFF);
    // Detached: nothing more is sent.
    page.DetachLink();
    Click(page, OverLed(2).x(), OverLed(2).y());
    EXPECT_EQ(Requests().size(), 1u);
}

// Points inside the arrows of digit j: its picture's left edge L, down at L, up at L + 20.
QPoint OverUp(CHexDialog& page, int j) {
    auto* picture = platform::Component<QWidget>(&page, ("Hex" + std::to_string(j) + "Picture").c_str());
    return {picture->x() + 20 + 10, 170};
}
QPoint OverDown(CHexDialog& page, int j) {
    auto* picture = platform::Component<QWidget>(&page, ("Hex" + std::to_string(j) + "Picture").c_str());
    return {picture->x() + 10, 170};
}

using HexPage = PageTest;

TEST_F(HexPage, StepsSendAllSixDigits) {
    Connect();
    CHexDialog page(services);
    page.AttachLink(&link);
    EXPECT_TRUE(Requests().empty());
    // HEX0 is the rightmost digit, HEX5 the leftmost; the left edges come from the template.
    EXPECT_EQ(OverDown(page, 0).x() - 10, 311);
    EXPECT_EQ(OverDown(page, 5).x() - 10, 32);

    Click(page, OverUp(page, 0).x(), OverUp(page, 0).y());
    EXPECT_EQ(page.Digits()[0], 9);
    EXPECT_TRUE(SamePicture(platform::Component<platform::PictureBox>(&page, "Hex0Picture")->Image(),
                            PanelBitmap(157)));
    CHexDialog fresh(services);
    fresh.AttachLink(&link);
    Click(fresh, OverDown(fresh, 5).x(), OverDown(fresh, 5).y());
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 07 05 00 89 88 88 00 00 A5 55",
                              "AA 07 05 00 88 88 78 00 00 94 55",
                          }));
    SaveScreenshot(page, "lumastat-7seg");
}

TEST_F(HexPage, DownFrom0ShowsFAndSixteenStepsComeBack) {
    Connect();
    CHexDialog page(services);
    page.AttachLink(&link);
    for (int i = 0; i < 9; ++i)
        Click(page, OverDown(page, 1).x(), OverDown(page, 1).y());
    EXPECT_EQ(page.Digits()[1], 15);
    EXPECT_TRUE(SamePicture(platform::Component<platform::PictureBox>(&page, "Hex1Picture")->Image(),
                            PanelBitmap(143)));
    EXPECT_EQ(Requests().back(), "AA 07 05 00 F8 88 88 00 00 14 55");
    for (int i = 0; i < 16; ++i)
        Click(page, OverUp(page, 1).x(), OverUp(page, 1).y());
    EXPECT_EQ(page.Digits()[1], 15);
    EXPECT_EQ(Requests().size(), 25u);
}

TEST_F(HexPage, DetachedOrClosedTheArrowsAreDisabled) {
    CHexDialog page(services);
    page.AttachLink(&link); // not open
    EXPECT_FALSE(page.Bar().Find(0)->m_bEnabled);
    Connect();
    page.AttachLink(&link);
    EXPECT_TRUE(page.Bar().Find(11)->m_bEnabled);
    page.DetachLink();
    Click(page, OverUp(page, 2).x(), OverUp(page, 2).y());
    EXPECT_EQ(page.Digits()[2], 8);
    EXPECT_FALSE(page.Bar().Find(5)->m_bEnabled);
    EXPECT_TRUE(Requests().empty());
}

} // namespace
