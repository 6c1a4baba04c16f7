#pragma once
// Settings of board 32, Forvik.

#include "settings/ChoiceField.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigRecord.h"

class TConfigForvik : public TConfigBoard {
public:
    class FORVIK_CONFIG : public ConfigRecord<416> {
    public:
        static constexpr std::size_t bOSC = 136;
        static constexpr std::size_t bLED = 137;
        static constexpr std::size_t bButton = 138;
        static constexpr std::size_t bSwitch = 139;
        // These four the timing-constraints writer reads too.
        static constexpr std::size_t bVGA = 140;
        static constexpr std::size_t bSDRAM = 141;
        static constexpr std::size_t bAudio = 142;
        static constexpr std::size_t bVideoIn = 143;
        static constexpr std::size_t bADC = 144;
        static constexpr std::size_t bSeg7 = 145;
        static constexpr std::size_t bIR = 146;
        static constexpr std::size_t bPS2 = 147;
        static constexpr std::size_t bHPS = 148;
        static constexpr std::size_t nGpioDaughterId = 149;
        static constexpr std::size_t szGpioPrefixName = 150;
        static constexpr std::size_t reserved = 278;     // 2 bytes, carried along unchanged
        static constexpr std::size_t nHsmcVoltage = 280; // signed 32-bit, 0-3
        static constexpr std::size_t nHsmcDaughterId = 284;
        static constexpr std::size_t szHSMCPrefixName = 285;
        static constexpr std::size_t reserved2 = 413; // 3 bytes, carried along unchanged

        // The HSMC voltage: 3.3 V, 2.5 V (the default), 1.8 V, 1.5 V.
        static constexpr ChoiceField kChoiceFields[] = {{nHsmcVoltage, 4, 4, 1}};
    };
    static_assert(FORVIK_CONFIG::kSize == 416);
    static_assert(FORVIK_CONFIG::szHSMCPrefixName + 128 + 3 == FORVIK_CONFIG::kSize);

    FORVIK_CONFIG Config{};

    bool LoadConfigFile(const std::string& fileName) override;
    bool SaveConfigFile(const std::string& fileName) override;
};
