// The DDR3 SO-DIMM module in a 204-contact socket. One contact layout serves three
// variants that differ in the case of the names and in the data and strobe standards.
#include "cards/CardTables.h"
#include "cards/SodimmShape.h"

namespace {

constexpr int kSlots = 204;

// clang-format off
constexpr SodimmPin kDdr3Sodimm[] = {
    {4, "DQ[4]", SodimmRole::Data},
    {5, "DQ[0]", SodimmRole::Data},
    {6, "DQ[5]", SodimmRole::Data},
    {7, "DQ[1]", SodimmRole::Data},
    {10, "DQS_n[0]", SodimmRole::StrobeN},
    {11, "DM[0]", SodimmRole::Mask},
    {12, "DQS[0]", SodimmRole::Strobe},
    {15, "DQ[2]", SodimmRole::Data},
    {16, "DQ[6]", SodimmRole::Data},
    {17, "DQ[3]", SodimmRole::Data},
    {18, "DQ[7]", SodimmRole::Data},
    {21, "DQ[8]", SodimmRole::Data},
    {22, "DQ[12]", SodimmRole::Data},
    {23, "DQ[9]", SodimmRole::Data},
    {24, "DQ[13]", SodimmRole::Data},
    {27, "DQS_n[1]", SodimmRole::StrobeN},
    {28, "DM[1]", SodimmRole::Mask},
    {29, "DQS[1]", SodimmRole::Strobe},
    {30, "RESET_n", SodimmRole::Reset},
    {33, "DQ[10]", SodimmRole::Data},
    {34, "DQ[14]", SodimmRole::Data},
    {35, "DQ[11]", SodimmRole::Data},
    {36, "DQ[15]", SodimmRole::Data},
    {39, "DQ[16]", SodimmRole::Data},
    {40, "DQ[20]", SodimmRole::Data},
    {41, "DQ[17]", SodimmRole::Data},
    {42, "DQ[21]", SodimmRole::Data},
    {45, "DQS_n[2]", SodimmRole::StrobeN},
    {46, "DM[2]", SodimmRole::Mask},
    {47, "DQS[2]", SodimmRole::Strobe},
    {50, "DQ[22]", SodimmRole::Data},
    {51, "DQ[18]", SodimmRole::Data},
    {52, "DQ[23]", SodimmRole::Data},
    {53, "DQ[19]", SodimmRole::Data},
    {56, "DQ[28]", SodimmRole::Data},
    {57, "DQ[24]", SodimmRole::Data},
    {58, "DQ[29]", SodimmRole::Data},
    {59, "DQ[25]", SodimmRole::Data},
    {62, "DQS_n[3]", SodimmRole::StrobeN},
    {63, "DM[3]", SodimmRole::Mask},
    {64, "DQS[3]", SodimmRole::Strobe},
    {67, "DQ[26]", SodimmRole::Data},
    {68, "DQ[30]", SodimmRole::Data},
    {69, "DQ[27]", SodimmRole::Data},
    {70, "DQ[31]", SodimmRole::Data},
    {73, "CKE[0]", SodimmRole::Command},
    {74, "CKE[1]", SodimmRole::Command},
    {78, "A[15]", SodimmRole::Command},
    {79, "BA[2]", SodimmRole::Command},
    {80, "A[14]", SodimmRole::Command},
    {83, "A[12]", SodimmRole::Command},
    {84, "A[11]", SodimmRole::Command},
    {85, "A[9]", SodimmRole::Command},
    {86, "A[7]", SodimmRole::Command},
    {89, "A[8]", SodimmRole::Command},
    {90, "A[6]", SodimmRole::Command},
    {91, "A[5]", SodimmRole::Command},
    {92, "A[4]", SodimmRole::Command},
    {95, "A[3]", SodimmRole::Command},
    {96, "A[2]", SodimmRole::Command},
    {97, "A[1]", SodimmRole::Command},
    {98, "A[0]", SodimmRole::Command},
    {101, "CK[0]", SodimmRole::Clock},
    {102, "CK[1]", SodimmRole::Clock},
    {103, "CK_n[0]", SodimmRole::Clock},
    {104, "CK_n[1]", SodimmRole::Clock},
    {107, "A[10]", SodimmRole::Command},
    {108, "BA[1]", SodimmRole::Command},
    {109, "BA[0]", SodimmRole::Command},
    {110, "RAS_n", SodimmRole::Command},
    {113, "WE_n", SodimmRole::Command},
    {114, "CS_n[0]", SodimmRole::Command},
    {115, "CAS_n", SodimmRole::Command},
    {116, "ODT[0]", SodimmRole::Command},
    {119, "A[13]", SodimmRole::Command},
    {120, "ODT[1]", SodimmRole::Command},
    {121, "CS_n[1]", SodimmRole::Command},
    {129, "DQ[32]", SodimmRole::Data},
    {130, "DQ[36]", SodimmRole::Data},
    {131, "DQ[33]", SodimmRole::Data},
    {132, "DQ[37]", SodimmRole::Data},
    {135, "DQS_n[4]", SodimmRole::StrobeN},
    {136, "DM[4]", SodimmRole::Mask},
    {137, "DQS[4]", SodimmRole::Strobe},
    {140, "DQ[38]", SodimmRole::Data},
    {141, "DQ[34]", SodimmRole::Data},
    {142, "DQ[39]", SodimmRole::Data},
    {143, "DQ[35]", SodimmRole::Data},
    {146, "DQ[44]", SodimmRole::Data},
    {147, "DQ[40]", SodimmRole::Data},
    {148, "DQ[45]", SodimmRole::Data},
    {149, "DQ[41]", SodimmRole::Data},
    {152, "DQS_n[5]", SodimmRole::StrobeN},
    {153, "DM[5]", SodimmRole::Mask},
    {154, "DQS[5]", SodimmRole::Strobe},
    {157, "DQ[42]", SodimmRole::Data},
    {158, "DQ[46]", SodimmRole::Data},
    {159, "DQ[43]", SodimmRole::Data},
    {160, "DQ[47]", SodimmRole::Data},
    {163, "DQ[48]", SodimmRole::Data},
    {164, "DQ[52]", SodimmRole::Data},
    {165, "DQ[49]", SodimmRole::Data},
    {166, "DQ[53]", SodimmRole::Data},
    {169, "DQS_n[6]", SodimmRole::StrobeN},
    {170, "DM[6]", SodimmRole::Mask},
    {171, "DQS[6]", SodimmRole::Strobe},
    {174, "DQ[54]", SodimmRole::Data},
    {175, "DQ[50]", SodimmRole::Data},
    {176, "DQ[55]", SodimmRole::Data},
    {177, "DQ[51]", SodimmRole::Data},
    {180, "DQ[60]", SodimmRole::Data},
    {181, "DQ[56]", SodimmRole::Data},
    {182, "DQ[61]", SodimmRole::Data},
    {183, "DQ[57]", SodimmRole::Data},
    {186, "DQS_n[7]", SodimmRole::StrobeN},
    {187, "DM[7]", SodimmRole::Mask},
    {188, "DQS[7]", SodimmRole::Strobe},
    {191, "DQ[58]", SodimmRole::Data},
    {192, "DQ[62]", SodimmRole::Data},
    {193, "DQ[59]", SodimmRole::Data},
    {194, "DQ[63]", SodimmRole::Data},
    {197, "SA[0]", SodimmRole::Sa},
    {198, "EVENT_n", SodimmRole::Event},
    {200, "SDA", SodimmRole::Sda},
    {201, "SA[1]", SodimmRole::Sa},
    {202, "SCL", SodimmRole::Scl},
};
// clang-format on

struct Ddr3Variant {
    uint8_t data;   // DQ and DM
    uint8_t strobe; // DQS and DQS_n
    uint8_t clock;  // CK and CK_n
    uint8_t reset;  // RESET_n
    bool lowerCase; // memory signals in lower case; the presence-detect ones stay upper case
};

void FillDdr3(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard, uint8_t addressIoStandard,
              const Ddr3Variant& v) {
    const bool lc = v.lowerCase;
    const SodimmRoleSpecs specs = {
        /* Data    */ {true, DIRECTION_INOUT, v.data, 0, lc},
        /* Mask    */ {true, DIRECTION_OUTPUT, v.data, 0, lc},
        /* Strobe  */ {true, DIRECTION_INOUT, v.strobe, 0, lc},
        /* StrobeN */ {diffStrobes, DIRECTION_INOUT, v.strobe, 0, lc},
        /* Clock   */ {true, DIRECTION_OUTPUT, v.clock, 0, lc},
        /* Command */ {true, DIRECTION_OUTPUT, IOSTD_SSTL_15_I, 0, lc},
        /* Reset   */ {true, DIRECTION_OUTPUT, v.reset, 0, lc},
        /* Event   */ {true, DIRECTION_INPUT, smbusIoStandard, 0, false},
        /* Sda     */ {true, DIRECTION_INOUT, smbusIoStandard, 1, false},
        /* Scl     */ {true, DIRECTION_OUTPUT, smbusIoStandard, 1, false},
        /* Sa      */ {true, DIRECTION_OUTPUT, addressIoStandard, 1, false},
    };
    AppendSodimmPins(conn, kDdr3Sodimm, kSlots, specs);
}

uint8_t DiffOr15(bool diff, uint8_t diffStandard) {
    return diff ? diffStandard : uint8_t{IOSTD_SSTL_15_I};
}

} // namespace

