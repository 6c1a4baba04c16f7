#include "DaughterList.h"

#include "model/DaughterCatalogue.h"

namespace {

// Ids 74 to 86 are voltage variants that forms add themselves; the scan stops before them.
constexpr int kLastScannedId = 73;

bool IsKappelHsmcCard(int id) {
    switch (id) {
    case DAUGHTER_DVI:
    case DAUGHTER_NET:
    case DAUGHTER_PELLUM:
    case DAUGHTER_SFP:
    case DAUGHTER_SDI:
    case DAUGHTER_SATA:
        return true;
    default:
        return false;
    }
}

bool Fits(uint8_t connectorType, uint8_t voltage, int8_t id) {
    uint8_t cardType = BoardConnectorType(id);
    if (cardType == connectorType) {
        if (connectorType != CONNECTOR_HSMC)
            return true;
        return IsVoltageIndependentBoard(id) || BoardIoVoltage(id) == voltage;
    }
    if (connectorType == CONNECTOR_GPIO80 && cardType == CONNECTOR_GPIO40)
        return true;
    if (connectorType == CONNECTOR_KAPPEL && cardType == CONNECTOR_HSMC && IsKappelHsmcCard(id))
        return true;
    return connectorType == CONNECTOR_FMC_HPC && cardType == CONNECTOR_FMC_LPC;
}

} // namespace

int32_t BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltage,
                          DaughterIdList& ids) {
    int32_t count = 0;
    ids[count++] = DAUGHTER_NONE;
    for (int i = 0; i <= kLastScannedId; ++i) {
        auto id = static_cast<int8_t>(i);
        if (Fits(connectorType, voltage, id) && IsBoardSelectable(id) &&
            (!IsTransceiverBoard(id) || transceiversAllowed))
            ids[count++] = static_cast<uint8_t>(id);
    }
    return count;
}
