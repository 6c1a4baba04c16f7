// The control panel's link against the simulated board, through the real library
// loading and the stand-in programmer, as lumastat runs it.
#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/BoardProtocol.h"
#include "control_panel/link/ProgrammerUtil.h"

namespace {

using EndToEnd = SimBoardTest;

TEST_F(EndToEnd, WritesAndReadsBackTheLastBytesOfTheMemory) {
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    const uint8_t data[3] = {0x11, 0x22, 0x33};
    ASSERT_TRUE(link.WriteMemory(MEMORY_ID_SDRAM, 0x3FFFFFD, data, 3));
    uint8_t back[3] = {};
    ASSERT_TRUE(link.ReadMemory(MEMORY_ID_SDRAM, 0x3FFFFFD, back, 3));
    EXPECT_EQ(std::vector<uint8_t>(back, back + 3), std::vector<uint8_t>(data, data + 3));
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 0C 08 00 05 FD FF FF 03 11 22 33 7D 55",
                              "AA 0D 09 00 05 FD FF FF 03 03 00 00 00 1C 55",
                          }));
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(EndToEnd, AnUnconfiguredBoardAnswersOnlyAfterTheProgrammerLoadedTheDesign) {
    SetState("configured", "0");
    testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF));
    CBoardLink link;
    std::string boardName;
    ASSERT_TRUE(link.Open());
    EXPECT_FALSE(link.GetBoardName(boardName));
    link.Close();

    CProgrammerUtil programmer;
    std::string devices;
    ASSERT_TRUE(programmer.RunQuartusPgm("-a", devices));
    EXPECT_NE(devices.find("10M50"), std::string::npos);
    ASSERT_TRUE(programmer.ConfigureFpga("Lumastat.sof", 15000));

    ASSERT_TRUE(link.Open());
    EXPECT_TRUE(link.GetBoardName(boardName));
    EXPECT_EQ(boardName, "DUNMIR");
    // The board heard nothing before it had its design.
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 00 00 00 00 55"}));
    EXPECT_TRUE(seam.Boxes().empty());
}

} // namespace
