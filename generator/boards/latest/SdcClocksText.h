#pragma once
// The .sdc lines of the boards whose clocks and delays follow their peripherals
// (video input, SDRAM, audio, VGA), and the JTAG clock lines several boards share.

#include "core/BoardText.h"

struct SdcFlags {
    bool vga = false, sdram = false, audio = false, videoIn = false;
};

// Which of the lines a board writes.
struct SdcParts {
    bool clocks = false; // the peripherals' clocks
    bool delays = false; // their input and output delays
    bool jtag = false;   // the JTAG clock
};

class SdcClocksText : public TBoardText {
public:
    SdcClocksText(SdcFlags flags, SdcParts parts) : m_Flags(flags), m_Parts(parts) {}

    std::string SdcBoardClocks() const override;
    std::string SdcInputDelays() const override;
    std::string SdcOutputDelays() const override;
    std::string SdcJtagClock() const override;

protected:
    // The peripherals as the writers see them (by default those given).
    virtual SdcFlags Flags() const { return m_Flags; }

private:
    SdcFlags m_Flags;
    SdcParts m_Parts;
};
