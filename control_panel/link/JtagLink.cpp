#include "JtagLink.h"

#include "BoardProtocol.h"
#include "TickClock.h"
#include "platform/Platform.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view ACCEPTED_CABLE = "USB-Blaster";
// Bytes a drain takes at most (one per read call) before it gives up.
constexpr uint32_t DRAIN_LIMIT = 1000;

} // namespace

CJtagLink::~CJtagLink() {
    Close();
}

bool CJtagLink::Open() {
    CJtagAtlantic::Close();
    if (!CJtagAtlantic::Open(nullptr, 0, -1, nullptr))
        return false;
    const char* cable = nullptr;
    int device = 0;
    int instance = 0;
    GetInfo(&cable, &device, &instance);
    return cable != nullptr && std::string_view(cable).starts_with(ACCEPTED_CABLE);
}

bool CJtagLink::Close() {
    return CJtagAtlantic::Close();
}

bool CJtagLink::IsOpen() const {
    return CJtagAtlantic::IsOpen();
}

uint8_t CJtagLink::Checksum(const uint8_t* bytes, std::size_t n) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum);
}

bool CJtagLink::VerifyFrame(const uint8_t* frame, std::size_t length) {
    if (length < FRAME_OVERHEAD)
        return false;
    return frame[0] == FRAME_HEAD && frame[length - 1] == FRAME_TAIL &&
           frame[length - 2] == Checksum(frame + 1, length - 3);
}

void CJtagLink::Drain() {
    if (!IsOpen())
        return;
    uint8_t byte = 0;
    uint32_t calls = 0;
    for (;;) {
        int got = Read(&byte, 1);
        ++calls;
        if (got == 0 || calls - 1 > DRAIN_LIMIT)
            return;
    }
}

bool CJtagLink::ReadExact(uint8_t* buffer, uint32_t n, uint32_t timeoutMs) {
    uint32_t received = 0;
    uint32_t start = GetTickCount();
    while (GetTickCount() - start <= timeoutMs) {
        int got = Read(buffer + received, n - received);
        if (got > 0)
            received += static_cast<uint32_t>(got);
        if (received >= n)
            return true;
    }
    return false;
}

bool CJtagLink::Transact(uint8_t command, uint8_t* reply, uint16_t replyLength, const uint8_t* payload,
                         uint16_t payloadLength, uint32_t timeoutMs) {
    Drain();

    std::vector<uint8_t> request(payloadLength + FRAME_OVERHEAD);
    request[0] = FRAME_HEAD;
    request[1] = command;
    request[2] = static_cast<uint8_t>(payloadLength);
    request[3] = static_cast<uint8_t>(payloadLength >> 8);
    if (payloadLength > 0)
        std::memcpy(request.data() + FRAME_HEAD_SIZE, payload, payloadLength);
    request[payloadLength + 4] = Checksum(request.data() + 1, payloadLength + 3u);
    request[payloadLength + 5] = FRAME_TAIL;
    if (Write(request.data(), static_cast<uint32_t>(request.size())) != static_cast<int>(request.size())) {
        platform::Beep();
        return false;
    }

    std::vector<uint8_t> frame(replyLength + FRAME_OVERHEAD);
    uint32_t received = 0;
    uint32_t start = GetTickCount();
    while (received < FRAME_HEAD_SIZE && GetTickCount() - start <= timeoutMs) {
        int got = Read(frame.data() + received, FRAME_HEAD_SIZE - received);
        if (got > 0)
            received += static_cast<uint32_t>(got);
    }
    if (received < FRAME_HEAD_SIZE || frame[0] != FRAME_HEAD || frame[1] != command) {
        Drain();
        return false;
    }
    // The rest of a reply of another length goes with the next exchange's drain.
    if ((frame[2] | frame[3] << 8) != replyLength)
        return false;
    if (!ReadExact(frame.data() + FRAME_HEAD_SIZE, replyLength + 2u, LINK_TIMEOUT_MS) ||
        !VerifyFrame(frame.data(), frame.size())) {
        platform::Beep();
        return false;
    }
    std::memcpy(reply, frame.data() + FRAME_HEAD_SIZE, replyLength);
    return true;
}
