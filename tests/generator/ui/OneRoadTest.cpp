// The board forms and the board logic are one road from a record to a project. For
// seeded random records of each board, the real form loads the record and stores it
// again exactly as kit::BoardLogic::Normalise says, and the form's Generate writes the
// same project, byte for byte, as the logic's Generate that tools/gen-project runs.
#include "boards/BoardRegistry.h"
#include "boards/kit/BoardForm.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "settings/DaughterList.h"
#include "support/TempDir.h"

#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <sstream>

namespace {

constexpr uint32_t kSeed = 20261211;
constexpr int kRecordsOfEachKind = 70;

using platform::testing::ScriptedPlatform;

std::string Describe(const SettingsRecord& a, const SettingsRecord& b) {
    std::ostringstream out;
    int shown = 0;
    for (std::size_t i = 0; i < a.size() && shown < 8; ++i)
        if (a.data()[i] != b.data()[i]) {
            out << " [" << i << "] " << int(a.data()[i]) << " != " << int(b.data()[i]);
            ++shown;
        }
    return out.str();
}

// The cards and prefixes of a record, to name a failing one.
std::string Cards(const kit::BoardLogic& logic, const SettingsRecord& r) {
    std::string text;
    for (int k = 0; k < static_cast<int>(logic.Spec().connectors.size()); ++k)
        text += " " + std::to_string(logic.StoredCard(r, k)) + "/'" + logic.Prefix(r, k) + "'";
    return text;
}

// A short name of letters, digits and '_', now and then empty, with a digit first, or
// with a character of two bytes.
std::string RandomName(std::mt19937& rng) {
    static const char kChars[] = "abcXYZ_019";
    const int kind = static_cast<int>(rng() % 16);
    if (kind == 0)
        return std::string();
    std::string name;
    const int length = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < length; ++i)
        name += kChars[rng() % (sizeof kChars - 1)];
    if (kind == 1)
        name += "\xC3\xA9";
    return name;
}

void FillRandom(SettingsRecord& r, std::mt19937& rng) {
    for (std::size_t i = 0; i < r.size(); ++i)
        r.data()[i] = static_cast<uint8_t>(rng());
}

// A byte that is mostly 0 or 1, now and then anything.
uint8_t RandomFlag(std::mt19937& rng) {
    const uint32_t roll = rng() % 10;
    return roll < 4 ? 0 : roll < 9 ? 1 : static_cast<uint8_t>(rng());
}

// The start record with its choices made at random: boxes, the lists' choices (now and
// then one outside its list), the cards of each connector's list (now and then one it
// does not hold) and prefixes.
SettingsRecord RandomChoices(const kit::BoardLogic& logic, std::mt19937& rng) {
    const kit::BoardSpec& spec = logic.Spec();
    SettingsRecord r = logic.StartRecord();
    r.SetText(spec.head.projectName, RandomName(rng));
    for (const kit::FlagBinding& f : spec.flags)
        r.SetU8(f.offset, RandomFlag(rng));
    for (const ChoiceField& c : spec.choices) {
        const int32_t value = rng() % 8 == 0 ? static_cast<int32_t>(rng() % 300) - 20
                                             : static_cast<int32_t>(rng() % static_cast<uint32_t>(c.count));
        if (c.width == 1)
            r.SetU8(c.offset, static_cast<uint8_t>(value));
        else
            r.SetI32(c.offset, value);
    }
    for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
        const kit::ConnectorBinding& c = spec.connectors[static_cast<std::size_t>(k)];
        const auto list = static_cast<std::size_t>(logic.ListOf(k, r));
        uint8_t card = static_cast<uint8_t>(rng());
        if (list < spec.lists.size() && rng() % 6 != 0) {
            DaughterIdList ids{};
            const int count = kit::CardList(spec.lists[list], ids);
            card = ids[rng() % static_cast<uint32_t>(count)];
        }
        logic.StoreCard(r, k, card);
        r.SetText(c.prefixOffset, rng() % 3 == 0 ? std::string() : RandomName(rng) + "_");
    }
    return r;
}

// Every file of a project folder, the dates of the .qpf and .qsf left out.
std::map<std::string, std::string> ProjectFiles(const std::string& folder) {
    static const std::regex kDate("(DATE = |PROJECT_CREATION_TIME_DATE ).*");
    std::map<std::string, std::string> files;
    if (!std::filesystem::exists(folder))
        return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).string()] =
                std::regex_replace(testsupport::ReadFile(entry.path().string()), kDate, "$1");
    return files;
}

std::vector<std::string> Boxes(const ScriptedPlatform& seam, const std::string& folder) {
    std::vector<std::string> texts;
    for (const auto& box : seam.Boxes()) {
        std::string text = box.caption + "|" + box.text;
        for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
            text.replace(at, folder.size(), "<folder>");
        texts.push_back(text);
    }
    return texts;
}

