// A pin table first checks the record's head: a record of another board, or of
// another size, is a broken rule that stops at the table's own text and line, and
// the board's own head passes. One row per board: the id the model keeps when the id
// check fails, and where the table keeps a copy of the record, that the copy was
// taken before the check.
#include "BoardModelQueries.h"
#include "boards/first/fennic/CONFIG_FENNIC.h"
#include "boards/first/fennic/FennicRules.h"
#include "boards/first/kestin/CONFIG_KESTIN.h"
#include "boards/first/kestin/KestinRules.h"
#include "boards/latest/dunmir/CONFIG_DUNMIR.h"
#include "boards/latest/forvik/CONFIG_FORVIK.h"
#include "boards/latest/selvik/CONFIG_SELVIK.h"
#include "boards/latest/selvik/SelvikRules.h"
#include "boards/latest/vardis/CONFIG_VARDIS.h"
#include "boards/latest/vardis/VardisRules.h"
#include "boards/latest/vardis/VardisText.h"
#include "boards/latest/wendro/CONFIG_WENDRO.h"
#include "boards/latest/wendro/WendroRules.h"
#include "boards/latest/xylmar/CONFIG_XYLMAR.h"
#include "boards/latest/xylmar/XylmarRules.h"
#include "boards/second/isvar/CONFIG_ISVAR.h"
#include "boards/second/isvar/IsvarRules.h"
#include "boards/second/jorrel/CONFIG_JORREL.h"
#include "boards/second/jorrel/JorrelRules.h"
#include "boards/second/mirvo/CONFIG_MIRVO.h"
#include "boards/second/mirvo/MirvoRules.h"
#include "boards/second/ostrel/CONFIG_OSTREL.h"
#include "boards/second/ostrel/OstrelRules.h"
#include "boards/second/ostrel/OstrelText.h"
#include "boards/second/rasmel/CONFIG_RASMEL.h"
#include "boards/second/rasmel/RasmelRules.h"
#include "boards/second/rasmel/RasmelText.h"
#include "generator/boards/BoardTextOf.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

using platform::testing::AssertionOf;

