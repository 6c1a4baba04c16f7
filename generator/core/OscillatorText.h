#pragma once
// The programmable-oscillator texts (the Si570, the CDCM61004 and the
// CDCM61001/CDCM61004 pair behind the external-PLL controller), and the frequencies
// of their choices, which the forms and pin tables show.

#include "ExtPllText.h"

#include <cstdint>
#include <string>

// MHz of a choice; 0 for "not used" and outside the list.
double Si570Frequency(uint8_t index);
double Cdcm61004Frequency(uint8_t index);
// The CDCM61001's external-PLL option: 0 unchanged and 1 disabled give 0.
double Cdcm61001Frequency(uint8_t index);

// The Si570 controller instance for choice 1-7, reset by the signal reset.
std::string GetSi570Code(uint8_t choice, const char* reset);
// The CDCM61004 controller for choice 1-11; another choice is a broken rule.
std::string GetCdcm61004Code(uint8_t choice);
// The CDCM61001/CDCM61004 external-PLL controller, wired as the board gives, for the
// options of clocks 1 to 3 (0-12).
std::string GetExtPllCtrlCode(const ExtPllWiring& wiring, uint8_t c1, uint8_t c2, uint8_t c3);
// The CDCM61004 text, then the Si570 text (reset by CPU_RESET_n), each when chosen (not 0).
std::string GetCdcmAndSi570Code(int32_t cdcm61004, int32_t si570);
