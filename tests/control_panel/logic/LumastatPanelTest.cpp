// The main dialog's logic against the simulated board: start-up, the connect sequence
// with its messages, page selection and the link, the progress bar and the mouse.
#include "control_panel/PanelFakes.h"
#include "control_panel/SimBoardFixture.h"

#include "control_panel/logic/LumastatPanel.h"
#include "control_panel/logic/PanelConstants.h"
#include "control_panel/logic/TabBar.h"
#include "control_panel/logic/TopBar.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

const std::string kNoBoard = "Failed to find the FPGA Board. Please make sure:\n1. The FPGA Board and PC are "
                             "connected by an USB cable.\n2. The FPGA Board is power on.";

class Panel : public SimBoardTest {
protected:
    Panel() { testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF)); }

    // What the dialog does while it is constructed and initialised.
    void Start() {
        link = std::make_unique<CBoardLink>();
        panel = std::make_unique<CLumastatPanel>(view, *link);
        panel->Init();
    }
    void Click(const BarButton& button) {
        panel->OnMouseMove(button.x + 10, button.y + 5);
        panel->OnLButtonDown(button.x + 10, button.y + 5);
        panel->OnLButtonUp(button.x + 10, button.y + 5);
    }
    void ClickTab(int page) { Click(TAB_BAR[page]); }
    bool InProgramFolder(const std::string& name) const { return std::filesystem::exists(temp.File(name)); }
    std::vector<std::string> LinkLog() const {
        std::vector<std::string> out;
        for (const std::string& line : view.log)
            if (line.starts_with("attach") || line.starts_with("detach"))
                out.push_back(line);
        return out;
    }
    // A programmer folder whose quartus_pgm reports the given device.
    std::string ProgrammerReporting(const std::string& device) const {
        std::string bin = temp.File("other/bin64");
        std::filesystem::create_directories(bin);
        testsupport::WriteFile(bin + "/quartus_pgm",
                               "#!/bin/sh\necho \"1) USB-Blaster [USB-0]\"\necho \"  " + device + "\"\n");
        std::filesystem::permissions(bin + "/quartus_pgm", std::filesystem::perms::owner_all);
        return temp.File("other");
    }
    void ExpectDisconnected() {
        EXPECT_FALSE(link->IsOpen());
        EXPECT_EQ(panel->StatusText(), "Disconnected");
        EXPECT_EQ(panel->StatusColor(), 0x0000FFu);
        EXPECT_EQ(panel->TopBar().Find(IDC_CONNECT)->BitmapId(), 174);
        EXPECT_EQ(panel->CurrentPage(), PAGE_CONNECTING);
        EXPECT_TRUE(view.animationVisible);
        EXPECT_FALSE(view.animationPlaying);
        for (int tab = 0; tab < 6; ++tab) {
            EXPECT_TRUE(panel->TabBar().Find(tab)->m_bEnabled);
            EXPECT_FALSE(panel->TabBar().GetCheck(tab));
        }
        EXPECT_EQ(view.holders, (std::array<CBoardLink*, 6>{}));
        EXPECT_FALSE(view.waitCursor);
    }

    FakePanelView view;
    std::unique_ptr<CBoardLink> link;
    std::unique_ptr<CLumastatPanel> panel;
};

