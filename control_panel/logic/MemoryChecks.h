#pragma once
// What the Memory page decides before it touches the board: the numbers typed into its
// hexadecimal fields, the range checks and the texts it reports them with.

#include <cstdint>
#include <string>

// A field's text read as strtol base 16 with a 32-bit long ("FFFFFFFF" gives 0x7FFFFFFF),
// then taken as unsigned.
uint32_t ReadHexField(const std::string& text);

// Ranges are summed in 64 bits, so that an address plus a count never wraps into range.
inline bool AddressInMemory(uint32_t address, uint32_t size) {
    return address < size;
}
inline bool RangeInMemory(uint64_t address, uint64_t count, uint32_t size) {
    return address + count <= size;
}

std::string AddressMessage(uint32_t address, uint32_t size);
std::string RangeMessage(uint64_t end, uint32_t size);
inline constexpr const char* kWriteLengthMessage =
    "Please specify the write 'Length' or check the 'File Length' check box.";
inline constexpr const char* kReadLengthMessage =
    "Please specify the read 'Length' or check the 'Entire Memory' check box.";
inline constexpr const char* kMemoryErrorCaption = "Error";

enum class MemoryAction { RandomWrite, RandomRead, SequentialWrite, SequentialRead };

// "SDRAM Random Write..."
std::string MemoryBusyText(MemoryAction action, const std::string& name);
// "SDRAM Random Write Success", "SDRAM Sequentail Read Fail"
std::string MemoryResultText(MemoryAction action, const std::string& name, bool ok);
