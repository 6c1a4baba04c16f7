// The VGA page against the simulated board: the probe on attach, the pattern frames and
// the painted preview.
#include "control_panel/PageFixture.h"

#include "control_panel/ui/VgaDialog.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

namespace {

using VgaPage = PageTest;

QComboBox* Patterns(CVgaDialog& page) {
    return platform::Component<QComboBox>(&page, "PatternList");
}

// The user picks pattern n from the list.
void Choose(CVgaDialog& page, int n) {
    Patterns(page)->setCurrentIndex(n);
    emit Patterns(page)->activated(n);
}

TEST_F(VgaPage, AttachProbesAndAppliesThePatternThenEachChoiceIsSent) {
    Connect();
    CVgaDialog page(services);
    QStringList names;
    for (int i = 0; i < Patterns(page)->count(); ++i)
        names << Patterns(page)->itemText(i);
    EXPECT_EQ(names, (QStringList{"Color Scale", "Red", "Green", "Blue", "White", "Black", "Red Scale",
                                  "Green Scale", "Blue Scale"}));
    EXPECT_EQ(page.Status().Text(), "Static");

    page.AttachLink(&link);
    EXPECT_EQ(Requests(),
              (std::vector<std::string>{"AA 15 03 00 04 01 00 1D 55", "AA 15 03 00 04 02 00 1E 55"}));
    EXPECT_EQ(page.Status().Text(), "Set VGA-OUT Success");
    EXPECT_EQ(page.Status().Color(), STATUS_GREEN);
    SaveScreenshot(page, "lumastat-vga");

    Choose(page, 8);
    EXPECT_EQ(Requests().back(), "AA 15 03 00 04 02 08 26 55");
    EXPECT_EQ(page.Status().Text(), "Set VGA-OUT Success");
    // Detached, a choice repaints and sends nothing; the status line stays.
    page.DetachLink();
    Choose(page, 2);
    EXPECT_EQ(Requests().size(), 3u);
    EXPECT_EQ(page.Status().Text(), "Set VGA-OUT Success");
}

TEST_F(VgaPage, PickingThePatternAlreadyShownSendsNothing) {
    Connect();
    CVgaDialog page(services);
    page.AttachLink(&link);
    Choose(page, 0);
    Choose(page, 5);
    Choose(page, 5);
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 15 03 00 04 01 00 1D 55",
                              "AA 15 03 00 04 02 00 1E 55",
                              "AA 15 03 00 04 02 05 23 55",
                          }));
    // Picked again after another one, it is a change again.
    Choose(page, 0);
    Choose(page, 5);
    EXPECT_EQ(Requests().size(), 5u);
    EXPECT_EQ(Requests().back(), "AA 15 03 00 04 02 05 23 55");
}

TEST_F(VgaPage, AttachingSendsTheSelectedPatternNotAlwaysTheFirst) {
    Connect();
    CVgaDialog page(services);
    Patterns(page)->setCurrentIndex(3);
    page.AttachLink(&link);
    EXPECT_EQ(Requests().back(), "AA 15 03 00 04 02 03 21 55");
}

TEST_F(VgaPage, AnUnansweredProbeSendsNoPatternButALaterChoiceDoes) {
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    Connect();
    CVgaDialog page(services);
    page.AttachLink(&link);
    EXPECT_EQ(Requests().size(), 1u);
    EXPECT_EQ(page.Status().Text(), "");
    Choose(page, 4);
    EXPECT_EQ(Requests().back(), "AA 15 03 00 04 02 04 22 55");
    EXPECT_EQ(page.Status().Text(), "Set VGA-OUT Success");
}

TEST_F(VgaPage, APatternTheBoardRefusesLeavesTheBusyText) {
    CVgaDialog page(services);
    page.AttachLink(&link); // not open: no probe
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    Connect();
    Choose(page, 1);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 15 03 00 04 02 01 1F 55"}));
    EXPECT_EQ(page.Status().Text(), "VGA-OUT Setting...");
    EXPECT_EQ(page.Status().Color(), STATUS_YELLOW);
    EXPECT_EQ(services.linkErrors, 1);
}

// The preview frame: 291 x 137 pixels at (48, 120).
QRgb CellColour(const QImage& page, int c, int r) {
    return page.pixel(48 + 291 * c / 40 + 3, 120 + 137 * r / 4 + 10);
}

TEST_F(VgaPage, ThePreviewPaintsThePatternsCells) {
    CVgaDialog page(services);
    QImage scale = page.grab().toImage();
    EXPECT_EQ(CellColour(scale, 1, 0), qRgb(16, 0, 0));
    EXPECT_EQ(CellColour(scale, 1, 1), qRgb(0, 16, 0));
    EXPECT_EQ(CellColour(scale, 2, 2), qRgb(0, 0, 32));
    EXPECT_EQ(CellColour(scale, 15, 3), qRgb(240, 240, 240));
    EXPECT_EQ(CellColour(scale, 16, 3), qRgb(0, 0, 0));
    EXPECT_EQ(CellColour(scale, 39, 0), qRgb(112, 0, 0));
    // Cell (0, 0) ends before x 7 and y 34: its neighbours start there.
    Choose(page, 6);
    QImage red = page.grab().toImage();
    EXPECT_EQ(red.pixel(48 + 6, 120 + 33), qRgb(0, 0, 0));
    EXPECT_EQ(red.pixel(48 + 7, 120 + 33), qRgb(16, 0, 0));
    EXPECT_EQ(red.pixel(48 + 7, 120 + 34), qRgb(16, 0, 0));
    Choose(page, 1);
    EXPECT_EQ(page.grab().toImage().pixel(48 + 145, 120 + 68), qRgb(246, 0, 0));
    Choose(page, 7);
    EXPECT_EQ(CellColour(page.grab().toImage(), 5, 3), qRgb(0, 80, 0));
}

} // namespace