TEST_F(Panel, StartsOnTheLedPageReadyAndPostsTheConnect) {
    Start();
    EXPECT_EQ(panel->CurrentPage(), 0);
    EXPECT_EQ(view.log, (std::vector<std::string>{"detach 0", "detach 1", "detach 2", "detach 3", "detach 4",
                                                  "detach 5", "show 0", "post connect"}));
    EXPECT_EQ(panel->StatusText(), "Ready");
    EXPECT_EQ(panel->StatusColor(), 0x00FFFFu);
    EXPECT_FALSE(panel->TabBar().GetCheck(0));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(Panel, AConfiguredBoardConnectsWithOneFrameAndNoProgrammer) {
    Start();
    panel->OnConnect();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55"}));
    EXPECT_FALSE(InProgramFolder("quartus_pgm.sh"));
    EXPECT_FALSE(InProgramFolder("fpga_config.sh"));
    EXPECT_TRUE(seam.Boxes().empty());

    EXPECT_TRUE(link->IsOpen());
    EXPECT_EQ(panel->StatusText(), "Connected");
    EXPECT_EQ(panel->StatusColor(), 0x00FF00u);
    EXPECT_EQ(panel->TopBar().Find(IDC_CONNECT)->BitmapId(), 199);
    EXPECT_TRUE(panel->TabBar().GetCheck(0));
    EXPECT_EQ(panel->CurrentPage(), 0);
    EXPECT_EQ(view.holders, (std::array<CBoardLink*, 6>{link.get()}));
    EXPECT_TRUE(view.shown[0]);
    EXPECT_FALSE(view.animationVisible);
    EXPECT_EQ(view.animationPlace, RectAt(202, 286, 387, 296));
    EXPECT_EQ(panel->ProgressPercent(), -1);
    EXPECT_EQ(view.timerId, 0);
    EXPECT_TRUE(panel->TopBar().Find(IDC_CLOSE)->m_bEnabled);
    EXPECT_TRUE(panel->TabBar().Find(5)->m_bEnabled);
}

TEST_F(Panel, AnUnconfiguredBoardIsConfiguredAndCheckedAgain) {
    SetState("configured", "0");
    Start();
    panel->OnConnect();
    EXPECT_TRUE(seam.Boxes().empty());
    // Detection cleaned up after itself; the configuration script stays.
    EXPECT_FALSE(InProgramFolder("quartus_pgm.sh"));
    EXPECT_TRUE(InProgramFolder("fpga_config.sh"));
    EXPECT_EQ(testsupport::ReadFile(StateFolder() + "/configured"), "1\n");
    // The board heard only the second check.
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55"}));
    EXPECT_EQ(panel->StatusText(), "Connected");
    EXPECT_TRUE(link->IsOpen());
    EXPECT_EQ(view.holders[0], link.get());
}

TEST_F(Panel, WithoutAProgrammerFolderTheBoardIsNotFound) {
    SetState("configured", "0");
    Start();
    ScopedEnv noRoot("QUARTUS_ROOTDIR", std::nullopt);
    panel->OnConnect();
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, kNoBoard);
    EXPECT_EQ(seam.Boxes()[0].caption, "Warning");
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Warning);
    ExpectDisconnected();
}

