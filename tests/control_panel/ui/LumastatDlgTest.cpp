// The main dialog as a Qt window against the simulated board: start-up and connect,
// the pages it hosts, the mouse, closing, and screenshots.
#include "control_panel/QtEvents.h"
#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/ProgrammerUtil.h"
#include "control_panel/logic/PanelConstants.h"
#include "control_panel/logic/TabBar.h"
#include "control_panel/logic/TopBar.h"
#include "control_panel/ui/GSensorDialog.h"
#include "control_panel/ui/HexDialog.h"
#include "control_panel/ui/LedDialog.h"
#include "control_panel/ui/LumastatDlg.h"
#include "control_panel/ui/MemoryDialog.h"
#include "control_panel/ui/SwitchDialog.h"
#include "control_panel/ui/VgaDialog.h"
#include "platform/qt/QtPlatform.h"
#include "support/RerunInFolder.h"

#include <QLabel>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace {

// A page that remembers what the main dialog lent it.
class SpyPage : public CPageDialog {
public:
    explicit SpyPage(QWidget* parent) : CPageDialog(parent) {}
    void AttachLink(CBoardLink* link) override {
        this->link = link;
        ++attaches;
    }
    void DetachLink() override { link = nullptr; }

    CBoardLink* link = nullptr;
    int attaches = 0;
};

class MainDialog : public SimBoardTest {
protected:
    MainDialog() { testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF)); }

    // Builds the dialog with spy pages.
    void Build() {
        dialog = std::make_unique<CLumastatDlg>([this](int page, CMainDialogServices&, QWidget* parent) {
            spies[page] = new SpyPage(parent);
            return spies[page];
        });
    }
    // Builds the dialog, shows it and lets the start-up connect run.
    void Start() {
        Build();
        ShowAndConnect(*dialog);
    }
    SpyPage* Spy(int page) const { return spies[page]; }
    QPoint Middle(const BarButton& button) const { return QPoint(button.x + 20, button.y + 5); }

    std::array<SpyPage*, 6> spies{};
    std::unique_ptr<CLumastatDlg> dialog;
};

TEST_F(MainDialog, ConnectsToAConfiguredBoardAndLendsTheLinkToTheLedPage) {
    Start();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55"}));
    EXPECT_TRUE(seam.Boxes().empty());
    CLumastatPanel& panel = dialog->Panel();
    EXPECT_EQ(panel.StatusText(), "Connected");
    EXPECT_EQ(panel.StatusColor(), 0x00FF00u);
    EXPECT_TRUE(panel.TabBar().GetCheck(0));
    EXPECT_EQ(Spy(0)->link, &dialog->Link());
    EXPECT_EQ(Spy(0)->attaches, 1);
    for (int page = 1; page < 6; ++page)
        EXPECT_EQ(Spy(page)->link, nullptr);
    EXPECT_TRUE(Spy(0)->isVisible());
    EXPECT_FALSE(dialog->Animation()->isVisible());
    EXPECT_FALSE(dialog->ProgressTimerRunning());
    EXPECT_TRUE(SaveScreenshot(dialog.get(), "lumastat_connected"));
}

// What the window showed at each of its paints, and how many frames the board had had by then.
class PaintLog : public QObject {
public:
    struct Paint {
        bool connectingPage;
        int percent;
        std::size_t requests;
    };

    PaintLog(CLumastatDlg& dialog, std::function<std::size_t()> requests)
        : dialog_(dialog), requests_(std::move(requests)) {
        dialog.installEventFilter(this);
    }
    // The first paint that showed the connect animation and the 2 % bar.
    std::optional<Paint> FirstConnecting() const {
        for (const Paint& paint : paints)
            if (paint.connectingPage && paint.percent == 2)
                return paint;
        return std::nullopt;
    }

    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Paint)
            paints.push_back(
                {dialog_.Panel().CurrentPage() == PAGE_CONNECTING && dialog_.Animation()->isVisible(),
                 dialog_.Panel().ProgressPercent(), requests_()});
        return false;
    }

private:
    CLumastatDlg& dialog_;
    std::function<std::size_t()> requests_;
};

