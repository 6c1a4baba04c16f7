#include "CONFIG_FENNIC.h"

#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"

namespace {

using C = FENNIC_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_FENNIC",
                                   "Config.BoardId == MAINBOARD_FENNIC",
                                   18,
                                   "Config.Size == sizeof(FENNIC_CONFIG)",
                                   19,
                                   kit::BoardIdFrom::Constant};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
// By the variant in byte 1; any other value names no device.
constexpr kit::DeviceRow kVariants[] = {
    {"Straix III", "EP3SL150F1152C3", 1152, "FBGA", nullptr, 2},
    {"Straix III", "EP3SE260F1152C2", 1152, "FBGA", nullptr, 2},
    {"Straix III", "EP3SL340H1152C2", 1152, "FBGA", nullptr, 2},
    {"Straix III", "EP3SL340H1152C3", 1152, "FBGA", nullptr, 3},
    {"Straix III", "EP3SL150F1152C3", 1152, "FBGA", nullptr, 2},
};
constexpr kit::DeviceRow kNoVariant{"Straix III", "", 1152, "FBGA", nullptr, 2};

constexpr ClockRow kClock[] = {
    {"OSC1_50", "T33", LVTTL, 20},
    {"OSC2_50", "W2", LVTTL, 20},
    {"OSC_BA", "AN18", LVTTL, 20},
    {"OSC_BB", "AN16", LVTTL, 20},
    {"OSC_BC", "B17", LVTTL, 20},
    {"OSC_BD", "B19", LVTTL, 20},
    {"EXT_CLK_OUT", "V10", LVTTL, 0, nullptr, OUT},
    {"EXT_CLK_IN", "U2", LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR", "AD1 AC1 AC2 AB2 AC4 AB4 AA3 AB3", OUT, LVTTL, 8},
    {"LEDG", "AB1 AA1 Y1 Y2 Y3 W3 AA4 Y4", OUT, LVTTL, 8},
    {"LEDB", "AB5 AB6 AA6 AA7 Y7 Y8 Y9 Y10", OUT, LVTTL, 8},
};
// The buttons are outputs, as the board's table has them.
constexpr PinRow kButton[] = {
    {"BUTTON", "K1 K2 M4 M3", OUT, LVTTL, 4},
};
constexpr PinRow kSwitch[] = {
    {"SW", "W5 W6 W9 W11", IN, LVTTL, 4},
};
constexpr PinRow kDip[] = {
    {"DIP_SW", "R12 P5 R4 R3 P2 R1 T2 T1", IN, LVTTL, 8},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "P4", OUT, LVTTL},
    {"TEMP_DATA", "P1", IO, LVTTL},
    {"TEMP_INTn", "N2", IN, LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "W12", OUT, LVTTL},
    {"HEX1_DP", "P3", OUT, LVTTL},
    {"HEX0_D", "Y11 W10 W8 W7 Y5 Y6 V3", OUT, LVTTL, 7},
    {"HEX1_D", "N4 N3 N1 M1 L1 L2 V4", OUT, LVTTL, 7},
};
constexpr PinRow kUsb[] = {
    {"OTG_D", "Y25 AA27 Y26 AA30 AB29 AA28 Y31 AA31 Y32 Y34 AB31 AA32 AA33 AD34 AA34 AC34 AB30 AB33 AD33 AB34 AB32 V24 W26 V25 W30 W27 W31 W24 Y23 Y29 Y28 AA29", IO, LVTTL, 32, 0, {"nNum == 32", 211}},
    {"OTG_A", "N32 L24 M31 N33 M33 M34 N34 N31 P34 P31 P32 R34 R33 R32 T32 U32 R31", OUT, LVTTL, 17, 1, {"nNum == 17", 221}},
    {"OTG_CS_n", "P28", OUT, LVTTL},
    {"OTG_WE_n", "N29", OUT, LVTTL},
    {"OTG_OE_n", "N30", OUT, LVTTL},
    {"OTG_HC_IRQ", "P29", IN, LVTTL},
    {"OTG_DC_IRQ", "R27", IN, LVTTL},
    {"OTG_RESET_n", "T23", OUT, LVTTL},
    {"OTG_HC_DREQ", "R28", IN, LVTTL},
    {"OTG_HC_DACK", "R25", OUT, LVTTL},
    {"OTG_DC_DREQ", "R26", IN, LVTTL},
    {"OTG_DC_DACK", "R24", OUT, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "R10", IO, LVTTL},
    {"SD_CLK", "P8", OUT, LVTTL},
    {"SD_WPn", "N5", IN, LVTTL},
    {"SD_DAT", "P7", IO, LVTTL},
    {"SD_DAT3", "R9", IO, LVTTL},
};

