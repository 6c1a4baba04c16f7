#pragma once
// What the writers add to a project of the Ulmaro board: the .sdc lines of the
// peripherals its record ticks.

#include "ULMARO_CONFIG.h"
#include "boards/latest/SdcClocksText.h"

class UlmaroText final : public SdcClocksText {
public:
    explicit UlmaroText(const ULMARO_CONFIG& record);
    // The copy of the record the texts are made from.
    const ULMARO_CONFIG& Record() const { return m_Record; }
    ULMARO_CONFIG& Record() { return m_Record; }

private:
    ULMARO_CONFIG m_Record;
};
