#include "YarrinText.h"

YarrinText::YarrinText(const YARRIN_CONFIG& record)
    : SdcClocksText({.vga = record.U8(YARRIN_CONFIG::bVGA) == 1}, {.clocks = true}), m_Record(record) {}