// The socket wires 121 of its 200 positions to the FPGA.
constexpr kit::PositionMask kDdr2Mask{
    .count = 200,
    .empty = "1-3 8-9 12 15 18 21 24 27-28 30 33-34 39-42 47-48 50 53-54 59-60 65-66 69 71-72 77-78 81-83 87-88 95-96 103-104 111-112 117-118 120-122 127-128 132-133 138-139 144-145 149-150 155-156 161-163 165 168 171-172 177-178 183-184 187 190 193 195-198"};
static_assert(kit::MaskPinCount(kDdr2Mask) == 121);
constexpr LocationRun kDdr2[] = {
    {4, "AE7 AM1 AE8 AM2"},
    {10, "AF5 AJ3"},
    {13, "AJ4 AC8"},
    {16, "AC9 AL1"},
    {19, "AL2 AE5"},
    {22, "AE6 AG3"},
    {25, "AG4 AB10"},
    {29, "AK1"},
    {31, "AJ2 AE3"},
    {35, "AJ1 AD6 AH2 AD7"},
    {43, "AF3 AC7 AF4 AB8"},
    {49, "AH1"},
    {51, "AG1 AB9"},
    {55, "AF1 AC5 AF2 AC6"},
    {61, "AJ15 AK15 AH15 AG15"},
    {67, "AN13 AJ14"},
    {70, "AH14"},
    {73, "AP12 AP13 AN12 AM12"},
    {79, "AF6 AC11"},
    {84, "AA10 AP14 AE15"},
    {89, "AM8 AJ10 AK7 AM6 AJ7 AK6"},
    {97, "AM14 AJ6 AL14 AF10 AD12 AE10"},
    {105, "AC12 AE12 AM17 AL13 AL17 AM16"},
    {113, "AD13 AM15 AL16 AL15"},
    {119, "AJ16"},
    {123, "AP10 AP11 AN10 AP9"},
    {129, "AN9 AF15 AM9"},
    {134, "AE14 AF14 AE13 AF13"},
    {140, "AM11 AL12 AK10 AK12"},
    {146, "AL11 AP8 AL10"},
    {151, "AP7 AM7 AN7 AP6"},
    {157, "AJ12 AJ13 AH12 AG12"},
    {164, "AE11"},
    {166, "AF11 AJ11"},
    {169, "AH11 AL8"},
    {173, "AL9 AJ9 AK9 AL7"},
    {179, "AP4 AP5 AN4 AP2"},
    {185, "AN6 AP3"},
    {188, "AN3 AM5"},
    {191, "AL5 AM4"},
    {194, "AL4"},
    {199, "U6 U7"},
};
constexpr kit::MaskedMasterRow kDdr2Socket{"DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, MASTER_DDR2_SODIMM, &kDdr2Mask, kDdr2, {}, {}, 121, {"pCon->ActivePinCount == 121", 309}};

// Header positions 1 to 40; 11, 12, 29 and 30 carry power. All are Kappel-A balls.
constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "AE32 AL33 AE31 AL32 AL34 AH31 AM34 AH30 AK34 AJ32 - - AK33 AJ31 AH34 AG32 AJ34 AG31 AE19 AF32 "
    "AD19 AF31 AP21 AG34 AN21 AH33 AL21 AP22 - - AK21 AN22 AP25 AP24 AN25 AN24 AM23 AG21 AL23 AF21",
    "AP19 AC26 AN19 AC25 AE28 AD27 AE27 AD26 AD29 AF29 - - AD28 AF28 AB27 AE30 AB26 AE29 AE18 AB25 "
    "AD18 AB24 AM21 AD31 AP20 AD30 AL22 AJ20 - - AM22 AJ21 AD21 AP26 AE20 AP23 AK24 AE22 AL25 AE21",
    {.one0 = 330, .one1 = 358}, kit::PairCards::Above0);

