// What the Memory page decides, its files and its stepped transfers, without any window.
#include "control_panel/SimBoardFixture.h"

#include "control_panel/logic/MemoryChecks.h"
#include "control_panel/logic/MemoryFile.h"
#include "control_panel/logic/MemoryTable.h"
#include "control_panel/logic/MemoryTransfer.h"

#include "support/FifoWatchdog.h"

#include <filesystem>
#include <numeric>

namespace {

TEST(MemoryTable, OneSdramOf64MegabytesWithItsComboLine) {
    ASSERT_EQ(std::size(g_MemoryTable), 1u);
    EXPECT_EQ(MemoryComboLine(g_MemoryTable[0]), "SDRAM (4000000h Bytes,64MB)");
    EXPECT_EQ(g_MemoryTable[0].id, 5u);
}

TEST(MemoryChecks, FieldsReadAsA32BitStrtol) {
    struct Case {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"00000000", 0},
        {"03FFFFFF", 0x3FFFFFF},
        {"4000000", 0x4000000},
        {"FFFFFFFF", 0x7FFFFFFF},
        {"12______", 0x12},
        {"", 0},
        {"zz", 0},
        {"7fffffff", 0x7FFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadHexField(c.text), c.value) << c.text;
}

TEST(MemoryChecks, RangesAreSummedWithoutWrapping) {
    EXPECT_TRUE(AddressInMemory(0x3FFFFFF, 0x4000000));
    EXPECT_FALSE(AddressInMemory(0x4000000, 0x4000000));
    EXPECT_TRUE(RangeInMemory(0, 0x4000000, 0x4000000));
    EXPECT_FALSE(RangeInMemory(1, 0x4000000, 0x4000000));
    EXPECT_FALSE(RangeInMemory(0x7FFFFFFF, 0x80000002, 0x4000000));
    EXPECT_FALSE(RangeInMemory(0, uint64_t{1} << 32, 0x4000000));
}

TEST(MemoryChecks, MessagesAndStatusTexts) {
    EXPECT_EQ(AddressMessage(0x4000000, 0x4000000), "Address(4000000h) exceeds the memory size(4000000h)!");
    EXPECT_EQ(RangeMessage(0x4000001, 0x4000000),
              "Memory address (4000001h) exceeds the memory size(4000000h)!");
    EXPECT_EQ(RangeMessage(0x17FFFFFFF, 0x4000000),
              "Memory address (17fffffffh) exceeds the memory size(4000000h)!");
    EXPECT_EQ(MemoryBusyText(MemoryAction::RandomWrite, "SDRAM"), "SDRAM Random Write...");
    EXPECT_EQ(MemoryBusyText(MemoryAction::RandomRead, "SDRAM"), "SDRAM Random Read...");
    EXPECT_EQ(MemoryBusyText(MemoryAction::SequentialWrite, "SDRAM"), "SDRAM Sequential Write...");
    EXPECT_EQ(MemoryBusyText(MemoryAction::SequentialRead, "SDRAM"), "SDRAM Sequential Read...");
    EXPECT_EQ(MemoryResultText(MemoryAction::RandomWrite, "SDRAM", true), "SDRAM Random Write Success");
    EXPECT_EQ(MemoryResultText(MemoryAction::RandomRead, "SDRAM", false), "SDRAM Random Read Fail");
    EXPECT_EQ(MemoryResultText(MemoryAction::SequentialWrite, "SDRAM", true),
              "SDRAM Sequential Write Success");
    EXPECT_EQ(MemoryResultText(MemoryAction::SequentialRead, "SDRAM", false), "SDRAM Sequentail Read Fail");
}

TEST(MemoryFile, HexExtensionsMatchOnTheirFirstFourCharacters) {
    struct Case {
        const char* path;
        bool hex;
    } cases[] = {
        {"/t/x.hex", true}, {"/t/X.HEX", true},  {"/t/x.hexa", true}, {"/t/x.he", false},
        {"/t/x", false},    {"/t.hex/x", false}, {"/t/x.bin", false}, {"/t/a.hex.bin", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsHexFile(c.path), c.hex) << c.path;
}

TEST(MemoryFile, HexTextIsUpperCasePairs) {
    const uint8_t bytes[] = {0x0A, 0xFF, 0x00};
    EXPECT_EQ(HexText(bytes, 3), "0AFF00");
    EXPECT_EQ(HexText(bytes, 0), "");
}

TEST(MemoryFile, PairsReadAsStrtolReadsThem) {
    struct Case {
        char a, b;
        uint8_t value;
    } cases[] = {
        {'0', 'A', 0x0A}, {'f', 'f', 0xFF}, {'z', 'z', 0x00}, {' ', '7', 0x07},
        {'-', '1', 0xFF}, {'0', 'x', 0x00}, {'+', 'C', 0x0C}, {'7', 'g', 0x07},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HexPairValue(c.a, c.b), c.value) << c.a << c.b;
}

TEST(MemoryFile, LoadsAndSavesRawAndHexFiles) {
    testsupport::TempDir temp;
    testsupport::WriteFile(temp.File("in.hex"), "0Azz 7");
    std::vector<uint8_t> data;
    ASSERT_TRUE(LoadMemoryFile(temp.File("in.hex"), true, 3, data));
    EXPECT_EQ(data, (std::vector<uint8_t>{0x0A, 0x00, 0x07}));
    EXPECT_FALSE(LoadMemoryFile(temp.File("in.hex"), true, 4, data));
    ASSERT_TRUE(LoadMemoryFile(temp.File("in.hex"), false, 2, data));
    EXPECT_EQ(data, (std::vector<uint8_t>{'0', 'A'}));
    EXPECT_FALSE(LoadMemoryFile(temp.File("missing.bin"), false, 0, data));
    EXPECT_EQ(MemoryFileLength(temp.File("in.hex")), std::optional<uint64_t>(6));
    EXPECT_EQ(MemoryFileLength(temp.File("missing.bin")), std::nullopt);

    const uint8_t bytes[] = {0x0A, 0xFF, 0x00};
    ASSERT_TRUE(SaveMemoryFile(temp.File("out.hex"), true, bytes, 3));
    EXPECT_EQ(testsupport::ReadFile(temp.File("out.hex")), "0AFF00");
    ASSERT_TRUE(SaveMemoryFile(temp.File("out.bin"), false, bytes, 3));
    EXPECT_EQ(testsupport::ReadFile(temp.File("out.bin")), std::string("\x0A\xFF\x00", 3));
    EXPECT_FALSE(SaveMemoryFile(temp.File("no/such/folder.bin"), false, bytes, 3));
}

TEST(MemoryFile, ASaveReplacesTheFileItNamesAndLeavesItsTwinAlone) {
    testsupport::TempDir temp;
    const std::string path = temp.File("dump.hex");
    testsupport::WriteFile(path, "old dump");
    std::filesystem::create_hard_link(path, temp.File("twin.hex"));
    const uint8_t bytes[] = {0x0A, 0xFF, 0x00};
    ASSERT_TRUE(SaveMemoryFile(path, true, bytes, 3));
    EXPECT_EQ(testsupport::ReadFile(path), "0AFF00");
    // The old file was replaced, not written over: its other name still shows it.
    EXPECT_EQ(testsupport::ReadFile(temp.File("twin.hex")), "old dump");
    EXPECT_EQ(std::filesystem::hard_link_count(path), 1u);
}

TEST(MemoryFile, APipeOrAFolderIsRefusedAtOnce) {
    testsupport::TempDir temp;
    std::filesystem::create_directory(temp.File("folder.hex"));
    testsupport::FifoWatchdog fifo(temp.File("pipe.hex"));
    ASSERT_TRUE(fifo.Made());
    for (const char* name : {"pipe.hex", "folder.hex"}) {
        std::vector<uint8_t> data;
        EXPECT_EQ(MemoryFileLength(temp.File(name)), std::nullopt) << name;
        EXPECT_FALSE(LoadMemoryFile(temp.File(name), true, 0, data)) << name;
    }
    EXPECT_FALSE(fifo.Stop()) << "a read waited on the pipe";
}

TEST(MemoryTransfer, StepsAreATwentiethOfTheLength) {
    EXPECT_EQ(TransferStepSize(0x4000000), 0x333333u);
    EXPECT_EQ(TransferStepSize(39), 1u);
    EXPECT_EQ(TransferStepSize(40), 2u);
    EXPECT_EQ(TransferPercent(0x4000000, 0x4000000), 100);
    EXPECT_EQ(TransferPercent(0x333333, 0x4000000), 4);
    EXPECT_EQ(TransferPercent(0xFFFFFFFF, 0xFFFFFFFF), 100);
}

// Records what the transfer shows; aborts after a given number of steps.
class RecordingProgress : public IMemoryProgress {
public:
    void SetPercentage(int percent) override { percents.push_back(percent); }
    bool IsAborted() override { return abortAfter > 0 && static_cast<int>(percents.size()) >= abortAfter; }

    std::vector<int> percents;
    int abortAfter = 0;
};

using MemoryTransferOnBoard = SimBoardTest;

TEST_F(MemoryTransferOnBoard, TheWholeMemoryMovesIn21StepsAndReadsBackTheSame) {
    ScopedEnv quiet("BOARDSIM_LOG", std::nullopt);
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    std::vector<uint8_t> data(0x4000000);
    std::iota(data.begin(), data.end(), uint8_t{7});
    RecordingProgress written;
    ASSERT_TRUE(RunMemoryTransfer(link, TransferDirection::Write, MEMORY_ID_SDRAM, 0, data.data(), 0x4000000,
                                  written));
    std::vector<uint8_t> back(0x4000000);
    RecordingProgress read;
    ASSERT_TRUE(
        RunMemoryTransfer(link, TransferDirection::Read, MEMORY_ID_SDRAM, 0, back.data(), 0x4000000, read));
    EXPECT_TRUE(back == data);
    ASSERT_EQ(read.percents.size(), 21u);
    EXPECT_EQ(read.percents.front(), 4);
    EXPECT_EQ(read.percents[19], 99);
    EXPECT_EQ(read.percents.back(), 100);
    EXPECT_EQ(written.percents, read.percents);
}

TEST_F(MemoryTransferOnBoard, AbortEndsTheTransferAfterTheCurrentStep) {
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    std::vector<uint8_t> buffer(100);
    RecordingProgress progress;
    progress.abortAfter = 2;
    EXPECT_FALSE(RunMemoryTransfer(link, TransferDirection::Read, MEMORY_ID_SDRAM, 0x100, buffer.data(), 100,
                                   progress));
    EXPECT_EQ(progress.percents, (std::vector<int>{5, 10}));
    EXPECT_EQ(Requests(), (std::vector<std::string>{"AA 0D 09 00 05 00 01 00 00 05 00 00 00 21 55",
                                                    "AA 0D 09 00 05 05 01 00 00 05 00 00 00 26 55"}));
}

TEST_F(MemoryTransferOnBoard, AFailedStepEndsTheTransfer) {
    ScopedEnv failing("BOARDSIM_FAULT", std::string("status=1"));
    CBoardLink link;
    ASSERT_TRUE(link.Open());
    std::vector<uint8_t> buffer(3);
    RecordingProgress progress;
    EXPECT_FALSE(
        RunMemoryTransfer(link, TransferDirection::Write, MEMORY_ID_SDRAM, 0, buffer.data(), 3, progress));
    EXPECT_EQ(progress.percents, (std::vector<int>{33}));
    EXPECT_EQ(Requests().size(), 1u);
}

} // namespace
