#pragma once
// A board whose decisions are all the kit's: its BoardSpec, and its pin table as a plain
// function of the record.

#include "BoardLogic.h"

namespace kit {

class PinTableLogic final : public BoardLogic {
public:
    using PinTableFn = void (*)(TMainBoard* board, const SettingsRecord& Config);

    PinTableLogic(const BoardSpec& spec, PinTableFn pins) : BoardLogic(spec), pins_(pins) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard* /*settings*/) const override {
        pins_(&board, r);
    }

private:
    PinTableFn pins_;
};

} // namespace kit
