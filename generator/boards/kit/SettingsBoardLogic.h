#pragma once
// A board whose writers read a settings object (TConfigBoard): Generate copies the
// record into a fresh object of the board's class, and the pin table reads that object.

#include "BoardLogic.h"

#include <algorithm>
#include <memory>

namespace kit {

template <class Settings, void (*Pins)(TMainBoard*, Settings*)> class SettingsBoardLogic : public BoardLogic {
public:
    using BoardLogic::BoardLogic;

    std::unique_ptr<TConfigBoard> MakeSettings(const SettingsRecord& r) const override {
        auto settings = std::make_unique<Settings>();
        std::copy(r.data(), r.data() + r.size(), settings->Config.data());
        return settings;
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& /*r*/, TConfigBoard* settings) const override {
        Pins(&board, static_cast<Settings*>(settings));
    }
};

} // namespace kit
