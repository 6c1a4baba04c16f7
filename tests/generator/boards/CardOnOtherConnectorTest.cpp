// The pin report of a card on a connector of another type: an HSMC card on the Kappel
// connectors of boards 6 and 11, an FMC LPC card on the HPC ports of board 29. The first
// index column is the board connector's position of the pin, the second the card's,
// also after the pins were sorted by name.
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/first/fennic/FENNIC_CONFIG.h"
#include "boards/first/kestin/KESTIN_CONFIG.h"
#include "boards/kit/Generate.h"
#include "boards/latest/calvex/ConfigCalvex.h"
#include "model/DaughterId.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;

namespace {

std::string Row(const char* name, const char* location, const char* direction, const char* standard,
                const char* board, const char* card) {
    std::string row = "<tr>\r\n";
    for (const char* cell : {name, location, direction, standard, board, card})
        row += std::string("   <td align=\"left\">") + cell + "</td>\r\n";
    return row + "</tr>\r\n";
}

struct Case {
    uint8_t board;
    std::size_t cardOffset;
    uint8_t card;
    std::size_t prefixOffset; // 0: no prefix
    const char* prefix;
    std::vector<std::string> rows;
};

TEST(CardOnOtherConnector, TheReportShowsBothPositionsOfEachPin) {
    using C29 = TConfigCalvex::CALVEX_CONFIG;
    const Case cases[] = {
        // Kappel position 71 is HSMC position 89, 95 is 65.
        {6,
         FENNIC_CONFIG::nKappelDaughterId[0],
         DAUGHTER_DVI,
         FENNIC_CONFIG::szKappelPrefixName[0],
         "A_",
         {Row("A_DVI_EDID_WP", "AP20", "output", "2.5 V", "71", "89"),
          Row("A_DVI_RX_CLK", "AN19", "input ", "2.5 V", "66", "96"),
          Row("A_DVI_RX_CTL[1]", "AE20", "input ", "2.5 V", "95", "65")}},
        {11,
         KESTIN_CONFIG::nKappel23DaughterId,
         DAUGHTER_DVI,
         0,
         "",
         {Row("DVI_EDID_WP", "", "output", "2.5 V", "71", "89"),
          Row("DVI_HSMC_SCL", "", "output", "2.5 V", "132", "34")}},
        // An LPC card on an HPC port: both numberings agree.
        {29,
         C29::nFmcDaughterId + 3,
         DAUGHTER_NET_FMC,
         0,
         "",
         {Row("FMC_GA[0]", "", "output", "2.5 V", "C34", "C34"),
          Row("FMC_I2C_SCL", "A20", "inout ", "2.5 V", "C30", "C30")}},
        {29,
         C29::nFmcDaughterId + 0,
         DAUGHTER_HDMI_FMC,
         0,
         "",
         {Row("ADV7619_INT", "", "input ", "2.5 V", "G24", "G24"),
          Row("FMC_I2C_SCL", "F29", "output", "2.5 V", "C30", "C30")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("board " + std::to_string(c.board) + ", card " + std::to_string(c.card));
        platform::testing::ScriptedPlatform seam;
        seam.AnswerQuestionsWith(platform::Button::Yes);
        seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
        testsupport::TempDir dir;
        const kit::BoardLogic& logic = *FindBoardLogic(c.board);
        SettingsRecord r = logic.NewRecord();
        logic.SetDefaultConfig(r);
        r.SetU8(c.cardOffset, c.card);
        if (c.prefixOffset != 0)
            r.SetText(c.prefixOffset, c.prefix);
        ASSERT_TRUE(GenerateLoaded(logic, r, dir.File("p.qpf")));
        const std::string htm = ReadFile(dir.File("p.htm"));
        for (const std::string& row : c.rows)
            EXPECT_NE(htm.find(row), std::string::npos) << row;
    }
}

} // namespace
