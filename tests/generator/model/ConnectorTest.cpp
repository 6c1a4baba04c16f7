#include "model/Connector.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <vector>

using platform::testing::AssertionFailure;
using platform::testing::ScriptedPlatform;

namespace {

// nullptr marks an empty position.
std::vector<std::string> SortedNames(std::initializer_list<const char*> names) {
    TConnector c("T", "", CONNECTOR_NONE, -1);
    for (const char* n : names)
        c.AddPin(n ? new TPin(n, "", DIRECTION_INOUT, 8, 0) : nullptr);
    c.SortPins();
    std::vector<std::string> out;
    for (int i = 0; i < c.PinCount(); ++i)
        out.push_back(c.GetPin(i) ? c.GetPin(i)->GetName() : "-");
    return out;
}

} // namespace

TEST(TConnector, SortOrdersBusesByIndexAndNamesByCode) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SortedNames({"LEDR[10]", "LEDR[2]", "KEY[0]", "LEDR[0]"}),
              (V{"KEY[0]", "LEDR[0]", "LEDR[2]", "LEDR[10]"}));
    EXPECT_EQ(SortedNames({"LED[1]", "LED"}), (V{"LED", "LED[1]"}));
    EXPECT_EQ(SortedNames({"b", "B"}), (V{"B", "b"}));
    EXPECT_EQ(SortedNames({"Z", nullptr, "A"}), (V{"A", "-", "Z"}));
    EXPECT_EQ(SortedNames({"a_b", "A_B", "A1", "AZ", "A[0]"}), (V{"A1", "AZ", "A[0]", "A_B", "a_b"}));
}

TEST(TConnector, SortReproducesTheExchangeOrderForMixedNames) {
    // Not a total order: the exchange sort's exact result is what projects hold.
    using V = std::vector<std::string>;
    EXPECT_EQ(SortedNames({"B[1]", "A", "B[0]", "B"}), (V{"A", "B", "B[0]", "B[1]"}));
    EXPECT_EQ(SortedNames({"X[2]", "X_", "X[1]"}), (V{"X[1]", "X[2]", "X_"}));
}

TEST(TConnector, CountsAndAccess) {
    TConnector c("LED", "", CONNECTOR_NONE, -1);
    c.AddPin(new TPin("A", "", DIRECTION_OUTPUT, 8, 0));
    c.AddPin(nullptr);
    c.AddPin(new TPin("B", "", DIRECTION_NONE, 8, 0));
    EXPECT_EQ(c.PinCount(), 3);
    EXPECT_EQ(c.ActivePinCount(), 1);
    EXPECT_EQ(c.GetPin(1), nullptr);
    EXPECT_THROW(c.GetPin(3), std::out_of_range);
    EXPECT_EQ(c.GetMaster(), 0);
    EXPECT_EQ(c.GetDaughterType(), CONNECTOR_NONE);
    EXPECT_EQ(c.GetDaughterId(), -1);
}

TEST(ConnectorTypeName, TextsAndTheAssertion) {
    ScriptedPlatform seam;
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_KAPPEL), "Kappel");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_GPIO40), "GPIO");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_GPIO80), "GPIO");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_FMC_LPC), "FMC LPC");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_MOXEN_2x6), "Moxen 2x6");
    for (uint8_t t : {0, 10}) {
        try {
            ConnectorTypeName(t);
            FAIL();
        } catch (const AssertionFailure& e) {
            EXPECT_STREQ(e.what(), "Assertion failed: 0, file Connector, line 339");
        }
    }
}

TEST(KappelToHsmcPin, TheMapAndItsGaps) {
    const std::pair<int, int> cases[] = {{1, -1},   {2, 160},  {3, 157},  {6, 156},  {9, 151},  {117, 43},
                                         {120, 42}, {121, -1}, {131, 33}, {132, 34}, {180, -1}, {7, -1}};
    for (auto [kappel, hsmc] : cases)
        EXPECT_EQ(KappelToHsmcPin(kappel), hsmc) << kappel;
    int mapped = 0;
    for (int p = 1; p <= 180; ++p)
        mapped += KappelToHsmcPin(p) > 0;
    EXPECT_EQ(mapped, 83);
}