TEST_F(Panel, EachFailureOfTheProgrammerOrTheSecondCheckShowsItsMessage) {
    struct Case {
        const char* what;
        const char* fault;
        const char* name;
        const char* device; // a programmer that reports this device, or null for the simulated one
        std::string text, caption;
        platform::Icon icon;
    };
    const Case cases[] = {
        {"other device", nullptr, nullptr, "020F30DD   EP4CE22", "Unsupported FPGA!", "Information",
         platform::Icon::Information},
        {"configuration fails", "pgm-fail=config", nullptr, nullptr, "Failed to configure FPGA!", "Error",
         platform::Icon::Information},
        {"programmer fails", "pgm-fail=detect", nullptr, nullptr, kNoBoard, "Warning",
         platform::Icon::Warning},
        {"programmer silent", "pgm-silent", nullptr, nullptr, kNoBoard, "Warning", platform::Icon::Warning},
        {"wrong name", nullptr, "DUNMIR2", nullptr, "Invaid Board Name", "Error", platform::Icon::Stop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetState("configured", "0");
        ScopedEnv fault("BOARDSIM_FAULT", c.fault ? std::optional<std::string>(c.fault) : std::nullopt);
        ScopedEnv name("BOARDSIM_NAME", c.name ? std::optional<std::string>(c.name) : std::nullopt);
        seam.ClearRecords();
        view = FakePanelView();
        Start();
        std::optional<ScopedEnv> root;
        if (c.device)
            root.emplace("QUARTUS_ROOTDIR", ProgrammerReporting(c.device));
        panel->OnConnect();
        ASSERT_EQ(seam.Boxes().size(), 1u);
        EXPECT_EQ(seam.Boxes()[0].text, c.text);
        EXPECT_EQ(seam.Boxes()[0].caption, c.caption);
        EXPECT_EQ(seam.Boxes()[0].icon, c.icon);
        ExpectDisconnected();
        panel.reset();
        link.reset();
    }
}

TEST_F(Panel, AFirstCheckThatFindsAnotherNameStaysQuiet) {
    ScopedEnv name("BOARDSIM_NAME", "OTHER");
    Start();
    panel->OnConnect();
    // Only the second, loud check speaks.
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Invaid Board Name");
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55", "AA 00 00 00 00 55"}));
    ExpectDisconnected();
}

TEST_F(Panel, TheProgressBarTracksTimeOverTenSeconds) {
    Start();
    panel->StartProgress(10000);
    EXPECT_EQ(view.timerId, IDT_REFRESH);
    EXPECT_EQ(view.timerInterval, 100u);
    clock.Advance(5000);
    panel->OnTimer(IDT_REFRESH);
    EXPECT_EQ(panel->ProgressPercent(), 50);

    RecordingPanelCanvas canvas;
    panel->DrawProgress(canvas, panel->ProgressPercent());
    // 92 pixels wide: the green part ends at 32 + 46; "50%" (21 x 16) centred.
    const PanelRect green{32, 519, 78, 541}, black{78, 519, 124, 541};
    EXPECT_EQ(canvas.fills, (std::vector<RecordingPanelCanvas::Fill>{{green, 0x00FF00}, {black, 0}}));
    EXPECT_EQ(canvas.texts, (std::vector<RecordingPanelCanvas::Text>{{"50%", 67, 522, 0, green},
                                                                     {"50%", 67, 522, 0xFFFFFF, black}}));

    clock.Advance(60000);
    panel->OnTimer(IDT_REFRESH);
    EXPECT_EQ(panel->ProgressPercent(), 100);
    panel->OnTimer(IDT_REFRESH + 1);
    EXPECT_EQ(panel->ProgressPercent(), 100);

    RecordingPanelCanvas none;
    panel->DrawProgress(none, -1);
    EXPECT_TRUE(none.fills.empty());
}

TEST_F(Panel, OnlyTheShownPageHoldsTheLinkAndOnlyWhileItIsOpen) {
    Start();
    panel->OnConnect();
    view.log.clear();
    ClickTab(0);
    EXPECT_TRUE(LinkLog().empty());

    ClickTab(2);
    EXPECT_EQ(LinkLog(), (std::vector<std::string>{"detach 0", "detach 1", "detach 2", "detach 3", "detach 4",
                                                   "detach 5", "attach 2"}));
    EXPECT_EQ(view.holders, (std::array<CBoardLink*, 6>{nullptr, nullptr, link.get()}));
    EXPECT_TRUE(panel->TabBar().GetCheck(2));
    EXPECT_FALSE(panel->TabBar().GetCheck(0));

    // Disconnecting keeps the page on the screen and takes the link from it.
    view.log.clear();
    Click(TOP_BAR[3]);
    EXPECT_FALSE(link->IsOpen());
    EXPECT_EQ(panel->StatusText(), "Disconnected");
    EXPECT_EQ(panel->TopBar().Find(IDC_CONNECT)->BitmapId(), 174);
    EXPECT_EQ(panel->CurrentPage(), 2);
    EXPECT_TRUE(view.shown[2]);
    EXPECT_EQ(view.holders, (std::array<CBoardLink*, 6>{}));
    EXPECT_TRUE(panel->TabBar().Find(0)->m_bEnabled);

    view.log.clear();
    ClickTab(3);
    EXPECT_EQ(LinkLog(), (std::vector<std::string>{"detach 0", "detach 1", "detach 2", "detach 3", "detach 4",
                                                   "detach 5"}));
    EXPECT_TRUE(view.shown[3]);
}

TEST_F(Panel, AfterAFailedConnectTheTabsIgnorePressAndHoverButAReleaseSelects) {
    SetState("configured", "0");
    Start();
    ScopedEnv noRoot("QUARTUS_ROOTDIR", std::nullopt);
    panel->OnConnect();
    const BarButton& led = TAB_BAR[0];
    panel->OnMouseMove(led.x + 5, led.y + 5);
    panel->OnLButtonDown(led.x + 5, led.y + 5);
    EXPECT_EQ(panel->TabBar().Find(0)->m_nState, BTN_STATE_NORMAL);
    EXPECT_TRUE(panel->IsOverButton(led.x + 5, led.y + 5));
    view.log.clear();
    panel->OnLButtonUp(led.x + 5, led.y + 5);
    EXPECT_EQ(panel->CurrentPage(), 0);
    EXPECT_TRUE(view.shown[0]);
    EXPECT_FALSE(view.animationVisible);
    EXPECT_EQ(view.holders, (std::array<CBoardLink*, 6>{}));
}

TEST_F(Panel, TheTopBarClosesMinimisesAndOpensTheAboutBox) {
    Start();
    view.log.clear();
    Click(TOP_BAR[0]);
    Click(TOP_BAR[1]);
    Click(TOP_BAR[2]);
    EXPECT_EQ(view.log, (std::vector<std::string>{"about", "minimize", "close"}));
    EXPECT_TRUE(panel->CanClose());
    EXPECT_FALSE(panel->IsOverButton(300, 20));
}

TEST_F(Panel, ACloseRequestDuringTheConnectSequenceWaitsForItsEnd) {
    SetState("configured", "0");
    Start();
    std::optional<bool> allowed;
    view.onStartTimer = [&] {
        if (!allowed)
            allowed = panel->CanClose();
    };
    view.log.clear();
    panel->OnConnect();
    ASSERT_TRUE(allowed.has_value());
    EXPECT_FALSE(*allowed);
    ASSERT_FALSE(view.log.empty());
    EXPECT_EQ(view.log.back(), "close");
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "close"), 1);
}

