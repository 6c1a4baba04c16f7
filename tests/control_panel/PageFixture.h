#pragma once
// What the page tests share: the simulated board behind a real link, main-dialog services
// that only record, mouse clicks on a page's bitmap buttons, and screenshots.

#include "SimBoardFixture.h"

#include "control_panel/logic/MainDialogServices.h"
#include "control_panel/ui/PanelPictures.h"

#include <QImage>
#include <QWidget>
#include <vector>

class CBarPageDialog;

class RecordingServices : public CMainDialogServices {
public:
    void EnableMainButtons(bool enable) override { enables.push_back(enable); }
    void NotifyLinkError() override { ++linkErrors; }

    std::vector<bool> enables;
    int linkErrors = 0;
};

class PageTest : public SimBoardTest {
protected:
    // Opens the link to the simulated board.
    void Connect() { ASSERT_TRUE(link.Open()); }
    // A press and a release of the left button at the point.
    static void Click(CBarPageDialog& page, int x, int y);
    // Saves the page as the build folder's screenshots/<name>.png and checks the pictures
    // and outlines it shows.
    static void SaveScreenshot(QWidget& page, const char* name);
    static bool SamePicture(const QImage& a, const QImage& b) {
        return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }

    RecordingServices services;
    CBoardLink link;
};
