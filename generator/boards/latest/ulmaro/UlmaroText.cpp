#include "UlmaroText.h"

namespace {

SdcFlags FlagsOf(const ULMARO_CONFIG& r) {
    return {r.U8(r.bVGA) == 1, r.U8(r.bSDRAM) == 1, r.U8(r.bAudio) == 1, r.U8(r.bVideoIn) == 1};
}

} // namespace

UlmaroText::UlmaroText(const ULMARO_CONFIG& record)
    : SdcClocksText(FlagsOf(record), {.clocks = true, .delays = true, .jtag = true}), m_Record(record) {}
