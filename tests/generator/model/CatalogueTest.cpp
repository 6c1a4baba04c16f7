#include "model/DaughterCatalogue.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <set>

using platform::testing::AssertionFailure;
using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

std::set<int> IdsWhere(const std::function<bool(int)>& pred) {
    std::set<int> ids;
    for (int id = 0; id <= 86; ++id)
        if (pred(id))
            ids.insert(id);
    return ids;
}

} // namespace

TEST(Catalogue, NamesShortNamesAndDescriptions) {
    ScriptedPlatform seam;
    EXPECT_EQ(BoardName(13), "Spindo - 4.3\" LCD and Touch");
    EXPECT_EQ(BoardShortName(13), "Spindo");
    EXPECT_EQ(BoardDescription(13), "PIO Touch LCD");
    EXPECT_EQ(BoardName(50), "JESD-FMC Adapter for TI");
    EXPECT_EQ(BoardShortName(50), "JESD-FMC adpter for TI");
    EXPECT_EQ(BoardShortName(64), "Servo Motor Kit");
    EXPECT_EQ(BoardShortName(12), "Kamrel");
    EXPECT_EQ(BoardShortName(10), "Turvin");
    EXPECT_EQ(BoardShortName(11), "Turvin");
    for (int id : {55, 56, 57})
        EXPECT_EQ(BoardShortName(static_cast<int8_t>(id)), "Brissel_Kamrel");
    EXPECT_EQ(BoardShortName(71), "Fiskel-GPIO");
    EXPECT_EQ(BoardDescription(31), "");
    EXPECT_EQ(BoardDescription(5), "Kappel Default Pin Name");
    EXPECT_EQ(BoardDescription(0), "None");
    EXPECT_EQ(BoardDescription(75), "GPIO Default - 2.5V");
    EXPECT_EQ(BoardName(86), "HSMC Default - 3.0V");
}

TEST(Catalogue, UnassignedIdsEndInTheAssertions) {
    ScriptedPlatform seam;
    for (int id : {66, 67, 68, 72, 74, 85, 87, 200}) {
        auto b = static_cast<int8_t>(id);
        EXPECT_EQ(AssertionOf([&] { BoardName(b); }), "Assertion failed: 0, file DaughterBoard, line 690")
            << id;
        EXPECT_EQ(AssertionOf([&] { BoardShortName(b); }),
                  "Assertion failed: 0, file DaughterBoard, line 805")
            << id;
        EXPECT_EQ(AssertionOf([&] { BoardDescription(b); }),
                  "Assertion failed: 0, file DaughterBoard, line 690")
            << id;
    }
}

TEST(Catalogue, ConnectorTypes) {
    EXPECT_EQ(BoardConnectorType(1), CONNECTOR_GPIO40);
    EXPECT_EQ(BoardConnectorType(11), CONNECTOR_GPIO80);
    EXPECT_EQ(BoardConnectorType(40), CONNECTOR_FMC_LPC);
    EXPECT_EQ(BoardConnectorType(69), CONNECTOR_MOXEN_2x6);
    for (int id : {72, 87, 255, 128, 0})
        EXPECT_EQ(BoardConnectorType(static_cast<int8_t>(id)), CONNECTOR_NONE) << id;
}

TEST(Catalogue, FlagColumnsDifferOnlyWhereListed) {
    EXPECT_EQ(IdsWhere([](int id) { return !IsBoardSelectable(static_cast<int8_t>(id)); }),
              (std::set<int>{4, 16, 24, 25, 30, 34, 50, 54, 58, 62, 63, 65}));
    EXPECT_EQ(IdsWhere([](int id) { return IsTransceiverBoard(static_cast<int8_t>(id)); }),
              (std::set<int>{3, 21, 22, 23, 26, 37, 39, 40, 42, 44, 46, 47, 48, 50, 51, 81, 83, 84}));
    EXPECT_EQ(IdsWhere([](int id) { return BoardIoVoltage(static_cast<int8_t>(id)) == VOLTAGE_3V3; }),
              (std::set<int>{1, 12, 13, 34, 53, 55, 56, 57, 61, 78, 81}));
    EXPECT_EQ(IdsWhere([](int id) { return BoardIoVoltage(static_cast<int8_t>(id)) == VOLTAGE_3V0; }),
              (std::set<int>{82, 85, 86}));
    EXPECT_EQ(IdsWhere([](int id) { return BoardIoVoltage(static_cast<int8_t>(id)) == VOLTAGE_1V8; }),
              (std::set<int>{76, 79, 83}));
    EXPECT_EQ(IdsWhere([](int id) { return BoardIoVoltage(static_cast<int8_t>(id)) == VOLTAGE_1V5; }),
              (std::set<int>{77, 80, 84}));
    EXPECT_EQ(IdsWhere([](int id) { return BoardIoStandard(id) != IOSTD_2V5; }),
              (std::set<int>{78, 79, 80, 81, 82, 83, 84, 86}));
    EXPECT_EQ(BoardIoStandard(78), IOSTD_3V3_LVTTL);
    EXPECT_EQ(BoardIoStandard(83), IOSTD_1V8);
    EXPECT_EQ(BoardIoStandard(84), IOSTD_1V5);
    EXPECT_EQ(BoardIoStandard(82), IOSTD_3V0_PCI_X);
    EXPECT_EQ(IdsWhere([](int id) { return IsVoltageIndependentBoard(static_cast<int8_t>(id)); }),
              (std::set<int>{17}));
    EXPECT_EQ(IdsWhere([](int id) { return !IsSortableBoard(static_cast<int8_t>(id)); }),
              (std::set<int>{39, 40, 41, 42, 43, 44, 45, 46}));
}

TEST(Catalogue, OutsideTheCatalogue) {
    EXPECT_TRUE(IsBoardSelectable(72));
    EXPECT_FALSE(IsTransceiverBoard(82));
    EXPECT_TRUE(IsTransceiverBoard(81));
    EXPECT_EQ(BoardIoStandard(0), IOSTD_2V5);
    EXPECT_EQ(BoardIoStandard(-5), IOSTD_2V5);
    EXPECT_EQ(BoardIoStandard(200), IOSTD_2V5);
    EXPECT_EQ(BoardIoVoltage(static_cast<int8_t>(200)), VOLTAGE_2V5);
    EXPECT_TRUE(IsBoardSelectable(static_cast<int8_t>(200)));
    EXPECT_TRUE(IsSortableBoard(38));
    EXPECT_TRUE(IsSortableBoard(47));
}
