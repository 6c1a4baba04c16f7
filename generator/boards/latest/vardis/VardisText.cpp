#include "VardisText.h"

namespace {

SdcFlags FlagsOf(const VARDIS_CONFIG& r) {
    return {r.U8(r.bVGA) == 1, false, r.U8(r.bAudio) == 1, r.U8(r.bVideoIn) == 1};
}

} // namespace

VardisText::VardisText(const VARDIS_CONFIG& record)
    : SdcClocksText(FlagsOf(record), {.clocks = true, .jtag = true}), m_Record(record) {}
