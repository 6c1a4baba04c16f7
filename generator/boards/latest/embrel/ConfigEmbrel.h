#pragma once
// Settings of board 31, Embrel: its record, and the Si5340A and Si5340B clock-chip
// text of its projects.

#include "settings/ChoiceField.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigRecord.h"

class TConfigEmbrel : public TConfigBoard {
public:
    class EMBREL_CONFIG : public ConfigRecord<180> {
    public:
        // BoardId 0, Size 4 and ProjectName 8 come with the head; bytes 1 to 3 are
        // reserved, carried along unchanged.
        static constexpr std::size_t bOSC = 136;
        static constexpr std::size_t bLED = 137;
        static constexpr std::size_t bButton = 138;
        static constexpr std::size_t bSwitch = 139;
        static constexpr std::size_t bTemp = 140;
        static constexpr std::size_t bPower = 141;
        static constexpr std::size_t bQdriiA = 142;
        static constexpr std::size_t bQdriiB = 143;
        static constexpr std::size_t bQdriiC = 144;
        static constexpr std::size_t bQdriiD = 145;
        static constexpr std::size_t bQdriiE = 146;
        static constexpr std::size_t bQdriiF = 147;
        static constexpr std::size_t bQsfpA = 148;
        static constexpr std::size_t bQsfpB = 149;
        static constexpr std::size_t bQsfpC = 150;
        static constexpr std::size_t bQsfpD = 151;
        static constexpr std::size_t bPcie = 152;
        static constexpr std::size_t bFan = 153;
        static constexpr std::size_t bFlash = 154;
        static constexpr std::size_t bRs422 = 155;
        static constexpr std::size_t bLtm4677 = 156;    // power-module interface; no check box shows it
        static constexpr std::size_t bGpio = 157;       // 2x4 GPIO header
        static constexpr std::size_t reserved158 = 158; // 2 bytes, carried along unchanged
        static constexpr std::size_t nSi5340A = 160;    // int32[4]: QSFP A-D, 0 = not used
        static constexpr std::size_t nSi5340B = 176;    // int32: QDRII, 0 = not used

        // clang-format off
        static constexpr ChoiceField kChoiceFields[] = {
            {nSi5340A + 0, 4, 8, 0},
            {nSi5340A + 4, 4, 8, 0},
            {nSi5340A + 8, 4, 8, 0},
            {nSi5340A + 12, 4, 8, 0},
            {nSi5340B, 4, 4, 0},
        };
        // clang-format on
    };
    static_assert(EMBREL_CONFIG::kSize == 180);
    static_assert(EMBREL_CONFIG::bOSC == EMBREL_CONFIG::BoardFields);
    static_assert(EMBREL_CONFIG::nSi5340B + 4 == EMBREL_CONFIG::kSize);

    EMBREL_CONFIG Config{};

    bool LoadConfigFile(const std::string& fileName) override;
    bool SaveConfigFile(const std::string& fileName) override;
    std::string GetQsfAssignments() override;
    std::string GetStructuralCode() override;
    // Writes the controller files into folder's si5340_controller; false when one
    // could not be written (the files after it are not tried).
    bool ExportVerilogModules(std::string folder) override;

    bool IsSi5340aUsed() const;
    bool IsSi5340bUsed() const;
    std::string GetTerminationAssignments() const;
    std::string GetSi5340QsfFiles() const;
    static std::string Si5340aDefineName(uint8_t choice);
    std::string GetSi5340bCode(uint8_t qdrii) const;

    // MHz of a choice as the form lists it; 0 for "Not Use" and outside the list.
    static double Si5340aFrequency(uint8_t choice);
    static double Si5340bQdriiFrequency(uint8_t choice);
};
