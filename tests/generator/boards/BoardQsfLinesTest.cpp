// The global .qsf lines of the boards whose text depends on the locations the
// project uses, from the text each board's pin table sets.
#include "BoardModelQueries.h"
#include "boards/first/arvel/ArvelRules.h"
#include "boards/first/belmic/BelmicRules.h"
#include "boards/first/cardix/CardixRules.h"
#include "boards/first/dorvel/DorvelRules.h"
#include "boards/first/kestin/KestinRules.h"
#include "boards/latest/selvik/SelvikText.h"
#include "boards/latest/zephal/ZephalText.h"
#include "boards/second/irvane/IrvaneText.h"
#include "boards/second/jorrel/JorrelText.h"
#include "boards/second/norrik/NorrikText.h"
#include "boards/second/quenor/QuenorText.h"
#include "core/MainBoard.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/testing/ScriptedPlatform.h"

#include <cctype>
#include <gtest/gtest.h>

using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;

namespace {

const std::string kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";

// The text the board's pin table sets for its defaults.
std::unique_ptr<TBoardText> PinTableText(const kit::BoardLogic& logic) {
    return std::move(PinsOf(logic, DefaultsOf(logic))->m_pBoardText);
}

// A connector of one input pin at each location.
TConnector* PinsAt(std::initializer_list<const char*> locations) {
    auto* c = new TConnector("X", "", CONNECTOR_NONE, -1);
    for (const char* location : locations)
        c->AddPin(new TPin("P", location, DIRECTION_INPUT, 8, 0.0f));
    return c;
}

} // namespace

TEST(BoardText, TheFirstBoardsNceoPinIsARegularIoWhileItsLocationIsUsed) {
    struct Case {
        const kit::BoardLogic& logic;
        const char* location;
        bool lineEnd;
    };
    const Case cases[] = {{ArvelLogic(), "K22", true},
                          {BelmicLogic(), "W20", false},
                          {CardixLogic(), "AE24", false},
                          {DorvelLogic(), "AD25", false},
                          {KestinLogic(), "P28", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        auto board = PinsOf(c.logic, DefaultsOf(c.logic));
        board->ClearConnectors();
        board->AddConnector(PinsAt({"A1"}));
        EXPECT_EQ(board->GetQsfGlobalAssignments(), "");
        std::string lower = c.location;
        for (char& ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        board->AddConnector(PinsAt({lower.c_str()}));
        EXPECT_EQ(board->GetQsfGlobalAssignments(), c.lineEnd ? kNceo + "\r\n" : kNceo);
    }
}

TEST(BoardText, QsfLinesThatDependOnUsedLocations) {
    ScriptedPlatform seam;
    auto board = [](uint8_t id, std::initializer_list<const char*> used) {
        auto b = std::make_unique<TMainBoard>();
        b->m_BoardId = id;
        // The text each board's pin table sets.
        const std::pair<uint8_t, std::unique_ptr<TBoardText> (*)()> texts[] = {
            {10, MakeJorrelText}, {2, [] { return PinTableText(BelmicLogic()); }},
            {26, MakeZephalText}, {19, MakeSelvikText},
            {17, MakeQuenorText}, {101, MakeIrvaneText}};
        for (const auto& [board, make] : texts)
            if (board == id)
                b->SetBoardText(make());
        b->AddConnector(PinsAt(used));
        return b;
    };
    const std::string reserve =
        "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
        "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
        "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
        "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
    EXPECT_EQ(board(10, {"F16", "C1"})->GetQsfGlobalAssignments(), kNceo + "\r\n" + reserve);
    EXPECT_EQ(board(10, {"c1"})->GetQsfGlobalAssignments(), reserve);
    EXPECT_EQ(board(2, {"W20"})->GetQsfGlobalAssignments(), kNceo); // no line end of its own
    const std::string banner = "#============================================================\r\n";
    EXPECT_EQ(board(26, {"D8"})->GetQsfGlobalAssignments(),
              "\r\n" + banner + "# disable config pin so bank8 can use 1.2V \r\n" + banner +
                  "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n"
                  "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n"
                  "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n\r\n");
    EXPECT_NE(board(19, {"p9"})->GetQsfGlobalAssignments().find("HSMC_REF_CLK_p"), std::string::npos);
    EXPECT_EQ(AssertionOf([&] { board(17, {})->GetQsfGlobalAssignments(); }),
              "Assertion failed: 0, file MainBoard, line 312");
    EXPECT_EQ(AssertionOf([&] { board(101, {})->GetQsfGlobalAssignments(); }),
              "Assertion failed: 0, file MainBoard, line 408");

    auto norrik = board(14, {});
    RecordOf<NorrikText>(*norrik).SetU8(292, 4);
    RecordOf<NorrikText>(*norrik).SetText(293, 128, "HSMC_");
    const std::string toggle = "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to ";
    EXPECT_EQ(norrik->GetQsfGlobalAssignments(),
              banner +
                  "# When Norrik HSMC is configued as LVDS, configure the following pins to avoid compile "
                  "error.\r\n" +
                  banner + toggle + "HSMC_D[1]\r\n" + toggle + "HSMC_D[3]\r\n" + toggle + "FAN_CTRL\r\n");
    RecordOf<NorrikText>(*norrik).SetU8(292, 2);
    EXPECT_EQ(norrik->GetQsfGlobalAssignments(), "");
    EXPECT_EQ(norrik->GetStructuralCode(),
              "\r\n\t//////////// FAN Control //////////\r\nassign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n");
}
