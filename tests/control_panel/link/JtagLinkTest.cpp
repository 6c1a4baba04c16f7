#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/BoardProtocol.h"

#include <cstdio>

namespace {

using JtagLink = SimBoardTest;

std::string Hex(const uint8_t* bytes, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        char b[4];
        std::snprintf(b, sizeof b, i == 0 ? "%02X" : " %02X", bytes[i]);
        out += b;
    }
    return out;
}

TEST(JtagLinkFrame, VerifiesHeadTailAndChecksum) {
    const uint8_t frame[] = {0xAA, 0x05, 0x01, 0x00, 0x00, 0x06, 0x55};
    EXPECT_EQ(CJtagLink::Checksum(frame + 1, 4), 0x06);
    EXPECT_TRUE(CJtagLink::VerifyFrame(frame, sizeof frame));
    for (std::size_t i : {0u, 5u, 6u}) {
        uint8_t broken[sizeof frame];
        std::copy(frame, frame + sizeof frame, broken);
        broken[i] ^= 1;
        EXPECT_FALSE(CJtagLink::VerifyFrame(broken, sizeof broken)) << i;
    }
}

TEST_F(JtagLink, BoardNameRequestAndReplyAreExact) {
    ProbedLink link;
    ASSERT_TRUE(link.Open());
    const uint8_t request[] = {0xAA, 0x00, 0x00, 0x00, 0x00, 0x55};
    ASSERT_EQ(link.Write(request, sizeof request), 6);
    uint8_t reply[64] = {};
    int got = link.Read(reply, sizeof reply);
    std::string expected = "AA 00 21 00 00 44 55 4E 4D 49 52";
    for (int i = 0; i < 26; ++i)
        expected += " 00";
    expected += " F0 55";
    EXPECT_EQ(Hex(reply, got > 0 ? static_cast<std::size_t>(got) : 0), expected);

    std::string boardName = "unchanged";
    EXPECT_TRUE(link.GetBoardName(boardName));
    EXPECT_EQ(boardName, "DUNMIR");
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55", "AA 00 00 00 00 55"}));
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(JtagLink, RequestFramesOfTheOutputCommandsAreExact) {
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    EXPECT_TRUE(link.SetLed(0x3FE));
    EXPECT_TRUE(link.SetSeg7(0x888889, 0));
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 05 04 00 FE 03 00 00 0A 55",
                                                    "AA 07 05 00 89 88 88 00 00 A5 55"}));
}

TEST_F(JtagLink, AcceptsARepliesHandedOverOneBytePerRead) {
    ScopedEnv pieces("BOARDSIM_FAULT", std::string("pieces"));
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    std::string boardName;
    EXPECT_TRUE(link.GetBoardName(boardName));
    EXPECT_EQ(boardName, "DUNMIR");
    std::vector<uint8_t> data(3000, 0x5A);
    EXPECT_TRUE(link.WriteMemory(MEMORY_ID_SDRAM, 0x1000, data.data(), 3000));
    std::vector<uint8_t> back(3000);
    EXPECT_TRUE(link.ReadMemory(MEMORY_ID_SDRAM, 0x1000, back.data(), 3000));
    EXPECT_EQ(back, data);
    EXPECT_EQ(seam.BeepCount(), 0);
}

// What a corrupt reply does: the result, the beep, and whether its rest was drained.
TEST_F(JtagLink, CorruptRepliesFailWithTheirOwnBeepAndDrainRules) {
    struct Case {
        const char* fault;
        int beeps;
        bool nothingLeft;
    };
    const Case cases[] = {
        {"bad-checksum", 1, true}, // read whole before its check
        {"wrong-head", 0, true},    {"wrong-code", 0, true},
        {"wrong-length", 0, false}, {"short-write", 1, true}, // nothing came back to drain
    };
    for (const Case& c : cases) {
        seam.ClearRecords();
        ScopedEnv fault("BOARDSIM_FAULT", std::string(c.fault));
        ProbedLink link;
        ASSERT_TRUE(link.Open());
        std::string boardName;
        EXPECT_FALSE(link.GetBoardName(boardName)) << c.fault;
        EXPECT_EQ(seam.BeepCount(), c.beeps) << c.fault;
        EXPECT_EQ(link.Pending() == 0, c.nothingLeft) << c.fault;
        // The next exchange starts clean.
        EXPECT_TRUE(link.GetBoardName(boardName)) << c.fault;
        EXPECT_EQ(boardName, "DUNMIR") << c.fault;
    }
}

TEST_F(JtagLink, AReplyOfAnotherLengthIsLeftForTheNextDrain) {
    ScopedEnv fault("BOARDSIM_FAULT", std::string("wrong-length"));
    ProbedLink link;
    ASSERT_TRUE(link.Open());
    std::vector<uint8_t> data(MEM_READ_CHUNK);
    EXPECT_FALSE(link.ReadMemory(MEMORY_ID_SDRAM, 0, data.data(), MEM_READ_CHUNK));
    // 2035 bytes came back, 4 were read as the head.
    EXPECT_EQ(link.Pending(), 2031);
    // A drain takes at most 1002 bytes.
    link.Drain();
    EXPECT_EQ(link.Pending(), 2031 - 1002);
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(JtagLink, WaitsForTheReplyHeadNoLongerThanTheTimeOut) {
    struct Case {
        const char* fault;
        bool answered;
    };
    // Every poll of the read call takes one tick of the test clock.
    for (const Case& c : {Case{"delay=2900", true}, Case{"delay=3100", false}}) {
        seam.ClearRecords();
        ScopedEnv fault("BOARDSIM_FAULT", std::string(c.fault));
        CBoardLink link;
        ASSERT_TRUE(link.Open());
        uint8_t status = 0xFF;
        const uint8_t mask[4] = {1, 0, 0, 0};
        EXPECT_EQ(link.Transact(CMD_SET_LED, &status, 1, mask, sizeof mask, LINK_TIMEOUT_MS), c.answered)
            << c.fault;
        EXPECT_EQ(seam.BeepCount(), 0) << c.fault;
    }
}

TEST_F(JtagLink, AClosedLinkFailsAtTheWriteWithABeep) {
    CBoardLink link;
    EXPECT_FALSE(link.SetLed(1));
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_TRUE(Requests().empty());
}

} // namespace
