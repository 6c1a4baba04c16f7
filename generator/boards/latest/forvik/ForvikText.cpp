#include "ForvikText.h"

SdcFlags ForvikText::Flags() const {
    if (m_Settings == nullptr)
        return {};
    const auto& r = m_Settings->Config;
    return {r.U8(r.bVGA) == 1, r.U8(r.bSDRAM) == 1, r.U8(r.bAudio) == 1, r.U8(r.bVideoIn) == 1};
}
