#pragma once
// What the forms of the clock-chip boards (27, 29 and 31) show alike: the items of a
// clock-output list, the oscillator question and the notes after a Generate.

#include <cstdint>
#include <string>
#include <vector>

// "Not Use" for a frequency of 0, else the frequency printed with "%.5f".
std::vector<std::string> ClockItems(double (*frequency)(uint8_t), int count);
// The question before a Generate when ticked interfaces have their clock output at
// "Not Use"; the lists name them ("QSFPA/QSFPC"). "" when both lists are empty.
std::string OscillatorQuestion(const std::string& si5340a, const std::string& si5340b);
// Appends item to a "/"-joined list.
void JoinName(std::string& list, const char* item);
// The note for a memory controller (name "DDR3-SDRAM/QDRII+ SRAM", "DDR3", ...).
std::string MemoryNote(const std::string& name);
// The note for transceiver interfaces; endWithBlankLine adds the empty line board 29 writes.
std::string TransceiverNote(const std::string& name, bool endWithBlankLine);
