// The pin-table kit's builders: bank standards, buses with indexes without a pin,
// buses taken in turn, master connectors from a position mask, the recurring masks,
// a pair of headers one card may span, where the board id comes from, and record copies.
#include "BoardModelQueries.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "boards/second/harlin/HarlinText.h"
#include "generator/boards/BoardTextOf.h"
#include "model/DaughterId.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using platform::testing::AssertionOf;

namespace {

constexpr kit::TableChecks kChecks{"CONFIG_TEST", "Config.BoardId == MAINBOARD_TEST", 20,
                                   "Config.Size == sizeof(TEST_CONFIG)", 21};

class PinTableKit : public ::testing::Test {
protected:
    platform::testing::ScriptedPlatform seam;
    TMainBoard board;
    kit::PinTable table{&board, kChecks};
};

} // namespace

TEST_F(PinTableKit, RowsNamingABankTakeItsStandard) {
    constexpr kit::PinRow kRows[] = {
        {"KEY", "M23 M21", DIRECTION_INPUT, kit::BankStandard(1), 2},
        {"CLKOUT", "AE23", DIRECTION_OUTPUT, kit::BankStandard(0)},
        {"LED", "G19", DIRECTION_OUTPUT, IOSTD_2V5},
    };
    constexpr kit::ClockRow kClock{"CLOCK3_50", "AG15", kit::BankStandard(0), 20};
    table.SetBank(0, IOSTD_1V8);
    table.SetBank(1, IOSTD_3V3_LVTTL);
    TConnector* c = table.Group("G", kRows);
    table.Add(c, kClock);
    ASSERT_EQ(c->PinCount(), 5);
    EXPECT_EQ(c->GetPin(0)->GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(c->GetPin(2)->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(c->GetPin(3)->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(c->GetPin(4)->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(c->GetPin(4)->GetPeriod(), 20);

    kit::PinTable fresh(&board, kChecks);
    EXPECT_EQ(AssertionOf([&] { fresh.Group("G", kRows); }),
              "Assertion failed: 0, file CONFIG_TEST, line 61");
}

TEST_F(PinTableKit, ABusIndexWithoutPinMovesTheIndexOnAndTheCountIsChecked) {
    constexpr kit::PinRow kClocks[] = {
        {"OSC_B",
         "- - AC35 AW22 AW19 AC6 AB6 A19",
         DIRECTION_INPUT,
         IOSTD_3V3_LVTTL,
         8,
         0,
         {"nNum == 8", 49}},
    };
    TConnector* c = table.Group("CLOCK", kClocks);
    EXPECT_EQ(SlotNames(*c), (std::vector<std::string>{"OSC_B[2]", "OSC_B[3]", "OSC_B[4]", "OSC_B[5]",
                                                       "OSC_B[6]", "OSC_B[7]"}));
    EXPECT_EQ(c->GetPin(0)->GetLocation(), "AC35");

    constexpr kit::PinRow kShort[] = {
        {"LED", "A15 A13", DIRECTION_OUTPUT, IOSTD_3V3_LVTTL, 3, 0, {"nNum == 3", 49}},
    };
    EXPECT_EQ(AssertionOf([&] { table.Group("LED", kShort); }),
              "Assertion failed: nNum == 3, file CONFIG_TEST, line 49");
}

TEST_F(PinTableKit, BusesTakenInTurn) {
    constexpr kit::PinRow kData[] = {
        {"TX", "C18 D19", DIRECTION_OUTPUT, IOSTD_2V5, 2},
        {"RX", "C16 D16", DIRECTION_INPUT, IOSTD_2V5, 2},
    };
    TConnector* c = table.Group("E");
    table.AddInterleaved(c, kData);
    EXPECT_EQ(SlotNames(*c), (std::vector<std::string>{"TX[0]", "RX[0]", "TX[1]", "RX[1]"}));
    EXPECT_EQ(c->GetPin(3)->GetLocation(), "D16");
    EXPECT_EQ(c->GetPin(3)->GetDirection(), DIRECTION_INPUT);
}

TEST_F(PinTableKit, AMaskedMasterHoldsPinsWhereItsMaskSays) {
    static constexpr kit::LocationRun kLocations[] = {
        {1, "A8 D3 B8 C3"},
        {5, kit::UNPLACED, 39},
        {40, "B12"},
    };
    static constexpr kit::PositionOverride kInputs[] = {{3, DIRECTION_INPUT, kit::BankStandard(0)}};
    static constexpr kit::MaskedMasterRow kRow{
        "GPIO_1",   "GPIO_1 connect to %s",        CONNECTOR_GPIO40, MASTER_GPIO_1, &kit::kGpio40Mask,
        kLocations, {"nNum == GPIO_PIN_NUM", 225}, kInputs};
    table.SetBank(0, IOSTD_1V8);
    TConnector* c = table.Master(kRow, DAUGHTER_GPIO_DEFAULT);
    EXPECT_EQ(c->GetName(), "GPIO_1");
    EXPECT_EQ(c->GetCaption(), "GPIO_1 connect to GPIO Default");
    EXPECT_EQ(c->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(c->GetMaster(), 1);
    EXPECT_EQ(c->GetMasterId(), MASTER_GPIO_1);
    ASSERT_EQ(c->PinCount(), 40);
    EXPECT_EQ(c->ActivePinCount(), 36);
    for (int position : {11, 12, 29, 30})
        EXPECT_EQ(c->GetPin(position - 1), nullptr) << position;
    EXPECT_EQ(c->GetPin(0)->GetLocation(), "A8");
    EXPECT_EQ(c->GetPin(0)->GetDirection(), DIRECTION_BY_DAUGHTER);
    EXPECT_EQ(c->GetPin(0)->GetIoStandard(), IOSTD_BY_DAUGHTER);
    EXPECT_EQ(c->GetPin(2)->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(c->GetPin(2)->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(c->GetPin(4)->GetLocation(), ""); // not given: unplaced
    EXPECT_EQ(c->GetPin(39)->GetLocation(), "B12");
}

TEST_F(PinTableKit, ALocationTableThatDoesNotFitItsMaskIsABrokenRule) {
    constexpr kit::LocationRun kOnEmpty[] = {{9, "A B C D"}, {13, kit::UNPLACED, 40}};
    constexpr kit::LocationRun kGap[] = {{1, "A B C D"}, {13, kit::UNPLACED, 40}};
    constexpr kit::LocationRun kTwice[] = {{1, "A B C D E F G H I J"}, {10, kit::UNPLACED, 40}};
    constexpr kit::LocationRun kWhole[] = {{1, kit::UNPLACED, 40}};
    for (std::span<const kit::LocationRun> locations :
         {std::span<const kit::LocationRun>(kOnEmpty), std::span<const kit::LocationRun>(kGap),
          std::span<const kit::LocationRun>(kTwice)}) {
        const kit::MaskedMasterRow row{
            "GPIO",    "GPIO connect to %s",         CONNECTOR_GPIO40, MASTER_GPIO_0, &kit::kGpio40Mask,
            locations, {"nNum == GPIO_PIN_NUM", 778}};
        EXPECT_EQ(AssertionOf([&] { table.Master(row, 1); }),
                  "Assertion failed: nNum == GPIO_PIN_NUM, file CONFIG_TEST, line 778");
    }
    const kit::MaskedMasterRow counted{"DDR2",
                                       "DDR2 SODIMM",
                                       CONNECTOR_DDR2_SODIMM,
                                       MASTER_DDR2_SODIMM,
                                       &kit::kGpio40Mask,
                                       kWhole,
                                       {"nNum == 40", 696},
                                       {},
                                       35,
                                       {"pCon->ActivePinCount == 35", 709}};
    EXPECT_EQ(AssertionOf([&] { table.Master(counted, 0); }),
              "Assertion failed: pCon->ActivePinCount == 35, file CONFIG_TEST, line 709");
}

TEST(HeaderPairs, ThePairsRuleSaysWhichIdsTakeAHeaderAndItsLinesWhichChecksItMakes) {
    // 40 positions on header 0, 39 on header 1.
    std::string header0;
    for (int i = 0; i < 40; ++i)
        header0 += "A1 ";
    const std::string header1 = header0.substr(3);
    const kit::PairLines lines{.id0 = 307, .id1 = 308, .one0 = 330, .one1 = 358};
    constexpr uint8_t kNoRow = 0xFF; // -1 as a signed byte: the catalogue has no such card
    const std::string kNoCard = "Assertion failed: 0, file DaughterBoard, line 690";
    struct Case {
        kit::PairCards cards;
        uint8_t id0;
        uint8_t id1;
        kit::PairLines lines;
        std::vector<std::string> masters;
        std::string assertion;
    };
    const Case cases[] = {
        {kit::PairCards::NonZeroOnceOneAbove0, kNoRow, 0, {}, {}, ""},
        {kit::PairCards::NonZeroOnceOneAbove0, kNoRow, DAUGHTER_GPIO_DEFAULT, {}, {}, kNoCard},
        {kit::PairCards::NonZero, kNoRow, 0, {}, {}, kNoCard},
        {kit::PairCards::Above0, kNoRow, DAUGHTER_GPIO_DEFAULT, {}, {"GPIO_1 connect to GPIO Default"}, ""},
        {kit::PairCards::NonZero,
         DAUGHTER_GPIO_DEFAULT,
         DAUGHTER_GPIO_DEFAULT,
         {},
         {"GPIO_0 connect to GPIO Default", "GPIO_1 connect to GPIO Default"},
         ""},
        {kit::PairCards::NonZero,
         DAUGHTER_TURVIN_GPIO,
         0,
         {},
         {"GPIO_0_1 connect to Turvin - High Speed ADC/DAC"},
         ""},
        {kit::PairCards::NonZero,
         DAUGHTER_TURVIN_GPIO,
         0,
         lines,
         {},
         "Assertion failed: Config.nGpioDaughterId[GPIO_1], file CONFIG_TEST, line 308"},
        {kit::PairCards::Above0,
         DAUGHTER_GPIO_DEFAULT,
         DAUGHTER_GPIO_DEFAULT,
         lines,
         {"GPIO_0 connect to GPIO Default"},
         "Assertion failed: nNum == GPIO_PIN_NUM, file CONFIG_TEST, line 358"},
    };
    for (const Case& c : cases) {
        platform::testing::ScriptedPlatform seam;
        TMainBoard board;
        kit::PinTable table(&board, kChecks);
        const kit::HeaderPair pair = kit::GpioHeaders(header0.c_str(), header1.c_str(), c.lines, c.cards);
        EXPECT_EQ(AssertionOf([&] { table.PairMasters(pair, c.id0, c.id1); }), c.assertion)
            << int(c.id0) << " " << int(c.id1);
        std::vector<std::string> masters;
        for (int i = 0; i < board.GetConnectorCount(); ++i)
            masters.push_back(board.GetConnector(i)->GetCaption());
        EXPECT_EQ(masters, c.masters) << int(c.id0) << " " << int(c.id1);
    }
}

TEST(PositionMasks, TheRecurringMasksHoldTheirConnectorPins) {
    struct Case {
        const kit::PositionMask* mask;
        int position;
        int holds;
    };
    const Case cases[] = {
        {&kit::kGpio80Mask, 40, 1},         {&kit::kGpio80Mask, 51, 0},
        {&kit::kGpio80Mask, 53, 1},         {&kit::kGpio80Mask, 70, 0},
        {&kit::kHsmcNoXcvrMask, 38, 0},     {&kit::kHsmcNoXcvrMask, 39, 1},
        {&kit::kHsmcNoXcvrMask, 46, 0},     {&kit::kHsmcNoXcvrMask, 47, 1},
        {&kit::kHsmcNoXcvrMask, 158, 1},    {&kit::kHsmcNoXcvrMask, 159, 0},
        {&kit::kHsmcClockPairMask, 33, 1},  {&kit::kHsmcClockPairMask, 35, 0},
        {&kit::kHsmcXcvr4Mask, 16, 0},      {&kit::kHsmcXcvr4Mask, 17, 1},
        {&kit::kHsmcXcvr8Mask, 1, 1},       {&kit::kHsmcXcvr8Mask, 38, 0},
        {&kit::kDdr2SodimmMask, 196, 0},    {&kit::kDdr2SodimmMask, 197, 1},
        {&kit::kDdr2SodimmMask, 200, 1},    {&kit::kDdr2Sodimm112Mask, 194, 1},
        {&kit::kDdr2Sodimm112Mask, 195, 0}, {&kit::kKappelMask, 2, 0},
        {&kit::kKappelMask, 3, 1},          {&kit::kKappelMask, 122, 0},
        {&kit::kKappelMask, 124, 1},        {&kit::kKappelMask, 130, 0},
        {&kit::kKappelMask, 180, 1},        {&kit::kFmcHpcMask, 89, 0},
        {&kit::kFmcHpcMask, 90, 1},         {&kit::kFmcHpcMask, 398, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kit::MaskHolds(*c.mask, c.position), c.holds) << c.mask->count << " " << c.position;

    // The DDR3 socket written by its pins gives the same positions as its empty-position mask.
    constexpr kit::PositionMask kByPins{
        .count = 204,
        .empty = nullptr,
        .pins =
            "4-7 10-12 15-18 21-24 27-30 33-36 39-42 45-47 50-53 56-59 62-64 67-70 73-74 78-80 83-86 89-92 "
            "95-98 101-104 107-110 113-116 119-121 129-132 135-137 140-143 146-149 152-154 157-160 163-166 "
            "169-171 174-177 180-183 186-188 191-194 198 200 202"};
    for (int position = 1; position <= 204; ++position)
        EXPECT_EQ(kit::MaskHolds(kByPins, position), kit::MaskHolds(kit::kDdr3SodimmMask, position))
            << position;
}

TEST(PositionMasks, AMalformedMaskIsSeen) {
    constexpr kit::PositionMask kBeyond{.count = 40, .empty = "11-12 41"};
    constexpr kit::PositionMask kBackwards{.count = 40, .empty = "12-11"};
    constexpr kit::PositionMask kWord{.count = 40, .empty = "11,12"};
    static_assert(kit::MaskPinCount(kBeyond) == -1);
    static_assert(kit::MaskPinCount(kBackwards) == -1);
    static_assert(kit::MaskPinCount(kWord) == -1);
}

TEST_F(PinTableKit, TheBoardIdComesFromTheRecordOrFromTheBoard) {
    constexpr kit::DeviceRow kDevice{"Cyclone IV E", "EP4CE22F17C6", 256, "FBGA", nullptr, 6};
    EXPECT_EQ(AssertionOf([&] { table.Begin(10, 11, 404, 404, kDevice); }),
              "Assertion failed: Config.BoardId == MAINBOARD_TEST, file CONFIG_TEST, line 20");
    EXPECT_EQ(board.GetBoardId(), 11);

    kit::TableChecks constant = kChecks;
    constant.idFrom = kit::BoardIdFrom::Constant;
    kit::PinTable own(&board, constant);
    EXPECT_EQ(AssertionOf([&] { own.Begin(10, 11, 404, 404, kDevice); }),
              "Assertion failed: Config.BoardId == MAINBOARD_TEST, file CONFIG_TEST, line 20");
    EXPECT_EQ(board.GetBoardId(), 10);
    EXPECT_EQ(AssertionOf([&] { own.Begin(10, 10, 408, 404, kDevice); }),
              "Assertion failed: Config.Size == sizeof(TEST_CONFIG), file CONFIG_TEST, line 21");
}

TEST_F(PinTableKit, TheWholeRecordIsCopiedIntoTheModel) {
    SettingsRecord r(HARLIN_CONFIG::kSize);
    r.SetU8(HARLIN_CONFIG::bExtPLL, 1);
    r.SetU8(HARLIN_CONFIG::nPllFreq + 2, 7);
    r.SetU8(HARLIN_CONFIG::kSize - 1, 9);
    table.CopyRecord(RecordOf<HarlinText>(board), r);
    EXPECT_EQ(std::vector<uint8_t>(RecordOf<HarlinText>(board).data(),
                                   RecordOf<HarlinText>(board).data() + r.size()),
              std::vector<uint8_t>(r.data(), r.data() + r.size()));
    SettingsRecord other(404);
    EXPECT_EQ(AssertionOf([&] { table.CopyRecord(RecordOf<HarlinText>(board), other); }),
              "Assertion failed: Config.Size == sizeof(TEST_CONFIG), file CONFIG_TEST, line 21");
}

TEST_F(PinTableKit, AShapeTakesItsPrefixAndTheColumnsLocationsInTurn) {
    constexpr kit::PinRow kShape[] = {
        {"_A", nullptr, DIRECTION_OUTPUT, IOSTD_1V8, 3},
        {"_CK", nullptr, DIRECTION_OUTPUT, IOSTD_DIFF_1V8_HSTL_I},
        {"_ODT", nullptr, DIRECTION_OUTPUT, IOSTD_1V8, 1, 0, {"no == 1", 758}},
    };
    const char* const columns[] = {"R15 ? W17", "V12 V11"};
    TConnector* c = table.Group("M");
    table.AddShaped(c, "MEMB", kShape, columns);
    EXPECT_EQ(SlotNames(*c),
              (std::vector<std::string>{"MEMB_A[0]", "MEMB_A[1]", "MEMB_A[2]", "MEMB_CK", "MEMB_ODT[0]"}));
    EXPECT_EQ(c->GetPin(1)->GetLocation(), "");
    EXPECT_EQ(c->GetPin(2)->GetLocation(), "W17");
    EXPECT_EQ(c->GetPin(3)->GetIoStandard(), IOSTD_DIFF_1V8_HSTL_I);
    EXPECT_EQ(c->GetPin(4)->GetLocation(), "V11");

    // A location short or left over is a table typo.
    for (const char* const locations : {"R15 ? W17 V12", "R15 ? W17 V12 V11 V10"}) {
        const char* const one[] = {locations};
        EXPECT_EQ(AssertionOf([&] { table.AddShaped(table.Group("M"), "MEMB", kShape, one); }),
                  "Assertion failed: nNum == count, file CONFIG_TEST, line 60")
            << locations;
    }
}
