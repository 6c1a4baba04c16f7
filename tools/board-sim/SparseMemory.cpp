#include "SparseMemory.h"

#include <algorithm>
#include <cstring>

SparseMemory::SparseMemory() : pages_(SIZE / PAGE) {}

bool SparseMemory::Write(uint32_t address, const uint8_t* data, uint32_t n) {
    if (!InRange(address, n))
        return false;
    while (n > 0) {
        uint32_t offset = address % PAGE;
        uint32_t k = std::min(n, PAGE - offset);
        auto& page = pages_[address / PAGE];
        if (!page)
            page = std::make_unique<uint8_t[]>(PAGE); // never-written memory reads as zeros
        std::memcpy(page.get() + offset, data, k);
        address += k;
        data += k;
        n -= k;
    }
    return true;
}

bool SparseMemory::Read(uint32_t address, uint8_t* out, uint32_t n) const {
    if (!InRange(address, n))
        return false;
    while (n > 0) {
        uint32_t offset = address % PAGE;
        uint32_t k = std::min(n, PAGE - offset);
        const auto& page = pages_[address / PAGE];
        if (page)
            std::memcpy(out, page.get() + offset, k);
        else
            std::memset(out, 0, k);
        address += k;
        out += k;
        n -= k;
    }
    return true;
}