// Kappel-A wires two positions fewer than the others: 125-132 hold no pin.
constexpr kit::PositionMask kKappelAMask{.count = 180, .empty = "125-132", .runFrom = 1, .runTo = 122};
static_assert(kit::MaskPinCount(kKappelAMask) == 130);
constexpr LocationRun kKappelA[] = {
    {3, "AE19 AE32 AD19 AE31"},
    {9, "AC26 AL33 AC25 AL32"},
    {15, "AD27 AH31 AD26 AH30"},
    {21, "AE28 AL34 AE27 AM34"},
    {27, "AF29 AJ32 AF28 AJ31"},
    {33, "AD29 AK34 AD28 AK33"},
    {39, "AE30 AG32 AE29 AG31"},
    {45, "AB27 AH34 AB26 AJ34"},
    {51, "AB25 AF32 AB24 AF31"},
    {57, "AD31 AG34 AD30 AH33"},
    {63, "AE18 AP19 AD18 AN19"},
    {69, "AM21 AP21 AP20 AN21"},
    {75, "AJ20 AP22 AJ21 AN22"},
    {81, "AL22 AL21 AM22 AK21"},
    {87, "AP26 AP24 AP23 AN24"},
    {93, "AD21 AP25 AE20 AN25"},
    {99, "AE22 AG21 AE21 AF21"},
    {105, "AK24 AM23 AL25 AL23"},
    {111, "AJ23 AM24 AK22 AL24"},
    {117, "AH23 AJ22 AJ24 AH22"},
    {123, "AA24 AP18"},
    {133, "AM28 AP27 AP29 AN27 AK25 AP28 AM26 AN28 AK27 AL27 AL28 AL26 AP32 AP31 AP30 AN31 AH25 AP33 AF23 AN33 AH26 AH24 AF24 AG24 AH27 AN30 AJ27 AM30 AJ29 AM32 AJ26 AM31 AL29 AM19 AM29 AL19 AE24 AD22 AE23 AC22 AL20 AK19 AM18 AJ19 AK18 AF20 AL18 AF19"},
};
constexpr LocationRun kKappelB[] = {
    {3, "AD16 AE3 AD15 AE4"},
    {9, "AE7 AM1 AE8 AM2"},
    {15, "AF5 AJ3 AF6 AJ4"},
    {21, "AC8 AL1 AC9 AL2"},
    {27, "AE5 AG3 AE6 AG4"},
    {33, "AB10 AK1 AC11 AJ2"},
    {39, "AD6 AJ1 AD7 AH2"},
    {45, "AC7 AF3 AB8 AF4"},
    {51, "AB9 AH1 AA10 AG1"},
    {57, "AC5 AF1 AC6 AF2"},
    {63, "AF16 AP15 AE16 AN15"},
    {69, "AK15 AJ15 AG15 AH15"},
    {75, "AN13 AJ14 AP14 AH14"},
    {81, "AP13 AP12 AM12 AN12"},
    {87, "AP11 AP10 AP9 AN10"},
    {93, "AF15 AN9 AE15 AM9"},
    {99, "AE14 AF14 AE13 AF13"},
    {105, "AM11 AL12 AK10 AK12"},
    {111, "AP8 AL11 AM8 AL10"},
    {117, "AM7 AP7 AP6 AN7"},
    {123, "AD4 AP16"},
    {131, "T9 T8 AJ13 AJ12 AG12 AH12 AL8 AJ11 AJ10 AH11 AJ9 AL9 AL7 AK9 AP5 AP4 AP2 AN4 AN6 AP3 AM6 AN3 AM4 AM5 AL4 AL5 AK6 AK7 AJ6 AJ7 AF11 AJ8 AE11 AH8 AF10 AM14 AE10 AL14 AD13 AD12 AE12 AC12 AL13 AM17 AK13 AL17 AM15 AK16 AL15 AJ16"},
};
constexpr LocationRun kKappelC[] = {
    {3, "L16 K3 K16 K4"},
    {9, "L8 D2 L9 D3"},
    {15, "M9 D1 M10 C1"},
    {21, "K7 G4 K8 G5"},
    {27, "J6 F3 J7 F4"},
    {33, "N10 E1 N11 E2"},
    {39, "K5 H3 K6 H4"},
    {45, "N8 G1 N9 F1"},
    {51, "L6 J3 L7 J4"},
    {57, "L4 H1 L5 G2"},
    {63, "K17 A16 L17 B16"},
    {69, "A15 A14 C14 B14"},
    {75, "F15 A13 D15 B13"},
    {81, "D14 E14 E13 F14"},
    {87, "A12 A11 A9 B11"},
    {93, "K15 A10 L14 B10"},
    {99, "K14 H14 K13 J14"},
    {105, "D13 C12 D10 D12"},
    {111, "G13 C11 E11 D11"},
    {117, "G12 F12 F11 F13"},
    {123, "P11 A17"},
    {131, "T5 T4 A6 A8 C7 B8 E10 A7 D8 B7 D7 C9 E8 D9 A5 A4 A3 B4 J12 A2 G10 B2 J11 G11 G9 H11 C6 B5 D6 C5 F9 C3 G8 C4 F8 C16 F6 D16 M13 K11 L13 K12 C17 E16 C15 F16 D17 J16 E17 J15"},
};
constexpr LocationRun kKappelD[] = {
    {3, "L20 J34 L19 J33"},
    {9, "J30 F32 J29 F31"},
    {15, "K28 C34 K27 C33"},
    {21, "N25 H32 M24 H31"},
    {27, "M27 D34 M26 D33"},
    {33, "K30 J32 K29 J31"},
    {39, "L29 E34 L28 F33"},
    {45, "M28 F34 N27 G33"},
    {51, "N26 K32 P25 K31"},
    {57, "L32 G34 L31 H34"},
    {63, "J19 A20 K19 B20"},
    {69, "H20 F20 E20 G20"},
    {75, "A21 F21 A22 G21"},
    {81, "C23 A23 B22 B23"},
    {87, "A26 A25 A24 B25"},
    {93, "J20 B26 K20 C26"},
    {99, "K22 J21 K21 J22"},
    {105, "E25 D24 C24 D25"},
    {111, "C27 D23 A27 E23"},
    {117, "A29 A28 C28 B28"},
    {123, "M29 A19"},
    {131, "R30 R29 H23 F23 F22 G23 D27 F24 F25 G24 D28 D26 F26 E26 A33 A31 A30 B31 B29 A32 C29 B32 D31 C30 C31 D30 G27 E28 F27 F28 K24 E29 J24 F29 K25 C21 J25 D21 K23 L23 L22 M23 E22 C18 D22 D18 D20 E19 C20 F19"},
};
constexpr kit::MaskedMasterRow kKappels[] = {
    {"Kappel-A", "Kappel-A connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_A, &kKappelAMask, kKappelA, {"nNum == 180", 419}},
    {"Kappel-B", "Kappel-B connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_B, &kit::kKappelMask, kKappelB, {"nNum == 180", 478}},
    {"Kappel-C", "Kappel-C connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_C, &kit::kKappelMask, kKappelC, {"nNum == 180", 536}},
    {"Kappel-D", "Kappel-D connect to %s", CONNECTOR_KAPPEL, MASTER_KAPPEL_D, &kit::kKappelMask, kKappelD, {"nNum == 180", 595}},
};
// clang-format on

bool Card(const SettingsRecord& r, std::size_t offset) {
    return static_cast<int8_t>(r.U8(offset)) > 0;
}

} // namespace

void ConfigFennicPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    const auto variant = static_cast<int8_t>(Config.U8(C::nBoardType));
    const bool known = variant >= 0 && variant < static_cast<int8_t>(std::size(kVariants));
    t.Begin(MAINBOARD_FENNIC, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize,
            known ? kVariants[variant] : kNoVariant);
    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON", kButton);
    if (Config.U8(C::bSwitch))
        t.Group("SWITCH", kSwitch);
    if (Config.U8(C::bDIP))
        t.Group("DIP SWITCH", kDip);
    if (Config.U8(C::bTemp))
        t.Group("Temperature", kTemp);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bUSB))
        t.Group("USB OTG", kUsb);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bDDR2))
        t.Master(kDdr2Socket, 0);
    if (Config.U8(C::bGpio))
        t.PairMasters(kGpio, Config.U8(C::nGpioDaughterId[C::GPIO_0]),
                      Config.U8(C::nGpioDaughterId[C::GPIO_1]));
    for (int k = C::KAPPEL_A; k <= C::KAPPEL_D; ++k) {
        if ((k == C::KAPPEL_A && Config.U8(C::bGpio)) || (k == C::KAPPEL_B && Config.U8(C::bDDR2)))
            continue; // the GPIO headers and the socket use these FPGA pins
        if (Card(Config, C::nKappelDaughterId[k]))
            t.Master(kKappels[k], Config.U8(C::nKappelDaughterId[k]));
    }
}
