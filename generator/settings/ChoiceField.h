#pragma once
// A stored choice of a settings record: the index of an item the form's list
// offers. A loaded .cfg may hold an index the list does not have; the form brings
// such a value back to its default when it loads the record, before any project
// text reads it.

#include "platform/ByteRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct ChoiceField {
    std::size_t offset;
    uint8_t width;    // 1 or 4 bytes (signed 32-bit)
    int32_t count;    // the list's items: 0 .. count - 1
    int32_t fallback; // the form's default
};

// Record: a settings record type or the kit's SettingsRecord (U8/I32 and setters).
template <class Record> void BringChoicesIntoRange(Record& record, std::span<const ChoiceField> fields) {
    for (const ChoiceField& f : fields) {
        const int32_t value = f.width == 1 ? record.U8(f.offset) : record.I32(f.offset);
        if (value >= 0 && value < f.count)
            continue;
        if (f.width == 1)
            record.SetU8(f.offset, static_cast<uint8_t>(f.fallback));
        else
            record.SetI32(f.offset, f.fallback);
    }
}