// The board's FPGA is not configured yet: the first check fails and the programmer runs,
// the usual first use. The window shows the connect animation and 2 % before the board is
// asked anything, at start and from the connect button.
TEST_F(MainDialog, PaintsTheConnectAnimationAndTwoPercentBeforeTheFirstCheck) {
    SetState("configured", "0");
    Build();
    PaintLog log(*dialog, [this] { return Requests().size(); });
    ShowAndConnect(*dialog);
    EXPECT_EQ(dialog->Panel().StatusText(), "Connected");
    ASSERT_FALSE(Requests().empty());
    std::optional<PaintLog::Paint> connecting = log.FirstConnecting();
    ASSERT_TRUE(connecting.has_value());
    EXPECT_EQ(connecting->requests, 0u);

    ClickAt(dialog.get(), Middle(TOP_BAR[3]));
    ASSERT_EQ(dialog->Panel().StatusText(), "Disconnected");
    SetState("configured", "0");
    const std::size_t before = Requests().size();
    log.paints.clear();
    ClickAt(dialog.get(), Middle(TOP_BAR[3]));
    EXPECT_EQ(dialog->Panel().StatusText(), "Connected");
    ASSERT_GT(Requests().size(), before);
    connecting = log.FirstConnecting();
    ASSERT_TRUE(connecting.has_value());
    EXPECT_EQ(connecting->requests, before);
}

TEST_F(MainDialog, IsAFramelessWindowWithTheTitleAndTheSixPagesInPlace) {
    Start();
    EXPECT_EQ(dialog->size(), QSize(620, 600));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialog->Title()->text(), QStringLiteral("Veltrax Lumastat V1.0.2"));
    for (int page = 0; page < 6; ++page) {
        EXPECT_EQ(Spy(page)->geometry(), QRect(204, 288, 387, 296));
        EXPECT_EQ(Spy(page)->parentWidget(), dialog.get());
    }
}

TEST_F(MainDialog, MakesTheSixPagesOfTheirClasses) {
    CLumastatDlg real;
    EXPECT_NE(dynamic_cast<CLedDialog*>(real.Page(0)), nullptr);
    EXPECT_NE(dynamic_cast<CHexDialog*>(real.Page(1)), nullptr);
    EXPECT_NE(dynamic_cast<CSwitchDialog*>(real.Page(2)), nullptr);
    EXPECT_NE(dynamic_cast<CMemoryDialog*>(real.Page(3)), nullptr);
    EXPECT_NE(dynamic_cast<CGSensorDialog*>(real.Page(4)), nullptr);
    EXPECT_NE(dynamic_cast<CVgaDialog*>(real.Page(5)), nullptr);
    // Only the LED page shows before the connect runs.
    EXPECT_FALSE(real.Page(0)->isHidden());
    EXPECT_TRUE(real.Page(5)->isHidden());
}

TEST_F(MainDialog, WithoutAProgrammerTheStoppedAnimationStaysAndAllTabsWork) {
    SetState("configured", "0");
    ScopedEnv noRoot("QUARTUS_ROOTDIR", std::nullopt);
    Start();
    // Loading the library already missed the vendor's folder (and, unless an earlier test
    // left the library in the process, the library itself).
    ASSERT_GE(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes().front().text, "Failed to find Quartus installatino folder!");
    EXPECT_EQ(seam.Boxes().back().text,
              "Failed to find the FPGA Board. Please make sure:\n1. The FPGA Board and PC "
              "are connected by an USB cable.\n2. The FPGA Board is power on.");
    EXPECT_EQ(seam.Boxes().back().caption, "Warning");
    EXPECT_EQ(seam.Boxes().back().icon, platform::Icon::Warning);
    EXPECT_EQ(dialog->Panel().StatusText(), "Disconnected");
    EXPECT_EQ(dialog->Panel().StatusColor(), 0x0000FFu);
    EXPECT_TRUE(dialog->Animation()->isVisible());
    EXPECT_FALSE(dialog->Animation()->IsPlaying());
    EXPECT_GT(dialog->Animation()->FrameCount(), 1);
    EXPECT_EQ(dialog->Animation()->geometry(), QRect(202, 286, 387, 296));
    EXPECT_TRUE(SaveScreenshot(dialog.get(), "lumastat_disconnected"));

    // A release over the LED tab shows its page, without a link.
    ClickAt(dialog.get(), Middle(TAB_BAR[0]));
    EXPECT_TRUE(Spy(0)->isVisible());
    EXPECT_FALSE(dialog->Animation()->isVisible());
    EXPECT_EQ(Spy(0)->attaches, 0);
}