void FillCardDdr3SodimmPins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                            uint8_t addressIoStandard) {
    const uint8_t s = DiffOr15(diffStrobes, IOSTD_DIFF_1V5_SSTL_I);
    FillDdr3(conn, diffStrobes, smbusIoStandard, addressIoStandard,
             {IOSTD_SSTL_15_I, s, s, smbusIoStandard, false});
}

void FillCardDdr3SodimmLowerCasePins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                                     uint8_t addressIoStandard) {
    const uint8_t s = DiffOr15(diffStrobes, IOSTD_DIFF_1V5_SSTL_I);
    FillDdr3(conn, diffStrobes, smbusIoStandard, addressIoStandard,
             {IOSTD_SSTL_15_I, s, s, IOSTD_SSTL_15_I, true});
}

void FillCardDdr3SodimmSstl15Pins(TConnector* conn, bool diffStrobes, uint8_t smbusIoStandard,
                                  uint8_t addressIoStandard) {
    FillDdr3(conn, diffStrobes, smbusIoStandard, addressIoStandard,
             {IOSTD_SSTL_15, DiffOr15(diffStrobes, IOSTD_DIFF_1V5_SSTL),
              DiffOr15(diffStrobes, IOSTD_DIFF_1V5_SSTL_I), smbusIoStandard, false});
}
