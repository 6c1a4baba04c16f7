#pragma once
// What the writers add to a project of the Forvik board: the .sdc lines of the
// peripherals its settings object ticks, and the JTAG clock.

#include "ConfigForvik.h"
#include "boards/latest/SdcClocksText.h"

class ForvikText final : public SdcClocksText {
public:
    // The settings object stays the form's; it outlives the Generate (nullptr: none ticked).
    explicit ForvikText(const TConfigForvik* settings)
        : SdcClocksText({}, {.clocks = true, .jtag = true}), m_Settings(settings) {}
    const TConfigForvik* Settings() const { return m_Settings; }

protected:
    SdcFlags Flags() const override;

private:
    const TConfigForvik* m_Settings;
};
