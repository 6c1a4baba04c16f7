#include "BoardLink.h"

#include "BoardProtocol.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void PutU32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetU32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

int16_t GetI16(const uint8_t* at) {
    return static_cast<int16_t>(at[0] | at[1] << 8);
}

} // namespace

void EmptyHandler(CBoardLink*) {}

bool CBoardLink::GetBoardName(std::string& name) {
    uint8_t reply[1 + BOARD_NAME_FIELD];
    if (!Transact(CMD_GET_BOARD_NAME, reply, sizeof reply, nullptr, 0, LINK_TIMEOUT_MS) || reply[0] != 0)
        return false;
    // A field without a zero byte still gives at most its 32 characters.
    std::string text = platform::ReadBounded(reinterpret_cast<const char*>(reply + 1), BOARD_NAME_FIELD);
    if (!text.empty())
        name = text;
    return true;
}

bool CBoardLink::SetLed(uint32_t mask) {
    uint8_t request[4];
    PutU32(request, mask);
    uint8_t status = 0;
    return Transact(CMD_SET_LED, &status, 1, request, sizeof request, LINK_TIMEOUT_MS) && status == 0;
}

bool CBoardLink::GetKeySwitch(uint32_t& keys, uint32_t& switches) {
    uint8_t reply[13];
    if (!Transact(CMD_GET_KEY_SWITCH, reply, sizeof reply, nullptr, 0, LINK_TIMEOUT_MS) || reply[0] != 0)
        return false;
    keys = GetU32(reply + 1);
    switches = GetU32(reply + 5);
    return true;
}

bool CBoardLink::SetSeg7(uint32_t value, uint8_t extra) {
    uint8_t request[5];
    PutU32(request, value);
    request[4] = extra;
    uint8_t status = 0;
    return Transact(CMD_SET_SEG7, &status, 1, request, sizeof request, LINK_TIMEOUT_MS) && status == 0;
}

bool CBoardLink::WriteMemory(uint8_t memoryId, uint32_t address, const uint8_t* source, uint32_t length) {
    std::vector<uint8_t> request(5 + MEM_WRITE_CHUNK);
    uint32_t done = 0;
    while (done < length) {
        uint32_t k = std::min(length - done, MEM_WRITE_CHUNK);
        request[0] = memoryId;
        PutU32(&request[1], address);
        std::memcpy(&request[5], source + done, k);
        uint8_t status = 0;
        if (!Transact(CMD_WRITE_MEMORY, &status, 1, request.data(), static_cast<uint16_t>(5 + k),
                      LINK_TIMEOUT_MS))
            return false;
        done += k;
        address += k;
        if (status != 0)
            return false;
    }
    return true;
}

bool CBoardLink::ReadMemory(uint8_t memoryId, uint32_t address, uint8_t* destination, uint32_t length) {
    std::vector<uint8_t> reply(1 + MEM_READ_CHUNK);
    uint32_t done = 0;
    while (done < length) {
        uint32_t k = std::min(length - done, MEM_READ_CHUNK);
        uint8_t request[9];
        request[0] = memoryId;
        PutU32(request + 1, address);
        PutU32(request + 5, k);
        if (!Transact(CMD_READ_MEMORY, reply.data(), static_cast<uint16_t>(1 + k), request, sizeof request,
                      LINK_TIMEOUT_MS) ||
            reply[0] != 0)
            return false;
        std::memcpy(destination + done, &reply[1], k);
        done += k;
        address += k;
    }
    return true;
}

bool CBoardLink::GetGSensor(int16_t& x, int16_t& y, int16_t& z) {
    uint8_t reply[7];
    if (!Transact(CMD_GET_GSENSOR, reply, sizeof reply, nullptr, 0, LINK_TIMEOUT_MS) || reply[0] != 0)
        return false;
    x = GetI16(reply + 1);
    y = GetI16(reply + 3);
    z = GetI16(reply + 5);
    return true;
}

bool CBoardLink::DeviceControl(bool& ok, uint8_t device, uint8_t operation, uint8_t argument) {
    ok = false;
    uint8_t request[3] = {device, operation, argument};
    uint8_t status = 0;
    if (!Transact(CMD_DEVICE_CONTROL, &status, 1, request, sizeof request, LINK_TIMEOUT_MS))
        return false;
    ok = status == 0;
    return true;
}
