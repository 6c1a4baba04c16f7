#pragma once
// Settings of board 29, Calvex: its record, and the CDCM6208 and LMK04906 clock-chip
// text of its projects.

#include "settings/ChoiceField.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigRecord.h"

class TConfigCalvex : public TConfigBoard {
public:
    static constexpr int LMK_PLL_NUM = 4;  // LMK04906 outputs
    static constexpr int CDCM_PLL_NUM = 6; // CDCM6208 outputs

    class CALVEX_CONFIG : public ConfigRecord<812> {
    public:
        // BoardId 0, Size 4 and ProjectName 8 come with the head.
        static constexpr std::size_t nBoardType = BoardVariant; // 0 the A7 device, 1 the AB device
        static constexpr std::size_t bOSC = 136;
        static constexpr std::size_t bLED = 137;
        static constexpr std::size_t bButton = 138;
        static constexpr std::size_t bSwitch = 139;
        static constexpr std::size_t bSma = 140;
        static constexpr std::size_t bTemp = 141;
        static constexpr std::size_t bPower = 142;
        static constexpr std::size_t bDDR3 = 143; // also attaches the DDR3 SO-DIMM module
        static constexpr std::size_t bPcie = 144;
        static constexpr std::size_t bSataHost = 145;
        static constexpr std::size_t bSataDevice = 146;
        static constexpr std::size_t bUart2Usb = 147;
        static constexpr std::size_t bSdCard = 148;
        static constexpr std::size_t bFan = 149;
        static constexpr std::size_t bSSRAM = 150;
        static constexpr std::size_t bFlash = 151;
        static constexpr std::size_t bCdcmPll = 152; // CDCM6208 in use
        static constexpr std::size_t bLmkPll = 153;  // LMK04906 in use
        static constexpr std::size_t reserved154 = 154;
        // uint8[6]: FMC A, FMC D, SATA host, SATA device, PCIe, DDR3; 0 = disabled
        static constexpr std::size_t nCdcm6208 = 155;
        // uint8[4]: FMC A-D; 0 disabled, 1 322.265625 MHz, 2 644.53125 MHz
        static constexpr std::size_t nLmk04906 = 161;
        static constexpr std::size_t nGpioDaughterId = 165;
        static constexpr std::size_t szGpioPrefixName = 166; // 128 bytes
        static constexpr std::size_t nFmcDaughterId = 294;   // uint8[4]: FMC A-D, 0 = none
        static constexpr std::size_t szFMCPrefixName = 298;  // char[4][128]: FMC A-D
        static constexpr std::size_t PrefixNameBytes = 128;
        static constexpr std::size_t reserved810 = 810; // 2 bytes

        // clang-format off
        static constexpr ChoiceField kChoiceFields[] = {
            {nBoardType, 1, 2, 0},
            {nCdcm6208 + 0, 1, 4, 2},
            {nCdcm6208 + 1, 1, 4, 2},
            {nCdcm6208 + 2, 1, 2, 1},
            {nCdcm6208 + 3, 1, 2, 1},
            {nCdcm6208 + 4, 1, 2, 0},
            {nCdcm6208 + 5, 1, 2, 1},
            {nLmk04906 + 0, 1, 3, 2},
            {nLmk04906 + 1, 1, 3, 2},
            {nLmk04906 + 2, 1, 3, 2},
            {nLmk04906 + 3, 1, 3, 2},
        };
        // clang-format on
    };
    static_assert(CALVEX_CONFIG::kSize == 812);
    static_assert(CALVEX_CONFIG::bOSC == CALVEX_CONFIG::BoardFields);
    static_assert(CALVEX_CONFIG::nLmk04906 == CALVEX_CONFIG::nCdcm6208 + CDCM_PLL_NUM);
    static_assert(CALVEX_CONFIG::nGpioDaughterId == CALVEX_CONFIG::nLmk04906 + LMK_PLL_NUM);
    static_assert(CALVEX_CONFIG::nFmcDaughterId ==
                  CALVEX_CONFIG::szGpioPrefixName + CALVEX_CONFIG::PrefixNameBytes);
    static_assert(CALVEX_CONFIG::reserved810 ==
                  CALVEX_CONFIG::szFMCPrefixName + 4 * CALVEX_CONFIG::PrefixNameBytes);
    static_assert(CALVEX_CONFIG::reserved810 + 2 == CALVEX_CONFIG::kSize);

    CALVEX_CONFIG Config{};

    bool LoadConfigFile(const std::string& fileName) override;
    bool SaveConfigFile(const std::string& fileName) override;
    std::string GetQsfAssignments() override;
    std::string GetStructuralCode() override;
    // Writes the CDCM6208 files into folder's cdcm6208 and the LMK04906 file into
    // its lmk04906; false when one could not be written (the rest are not tried).
    bool ExportVerilogModules(std::string folder) override;

    std::string GetLmk04906QsfFiles() const;
    std::string GetCdcm6208QsfFiles() const;
    // MHz of an output's setting; an output number outside the chip's is a broken rule.
    float Cdcm6208OutputFrequency(int output) const;
    float Lmk04906OutputFrequency(int output) const;

private:
    bool IsCdcm6208Used() const { return Config.U8(CALVEX_CONFIG::bCdcmPll) != 0; }
    bool IsLmk04906Used() const { return Config.U8(CALVEX_CONFIG::bLmkPll) != 0; }
    std::string GetCdcm6208Code() const;
    std::string GetLmk04906Code() const;
};
