#pragma once
// Settings of board 27, Abrenz: its record, and the Si5340A and Si5340B clock-chip
// text of its projects.

#include "settings/ChoiceField.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigRecord.h"

class TConfigAbrenz : public TConfigBoard {
public:
    class ABRENZ_CONFIG : public ConfigRecord<188> {
    public:
        // BoardId 0, Size 4 and ProjectName 8 come with the head.
        static constexpr std::size_t nBoardType = BoardVariant; // device variant 0-3
        static constexpr std::size_t bOSC = 136;
        static constexpr std::size_t bLED = 137;
        static constexpr std::size_t bSeg7 = 138;
        static constexpr std::size_t bButton = 139;
        static constexpr std::size_t bSwitch = 140;
        static constexpr std::size_t bSma = 141;
        static constexpr std::size_t bTemp = 142;
        static constexpr std::size_t bPower = 143;
        static constexpr std::size_t bDdr3A = 144; // SO-DIMM socket A
        static constexpr std::size_t bDdr3B = 145; // SO-DIMM socket B
        static constexpr std::size_t bQdriiA = 146;
        static constexpr std::size_t bQdriiB = 147;
        static constexpr std::size_t bQdriiC = 148;
        static constexpr std::size_t bQdriiD = 149;
        static constexpr std::size_t bQsfpA = 150;
        static constexpr std::size_t bQsfpB = 151;
        static constexpr std::size_t bQsfpC = 152;
        static constexpr std::size_t bQsfpD = 153;
        static constexpr std::size_t bPcie = 154;
        static constexpr std::size_t bFan = 155;
        static constexpr std::size_t bFlash = 156;
        static constexpr std::size_t bPcieRefClk = 157; // on-board PCIe reference clock
        static constexpr std::size_t bRs422 = 158;
        static constexpr std::size_t reserved159 = 159; // carried along unchanged
        static constexpr std::size_t nSi5340A = 160;    // int32[4]: QSFP A-D, 0 = not used
        static constexpr std::size_t nSi5340B = 176;    // int32[3]: DDR3, QDRII, on-board PCIe
        static constexpr std::size_t nSi5340BDdr3 = nSi5340B;
        static constexpr std::size_t nSi5340BQdrii = nSi5340B + 4;
        static constexpr std::size_t nSi5340BPcie = nSi5340B + 8;

        // clang-format off
        static constexpr ChoiceField kChoiceFields[] = {
            {nBoardType, 1, 4, 0},
            {nSi5340A + 0, 4, 8, 0},
            {nSi5340A + 4, 4, 8, 0},
            {nSi5340A + 8, 4, 8, 0},
            {nSi5340A + 12, 4, 8, 0},
            {nSi5340BDdr3, 4, 4, 0},
            {nSi5340BQdrii, 4, 5, 0},
            {nSi5340BPcie, 4, 2, 0},
        };
        // clang-format on
    };
    static_assert(ABRENZ_CONFIG::kSize == 188);
    static_assert(ABRENZ_CONFIG::bOSC == ABRENZ_CONFIG::BoardFields);
    static_assert(ABRENZ_CONFIG::nSi5340BPcie + 4 == ABRENZ_CONFIG::kSize);

    ABRENZ_CONFIG Config{};

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
    std::string GetSi5340bCode(uint8_t ddr3, uint8_t qdrii, uint8_t pcie) const;

    // MHz of a choice as the form lists it; 0 for "Not Use" and outside the list.
    static double Si5340aFrequency(uint8_t choice);
    static double Si5340bDdr3Frequency(uint8_t choice);
    static double Si5340bQdriiFrequency(uint8_t choice);
    static double Si5340bPcieFrequency(uint8_t choice);
};
