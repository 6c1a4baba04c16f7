#pragma once
// The Si570 and CDCM61004 choices of boards 15 and 18, without widgets: the items of
// their lists, when each list is enabled, and the questions before a Generate when a
// ticked interface has no oscillator.

#include "boards/kit/BoardSpec.h"
#include "settings/SettingsRecord.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

struct OscillatorRules {
    std::size_t si570;                                        // signed 32-bit choice in the record
    std::size_t cdcm61004;                                    // signed 32-bit choice in the record
    std::span<const std::size_t> sfp;                         // the SFP+ cages' flags
    std::span<const std::size_t> sata;                        // the SATA ports' flags (none on board 15)
    bool (*transceiverCard)(const SettingsRecord&) = nullptr; // a card whose lanes need the CDCM61004
    bool refreshOnChoice = false; // a choice in a list redraws the outlines at once
};

// "Disable", then the frequencies: "%.5f" for the Si570 (8 items), "%.2f" for the CDCM61004 (12).
std::vector<std::string> Si570Items();
std::vector<std::string> Cdcm61004Items();

// The Si570 list is enabled while an SFP+ cage is ticked; the CDCM61004 list also while a
// SATA port is ticked or a transceiver card is chosen.
bool Si570Needed(const OscillatorRules& rules, const SettingsRecord& r);
bool Cdcm61004Needed(const OscillatorRules& rules, const SettingsRecord& r);

// The questions, in the order they are asked ("" when nothing is to be asked).
std::string SfpOscillatorQuestion(const OscillatorRules& rules, const SettingsRecord& r);
std::string SataOscillatorQuestion(const OscillatorRules& rules, const SettingsRecord& r);
// Asks them (warning, Yes/No) in turn; true when each asked one was answered Yes.
bool CheckOscillators(const OscillatorRules& rules, const SettingsRecord& r);

// Records for the generate matrix: the defaults, every box ticked with each choice of the
// two lists (the CDCM61004 alone past the Si570's), and bare: the defaults with no box
// ticked, for the board to add the oscillators without their usual boxes.
std::vector<SettingsRecord> EveryOscillatorChoice(const OscillatorRules& rules,
                                                  const SettingsRecord& defaults,
                                                  std::span<const kit::FlagBinding> flags,
                                                  SettingsRecord& bare);
