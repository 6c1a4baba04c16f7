// A Kamrel camera on the HSMC-to-GPIO adaptor: header J2 (the GPIO0 pins, positions
// 100-160), header J3 (the GPIO1 pins, positions 1-99) or both.

#include "CardTables.h"
#include "HsmcLayoutB.h"

#include "platform/Assert.h"

#include <iterator>
#include <string>

using namespace hsmcb;

namespace {

// The camera's pins on either header; each J3 position is the J2 position minus 60.
struct KamrelRow {
    const char* name;
    uint8_t direction;
    int positionJ2;
    int positionJ3;
};
// clang-format off
constexpr KamrelRow kKamrelRows[] = {
    {"SDATA", kIo, 120, 60},
    {"LVAL", kIn, 122, 62},
    {"TRIGGER", kOut, 126, 66},
    {"SCLK", kIo, 127, 67},
    {"RESET_N", kOut, 128, 68},
    {"FVAL", kIn, 131, 71},
    {"STROBE", kIn, 133, 73},
    {"D[0]", kIn, 134, 74},
    {"D[2]", kIn, 138, 78},
    {"D[1]", kIn, 139, 79},
    {"D[4]", kIn, 140, 80},
    {"D[3]", kIn, 143, 83},
    {"D[6]", kIn, 144, 84},
    {"D[5]", kIn, 145, 85},
    {"D[8]", kIn, 146, 86},
    {"D[7]", kIn, 149, 89},
    {"D[10]", kIn, 150, 90},
    {"D[9]", kIn, 151, 91},
    {"D[11]", kIn, 152, 92},
    {"XCLKIN", kOut, 157, 97},
    {"PIXCLK", kIn, 158, 98},
};
// clang-format on

void NameCameraPins(TConnector* conn, bool onJ2, const char* prefix) {
    for (const KamrelRow& row : kKamrelRows) {
        TPin* pin = conn->GetPin((onJ2 ? row.positionJ2 : row.positionJ3) - 1);
        if (!pin)
            continue;
        pin->SetName(prefix + std::string(row.name));
        pin->SetDirection(row.direction);
    }
}

// Switches off the header pins at positions first to last that the camera does not use.
void SwitchOffOtherPins(TConnector* conn, int first, int last) {
    for (int position = first; position <= last; ++position) {
        TPin* pin = conn->GetPin(position - 1);
        if (pin && pin->GetName().find("KAMREL") == std::string::npos)
            pin->SetDirection(DIRECTION_NONE);
    }
}

} // namespace

void FillCardBrisselKamrelPins(TConnector* conn, bool headerJ2, bool headerJ3, uint8_t ioStandard,
                               uint8_t mainBoardId) {
    FillCardBrisselHsmcPins(conn, ioStandard, mainBoardId);

    const int nNum = 21;
    PW_ASSERT(nNum == static_cast<int>(std::size(kKamrelRows)),
              "nNum == sizeof(szKamrel_J3)/sizeof(szKamrel_J3[0])", "D_HSMC_BRISSEL_KAMREL", 66);

    if (headerJ2 && headerJ3) {
        NameCameraPins(conn, true, "KAMREL_0_");
        NameCameraPins(conn, false, "KAMREL_1_");
        SwitchOffOtherPins(conn, 1, kHsmcSlots);
    } else if (headerJ2) {
        NameCameraPins(conn, true, "KAMREL_");
        SwitchOffOtherPins(conn, 100, kHsmcSlots);
    } else if (headerJ3) {
        NameCameraPins(conn, false, "KAMREL_");
        SwitchOffOtherPins(conn, 1, 99);
    } else {
        PW_ASSERT(0, "0", "D_HSMC_BRISSEL_KAMREL", 128);
    }
}
