#pragma once

#include <cstdint>
#include <string>

enum CONNECTOR_TYPE : uint8_t {
    CONNECTOR_NONE = 0,
    CONNECTOR_HSMC = 1,
    CONNECTOR_KAPPEL = 2,
    CONNECTOR_GPIO40 = 3, // one 2x20 header
    CONNECTOR_GPIO80 = 4, // two 2x20 headers used as one connector
    CONNECTOR_DDR2_SODIMM = 5,
    CONNECTOR_DDR3_SODIMM = 6,
    CONNECTOR_FMC_HPC = 7,
    CONNECTOR_FMC_LPC = 8,
    CONNECTOR_MOXEN_2x6 = 9,
};

// The positions of one 2x20 GPIO header (CONNECTOR_GPIO40); a card on both has twice as many.
inline constexpr int GPIO_PIN_NUM = 40;

// "HSMC", "Kappel", ...; CONNECTOR_NONE and values above 9 are a broken rule.
std::string ConnectorTypeName(uint8_t type);

// 1-based HSMC position of a 1-based Kappel position, or -1 when it has none.
int KappelToHsmcPin(int kappelPosition);
