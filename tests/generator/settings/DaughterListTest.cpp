#include "settings/DaughterList.h"
#include "boards/latest/dunmir/ConfigDunmir.h"

#include "model/ConnectorType.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <vector>

using platform::testing::ScriptedPlatform;

namespace {

std::vector<int> List(uint8_t type, bool xcvr, uint8_t voltage) {
    DaughterIdList ids{};
    int32_t count = BuildDaughterList(type, xcvr, voltage, ids);
    return std::vector<int>(ids.begin(), ids.begin() + count);
}

struct ListCase {
    uint8_t type;
    bool xcvr;
    uint8_t voltage;
    std::vector<int> ids;
};

} // namespace

TEST(DaughterList, ListsPerConnector) {
    ScriptedPlatform seam;
    const ListCase cases[] = {
        {CONNECTOR_HSMC, true, 2, {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                   23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 59}},
        {CONNECTOR_HSMC, false, 2, {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 59}},
        {CONNECTOR_HSMC, true, 4, {0, 17, 55, 56, 57}},
        {CONNECTOR_HSMC, false, 4, {0, 17, 55, 56, 57}},
        {CONNECTOR_HSMC, true, 1, {0, 17}},
        {CONNECTOR_HSMC, false, 0, {0, 17}},
        {CONNECTOR_KAPPEL, false, 2, {0, 5, 6, 7, 8, 15, 20}},
        {CONNECTOR_KAPPEL, false, 4, {0, 5, 6, 7, 8, 15, 20}},
        {CONNECTOR_GPIO40, false, 2, {0, 1, 12, 13, 53, 60, 61, 64, 71}},
        {CONNECTOR_GPIO80, false, 2, {0, 1, 11, 12, 13, 53, 60, 61, 64, 71}},
        {CONNECTOR_FMC_HPC, true, 2, {0, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 51, 52, 73}},
        {CONNECTOR_FMC_HPC, false, 2, {0, 41, 43, 45, 49, 52, 73}},
        {CONNECTOR_FMC_LPC, true, 2, {0, 40, 45, 46, 47, 49, 52, 73}},
        {CONNECTOR_MOXEN_2x6, false, 2, {0, 69, 70}},
    };
    for (const ListCase& c : cases)
        EXPECT_EQ(List(c.type, c.xcvr, c.voltage), c.ids)
            << "type " << int(c.type) << " xcvr " << c.xcvr << " voltage " << int(c.voltage);
}

TEST(DaughterList, NeverOffersTheVoltageVariants) {
    ScriptedPlatform seam;
    for (uint8_t type = CONNECTOR_HSMC; type <= CONNECTOR_MOXEN_2x6; ++type)
        for (bool xcvr : {false, true})
            for (uint8_t voltage = 0; voltage <= 4; ++voltage) {
                std::vector<int> ids = List(type, xcvr, voltage);
                ASSERT_FALSE(ids.empty());
                EXPECT_EQ(ids[0], 0);
                for (std::size_t k = 1; k < ids.size(); ++k) {
                    EXPECT_LT(ids[k - 1], ids[k]);
                    EXPECT_LT(ids[k], 74) << "type " << int(type);
                }
            }
}

TEST(DaughterList, BuildingAgainReplacesTheList) {
    ScriptedPlatform seam;
    TConfigDunmir cfg;
    cfg.BuildDaughterList(CONNECTOR_FMC_HPC, true, 2);
    EXPECT_EQ(cfg.DaughterCount, 15);
    cfg.BuildDaughterList(CONNECTOR_GPIO40, false, 2);
    ASSERT_EQ(cfg.DaughterCount, 9);
    EXPECT_EQ(std::vector<int>(cfg.DaughterIds.begin(), cfg.DaughterIds.begin() + 9),
              (std::vector<int>{0, 1, 12, 13, 53, 60, 61, 64, 71}));
}
