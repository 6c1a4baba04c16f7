#pragma once
// The external-PLL controller text: an ext_pll_ctrl instance
// whose three settings are tied to the chosen options, and the counter that raises
// its write trigger once after reset.

#include <string>

// How a board wires the controller, and how its comments name the options.
struct ExtPllWiring {
    const char* reset;     // what drives rstn
    const char* osc;       // the 50 MHz clock
    const char* device[3]; // the clocks that settings 1 to 3 drive
    const char* sclk;      // the 2-wire link
    const char* sdat;
    const char* suffix; // after an option's text in the assign comments
};

// Everything after the banner: signals, settings, counter and instance. texts[i] is
// the option text of settings[i].
std::string ExtPllControllerText(const ExtPllWiring& wiring, const int (&settings)[3],
                                 const std::string (&texts)[3]);

// The whole external-PLL text of a board whose record enables the controller and
// chooses its three options (0-12): banner and controller, or nothing when disabled.
std::string ExtPllText(bool enabled, const int (&settings)[3], const ExtPllWiring& wiring);