// Lumastat in a folder whose path is not ASCII, as Qt reports that folder: its
// programmer scripts are written there and run, and the board gets its design.
TEST_F(MainDialog, FromANonAsciiFolderTheProgrammerLoadsTheDesign) {
    if (!testsupport::InRerun()) {
        const std::string folder = temp.File("prog-\xC3\xA9");
        std::filesystem::create_directory(folder);
        testsupport::WriteFile(folder + "/Lumastat.sof", testsupport::ReadFile(LUMASTAT_SOF));
        EXPECT_TRUE(testsupport::RerunInFolder(folder, "lumastat"));
        EXPECT_TRUE(std::filesystem::exists(folder + "/fpga_config.sh"));
        return;
    }
    std::string program;
    {
        platform::QtPlatform qt;
        program = qt.ProgramPath();
    }
    seam.SetProgramPath(program);
    SetState("configured", "0");
    Start();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(testsupport::ReadFile(StateFolder() + "/configured"), "1\n");
    EXPECT_EQ(dialog->Panel().StatusText(), "Connected");
    const std::string script = testsupport::ReadFile(CProgrammerUtil::GetFolder(program) + "/fpga_config.sh");
    EXPECT_NE(script.find("\"p;Lumastat.sof\""), std::string::npos) << script;
}

TEST_F(MainDialog, ClickingTabsMovesTheLinkAndTheConnectButtonDisconnects) {
    Start();
    ClickAt(dialog.get(), Middle(TAB_BAR[0]));
    EXPECT_EQ(Spy(0)->attaches, 1);

    ClickAt(dialog.get(), Middle(TAB_BAR[4]));
    EXPECT_EQ(Spy(0)->link, nullptr);
    EXPECT_EQ(Spy(4)->link, &dialog->Link());
    EXPECT_TRUE(Spy(4)->isVisible());
    EXPECT_FALSE(Spy(0)->isVisible());

    ClickAt(dialog.get(), Middle(TOP_BAR[3]));
    EXPECT_FALSE(dialog->Link().IsOpen());
    EXPECT_EQ(Spy(4)->link, nullptr);
    EXPECT_TRUE(Spy(4)->isVisible());
    EXPECT_EQ(dialog->Panel().StatusText(), "Disconnected");
    EXPECT_EQ(dialog->Panel().TopBar().Find(IDC_CONNECT)->BitmapId(), 174);

    // And connects again.
    ClickAt(dialog.get(), Middle(TOP_BAR[3]));
    EXPECT_EQ(dialog->Panel().StatusText(), "Connected");
    EXPECT_EQ(Spy(0)->link, &dialog->Link());
}

TEST_F(MainDialog, ThePointerShowsHoverOnATabAndLeavingClearsIt) {
    Start();
    SendMouse(dialog.get(), QEvent::MouseMove, Middle(TAB_BAR[2]), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(dialog->Panel().TabBar().Find(2)->m_nState, BTN_STATE_HOVER);
    EXPECT_EQ(dialog->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(dialog.get(), &leave);
    EXPECT_EQ(dialog->Panel().TabBar().Find(2)->m_nState, BTN_STATE_NORMAL);
}

TEST_F(MainDialog, ThePressOutsideTheButtonsDragsTheWindow) {
    Start();
    QPoint before = dialog->pos();
    SendMouse(dialog.get(), QEvent::MouseButtonPress, QPoint(300, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(320, 110), QPointF(dialog->mapToGlobal(QPoint(320, 110))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.get(), &move);
    SendMouse(dialog.get(), QEvent::MouseButtonRelease, QPoint(320, 110), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog->pos(), before + QPoint(20, 10));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MainDialog, TheCloseButtonClosesTheWindowOnceThePagesAreDone) {
    Start();
    dialog->EnableMainButtons(false);
    dialog->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog->isVisible());
    dialog->EnableMainButtons(true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    ClickAt(dialog.get(), Middle(TOP_BAR[2]));
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
