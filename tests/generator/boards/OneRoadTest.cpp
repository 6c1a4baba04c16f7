// The board forms and tools/gen-project are one road from a record to a project. For
// every board and seeded records:
//   - the form's only job left, binding what it shows to its controls and reading them
//     back, gives the same view;
//   - a form started with a default.cfg, showing the FPGA picked, loading a record and
//     generating writes the same files and shows the same boxes as gen-project given
//     the same start record, FPGA and record.
// And a table of loaded records: what a new form stores of them, by both roads.
#include "BoardParams.h"
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/kit/BoardForm.h"
#include "boards/kit/Generate.h"
#include "boards/latest/abrenz/ConfigAbrenz.h"
#include "boards/latest/calvex/ConfigCalvex.h"
#include "boards/latest/dunmir/ConfigDunmir.h"
#include "boards/latest/embrel/ConfigEmbrel.h"
#include "boards/latest/forvik/ConfigForvik.h"
#include "boards/latest/zephal/ZEPHAL_CONFIG.h"
#include "boards/second/elbrin/ELBRIN_CONFIG.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <sstream>

namespace {

constexpr uint32_t kSeed = 20261212;
constexpr int kViews = 30;
constexpr int kRecords = 16;

using platform::testing::ScriptedPlatform;

// Boxes whose pins share an FPGA ball: with more than `ticked` of a group ticked the
// project is refused, so most records tick no more.
struct ClashingBoxes {
    uint8_t board;
    std::array<const char*, 3> boxes;
    std::size_t ticked;
};
constexpr ClashingBoxes kClashes[] = {
    {MAINBOARD_GALDOR, {"CheckBoxTemp", "CheckBoxLCD", "CheckBoxEEPROM"}, 0},
    {MAINBOARD_MIRVO, {"CheckBoxSeg7", "CheckBoxFlash", nullptr}, 1},
};

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

// A prefix a card takes, and now and then one the form refuses.
std::string RandomPrefix(std::mt19937& rng) {
    return (rng() % 8 == 0 ? "" : "p") + RandomName(rng) + "_";
}

uint32_t Below(std::mt19937& rng, std::size_t count) {
    return static_cast<uint32_t>(rng() % static_cast<uint32_t>(count));
}

// ---- Binding ----

class Binding : public ::testing::TestWithParam<uint8_t> {};

// A view with every bound control at a random value its control can show.
kit::FormView RandomView(const kit::BoardLogic& board, const BoardForm& form, std::mt19937& rng) {
    kit::FormView view = form.View();
    view.part = static_cast<int>(Below(rng, static_cast<std::size_t>(board.Parts())));
    const kit::BoardLogic& logic = board.Part(view.part);
    const kit::BoardSpec& spec = logic.Spec();
    SettingsRecord& r = view.record;
    r.SetText(spec.head.projectName, RandomName(rng));
    for (const kit::FlagBinding& f : spec.flags)
        r.SetU8(f.offset, static_cast<uint8_t>(rng() % 2));
    for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
        const kit::ConnectorBinding& c = spec.connectors[static_cast<std::size_t>(k)];
        if (c.combo == nullptr)
            continue;
        const int list = static_cast<int>(Below(rng, spec.lists.size()));
        view.lists[static_cast<std::size_t>(k)] = list;
        const std::span<const uint8_t> cards = logic.Cards(list);
        logic.StoreCard(r, k, cards[Below(rng, cards.size())]);
        r.SetText(c.prefixOffset, RandomName(rng));
        view.locked[static_cast<std::size_t>(k)] = static_cast<uint8_t>(rng() % 2);
    }
    for (const kit::ChoiceBinding& c : spec.choiceLists) {
        const auto* combo = form.findChild<QComboBox*>(QString::fromLatin1(c.combo));
        logic.SetChoice(view, c.offset,
                        static_cast<int>(Below(rng, static_cast<std::size_t>(combo->count()))));
    }
    for (const kit::TextBinding& t : spec.texts)
        r.SetText(t.offset, RandomName(rng));
    return view;
}

