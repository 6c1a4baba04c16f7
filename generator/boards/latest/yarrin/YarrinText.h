#pragma once
// What the writers add to a project of the Yarrin board: the .sdc lines of the
// peripherals its record ticks.

#include "YARRIN_CONFIG.h"
#include "boards/latest/SdcClocksText.h"

class YarrinText final : public SdcClocksText {
public:
    explicit YarrinText(const YARRIN_CONFIG& record);
    // The copy of the record the texts are made from.
    const YARRIN_CONFIG& Record() const { return m_Record; }
    YARRIN_CONFIG& Record() { return m_Record; }

private:
    YARRIN_CONFIG m_Record;
};