TEST_F(Panel, APageThatDisablesTheMainButtonsHoldsBackAClose) {
    Start();
    panel->EnableMainButtons(false);
    EXPECT_FALSE(panel->TopBar().Find(IDC_CLOSE)->m_bEnabled);
    EXPECT_FALSE(panel->TabBar().Find(3)->m_bEnabled);
    view.log.clear();
    EXPECT_FALSE(panel->CanClose());
    EXPECT_TRUE(view.log.empty());
    panel->EnableMainButtons(true);
    EXPECT_TRUE(panel->TabBar().Find(3)->m_bEnabled);
    EXPECT_EQ(view.log, (std::vector<std::string>{"close"}));
}

TEST_F(Panel, PaintsTheBarsTheStatusAndTheMarkerOfTheShownPage) {
    Start();
    ClickTab(2);
    RecordingPanelCanvas canvas;
    panel->Paint(canvas);
    // Four top buttons and six tabs.
    EXPECT_EQ(canvas.buttons.blits.size(), 10u);
    EXPECT_EQ(canvas.buttons.captions.size(), 6u);
    EXPECT_EQ(canvas.buttons.captions[2].text, "Switches");
    EXPECT_EQ(canvas.buttons.captions[2].color, 0xFFEA00u);
    // "Ready" is 35 x 16: centred in (32, 519)-(124, 541).
    EXPECT_EQ(canvas.texts,
              (std::vector<RecordingPanelCanvas::Text>{{"Ready", 60, 522, 0x00FFFF, std::nullopt}}));
    EXPECT_EQ(canvas.roundRects,
              (std::vector<PanelRect>{RectAt(346, 239, 138, 27), RectAt(461, 176, 22, 45)}));

    panel->SelectPage(PAGE_CONNECTING);
    RecordingPanelCanvas connecting;
    panel->Paint(connecting);
    EXPECT_TRUE(connecting.roundRects.empty());
}

TEST(DeviceTest, OnlyADetectionThatNamesTheDeviceIsSupported) {
    EXPECT_FALSE(
        IsUnsupportedDevice("1) USB-Blaster [USB-0]\n  031050DD   10M50DA(.|ES)/10M50DC\n", "10M50"));
    EXPECT_TRUE(IsUnsupportedDevice("1) USB-Blaster [USB-0]\n  020F30DD   EP4CE22\n", "10M50"));
    EXPECT_TRUE(IsUnsupportedDevice("", "10M50"));
}

} // namespace
