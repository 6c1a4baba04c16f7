#pragma once
// A main-dialog window and surface that record what the logic asks of them.

#include "ButtonFakes.h"
#include "control_panel/link/BoardLink.h"
#include "control_panel/logic/PanelView.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class FakePanelView : public CPanelView {
public:
    FakePanelView() {
        // The sizes of the panel's pictures.
        bitmaps = {{171, {37, 48}},  {172, {37, 48}},  {173, {37, 48}},
                   {174, {79, 308}}, {199, {79, 308}}, {175, {93, 152}}};
    }

    std::map<int, FakeBitmapSize> bitmaps;
    // One line per call that changes what the user sees of pages, animation and window.
    std::vector<std::string> log;
    std::array<bool, 6> shown{};
    std::array<CBoardLink*, 6> holders{};
    bool animationVisible = false;
    bool animationPlaying = false;
    std::optional<PanelRect> animationPlace;
    bool waitCursor = false;
    int timerId = 0;
    uint32_t timerInterval = 0;
    int updates = 0;
    // Runs in the middle of the connect sequence, as a message served while it waits would.
    std::function<void()> onStartTimer;

    bool LoadBitmap(int resourceId, int& width, int& height) override {
        auto it = bitmaps.find(resourceId);
        if (it == bitmaps.end())
            return false;
        width = it->second.width;
        height = it->second.height;
        return true;
    }
    void Invalidate(const PanelRect&) override {}
    void Update() override { ++updates; }
    void SetCapture() override {}
    void ReleaseCapture() override {}

    void ShowPage(int page, bool show) override {
        if (shown[page] != show)
            log.push_back((show ? "show " : "hide ") + std::to_string(page));
        shown[page] = show;
    }
    void AttachPageLink(int page, CBoardLink* link) override {
        log.push_back("attach " + std::to_string(page));
        holders[page] = link;
    }
    void DetachPageLink(int page) override {
        log.push_back("detach " + std::to_string(page));
        holders[page] = nullptr;
    }
    void PlayAnimation(const PanelRect& where) override {
        log.push_back("play");
        animationPlace = where;
        animationVisible = animationPlaying = true;
    }
    void StopAnimation() override { animationPlaying = false; }
    void ShowAnimation(bool show) override { animationVisible = show; }
    void InvalidateAll() override {}
    void SetWaitCursor(bool wait) override { waitCursor = wait; }
    int StartTimer(int id, uint32_t intervalMs) override {
        if (onStartTimer)
            onStartTimer();
        timerId = id;
        timerInterval = intervalMs;
        return id;
    }
    void KillTimer(int id) override {
        if (id == timerId)
            timerId = 0;
    }
    void PostConnect() override { log.push_back("post connect"); }
    void CloseWindow() override { log.push_back("close"); }
    void Minimize() override { log.push_back("minimize"); }
    void RunAbout() override { log.push_back("about"); }
};

// Texts in the default font measure 7 pixels per character and 16 high.
class RecordingPanelCanvas : public CPanelCanvas {
public:
    struct Text {
        std::string text;
        int x, y;
        uint32_t color;
        std::optional<PanelRect> clip;
        bool operator==(const Text&) const = default;
    };
    struct Fill {
        PanelRect rect;
        uint32_t color;
        bool operator==(const Fill&) const = default;
    };
    RecordingCanvas buttons;
    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<PanelRect> roundRects;

    void DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) override {
        buttons.DrawBitmap(resourceId, srcTop, width, height, x, y);
    }
    void CaptionSize(const std::string& text, int& width, int& height) override {
        buttons.CaptionSize(text, width, height);
    }
    void DrawCaption(const std::string& text, int x, int y, int width, uint32_t color) override {
        buttons.DrawCaption(text, x, y, width, color);
    }
    void FillRect(const PanelRect& rect, uint32_t color) override { fills.push_back({rect, color}); }
    void TextSize(const std::string& text, int& width, int& height) override {
        width = 7 * static_cast<int>(text.size());
        height = 16;
    }
    void DrawText(const std::string& text, int x, int y, uint32_t color, const PanelRect* clip) override {
        texts.push_back({text, x, y, color, clip ? std::optional<PanelRect>(*clip) : std::nullopt});
    }
    void RoundRect(const PanelRect& rect, int corner, int penWidth, uint32_t color) override {
        if (corner == 5 && penWidth == 3 && color == 0x00FFFF)
            roundRects.push_back(rect);
    }
};
