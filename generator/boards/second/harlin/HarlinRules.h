#pragma once
// What the Harlin form decides, without widgets.

#include "HARLIN_CONFIG.h"
#include "boards/kit/BoardLogic.h"

#include <string>

const kit::BoardLogic& HarlinLogic();

enum HarlinConnector { HARLIN_HSMC_A = 0, HARLIN_HSMC_B = 1, HARLIN_GPIO_0 = 2, HARLIN_GPIO_1 = 3 };

// The device variants (the record's variant byte is the index).
inline constexpr const char* kHarlinVariants[] = {"HARLIN_230", "HARLIN_530"};
// The items of each programmable-PLL combo box (the record keeps the index).
inline constexpr const char* kHarlinPllFrequencies[] = {"Unchange", "Disable", "62.5",   "75",    "100",
                                                        "125",      "150",     "156.25", "187.5", "200",
                                                        "250",      "312.5",   "625"};
inline constexpr int kHarlinPllOutputs = 3;

// The warning about the card on HSMC-A against the one on HSMC-B ("" for none).
std::string HarlinPlacementWarning(uint8_t hsmcA, uint8_t hsmcB);
// The information after a successful Generate ("" for none).
std::string HarlinGenerateNote(const SettingsRecord& r);
