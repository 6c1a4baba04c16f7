#pragma once
// What the pin tables of the programmable-oscillator boards (15 and 18) share: the
// SFP+ cage groups and the reference clocks at the frequency an oscillator choice gives.

#include "boards/kit/PinTable.h"

#include <cstdint>
#include <string>

// The group "SFP+ <x>": its ten pins named SFP<x>_..., at the locations given in pin order.
void AddSfpCage(kit::PinTable& t, char x, const char* locations);
// A choice's frequency text ("100.00000 MHz", "125.00 MHz"); "" for a choice of 0 MHz.
std::string Si570Text(int32_t choice);
std::string Cdcm61004Text(int32_t choice);
// An HCSL reference-clock input; a clock at the frequency text unless that is "".
void AddReferenceClock(kit::PinTable& t, TConnector* c, const char* name, const char* location,
                       const std::string& frequency);
