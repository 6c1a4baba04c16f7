#pragma once
// Settings of board 32, Forvik.

#include "ConfigBoard.h"
#include "ConfigRecord.h"

class TConfigForvik : public TConfigBoard {
public:
    class FORVIK_CONFIG : public ConfigRecord<416> {
    public:
        // Read by the timing-constraints writer.
        static constexpr std::size_t bVGA = 140;
        static constexpr std::size_t bSDRAM = 141;
        static constexpr std::size_t bAudio = 142;
        static constexpr std::size_t bVideoIn = 143;
    };
    static_assert(FORVIK_CONFIG::kSize == 416);

    FORVIK_CONFIG Config{};

    bool LoadConfigFile(const std::string& fileName) override;
    bool SaveConfigFile(const std::string& fileName) override;
};
