#pragma once
// A window and a surface for bars of bitmap buttons that only record what is asked of them.

#include "control_panel/logic/ButtonOwner.h"

#include <map>
#include <string>
#include <vector>

struct FakeBitmapSize {
    int width;
    int height;
};

class RecordingOwner : public CButtonOwner {
public:
    // The pictures this window can load, by resource id.
    std::map<int, FakeBitmapSize> bitmaps;
    std::vector<PanelRect> invalidated;
    int updates = 0;
    bool captured = false;
    int captures = 0;
    int releases = 0;

    bool LoadBitmap(int resourceId, int& width, int& height) override {
        auto it = bitmaps.find(resourceId);
        if (it == bitmaps.end())
            return false;
        width = it->second.width;
        height = it->second.height;
        return true;
    }
    void Invalidate(const PanelRect& rect) override { invalidated.push_back(rect); }
    void Update() override { ++updates; }
    void SetCapture() override {
        captured = true;
        ++captures;
    }
    void ReleaseCapture() override {
        captured = false;
        ++releases;
    }
    void Clear() {
        invalidated.clear();
        updates = captures = releases = 0;
    }
};

// Every text measures 6 pixels per character and 14 high.
class RecordingCanvas : public CButtonCanvas {
public:
    struct Blit {
        int resourceId, srcTop, width, height, x, y;
        bool operator==(const Blit&) const = default;
    };
    struct Text {
        std::string text;
        int x, y, width;
        uint32_t color;
        bool operator==(const Text&) const = default;
    };
    std::vector<Blit> blits;
    std::vector<Text> captions;

    void DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) override {
        blits.push_back({resourceId, srcTop, width, height, x, y});
    }
    void CaptionSize(const std::string& text, int& width, int& height) override {
        width = 6 * static_cast<int>(text.size());
        height = 14;
    }
    void DrawCaption(const std::string& text, int x, int y, int width, uint32_t color) override {
        captions.push_back({text, x, y, width, color});
    }
};
