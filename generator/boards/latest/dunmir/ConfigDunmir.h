#pragma once
// Settings of board 30, Dunmir: its record has the size first, then the board id.

#include "settings/ConfigBoard.h"
#include "settings/ConfigRecord.h"

class TConfigDunmir : public TConfigBoard {
public:
    class BOARD_CONFIG : public ConfigRecord<272, SizeFirstRecordHead> {
    public:
        // Size 0, BoardId 4 and ProjectName 5 (128 bytes) come with the head.
        static constexpr std::size_t bOSC = 133;
        static constexpr std::size_t bLED = 134;
        static constexpr std::size_t bButton = 135;
        static constexpr std::size_t bSwitch = 136;
        static constexpr std::size_t reserved = 137; // carried along unchanged
        static constexpr std::size_t bAccelerometer = 138;
        static constexpr std::size_t bSDRAM = 139;
        static constexpr std::size_t bVGA = 140;
        static constexpr std::size_t bSeg7 = 141;
        static constexpr std::size_t bArduino = 142;
        static constexpr std::size_t nGpioDaughterId = 143;
        static constexpr std::size_t szGpioPrefixName = 144;
        static constexpr std::size_t szGpioPrefixNameBytes = 128;
    };
    static_assert(BOARD_CONFIG::kSize == 272);
    static_assert(BOARD_CONFIG::bOSC == BOARD_CONFIG::BoardFields);
    static_assert(BOARD_CONFIG::szGpioPrefixName + BOARD_CONFIG::szGpioPrefixNameBytes ==
                  BOARD_CONFIG::kSize);

    BOARD_CONFIG Config{};

    bool LoadConfigFile(const std::string& fileName) override;
    bool SaveConfigFile(const std::string& fileName) override;
};
