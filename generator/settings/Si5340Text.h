#pragma once
// The Si5340 clock-chip text that boards 27 and 31 share: the .qsf termination and
// controller-file blocks, the two controller instances of the top-level module, the
// module files, and the Si5340A's define names and frequencies. Each board passes
// its own record, its termination rows and its differences.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace si5340 {

// The termination lines one ticked interface gets.
enum class Termination : uint8_t { Ddr3, Qdrii, Pcie, OnBoardPcie, Qsfp };

struct TerminationRow {
    std::size_t flag; // record offset of the interface's check box
    Termination kind;
    char letter; // DDR3 A-B, QDRII A-F, QSFP A-D; 0 for the others
};

// What differs between the two boards' controller texts and module resources.
struct BoardTexts {
    const char* clock;                     // the controllers' 50 MHz clock pin
    const char* aDoneWire;                 // wire on the Si5340A's done output, "" to leave it open
    const char* bDoneWire;                 // wire on the Si5340B's done output
    std::span<const char* const> bDefines; // the Si5340B's define lines
    const char* commonPrefix;              // resource-name prefix of the four common files
    const char* chipPrefix;                // resource-name prefix of the chips' own files
};

// The rows' lines for the ticked flags of record, under the termination banner;
// empty when no flag is ticked.
std::string TerminationBlock(std::span<const TerminationRow> rows, std::span<const uint8_t> record);

// The controller files of the chips in use, under their banner; empty for none.
std::string QsfFileBlock(bool aUsed, bool bUsed);

// Writes those files into folder's sub-folder si5340_controller; stops at the first
// file that cannot be written. True when every file was written (or none needed).
bool ExportModules(const std::string& folder, bool aUsed, bool bUsed, const BoardTexts& board);

// The frequency (MHz) of item choice of a list whose items from 1 on are mhz: 0 for
// item 0 ("Not Use") and beyond the list.
double ListFrequency(std::span<const double> mhz, uint8_t choice);

// The Si5340A's define name and frequency (MHz) of a choice; "" and 0 outside 0-7.
std::string DefineName(uint8_t choice);
double AFrequency(uint8_t choice);

// The Si5340A instance with its defines, set to the choices of outputs 0-3.
std::string ACode(const BoardTexts& board, uint8_t out0, uint8_t out1, uint8_t out2, uint8_t out3);

// The four Si5340A choices of a record (32-bit each, from offset on): whether any is
// in use, and the instance text for them (only their low bytes count).
template <class Record> bool AUsed(const Record& record, std::size_t offset) {
    for (std::size_t i = 0; i < 4; ++i)
        if (record.I32(offset + 4 * i) != 0)
            return true;
    return false;
}
template <class Record>
std::string ACodeOf(const BoardTexts& board, const Record& record, std::size_t offset) {
    auto choice = [&](std::size_t i) { return static_cast<uint8_t>(record.I32(offset + 4 * i)); };
    return ACode(board, choice(0), choice(1), choice(2), choice(3));
}
// The Si5340B instance with its defines, set to the define named selected.
std::string BCode(const BoardTexts& board, const std::string& selected);

} // namespace si5340
