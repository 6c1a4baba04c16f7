#pragma once
// The settings record of board 19, Selvik (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class SELVIK_CONFIG : public ConfigRecord<284> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bDDR3 = 141;
    static constexpr std::size_t bAudio = 142;
    static constexpr std::size_t bIR = 143;
    static constexpr std::size_t bSi5338 = 144;
    static constexpr std::size_t bTemperature = 145;
    static constexpr std::size_t nHsmcVoltage = 148; // signed 32-bit, 0-3
    static constexpr std::size_t nHsmcDaughterId = 152;
    static constexpr std::size_t szHSMCPrefixName = 153;

    // The HSMC bank voltage: default 1 (2.5 V).
    static constexpr ChoiceField kChoiceFields[] = {{nHsmcVoltage, 4, 4, 1}};
};
static_assert(SELVIK_CONFIG::szHSMCPrefixName + 128 + 3 == SELVIK_CONFIG::kSize);
