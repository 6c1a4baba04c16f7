// The generic HSMC card: a neutral name for every signal position, so that a project
// gets one port per usable position. The main board picks one of four name layouts.

#include "CardTables.h"
#include "HsmcLayoutB.h"

#include "platform/Text.h"

#include <string>

using namespace hsmcb;

namespace {

constexpr uint8_t kBoardHarlin = 8;
constexpr uint8_t kBoardIsvar = 9;
constexpr uint8_t kBoardLomar = 12;
constexpr uint8_t kBoardNorrik = 14;
constexpr uint8_t kBoardRasmel = 18;
constexpr uint8_t kBoardSelvik = 19;
constexpr uint8_t kBoardTavrin = 20;

constexpr int kAnyPort = -1;

enum Layout { kGxb, kBoard8, kBracketed, kPlain, kLayoutCount };

// Board 32 takes the plain layout like every board without a layout of its own.
Layout LayoutOf(uint8_t mainBoardId) {
    switch (mainBoardId) {
    case kBoardHarlin:
        return kBoard8;
    case kBoardLomar:
    case kBoardRasmel:
        return kGxb;
    case kBoardSelvik:
    case kBoardTavrin:
        return kBracketed;
    default:
        return kPlain;
    }
}

// Positions 1-32: slots 0-3 of the transceiver lanes, lane 7 first; the lane follows
// in brackets. Only the plain layout names the n legs.
struct LaneSlot {
    uint8_t direction;
    const char* gxbName;
    const char* plainName;
};
// clang-format off
constexpr LaneSlot kLaneSlots[] = {
    {kOut, "GXB_TX_p", "TX_p"},
    {kIn, "GXB_RX_p", "RX_p"},
    {kOut, nullptr, "TX_n"},
    {kIn, nullptr, "RX_n"},
};
// clang-format on

// Slots 0-3 of the pair rows, all inout; the row follows in brackets.
struct PairSlot {
    const char* name;
    const char* plainName;
};
// clang-format off
constexpr PairSlot kPairSlots[] = {
    {"TX_p", "TX_D_p"},
    {"RX_p", "RX_D_p"},
    {"TX_n", "TX_D_n"},
    {"RX_n", "RX_D_n"},
};
// clang-format on

// Every other position that carries a pin, by layout; nullptr leaves it empty.
struct FixedRow {
    int position;
    uint8_t direction;
    const char* name[kLayoutCount]; // GXB, board 8, bracketed, plain
};
// clang-format off
constexpr FixedRow kFixedRows[] = {
    {33, kIo, {"SDA", "SDA", "SDA", "SDA"}},
    {34, kOut, {"SCL", "SCL", "SCL", "SCL"}},
    {39, kOut, {"CLKOUT0", "OUT0", "CLKOUT0", "CLKOUT0"}},
    {40, kIn, {"CLKIN0", "CLKIN0", "CLKIN0", "CLKIN0"}},
    {41, kIo, {"D[0]", "D[0]", "D[0]", "D[0]"}},
    {42, kIo, {"D[1]", "D[1]", "D[1]", "D[1]"}},
    {43, kIo, {"D[2]", "D[2]", "D[2]", "D[2]"}},
    {44, kIo, {"D[3]", "D[3]", "D[3]", "D[3]"}},
    {95, kOut, {"CLKOUT_p1", "OUT_p1", "CLKOUT_p[1]", "CLKOUT_p1"}},
    {96, kIn, {"CLKIN_p1", "CLKIN_p1", "CLKIN_p[1]", "CLKIN_p1"}},
    {97, kOut, {"CLKOUT_n1", "OUT_n1", "CLKOUT_n[1]", "CLKOUT_n1"}},
    {98, kIn, {"CLKIN_n1", "CLKIN_n1", "CLKIN_n[1]", "CLKIN_n1"}},
    {155, kOut, {"CLKOUT_p2", "CLKOUT_p2", "CLKOUT_p[2]", "CLKOUT_p2"}},
    {156, kIn, {"CLKIN_p2", "CLKIN_p2", "CLKIN_p[2]", "CLKIN_p2"}},
    {157, kOut, {"CLKOUT_n2", "CLKOUT_n2", "CLKOUT_n[2]", "CLKOUT_n2"}},
    {158, kIn, {"CLKIN_n2", "CLKIN_n2", "CLKIN_n[2]", "CLKIN_n2"}},
    {160, kIn, {"PRSNT_n", nullptr, "PRSNT_n", "PRSNT_n"}},
};
// clang-format on

// Names that one board gives a position of its layout, on any port or on one only.
struct BoardName {
    int position;
    uint8_t mainBoardId;
    int port;
    const char* name;
};
// clang-format off
constexpr BoardName kBoardNames[] = {
    {33, kBoardNorrik, kAnyPort, "I2C_SDAT"},
    {34, kBoardNorrik, kAnyPort, "I2C_SCLK"},
    {39, kBoardSelvik, kAnyPort, "CLK_OUT0"},
    {40, kBoardSelvik, kAnyPort, "CLK_IN0"},
    {39, kBoardIsvar, kAnyPort, "OUT0"},
    {95, kBoardIsvar, kAnyPort, "OUT_p1"},
    {97, kBoardIsvar, kAnyPort, "OUT_n1"},
    {155, kBoardIsvar, 1, "OUT_p2"},
    {157, kBoardIsvar, 1, "OUT_n2"},
};
// clang-format on

std::string Indexed(const char* base, int index) {
    return std::string(base) + "[" + std::to_string(index) + "]";
}

// The name and direction of position's pin; false for an empty position.
bool PinAt(int position, Layout layout, uint8_t mainBoardId, int port, bool withTransceivers,
           std::string& name, uint8_t& direction) {
    if (position <= 32) {
        if (!withTransceivers)
            return false;
        const LaneSlot& s = kLaneSlots[(position - 1) % 4];
        const char* base = layout == kPlain ? s.plainName : s.gxbName;
        if (!base)
            return false;
        name = Indexed(base, 7 - (position - 1) / 4);
        direction = s.direction;
        return true;
    }
    int row = 0;
    int slot = 0;
    if (PairRowAt(position, row, slot)) {
        const PairSlot& s = kPairSlots[slot];
        name = Indexed(layout == kPlain ? s.plainName : s.name, row);
        direction = kIo;
        return true;
    }
    for (const FixedRow& fixed : kFixedRows) {
        if (fixed.position != position || !fixed.name[layout])
            continue;
        name = fixed.name[layout];
        direction = fixed.direction;
        for (const BoardName& b : kBoardNames)
            if (b.position == position && b.mainBoardId == mainBoardId &&
                (b.port == kAnyPort || b.port == port))
                name = b.name;
        return true;
    }
    return false;
}

} // namespace

// The port number tells board 9's two HSMC connectors apart; other boards pass 0.
void FillCardHsmcDefaultPins(TConnector* conn, uint8_t mainBoardId, int hsmcVariant, uint8_t xcvrStandard,
                             uint8_t ioStandard, bool withTransceivers, bool upperCaseNames) {
    const Layout layout = LayoutOf(mainBoardId);
    AppendSlots(conn, kHsmcSlots, [&](int position) -> TPin* {
        std::string name;
        uint8_t direction = DIRECTION_NONE;
        if (!PinAt(position, layout, mainBoardId, hsmcVariant, withTransceivers, name, direction))
            return nullptr;
        TPin* pin =
            new TPin(name.c_str(), direction, position <= 32 ? xcvrStandard : ioStandard, position, 0);
        if (upperCaseNames)
            pin->SetName(platform::ToUpper(pin->GetName()));
        return pin;
    });
}
