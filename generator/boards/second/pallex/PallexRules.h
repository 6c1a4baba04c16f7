#pragma once
// What the Pallex form decides, without widgets (board 16).

#include "PALLEX_CONFIG.h"
#include "boards/kit/BoardLogic.h"

#include <string>
#include <vector>

const kit::BoardLogic& PallexLogic();

// The oscillator lists: Si570 "Not Use" then its seven frequencies; the CDCM lists
// "Unchanged", "Not Use" then eleven frequencies.
std::vector<std::string> PallexSi570Items();
std::vector<std::string> PallexCdcmItems();
inline constexpr int32_t kPallexSi570NotUsed = 0;
inline constexpr int32_t kPallexCdcmNotUsed = 1;

bool PallexAnySfp(const SettingsRecord& r);
bool PallexAnySata(const SettingsRecord& r);
// The Yes/No questions before a Generate, in order ("" where none is asked).
std::string PallexSfpQuestion(const SettingsRecord& r);
std::string PallexSataQuestion(const SettingsRecord& r);
// The memory and transceiver warnings after a Generate ("" when none applies).
std::string PallexNotes(const SettingsRecord& r);
