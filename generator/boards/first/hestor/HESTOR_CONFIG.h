#pragma once
// The settings record of board 100, Hestor (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class HESTOR_CONFIG : public ConfigRecord<404> {
public:
    // Index 0 is HSMC port A, index 1 port B.
    enum HsmcPort : std::size_t { PORT_A = 0, PORT_B = 1 };

    static constexpr std::size_t bHsmbExtra = 136;           // no control sets it
    static constexpr std::size_t bPortBSignals = bHsmbExtra; // the pin table's name for it
    static constexpr std::size_t bLCD = 137;
    static constexpr std::size_t bOSC = 138;
    static constexpr std::size_t bLED = 139;
    static constexpr std::size_t bButton = 140;
    static constexpr std::size_t bDIP = 141;
    static constexpr std::size_t bDDR2 = 142;
    static constexpr std::size_t bDDR3 = 143;
    static constexpr std::size_t bEthernet = 144;
    static constexpr std::size_t bPciBus = 145;
    static constexpr std::size_t bPCIe = bPciBus; // the pin table's name for it
    static constexpr std::size_t nHSMCDaughterId[] = {146, 147};
    static constexpr std::size_t szHSMCPrefixName[] = {148, 276};
};
static_assert(HESTOR_CONFIG::szHSMCPrefixName[HESTOR_CONFIG::PORT_B] + 128 == HESTOR_CONFIG::kSize);
