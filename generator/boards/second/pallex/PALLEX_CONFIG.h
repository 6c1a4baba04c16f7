#pragma once
// The settings record of board 16, Pallex (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class PALLEX_CONFIG : public ConfigRecord<176> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bSata = 141; // 4 bytes: host 0, host 1, device 0, device 1
    static constexpr std::size_t bSma = 145;
    static constexpr std::size_t bTemp = 146;
    static constexpr std::size_t bDDR3 = 147;  // 2 bytes: socket A, B
    static constexpr std::size_t bQDRII = 149; // 4 bytes: SRAM A-D
    static constexpr std::size_t bSfp = 153;   // 4 bytes: cage A-D
    static constexpr std::size_t bPCIe = 157;
    static constexpr std::size_t bFan = 158;
    static constexpr std::size_t bFlash = 159;
    static constexpr std::size_t bRs422 = 160;
    // 161: 3 reserved bytes
    static constexpr std::size_t nSi570Freq = 164;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 168; // 32-bit list index
    static constexpr std::size_t nCdcm61001Freq = 172; // 32-bit list index

    static constexpr std::size_t Sata(int port) { return bSata + static_cast<std::size_t>(port); }
    static constexpr std::size_t DDR3(int socket) { return bDDR3 + static_cast<std::size_t>(socket); }
    static constexpr std::size_t QDRII(int sram) { return bQDRII + static_cast<std::size_t>(sram); }
    static constexpr std::size_t Sfp(int cage) { return bSfp + static_cast<std::size_t>(cage); }

    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nSi570Freq, 4, 8, 0},      // 0 not used, 1-7 a frequency
        {nCdcm61004Freq, 4, 13, 1}, // 0 unchanged, 1 not used, 2-12 a frequency
        {nCdcm61001Freq, 4, 13, 1}, // as the CDCM61004
    };
    // clang-format on
};
static_assert(PALLEX_CONFIG::bRs422 + 1 + 3 == PALLEX_CONFIG::nSi570Freq);
static_assert(PALLEX_CONFIG::nCdcm61001Freq + 4 == PALLEX_CONFIG::kSize);
