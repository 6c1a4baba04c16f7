#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/BoardProtocol.h"

#include <cstdlib>
#include <functional>
#include <numeric>
#include <sstream>

namespace {

using BoardLink = SimBoardTest;

std::vector<uint8_t> Bytes(const std::string& line) {
    std::istringstream in(line);
    std::vector<uint8_t> out;
    for (std::string b; in >> b;)
        out.push_back(static_cast<uint8_t>(std::strtoul(b.c_str(), nullptr, 16)));
    return out;
}

uint32_t U32At(const std::vector<uint8_t>& f, std::size_t i) {
    return f[i] | f[i + 1] << 8 | f[i + 2] << 16 | static_cast<uint32_t>(f[i + 3]) << 24;
}

struct Chunk {
    uint8_t code;
    uint32_t address;
    uint32_t count;
    bool operator==(const Chunk&) const = default;
};

// The memory commands the board received: code, address and data count of each.
std::vector<Chunk> MemoryChunks(const std::vector<std::string>& requests) {
    std::vector<Chunk> chunks;
    for (const std::string& line : requests) {
        std::vector<uint8_t> f = Bytes(line);
        uint32_t n = f[2] | f[3] << 8;
        EXPECT_EQ(f[4], MEMORY_ID_SDRAM);
        chunks.push_back({f[1], U32At(f, 5), f[1] == CMD_WRITE_MEMORY ? n - 5 : U32At(f, 9)});
    }
    return chunks;
}

TEST_F(BoardLink, SplitsMemoryTransfersIntoChunksOfTheirCommand) {
    const uint32_t a = 0x00123456;
    std::vector<uint8_t> data(5000);
    std::iota(data.begin(), data.end(), uint8_t{7});
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    ASSERT_TRUE(link.WriteMemory(MEMORY_ID_SDRAM, a, data.data(), 5000));
    std::vector<uint8_t> back(5000);
    ASSERT_TRUE(link.ReadMemory(MEMORY_ID_SDRAM, a, back.data(), 5000));
    EXPECT_EQ(back, data);
    EXPECT_EQ(MemoryChunks(Requests()), (std::vector<Chunk>{
                                            {CMD_WRITE_MEMORY, a, 2023},
                                            {CMD_WRITE_MEMORY, a + 2023, 2023},
                                            {CMD_WRITE_MEMORY, a + 4046, 954},
                                            {CMD_READ_MEMORY, a, 2027},
                                            {CMD_READ_MEMORY, a + 2027, 2027},
                                            {CMD_READ_MEMORY, a + 4054, 946},
                                        }));
}

TEST_F(BoardLink, AnEmptyTransferSendsNothingAndSucceeds) {
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    uint8_t byte = 0;
    EXPECT_TRUE(link.WriteMemory(MEMORY_ID_SDRAM, 0, &byte, 0));
    EXPECT_TRUE(link.ReadMemory(MEMORY_ID_SDRAM, 0, &byte, 0));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(BoardLink, ATransferStopsAtTheFirstRefusedChunk) {
    // The second chunk would run past the end of the 64 MB memory.
    const uint32_t a = 0x4000000 - 3000;
    std::vector<uint8_t> data(5000, 1);
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    EXPECT_FALSE(link.WriteMemory(MEMORY_ID_SDRAM, a, data.data(), 5000));
    EXPECT_FALSE(link.ReadMemory(MEMORY_ID_SDRAM, a, data.data(), 5000));
    EXPECT_EQ(MemoryChunks(Requests()), (std::vector<Chunk>{
                                            {CMD_WRITE_MEMORY, a, 2023},
                                            {CMD_WRITE_MEMORY, a + 2023, 2023},
                                            {CMD_READ_MEMORY, a, 2027},
                                            {CMD_READ_MEMORY, a + 2027, 2027},
                                        }));
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(BoardLink, DecodesTheInputWords) {
    SetState("keys", "FFFFFFFE");
    SetState("switches", "2AA");
    SetState("gsensor", "-5 300 -256");
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    uint32_t keys = 0, switches = 0;
    ASSERT_TRUE(link.GetKeySwitch(keys, switches));
    EXPECT_EQ(keys, 0xFFFFFFFEu);
    EXPECT_EQ(switches, 0x2AAu);
    int16_t x = 0, y = 0, z = 0;
    ASSERT_TRUE(link.GetGSensor(x, y, z));
    EXPECT_EQ(x, -5);
    EXPECT_EQ(y, 300);
    EXPECT_EQ(z, -256);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 06 00 00 06 55", "AA 11 00 00 11 55"}));
}

TEST_F(BoardLink, DeviceControlTellsTheBoardsAnswerApartFromTheExchange) {
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    bool ok = false;
    EXPECT_TRUE(link.DeviceControl(ok, DEVICE_VGA, VGA_OP_PROBE, 0));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(link.DeviceControl(ok, DEVICE_VGA, VGA_OP_SET_PATTERN, 8));
    EXPECT_TRUE(ok);
    // The board has no pattern 9.
    EXPECT_TRUE(link.DeviceControl(ok, DEVICE_VGA, VGA_OP_SET_PATTERN, 9));
    EXPECT_FALSE(ok);
    EXPECT_EQ(Requests()[0], "AA 15 03 00 04 01 00 1D 55");

    link.Close();
    ok = true;
    EXPECT_FALSE(link.DeviceControl(ok, DEVICE_VGA, VGA_OP_PROBE, 0));
    EXPECT_FALSE(ok);
}

TEST_F(BoardLink, AStatusOtherThanZeroFailsEveryCommandAndLeavesTheOutputs) {
    std::string boardName = "kept";
    uint32_t keys = 7, switches = 7;
    int16_t x = 7, y = 7, z = 7;
    uint8_t byte = 0;
    const std::function<bool(CBoardLink&)> commands[] = {
        [&](CBoardLink& l) { return l.GetBoardName(boardName); },
        [&](CBoardLink& l) { return l.SetLed(1); },
        [&](CBoardLink& l) { return l.GetKeySwitch(keys, switches); },
        [&](CBoardLink& l) { return l.SetSeg7(1, 0); },
        [&](CBoardLink& l) { return l.WriteMemory(MEMORY_ID_SDRAM, 0, &byte, 1); },
        [&](CBoardLink& l) { return l.ReadMemory(MEMORY_ID_SDRAM, 0, &byte, 1); },
        [&](CBoardLink& l) { return l.GetGSensor(x, y, z); },
    };
    ScopedEnv fault("BOARDSIM_FAULT", std::string("status=2"));
    for (const auto& command : commands) {
        CBoardLink link;
        ASSERT_TRUE(link.Open());
        EXPECT_FALSE(command(link));
    }
    EXPECT_EQ(boardName, "kept");
    EXPECT_EQ(keys + switches, 14u);
    EXPECT_EQ(x + y + z, 21);

    CBoardLink link;
    ASSERT_TRUE(link.Open());
    bool ok = true;
    EXPECT_TRUE(link.DeviceControl(ok, DEVICE_VGA, VGA_OP_PROBE, 0));
    EXPECT_FALSE(ok);
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(BoardLink, TheBoardNameIsReadWithinItsField) {
    struct Case {
        const char* reported;
        const char* expected;
    };
    const Case cases[] = {
        {"", "kept"}, // all zero bytes: the caller's text stays
        {"DUNMIR", "DUNMIR"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"},
    };
    for (const Case& c : cases) {
        ScopedEnv reported("BOARDSIM_NAME", std::string(c.reported));
        CBoardLink link;
        ASSERT_TRUE(link.Open());
        std::string boardName = "kept";
        EXPECT_TRUE(link.GetBoardName(boardName));
        EXPECT_EQ(boardName, c.expected);
    }
}

} // namespace