TEST_P(Binding, TheControlsShowTheViewAndReadBackTheSame) {
    const kit::BoardLogic& board = *FindBoardLogic(GetParam());
    testsupport::TempDir dir;
    ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    const std::unique_ptr<QWidget> widget(CreateBoardForm(*FindBoardForm(GetParam()), nullptr));
    auto& form = dynamic_cast<BoardForm&>(*widget);
    const uint32_t seed = kSeed + GetParam();
    std::mt19937 rng(seed);
    for (int i = 0; i < kViews && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", view " + std::to_string(i));
        const kit::FormView view = RandomView(board, form, rng);
        form.Session().View() = view;
        form.Bind();
        const kit::BoardLogic& logic = form.Logic();
        const kit::BoardSpec& spec = logic.Spec();
        auto get = [&form](const char* name) { return form.findChild<QWidget*>(QString::fromLatin1(name)); };
        EXPECT_EQ(platform::FromQt(form.findChild<QLineEdit*>("EditProjectName")->text()),
                  logic.ProjectName(view.record));
        for (const kit::FlagBinding& f : spec.flags)
            EXPECT_EQ(static_cast<QCheckBox*>(get(f.box))->isChecked(), view.record.U8(f.offset) != 0)
                << f.box;
        for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
            const kit::ConnectorBinding& c = spec.connectors[static_cast<std::size_t>(k)];
            if (c.combo == nullptr)
                continue;
            const auto* combo = static_cast<QComboBox*>(get(c.combo));
            EXPECT_EQ(combo->currentIndex(), logic.CardIndex(view, k)) << c.combo;
            EXPECT_EQ(combo->count(),
                      static_cast<int>(logic.Cards(view.lists[static_cast<std::size_t>(k)]).size()));
            EXPECT_EQ(combo->isEnabled(), logic.CardEnabled(view, k)) << c.combo;
            EXPECT_EQ(get(c.prefixEdit)->isEnabled(), logic.PrefixEnabled(view, k)) << c.prefixEdit;
        }
        for (const kit::ChoiceBinding& c : spec.choiceLists) {
            const auto* combo = static_cast<QComboBox*>(get(c.combo));
            EXPECT_EQ(combo->currentIndex(), logic.Choice(view, c.offset)) << c.combo;
            EXPECT_EQ(combo->isEnabled(), logic.ChoiceEnabled(view, c.offset)) << c.combo;
        }
        form.Read();
        EXPECT_EQ(form.View(), view) << Describe(form.View().record, view.record);
    }
}

// ---- The form and the tool ----

// Most records tick no more of a clashing group than builds.
void TickFewOfAClash(const kit::BoardLogic& board, SettingsRecord& r, std::mt19937& rng) {
    for (int part = 0; part < board.Parts(); ++part) {
        const kit::BoardSpec& spec = board.Part(part).Spec();
        for (const ClashingBoxes& clash : kClashes) {
            if (clash.board != spec.id || rng() % 8 == 0)
                continue;
            const std::size_t kept = clash.ticked == 0 ? clash.boxes.size() : Below(rng, clash.boxes.size());
            for (std::size_t i = 0; i < clash.boxes.size(); ++i)
                for (const kit::FlagBinding& f : spec.flags)
                    if (i != kept && clash.boxes[i] != nullptr && std::string(f.box) == clash.boxes[i])
                        r.SetU8(f.offset, 0);
        }
    }
}

