#pragma once
// The settings record of board 7, Galdor (the .cfg file's bytes): a head and one block
// of settings per FPGA node.

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class GALDOR_CONFIG : public ConfigRecord<1336> {
public:
    // The settings of one node (offsets within its block).
    struct NODE_CONFIG {
        static constexpr std::size_t szProjectName = 0; // 128 bytes
        static constexpr std::size_t bOSC = 128;
        static constexpr std::size_t bLED = 129;
        static constexpr std::size_t bButton = 130;
        static constexpr std::size_t bSwitch = 131;
        static constexpr std::size_t bSDCARD = 132;
        static constexpr std::size_t bSma = 133;
        static constexpr std::size_t bUSB = 134;
        static constexpr std::size_t bTemp = 135;
        // 136: 1 reserved byte
        static constexpr std::size_t bDDR2 = 137;
        static constexpr std::size_t bDDR3 = 138;
        static constexpr std::size_t bPCIe = 139;
        static constexpr std::size_t bFPGABridge = 140;
        static constexpr std::size_t bFan = 141;
        static constexpr std::size_t bSSRAM = 142;
        static constexpr std::size_t bFlash = 143;
        static constexpr std::size_t bMax2 = 144; // no control; always 0
        static constexpr std::size_t bLCD = 145;
        static constexpr std::size_t bEthernet = 146;
        static constexpr std::size_t bEEPROM = 147;
        static constexpr std::size_t nHSMCDaughterId = 148;  // 4 bytes: HSMC-A .. HSMC-D
        static constexpr std::size_t szHSMCPrefixName = 152; // 4 x 128 bytes
        static constexpr std::size_t kSize = 664;
    };

    static constexpr std::size_t nBoardType = 1; // device variant: 0 only ("HARLIN 230x2")
    // 2: 2 reserved bytes
    static constexpr std::size_t F = 8; // 2 node blocks of NODE_CONFIG::kSize bytes
    static constexpr int kNodes = 2;
    static constexpr std::size_t kPrefixBytes = 128;

    // A field of a node's block in the record.
    static constexpr std::size_t Node(int node, std::size_t field) {
        return F + NODE_CONFIG::kSize * static_cast<std::size_t>(node) + field;
    }
    static constexpr std::size_t HsmcDaughterId(int node, int port) {
        return Node(node, NODE_CONFIG::nHSMCDaughterId) + static_cast<std::size_t>(port);
    }
    static constexpr std::size_t HsmcPrefixName(int node, int port) {
        return Node(node, NODE_CONFIG::szHSMCPrefixName) + kPrefixBytes * static_cast<std::size_t>(port);
    }

    // The board-type combo box has one item.
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nBoardType, 1, 1, 0},
    };
    // clang-format on
};
static_assert(GALDOR_CONFIG::HsmcPrefixName(0, 3) + GALDOR_CONFIG::kPrefixBytes == GALDOR_CONFIG::Node(1, 0));
static_assert(GALDOR_CONFIG::Node(1, 0) == 672);
static_assert(GALDOR_CONFIG::HsmcPrefixName(1, 3) + GALDOR_CONFIG::kPrefixBytes == GALDOR_CONFIG::kSize);
