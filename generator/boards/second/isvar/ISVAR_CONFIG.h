#pragma once
// The settings record of board 9, Isvar (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class ISVAR_CONFIG : public ConfigRecord<924> {
public:
    // 1: 3 reserved bytes
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bSma = 141;
    static constexpr std::size_t bTemp = 142;
    static constexpr std::size_t bDDR3 = 143;
    static constexpr std::size_t bFan = 144;
    static constexpr std::size_t bSSRAM = 145;
    static constexpr std::size_t bFlash = 146;
    static constexpr std::size_t nHSMCDaughterId = 147;  // 2 bytes: HSMC-A, HSMC-B
    static constexpr std::size_t szHSMCPrefixName = 149; // 2 x 128 bytes
    static constexpr std::size_t nFMCDaughterId = 405;   // 4 bytes: FMC-A .. FMC-D
    static constexpr std::size_t szFMCPrefixName = 409;  // 4 x 128 bytes
    // 921: 3 reserved bytes
    static constexpr std::size_t kPrefixBytes = 128;

    static constexpr std::size_t HsmcDaughterId(int port) {
        return nHSMCDaughterId + static_cast<std::size_t>(port);
    }
    static constexpr std::size_t HsmcPrefixName(int port) {
        return szHSMCPrefixName + kPrefixBytes * static_cast<std::size_t>(port);
    }
    static constexpr std::size_t FmcDaughterId(int port) {
        return nFMCDaughterId + static_cast<std::size_t>(port);
    }
    static constexpr std::size_t FmcPrefixName(int port) {
        return szFMCPrefixName + kPrefixBytes * static_cast<std::size_t>(port);
    }
};
static_assert(ISVAR_CONFIG::HsmcPrefixName(1) + ISVAR_CONFIG::kPrefixBytes == ISVAR_CONFIG::nFMCDaughterId);
static_assert(ISVAR_CONFIG::FmcPrefixName(3) == 793);
static_assert(ISVAR_CONFIG::FmcPrefixName(3) + ISVAR_CONFIG::kPrefixBytes + 3 == ISVAR_CONFIG::kSize);