class OneRoad : public ::testing::TestWithParam<BoardRow> {
protected:
    // One record through the form (a new form, Load Setting, then Generate) and through
    // the logic (Normalise of a new form's record, then Generate).
    void Check(const kit::BoardLogic& logic, const SettingsRecord& stored, const std::string& which) {
        const std::string what = which + ", cards" + Cards(logic, stored);
        const kit::BoardSpec& spec = logic.Spec();
        testsupport::TempDir dir;
        std::string formFolder;
        SettingsRecord formRecord;
        SettingsRecord formZeroed = logic.NewRecord();
        std::vector<std::string> formBoxes;
        {
            ScriptedPlatform seam;
            seam.SetProgramFolder(dir.Folder());
            seam.SetProgramPath(dir.File("pinwright"));
            seam.AnswerQuestionsWith(platform::Button::Yes);
            seam.SetResourceFallback(
                [](const std::string& name) { return platform::ReadResourceBytes(name); });
            std::unique_ptr<QWidget> widget(CreateBoardForm(GetParam(), nullptr));
            auto* form = dynamic_cast<BoardForm*>(widget.get());
            ASSERT_NE(form, nullptr);
            const std::string cfg = dir.File("record.cfg");
            testsupport::WriteFile(cfg,
                                   std::string(reinterpret_cast<const char*>(stored.data()), stored.size()));
            seam.AnswerFile(cfg);
            form->ButtonLoadClick();
            formRecord = form->Shown();
            form->UiToConfig(formZeroed);
            seam.ClearRecords();
            const std::string name = logic.ProjectName(formRecord);
            formFolder = dir.Folder() + "CodeGenerated/" + spec.folder + "/" + name + "/";
            seam.AnswerFile(formFolder + name + ".qpf");
            try {
                form->ButtonGenClick();
            } catch (const platform::testing::AssertionFailure& e) {
                FAIL() << what << ": the form's Generate: " << e.what();
            }
            formBoxes = Boxes(seam, formFolder);
            widget.reset();
        }
        SettingsRecord expected = stored;
        logic.Normalise(expected);
        ASSERT_EQ(formRecord, expected) << what << ": form and logic store" << Describe(formRecord, expected);
        SettingsRecord zeroed = logic.NewRecord();
        logic.Store(expected, zeroed);
        ASSERT_EQ(formZeroed, zeroed)
            << what << ": UiToConfig into a new record" << Describe(formZeroed, zeroed);

        testsupport::TempDir toolDir;
        ScriptedPlatform seam;
        seam.AnswerQuestionsWith(platform::Button::Yes);
        seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
        const std::string toolFolder = toolDir.Folder();
        try {
            kit::GenerateRecord(logic, expected, toolFolder + logic.ProjectName(expected) + ".qpf");
        } catch (const platform::testing::AssertionFailure& e) {
            FAIL() << what << ": the logic's Generate: " << e.what();
        }
        EXPECT_EQ(formBoxes, Boxes(seam, toolFolder)) << what;
        EXPECT_EQ(ProjectFiles(formFolder), ProjectFiles(toolFolder)) << what;
    }
};

TEST_P(OneRoad, TheFormStoresAndGeneratesWhatTheLogicSays) {
    const kit::BoardLogic* logic = FindBoardLogic(GetParam().id);
    ASSERT_NE(logic, nullptr);
    const uint32_t seed = kSeed + GetParam().id;
    std::mt19937 rng(seed);
    for (int i = 0; i < kRecordsOfEachKind && !HasFatalFailure(); ++i) {
        const std::string what = "seed " + std::to_string(seed) + ", record " + std::to_string(i);
        SettingsRecord bytes = logic->NewRecord();
        FillRandom(bytes, rng);
        Check(*logic, bytes, what + " (random bytes)");
        if (HasFatalFailure())
            break;
        // Random bytes under a head and a name a form takes.
        logic->SetHead(bytes);
        bytes.SetText(logic->Spec().head.projectName, "P" + RandomName(rng));
        Check(*logic, bytes, what + " (random bytes, named)");
        if (HasFatalFailure())
            break;
        Check(*logic, RandomChoices(*logic, rng), what + " (random choices)");
    }
}

// The forms of the boards that have a pin table.
std::vector<BoardRow> BoardsWithPins() {
    std::vector<BoardRow> rows;
    for (const BoardRow& row : BoardTable())
        if (FindBoardLogic(row.id) != nullptr)
            rows.push_back(row);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Boards, OneRoad, ::testing::ValuesIn(BoardsWithPins()),
                         [](const auto& info) { return "Board" + std::to_string(info.param.id); });

} // namespace
