// Every card of the catalogue attached to a master connector of its kind, generated
// as a project, and its top-level module read by a Verilog parser.
#include "core/DaughterBoard.h"
#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "model/DaughterCatalogue.h"
#include "platform/Text.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::TempDir;

namespace {

// Locations are made up, one of its own per position and master.
TConnector* Master(uint8_t type, int masterId, int positions) {
    auto* c = new TConnector("M", "", type, -1);
    for (int p = 1; p <= positions; ++p)
        c->AddPin(new TPin("", platform::Format("M%dP%d", masterId, p).c_str(), DIRECTION_BY_DAUGHTER,
                           IOSTD_BY_DAUGHTER, 0.0f));
    c->SetMaster(1);
    c->SetMasterId(masterId);
    return c;
}

void Device(TMainBoard& b, uint8_t boardId) {
    b.m_BoardId = boardId;
    b.m_Family = "Cyclone V";
    b.m_Device = "5CSEMA4U23C6";
}

// Generates the model into a fresh folder and checks the module with iverilog.
void GenerateAndParse(TMainBoard& b, const std::string& what) {
    TempDir dir;
    TPinwright w;
    ASSERT_TRUE(w.Generate(&b, dir.File("card.qpf"))) << what;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(dir.File("card.v"), output)) << what << "\n" << output;
}

// The rules of the cards: most boards', or those of a board whose cards take other
// standards and rows (board 8's).
TCardRules RulesOf(uint8_t board) {
    if (board != MAINBOARD_HARLIN)
        return TCardRules{};
    return {.xcvrStandard = IOSTD_1V4_PCML,
            .hsmcStandard = IOSTD_1V8,
            .replaceIoStandard = true,
            .ioStandard = IOSTD_3V0_PCI_X,
            .lvdsXcvrRows = true};
}

int MasterSlots(uint8_t type) {
    switch (type) {
    case CONNECTOR_GPIO40:
        return 40;
    case CONNECTOR_GPIO80:
        return 80;
    case CONNECTOR_HSMC:
        return 160;
    case CONNECTOR_KAPPEL:
        return 180;
    case CONNECTOR_FMC_HPC:
    case CONNECTOR_FMC_LPC:
        return 400;
    case CONNECTOR_MOXEN_2x6:
        return 8;
    default:
        return 0;
    }
}

} // namespace

TEST(AttachEveryCard, ItsOwnKindOfMasterGivesAParsableProject) {
    ScriptedPlatform seam;
    seam.SetResource("EXT_PLL_CTRL_VERILOG", "module ext_pll_ctrl;\r\nendmodule\r\n"); // board 8 exports it
    for (int id = 1; id <= 86; ++id) {
        const uint8_t type = BoardConnectorType(static_cast<int8_t>(id));
        if (MasterSlots(type) == 0 || id == DAUGHTER_KAPPEL_DEFAULT)
            continue;
        for (uint8_t board : {uint8_t{30}, uint8_t{8}}) {
            TMainBoard b;
            Device(b, board);
            TConnector* master = Master(type, 20, MasterSlots(type));
            b.AddConnector(master);
            TDaughterBoard d;
            ASSERT_TRUE(d.TryCreateBoard(static_cast<uint8_t>(id), board, 0, IOSTD_3V3_LVTTL, nullptr,
                                         RulesOf(board)))
                << id;
            ASSERT_TRUE(d.UpdateMasterConnector(master, "C_"));
            EXPECT_EQ(master->ActivePinCount(), d.ActivePinCount()) << id;
            GenerateAndParse(b, "card " + std::to_string(id) + " on board " + std::to_string(board));
        }
    }
}

