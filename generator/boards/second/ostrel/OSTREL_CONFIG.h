#pragma once
// The settings record of board 15, Ostrel (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class OSTREL_CONFIG : public ConfigRecord<164> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bTemp = 140;
    static constexpr std::size_t bDDR3 = 141;  // 2 bytes: A, B
    static constexpr std::size_t bQDRII = 143; // 4 bytes: A to D
    static constexpr std::size_t bSfp = 147;   // 2 bytes: A, B
    static constexpr std::size_t bSata = 149;
    static constexpr std::size_t bPCIe = 150;
    static constexpr std::size_t bFan = 151;
    static constexpr std::size_t bFlash = 152;
    static constexpr std::size_t bRs422 = 153;
    static constexpr std::size_t Reserved154 = 154;    // 2 bytes, zero
    static constexpr std::size_t nSi570Freq = 156;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 160; // 32-bit list index

    static constexpr std::size_t Ddr3(int bank) { return bDDR3 + static_cast<std::size_t>(bank); }
    static constexpr std::size_t Qdrii(int sram) { return bQDRII + static_cast<std::size_t>(sram); }
    static constexpr std::size_t Sfp(int cage) { return bSfp + static_cast<std::size_t>(cage); }

    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nSi570Freq, 4, 8, 0},      // 0 disabled, 1-7 a frequency
        {nCdcm61004Freq, 4, 12, 0}, // 0 disabled, 1-11 a frequency
    };
    // clang-format on
};
static_assert(OSTREL_CONFIG::kSize == 164);
static_assert(OSTREL_CONFIG::nCdcm61004Freq + 4 == OSTREL_CONFIG::kSize);
