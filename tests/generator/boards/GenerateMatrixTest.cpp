// Every board through the real writers: its defaults, and every card of every list
// on every connector, give a project iverilog accepts or a refusal with a message,
// never an assertion and never a crash.
#include "BoardParams.h"
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/kit/Generate.h"
#include "model/DaughterCatalogue.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "settings/DaughterList.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::AssertionFailure;
using platform::testing::ScriptedPlatform;

namespace {

class GenerateMatrix : public ::testing::TestWithParam<uint8_t> {
protected:
    GenerateMatrix() {
        seam.AnswerQuestionsWith(platform::Button::Yes);
        seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    }

    // One project: written and accepted by iverilog, or refused with a box.
    void Check(const kit::BoardLogic& logic, const SettingsRecord& record, const std::string& what) {
        testsupport::TempDir dir;
        seam.ClearRecords();
        bool written = false;
        try {
            written = GenerateLoaded(logic, record, dir.File("matrix.qpf"));
        } catch (const AssertionFailure& e) {
            ADD_FAILURE() << what << ": " << e.what();
            return;
        }
        ++projects;
        if (!written) {
            EXPECT_FALSE(seam.Boxes().empty()) << what << ": refused without a message";
            return;
        }
        std::string output;
        EXPECT_TRUE(testsupport::IverilogAcceptsFolder(dir.Folder(), output)) << what << "\n" << output;
    }

    ScriptedPlatform seam;
    int projects = 0;
};

TEST_P(GenerateMatrix, DefaultsAndEveryCardOnEveryConnector) {
    const kit::BoardLogic& logic = *FindBoardLogic(GetParam());
    const kit::BoardSpec& spec = logic.Spec();
    SettingsRecord defaults = logic.NewRecord();
    logic.SetDefaultConfig(defaults);
    Check(logic, defaults, "defaults");
    int variant = 0;
    for (const SettingsRecord& base : logic.ChoiceVariants(defaults)) {
        SettingsRecord bare = base;
        for (const kit::ConnectorBinding& c : spec.connectors)
            bare.SetU8(c.idOffset, 0);
        // The choice itself, without cards (a board without connectors has only these).
        Check(logic, bare, "variant " + std::to_string(variant));
        for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
            const kit::CardListSpec& list = spec.lists[static_cast<std::size_t>(logic.ListOf(k, bare))];
            DaughterIdList ids{};
            const int count = kit::CardList(list, ids);
            for (int i = 1; i < count; ++i) {
                const uint8_t card = ids[static_cast<std::size_t>(i)];
                const char* combo = spec.connectors[static_cast<std::size_t>(k)].combo;
                const std::string what = "variant " + std::to_string(variant) + ", connector " +
                                         (combo != nullptr ? combo : std::to_string(k)) + ", card " +
                                         std::to_string(card);
                SettingsRecord r = bare;
                r.SetU8(spec.connectors[static_cast<std::size_t>(k)].idOffset, card);
                Normalise(logic, r);
                Check(logic, r, what);
                const kit::GpioPair* pair = spec.gpioPair;
                if (pair != nullptr && k == pair->header0) {
                    // The same card on both headers (with empty prefixes, as a loaded file may have).
                    r.SetU8(spec.connectors[static_cast<std::size_t>(pair->header1)].idOffset, card);
                    Normalise(logic, r);
                    Check(logic, r, what + " on both headers");
                }
            }
        }
        ++variant;
    }
    EXPECT_GT(projects, 0);
}

INSTANTIATE_TEST_SUITE_P(Boards, GenerateMatrix, ::testing::ValuesIn(BoardsWithPins()), BoardParamName);

} // namespace
