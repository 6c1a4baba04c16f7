#pragma once
// What the writers add to a project of the Vardis board: the .sdc lines of the
// peripherals its record ticks.

#include "VARDIS_CONFIG.h"
#include "boards/latest/SdcClocksText.h"

class VardisText final : public SdcClocksText {
public:
    explicit VardisText(const VARDIS_CONFIG& record);
    // The copy of the record the texts are made from.
    const VARDIS_CONFIG& Record() const { return m_Record; }
    VARDIS_CONFIG& Record() { return m_Record; }

private:
    VARDIS_CONFIG m_Record;
};
