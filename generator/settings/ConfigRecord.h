#pragma once
// The head of a settings record. Every record but board 30's starts with the
// board id, the board variant, two reserved bytes, the size and the project
// name; board 30's starts with the size, then the id, then the name.

#include "platform/ByteRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct CommonRecordHead {
    static constexpr std::size_t BoardId = 0;      // 1 byte
    static constexpr std::size_t BoardVariant = 1; // 1 byte
    static constexpr std::size_t Reserved = 2;     // 2 bytes, carried along unchanged
    static constexpr std::size_t Size = 4;         // signed 32-bit
    static constexpr std::size_t ProjectName = 8;  // 128 bytes, zero-terminated
    static constexpr std::size_t ProjectNameBytes = 128;
    static constexpr std::size_t BoardFields = 136;
};

struct SizeFirstRecordHead {
    static constexpr std::size_t Size = 0;        // signed 32-bit
    static constexpr std::size_t BoardId = 4;     // 1 byte
    static constexpr std::size_t ProjectName = 5; // 128 bytes, zero-terminated
    static constexpr std::size_t ProjectNameBytes = 128;
    static constexpr std::size_t BoardFields = 133;
};

// The two GPIO headers of a record's per-header fields (nGpioDaughterId[GPIO_0], ...).
enum GpioHeader : std::size_t { GPIO_0 = 0, GPIO_1 = 1 };

// A settings record of N bytes: the .cfg file's image. The head's offsets are
// members of the record type (Config.Size, Config.ProjectName, ...).
template <std::size_t N, class Head = CommonRecordHead>
class ConfigRecord : public platform::ByteRecord<N>, public Head {
public:
    static_assert(N >= Head::BoardFields);

    uint8_t GetBoardId() const { return this->U8(Head::BoardId); }
    void SetBoardId(uint8_t id) { this->SetU8(Head::BoardId, id); }
    int32_t GetSize() const { return this->I32(Head::Size); }
    void SetSize(int32_t size) { this->SetI32(Head::Size, size); }
    std::string GetProjectName() const { return this->Text(Head::ProjectName, Head::ProjectNameBytes); }
    void SetProjectName(std::string_view name) {
        this->SetText(Head::ProjectName, Head::ProjectNameBytes, name);
    }

    // Only the common head has a variant byte.
    uint8_t GetBoardVariant() const { return this->U8(Head::BoardVariant); }
    void SetBoardVariant(uint8_t variant) { this->SetU8(Head::BoardVariant, variant); }

    // What every form's defaults write into the head: the board's id and the record size.
    void SetHead(uint8_t boardId) {
        SetBoardId(boardId);
        SetSize(static_cast<int32_t>(N));
    }
};
