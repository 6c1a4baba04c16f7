// The six pages in the main dialog after it connected to the simulated board: each tab
// lends the link to its page; a picture of each for a person to look at.
#include "control_panel/PageFixture.h"
#include "control_panel/QtEvents.h"

#include "control_panel/logic/HexDigits.h"
#include "control_panel/ui/LumastatDlg.h"

#include <QCoreApplication>

namespace {

using PagesInMainWindow = PageTest;

TEST_F(PagesInMainWindow, EachTabLendsTheLinkToItsPage) {
    CLumastatDlg dialog;
    ShowAndConnect(dialog);
    ASSERT_EQ(dialog.Panel().StatusText(), "Connected");
    const char* names[PAGE_COUNT] = {"led", "7seg", "switches", "memory", "accelerometer", "vga"};
    for (int page = 0; page < PAGE_COUNT; ++page) {
        dialog.Panel().SelectPage(page);
        EXPECT_TRUE(dialog.Page(page)->isVisible());
        SaveScreenshot(dialog, (std::string("lumastat-main-") + names[page]).c_str());
    }
    // Of the six, only the accelerometer (a read at once) and the VGA page (probe, then
    // the selected pattern) talk to the board when they get the link.
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 00 00 00 00 55",
                              "AA 11 00 00 11 55",
                              "AA 15 03 00 04 01 00 1D 55",
                              "AA 15 03 00 04 02 00 1E 55",
                          }));
    EXPECT_TRUE(seam.Boxes().empty());
}

} // namespace

namespace {

// Every picture the pages draw, at the size they are laid out for.
TEST(PagePictures, EachHasTheSizeThePagesAreLaidOutFor) {
    struct Size {
        int id, width, height;
    } sizes[] = {
        {176, 387, 296}, {181, 387, 296}, {177, 22, 144}, {180, 22, 144},  {178, 64, 68},
        {208, 161, 57},  {201, 20, 68},   {202, 20, 68},  {129, 44, 44},   {130, 44, 44},
        {163, 19, 63},   {164, 19, 63},   {206, 15, 13},  {191, 140, 141}, {185, 20, 19},
        {189, 195, 25},  {183, 20, 19},   {190, 25, 194}, {187, 20, 19},
    };
    for (const Size& s : sizes)
        EXPECT_EQ(PanelBitmap(s.id).size(), QSize(s.width, s.height)) << s.id;
    for (int id : kDigitBitmaps)
        EXPECT_EQ(PanelBitmap(id).size(), QSize(40, 59)) << id;
}

} // namespace
