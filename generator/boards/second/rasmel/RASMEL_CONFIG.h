#pragma once
// The settings record of board 18, Rasmel (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class RASMEL_CONFIG : public ConfigRecord<296> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bSata = 140; // 2 bytes: host, device
    static constexpr std::size_t bSma = 142;
    static constexpr std::size_t bTemp = 143;
    static constexpr std::size_t bSfp = 144; // 4 bytes: A to D
    static constexpr std::size_t bPCIe = 148;
    static constexpr std::size_t bFan = 149;
    static constexpr std::size_t bFlash = 150;
    static constexpr std::size_t bSSRAM = 151;
    static constexpr std::size_t bRs422 = 152;
    static constexpr std::size_t Reserved153 = 153;    // 3 bytes, zero
    static constexpr std::size_t nSi570Freq = 156;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 160; // 32-bit list index
    static constexpr std::size_t nHSMCDaughterId = 164;
    static constexpr std::size_t szHSMCPrefixName = 165; // 128 bytes
    static constexpr std::size_t Reserved293 = 293;      // 3 bytes, zero

    static constexpr std::size_t kSataHost = 0;
    static constexpr std::size_t kSataDevice = 1;
    static constexpr std::size_t Sata(std::size_t port) { return bSata + port; }
    static constexpr std::size_t Sfp(int cage) { return bSfp + static_cast<std::size_t>(cage); }

    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nSi570Freq, 4, 8, 0},      // 0 disabled, 1-7 a frequency
        {nCdcm61004Freq, 4, 12, 0}, // 0 disabled, 1-11 a frequency
    };
    // clang-format on
};
static_assert(RASMEL_CONFIG::kSize == 296);
static_assert(RASMEL_CONFIG::szHSMCPrefixName + 128 == RASMEL_CONFIG::Reserved293);
