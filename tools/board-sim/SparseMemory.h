#pragma once
// The board's 64 MB SDRAM, allocated in pages as they are first written.

#include <cstdint>
#include <memory>
#include <vector>

class SparseMemory {
public:
    static constexpr uint32_t SIZE = 64u << 20;

    SparseMemory();
    // False when the range does not lie inside the memory.
    bool Write(uint32_t address, const uint8_t* data, uint32_t n);
    bool Read(uint32_t address, uint8_t* out, uint32_t n) const;

private:
    static constexpr uint32_t PAGE = 64u << 10;
    static bool InRange(uint32_t address, uint32_t n) { return address <= SIZE && n <= SIZE - address; }

    std::vector<std::unique_ptr<uint8_t[]>> pages_;
};