// The record a user may have saved: the start with the boxes, choices (now and then one
// outside its list), cards (now and then one the list lacks) and prefixes made at random,
// in every part of the board.
SettingsRecord RandomChoices(const kit::BoardLogic& board, std::mt19937& rng) {
    SettingsRecord r = StartRecord(board);
    for (int part = 0; part < board.Parts(); ++part) {
        const kit::BoardLogic& logic = board.Part(part);
        const kit::BoardSpec& spec = logic.Spec();
        r.SetText(spec.head.projectName, "P" + RandomName(rng));
        for (const kit::FlagBinding& f : spec.flags) {
            const uint32_t roll = rng() % 10;
            r.SetU8(f.offset, roll < 4 ? 0 : roll < 9 ? 1 : static_cast<uint8_t>(rng()));
        }
        for (const ChoiceField& c : spec.choices) {
            const int32_t value = rng() % 8 == 0
                                      ? static_cast<int32_t>(rng() % 300) - 20
                                      : static_cast<int32_t>(Below(rng, static_cast<std::size_t>(c.count)));
            if (c.width == 1)
                r.SetU8(c.offset, static_cast<uint8_t>(value));
            else
                r.SetI32(c.offset, value);
        }
        for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
            const kit::ConnectorBinding& c = spec.connectors[static_cast<std::size_t>(k)];
            const std::span<const uint8_t> cards = logic.Cards(logic.ListOf(k, r));
            const uint8_t card = cards.empty() || rng() % 6 == 0 ? static_cast<uint8_t>(rng())
                                                                 : cards[Below(rng, cards.size())];
            logic.StoreCard(r, k, card);
            r.SetText(c.prefixOffset, rng() % 3 == 0 ? std::string() : RandomPrefix(rng));
        }
    }
    TickFewOfAClash(board, r, rng);
    return r;
}

// Random bytes under the board's head and a name a form takes.
SettingsRecord RandomBytes(const kit::BoardLogic& board, std::mt19937& rng) {
    SettingsRecord r = board.NewRecord();
    for (std::size_t i = 0; i < r.size(); ++i)
        r.data()[i] = static_cast<uint8_t>(rng());
    board.SetHead(r);
    for (int part = 0; part < board.Parts(); ++part)
        r.SetText(board.Part(part).Spec().head.projectName, "P" + RandomName(rng));
    TickFewOfAClash(board, r, rng);
    return r;
}