TEST(AttachEveryCard, MemoryModules) {
    ScriptedPlatform seam;
    seam.SetResource("EXT_PLL_CTRL_VERILOG", "module ext_pll_ctrl;\r\nendmodule\r\n");
    for (uint8_t diff : {uint8_t{0}, uint8_t{1}}) {
        TMainBoard b;
        Device(b, 30);
        b.AddConnector(Master(CONNECTOR_DDR3_SODIMM, 24, 204));
        b.AddConnector(Master(CONNECTOR_DDR3_SODIMM, 25, 204));
        ASSERT_TRUE(b.AttachDdr3Sodimm(24, "DDR3A_", diff, IOSTD_1V5, IOSTD_1V5));
        ASSERT_TRUE(b.AttachDdr3SodimmSstl15(25, "DDR3B_", diff, IOSTD_1V5, IOSTD_1V5));
        GenerateAndParse(b, "DDR3 modules");

        TMainBoard d2;
        Device(d2, 8);
        TConnector* master = Master(CONNECTOR_DDR2_SODIMM, 2, 200);
        d2.AddConnector(master);
        TDaughterBoard module;
        module.CreateDdr2Sodimm(diff, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL);
        ASSERT_TRUE(module.UpdateMasterConnector(master, ""));
        GenerateAndParse(d2, "DDR2 module");

        TMainBoard lower;
        Device(lower, 9);
        TConnector* m3 = Master(CONNECTOR_DDR3_SODIMM, 19, 204);
        lower.AddConnector(m3);
        TDaughterBoard l;
        l.CreateDdr3SodimmLower(diff, IOSTD_1V5, IOSTD_1V5);
        ASSERT_TRUE(l.UpdateMasterConnector(m3, ""));
        GenerateAndParse(lower, "DDR3 lower-case module");
    }
}

TEST(AttachEveryCard, HsmcCardsOnAKappelMasterAndLpcCardsOnAnHpcMaster) {
    ScriptedPlatform seam;
    for (int id : {6, 7, 8}) {
        TMainBoard b;
        Device(b, 11);
        TConnector* kappel = Master(CONNECTOR_KAPPEL, 6, 180);
        b.AddConnector(kappel);
        TDaughterBoard d;
        d.CreateBoard(static_cast<uint8_t>(id), 11, 0, IOSTD_3V3_LVTTL, nullptr, RulesOf(11));
        ASSERT_TRUE(d.UpdateMasterConnector(kappel, ""));
        EXPECT_EQ(kappel->GetDaughterType(), CONNECTOR_HSMC);
        // Each active Kappel position carries the card pin of its mapped HSMC position.
        int active = 0;
        for (int i = 0; i < 180; ++i) {
            const TPin* p = kappel->GetPin(i);
            if (!p->IsActive())
                continue;
            ++active;
            const int hsmc = KappelToHsmcPin(i + 1);
            ASSERT_GE(hsmc, 1) << i;
            EXPECT_EQ(p->GetName(), d.GetPin(hsmc - 1)->GetName());
            EXPECT_EQ(p->GetIndex(), hsmc);
            EXPECT_EQ(p->GetLocation(), platform::Format("M%dP%d", MASTER_KAPPEL_0, i + 1));
        }
        int mapped = 0;
        for (int k = 1; k <= 180; ++k)
            mapped += KappelToHsmcPin(k) >= 1 && d.GetPin(KappelToHsmcPin(k) - 1) != nullptr;
        EXPECT_EQ(active, mapped) << id;
        GenerateAndParse(b, "HSMC card " + std::to_string(id) + " on Kappel");
    }
    for (int id : {40, 45, 46, 47, 49, 52, 73}) {
        TMainBoard b;
        Device(b, 30);
        TConnector* hpc = Master(CONNECTOR_FMC_HPC, 20, 400);
        b.AddConnector(hpc);
        ASSERT_TRUE(b.AttachFmcDaughter(20, static_cast<uint8_t>(id), ""));
        EXPECT_EQ(hpc->GetDaughterType(), CONNECTOR_FMC_LPC);
        for (int i = 0; i < 400; ++i)
            if (hpc->GetPin(i)->IsActive()) {
                EXPECT_EQ(hpc->GetPin(i)->GetIndex(), i + 1);
            }
        GenerateAndParse(b, "LPC card " + std::to_string(id) + " on HPC");
    }
}
