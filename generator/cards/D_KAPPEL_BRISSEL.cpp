// The Kappel-to-PIO adaptor: 180 positions of inout 3.3-V LVTTL pins. Most of them come
// in groups of four (an n leg and a p leg of a TX/RX or CLKOUT/CLKIN pair) numbered k;
// the lower 120 positions leave the first two of every six free.
#include "cards/CardRow.h"
#include "cards/CardTables.h"

#include "platform/Text.h"

#include <span>

namespace {

constexpr int kSlots = 180;

using GroupNames = const char* const[4];

constexpr GroupNames kClockNames = {"KAPPEL_CLKOUT_n[%d]", "KAPPEL_CLKIN_n[%d]", "KAPPEL_CLKOUT_p[%d]",
                                    "KAPPEL_CLKIN_p[%d]"};
constexpr GroupNames kDataNames = {"KAPPEL_TX_n[%d]", "KAPPEL_RX_n[%d]", "KAPPEL_TX_p[%d]",
                                   "KAPPEL_RX_p[%d]"};

// Groups k = firstIndex .. firstIndex + count - 1, group k starting at
// firstPosition + step * (k - firstIndex).
struct GroupRun {
    int firstPosition;
    int step;
    int firstIndex;
    int count;
    const GroupNames& names;
};

// clang-format off
constexpr GroupRun kRuns[] = {
    {3, 6, 0, 1, kClockNames},
    {9, 6, 0, 9, kDataNames},
    {63, 6, 1, 1, kClockNames},
    {69, 6, 9, 9, kDataNames},
    {133, 4, 18, 12, kDataNames},
};
// clang-format on

// clang-format off
constexpr CardPin kSingles[] = {
    {121, "KAPPEL_POWER_ON", DIRECTION_INOUT},
    {123, "KAPPEL_CLKOUT_2", DIRECTION_INOUT},
    {124, "KAPPEL_CLKIN_2", DIRECTION_INOUT},
    {125, "KAPPEL_TDO", DIRECTION_INOUT},
    {126, "KAPPEL_TDI", DIRECTION_INOUT},
    {129, "KAPPEL_TCK", DIRECTION_INOUT},
    {130, "KAPPEL_TMS", DIRECTION_INOUT},
    {131, "KAPPEL_SDA", DIRECTION_INOUT},
    {132, "KAPPEL_SCL", DIRECTION_INOUT},
};
// clang-format on

TPin* MakePin(const char* name, int position) {
    return new TPin(name, DIRECTION_INOUT, IOSTD_3V3_LVTTL, position, 0);
}

TPin* PinAt(int position) {
    for (const GroupRun& run : kRuns) {
        const int offset = position - run.firstPosition;
        if (offset < 0 || offset >= run.step * run.count || offset % run.step >= 4)
            continue;
        const int k = run.firstIndex + offset / run.step;
        return MakePin(platform::Format(run.names[offset % run.step], k).c_str(), position);
    }
    for (const CardPin& row : kSingles)
        if (row.position == position)
            return MakePin(row.name, position);
    return nullptr;
}

} // namespace

void FillCardBrisselKappelPins(TConnector* conn) {
    AppendSlots(conn, kSlots, PinAt);
}