void Save(const std::string& path, const SettingsRecord& r) {
    testsupport::WriteFile(path, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
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

std::string WithoutFolder(std::string text, const std::string& folder) {
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
        text.replace(at, folder.size(), "<folder>");
    return text;
}

// One run of either road: the boxes as gen-project prints them, the files, and whether
// a project was written.
struct Outcome {
    std::string boxes;
    std::map<std::string, std::string> files;
    bool written = false;
};

struct Trial {
    const SettingsRecord* start; // null: no default.cfg
    int fpga;                    // 1 or 2
    SettingsRecord loaded;
};

Outcome ThroughTheForm(uint8_t id, const Trial& t) {
    testsupport::TempDir dir;
    ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    seam.AnswerQuestionsWith(platform::Button::Yes);
    seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    if (t.start != nullptr)
        Save(dir.File("default.cfg"), *t.start);
    const std::unique_ptr<QWidget> widget(CreateBoardForm(*FindBoardForm(id), nullptr));
    auto& form = dynamic_cast<BoardForm&>(*widget);
    if (t.fpga == 2) {
        auto* fpga = form.findChild<QComboBox*>("ComboBoxFPGA");
        fpga->setCurrentIndex(1);
        emit fpga->activated(1);
    }
    Save(dir.File("record.cfg"), t.loaded);
    seam.AnswerFile(dir.File("record.cfg"));
    form.ButtonLoadClick();
    seam.ClearRecords();
    const std::string name = form.Logic().ProjectName(form.View().record);
    const std::string folder =
        dir.Folder() + "CodeGenerated/" + form.Logic().Spec().folder + "/" + name + "/";
    seam.AnswerFile(folder + name + ".qpf");
    form.ButtonGenClick();
    Outcome outcome;
    for (const auto& box : seam.Boxes())
        outcome.boxes += WithoutFolder("[" + box.caption + "] " + box.text + "\n", folder);
    outcome.files = ProjectFiles(folder);
    outcome.written = std::filesystem::exists(folder + name + ".qpf");
    return outcome;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

Outcome ThroughTheTool(uint8_t id, const Trial& t) {
    testsupport::TempDir dir;
    std::string command = Quoted(PW_GEN_PROJECT);
    if (t.start != nullptr) {
        Save(dir.File("start.cfg"), *t.start);
        command += " --start " + Quoted(dir.File("start.cfg"));
    }
    if (t.fpga == 2)
        command += " --fpga 2";
    Save(dir.File("record.cfg"), t.loaded);
    const std::string folder = dir.Folder() + "out/";
    command += " " + std::to_string(id) + " " + Quoted(folder) + " " + Quoted(dir.File("record.cfg")) +
               " > " + Quoted(dir.File("log")) + " 2>&1";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.boxes = WithoutFolder(testsupport::ReadFile(dir.File("log")), folder);
    outcome.files = ProjectFiles(folder);
    outcome.written = WEXITSTATUS(status) == 0;
    return outcome;
}

class FormAndTool : public ::testing::TestWithParam<uint8_t> {};

TEST_P(FormAndTool, WriteTheSameProjectAndShowTheSameBoxes) {
    const uint8_t id = GetParam();
    const kit::BoardLogic& board = *FindBoardLogic(id);
    const uint32_t seed = kSeed + 1000 + id;
    std::mt19937 rng(seed);
    int written = 0;
    for (int i = 0; i < kRecords && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", record " + std::to_string(i));
        const SettingsRecord start = rng() % 3 == 0 ? RandomBytes(board, rng) : RandomChoices(board, rng);
        const Trial trial{rng() % 3 == 0 ? nullptr : &start, 1 + static_cast<int>(Below(rng, board.Parts())),
                          i % 4 == 0 ? RandomBytes(board, rng) : RandomChoices(board, rng)};
        const Outcome form = ThroughTheForm(id, trial);
        const Outcome tool = ThroughTheTool(id, trial);
        EXPECT_EQ(form.written, tool.written) << tool.boxes;
        EXPECT_EQ(form.boxes, tool.boxes);
        EXPECT_EQ(form.files, tool.files);
        written += form.written ? 1 : 0;
    }
    // Records that tick one box of a clashing group build: most of them are written.
    for (const ClashingBoxes& clash : kClashes) {
        if (clash.board == id) {
            EXPECT_GT(written, kRecords / 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, Binding, ::testing::ValuesIn(BoardsWithPins()), BoardParamName);
INSTANTIATE_TEST_SUITE_P(Boards, FormAndTool, ::testing::ValuesIn(BoardsWithPins()), BoardParamName);

// ---- What a new form stores of a loaded record ----

struct Stored {
    std::size_t offset;
    std::vector<uint8_t> bytes;
};

struct LoadedRecord {
    const char* name;
    uint8_t board;
    void (*change)(SettingsRecord& r); // on the board's defaults
    std::vector<Stored> stored;        // what the next Save writes there
};

std::vector<uint8_t> I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
            static_cast<uint8_t>(u >> 24)};
}

std::vector<uint8_t> Text(const std::string& text, std::size_t width = 128) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.resize(std::min(width, text.size() + 1), 0);
    return bytes;
}

using Abrenz = TConfigAbrenz::ABRENZ_CONFIG;
using Calvex = TConfigCalvex::CALVEX_CONFIG;
using Dunmir = TConfigDunmir::BOARD_CONFIG;
using Embrel = TConfigEmbrel::EMBREL_CONFIG;
using Forvik = TConfigForvik::FORVIK_CONFIG;

// clang-format off
const LoadedRecord kLoaded[] = {
    // A record of another board of the same size loads; the Save writes this board's head.
    {"another board's head", MAINBOARD_DUNMIR, [](SettingsRecord& r) {
         r.SetI32(Dunmir::Size, 999);
         r.SetU8(Dunmir::BoardId, 99);
     }, {{Dunmir::Size, I32(272)}, {Dunmir::BoardId, {30}}}},
    // The Calvex form never rewrites the head: it keeps what the file held.
    {"another board's head, kept", MAINBOARD_CALVEX, [](SettingsRecord& r) {
         r.SetU8(Calvex::BoardId, 99);
         r.SetI32(Calvex::Size, 999);
     }, {{Calvex::BoardId, {99}}, {Calvex::Size, I32(999)}}},
    // A name without its terminator is read to 127 characters and stored with one.
    {"a name of 128 characters", MAINBOARD_EMBREL, [](SettingsRecord& r) {
         std::fill(r.data() + Embrel::ProjectName, r.data() + Embrel::ProjectName + 128, uint8_t{'N'});
     }, {{Embrel::ProjectName, Text(std::string(127, 'N'))}}},
    // A choice outside its list takes the list's default.
    {"a device variant and a clock outside their lists", MAINBOARD_ABRENZ, [](SettingsRecord& r) {
         r.SetU8(Abrenz::nBoardType, 9);
         r.SetU8(Abrenz::bQsfpA, 1);
         r.SetI32(Abrenz::nSi5340A, 12);
     }, {{Abrenz::nBoardType, {0}}, {Abrenz::nSi5340A, I32(0)}}},
    {"a board revision outside its list", MAINBOARD_ZEPHAL, [](SettingsRecord& r) {
         r.SetI32(ZEPHAL_CONFIG::nBoardRevision, 9);
     }, {{ZEPHAL_CONFIG::nBoardRevision, I32(2)}}},
    {"a bank voltage outside its list", MAINBOARD_ELBRIN, [](SettingsRecord& r) {
         r.SetI32(ELBRIN_CONFIG::nGpioVoltage, -3);
         r.SetI32(ELBRIN_CONFIG::nHSMCVoltage, 4);
     }, {{ELBRIN_CONFIG::nGpioVoltage, I32(0)}, {ELBRIN_CONFIG::nHSMCVoltage, I32(1)}}},
    // An HSMC voltage outside its list is 2.5 V; an HSMC card that list lacks gives None
    // and no prefix; a GPIO card the list lacks leaves the GPIO choice as the start left it.
    {"cards their lists lack", MAINBOARD_FORVIK, [](SettingsRecord& r) {
         r.SetI32(Forvik::nHsmcVoltage, 7);
         r.SetU8(Forvik::nHsmcDaughterId, DAUGHTER_GPIO_DEFAULT);
         r.SetText(Forvik::szHSMCPrefixName, "H_");
         r.SetU8(Forvik::nGpioDaughterId, 120);
         r.SetText(Forvik::szGpioPrefixName, "G_");
     }, {{Forvik::nHsmcVoltage, I32(1)}, {Forvik::nHsmcDaughterId, {0}}, {Forvik::szHSMCPrefixName, Text("")},
         {Forvik::nGpioDaughterId, {0}}, {Forvik::szGpioPrefixName, Text("")}}},
};
// clang-format on

void PrintTo(const LoadedRecord& c, std::ostream* out) {
    *out << "board " << int(c.board) << ": " << c.name;
}

class NewFormStores : public ::testing::TestWithParam<LoadedRecord> {};

TEST_P(NewFormStores, WhatTheRecordLayoutAllows) {
    const LoadedRecord& c = GetParam();
    const kit::BoardLogic& logic = *FindBoardLogic(c.board);
    SettingsRecord loaded = logic.NewRecord();
    logic.SetDefaultConfig(loaded);
    c.change(loaded);

    SettingsRecord byLogic = loaded;
    Normalise(logic, byLogic);

    testsupport::TempDir dir;
    ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    const std::unique_ptr<QWidget> widget(CreateBoardForm(*FindBoardForm(c.board), nullptr));
    auto& form = dynamic_cast<BoardForm&>(*widget);
    Save(dir.File("record.cfg"), loaded);
    seam.AnswerFile(dir.File("record.cfg"));
    form.ButtonLoadClick();
    StoreShown(form, form.Session().Stored());
    const SettingsRecord& byForm = form.Session().Stored();

    EXPECT_EQ(byForm, byLogic) << Describe(byForm, byLogic);
    for (const Stored& s : c.stored)
        EXPECT_EQ(std::vector<uint8_t>(byForm.data() + s.offset, byForm.data() + s.offset + s.bytes.size()),
                  s.bytes)
            << "at " << s.offset;
}

INSTANTIATE_TEST_SUITE_P(Records, NewFormStores, ::testing::ValuesIn(kLoaded));

} // namespace