namespace {

// The board model a table fills, and the settings object it may point to (which
// outlives the model).
struct Model {
    std::unique_ptr<TConfigBoard> settings;
    TMainBoard board;
};

// The board's new record with its head set to id and size, through the board's table.
template <const kit::BoardLogic& (*Logic)(), void (*Pins)(TMainBoard*, const SettingsRecord&)>
void WithRecord(Model& m, uint8_t id, int32_t size) {
    SettingsRecord r = Logic().NewRecord();
    r.SetU8(0, id);
    r.SetI32(4, size);
    Pins(&m.board, r);
}

// The same through a board's settings object, which the model keeps pointing to.
template <class Settings, void (*Pins)(TMainBoard*, Settings*)>
void WithSettings(Model& m, uint8_t id, int32_t size) {
    auto* settings = new Settings;
    m.settings.reset(settings);
    settings->Config.SetBoardId(id);
    settings->Config.SetSize(size);
    Pins(&m.board, settings);
}

struct HeadCase {
    const char* board;
    void (*run)(Model&, uint8_t id, int32_t size);
    uint8_t otherId; // another board's id
    uint8_t ownId;
    int32_t ownSize;
    int32_t otherSize;
    const char* idText;
    const char* sizeText;
    int modelId; // the model's board id after the id check
    int (*copiedId)(const TMainBoard&) = nullptr;
};

// clang-format off
// In the order of the board ids.
const HeadCase kCases[] = {
    {"Fennic", &WithRecord<FennicLogic, ConfigFennicPins>, 4, 6, 924, 920,
     "Assertion failed: Config.BoardId == MAINBOARD_FENNIC, file CONFIG_FENNIC, line 18",
     "Assertion failed: Config.Size == sizeof(FENNIC_CONFIG), file CONFIG_FENNIC, line 19", 6},
    {"Isvar", &WithRecord<IsvarLogic, ConfigIsvarPins>, 8, 9, 924, 920,
     "Assertion failed: Config.BoardId == MAINBOARD_ISVAR, file CONFIG_ISVAR, line 20",
     "Assertion failed: Config.Size == sizeof(ISVAR_CONFIG), file CONFIG_ISVAR, line 21", 8},
    {"Jorrel", &WithRecord<JorrelLogic, ConfigJorrelPins>, 11, 10, 404, 408,
     "Assertion failed: Config.BoardId == MAINBOARD_JORREL, file CONFIG_JORREL, line 20",
     "Assertion failed: Config.Size == sizeof(JORREL_CONFIG), file CONFIG_JORREL, line 21", 10},
    {"Kestin", &WithRecord<KestinLogic, ConfigKestinPins>, 6, 11, 404, 408,
     "Assertion failed: Config.BoardId == MAINBOARD_KESTIN, file CONFIG_KESTIN, line 21",
     "Assertion failed: Config.Size == sizeof(KESTIN_CONFIG), file CONFIG_KESTIN, line 22", 11},
    {"Mirvo", &WithRecord<MirvoLogic, ConfigMirvoPins>, 14, 13, 412, 424,
     "Assertion failed: Config.BoardId == MAINBOARD_MIRVO, file CONFIG_MIRVO, line 26",
     "Assertion failed: Config.Size == sizeof(MIRVO_CONFIG), file CONFIG_MIRVO, line 27", 13},
    {"Ostrel", &WithRecord<OstrelLogic, ConfigOstrelPins>, 14, 15, 164, 165,
     "Assertion failed: Config.BoardId == MAINBOARD_OSTREL, file CONFIG_OSTREL, line 66",
     "Assertion failed: Config.Size == sizeof(OSTREL_CONFIG), file CONFIG_OSTREL, line 67", 14,
     [](const TMainBoard& b) { return int(RecordOf<OstrelText>(b).GetBoardId()); }},
    {"Rasmel", &WithRecord<RasmelLogic, ConfigRasmelPins>, 15, 18, 296, 164,
     "Assertion failed: Config.BoardId == MAINBOARD_RASMEL, file CONFIG_RASMEL, line 33",
     "Assertion failed: Config.Size == sizeof(RASMEL_CONFIG), file CONFIG_RASMEL, line 34", 15,
     [](const TMainBoard& b) { return int(RecordOf<RasmelText>(b).GetBoardId()); }},
    {"Selvik", &WithRecord<SelvikLogic, ConfigSelvikPins>, 20, 19, 284, 408,
     "Assertion failed: Config.BoardId == MAINBOARD_SELVIK, file CONFIG_SELVIK, line 24",
     "Assertion failed: Config.Size == sizeof(SELVIK_CONFIG), file CONFIG_SELVIK, line 25", 20},
    {"Vardis", &WithRecord<VardisLogic, ConfigVardisPins>, 21, 22, 408, 404,
     "Assertion failed: Config.BoardId == MAINBOARD_VARDIS, file CONFIG_VARDIS, line 23",
     "Assertion failed: Config.Size == sizeof(VARDIS_CONFIG), file CONFIG_VARDIS, line 24", 21,
     [](const TMainBoard& b) { return int(RecordOf<VardisText>(b).U8(0)); }},
    {"Wendro", &WithRecord<WendroLogic, ConfigWendroPins>, 24, 23, 404, 408,
     "Assertion failed: Config.BoardId == MAINBOARD_WENDRO, file CONFIG_Wendro, line 22",
     "Assertion failed: Config.Size == sizeof(WENDRO_CONFIG), file CONFIG_Wendro, line 23", 24},
    {"Xylmar", &WithRecord<XylmarLogic, ConfigXylmarPins>, 23, 24, 404, 408,
     "Assertion failed: Config.BoardId == MAINBOARD_XYLMAR, file CONFIG_Xylmar, line 24",
     "Assertion failed: Config.Size == sizeof(XYLMAR_CONFIG), file CONFIG_Xylmar, line 25", 23},
    {"Dunmir", &WithSettings<TConfigDunmir, ConfigDunmirPins>, 50, 30, 272, 271,
     "Assertion failed: Config.BoardId == MAINBOARD_DUNMIR, file CONFIG_DUNMIR, line 24",
     "Assertion failed: Config.Size == sizeof(TConfigDunmir::BOARD_CONFIG), file CONFIG_DUNMIR, line 25", 50},
    {"Forvik", &WithSettings<TConfigForvik, ConfigForvikPins>, 30, 32, 416, 272,
     "Assertion failed: Config.BoardId == MAINBOARD_FORVIK, file CONFIG_Forvik, line 24",
     "Assertion failed: Config.Size == sizeof(TConfigForvik::FORVIK_CONFIG), file CONFIG_Forvik, line 25", 30},
};
// clang-format on

void PrintTo(const HeadCase& c, std::ostream* os) {
    *os << c.board;
}

class HeadChecks : public ::testing::TestWithParam<HeadCase> {
protected:
    platform::testing::ScriptedPlatform seam;
};

} // namespace

TEST_P(HeadChecks, ARecordOfAnotherBoardOrSizeIsABrokenRule) {
    const HeadCase& c = GetParam();
    Model other;
    EXPECT_EQ(AssertionOf([&] { c.run(other, c.otherId, c.ownSize); }), c.idText);
    EXPECT_EQ(other.board.GetBoardId(), c.modelId);
    if (c.copiedId != nullptr) {
        EXPECT_EQ(c.copiedId(other.board), c.otherId); // copied before the check
    }
    Model resized;
    EXPECT_EQ(AssertionOf([&] { c.run(resized, c.ownId, c.otherSize); }), c.sizeText);
    Model own;
    EXPECT_EQ(AssertionOf([&] { c.run(own, c.ownId, c.ownSize); }), "");
    EXPECT_EQ(own.board.GetBoardId(), c.ownId);
}

INSTANTIATE_TEST_SUITE_P(Boards, HeadChecks, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HeadCase>& info) {
                             return std::string(info.param.board);
                         });
