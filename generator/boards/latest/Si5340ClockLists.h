#pragma once
// The clock-output lists of the Si5340 boards (27 and 31): which record choice each
// list shows, its items, and the interfaces whose reference clock it drives. From
// them follow which lists the form enables, which chip outlines it shows and the
// question before a Generate.

#include "settings/SettingsRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

enum class Si5340Chip { A, B };

struct Si5340ClockList {
    const char* combo;
    std::size_t choice; // signed 32-bit in the record
    double (*frequency)(uint8_t);
    int count;                          // items, "Not Use" first
    std::span<const std::size_t> users; // flags of the interfaces it clocks
    const char* name;                   // as the question names it
    Si5340Chip chip;
};

// A ticked interface needs the list's output.
bool ClockNeeded(const SettingsRecord& r, const Si5340ClockList& list);
// Some ticked interface needs an output of the chip (its outline is shown).
bool ChipNeeded(const SettingsRecord& r, std::span<const Si5340ClockList> lists, Si5340Chip chip);
// The question before a Generate: the needed outputs left at "Not Use"; "" when none.
std::string OscillatorQuestionOf(const SettingsRecord& r, std::span<const Si5340ClockList> lists);
// Asks it (warning, Yes/No); true when there is nothing to ask or the answer is Yes.
bool AskOscillators(const SettingsRecord& r, std::span<const Si5340ClockList> lists);
