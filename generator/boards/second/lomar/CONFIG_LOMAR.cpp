#include "CONFIG_LOMAR.h"

#include "LomarText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"

namespace {

using C = LOMAR_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;
using kit::PositionOverride;
using kit::UNPLACED;

constexpr kit::TableChecks kChecks{"CONFIG_LOMAR", "Config.BoardId == MAINBOARD_LOMAR", 53,
                                   "Config.Size == sizeof(LOMAR_CONFIG)", 54};
// By nBoardType.
constexpr kit::DeviceRow kDevices[] = {
    {"Stratix IV", "EP4SGX230KF40C2", 1517, "FBGA", nullptr, 2},
    {"Stratix IV", "EP4SGX530KH40C2", 1517, "FBGA", nullptr, 2},
};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto BY_CARD = DIRECTION_BY_DAUGHTER;
constexpr auto PCIX = IOSTD_3V0_PCI_X;
constexpr auto PCML = IOSTD_1V4_PCML;
// The banks that follow the card on an HSMC connector; the others run at 1.5 V.
constexpr auto DEFAULT_BANK = IOSTD_1V5;
constexpr int kBankF = 0;
constexpr int kBankA = 1;
constexpr int kBankB = 2;
constexpr int kBankD = 3;
constexpr auto BANK_F = kit::BankStandard(kBankF);
constexpr auto BANK_A = kit::BankStandard(kBankA);
constexpr auto BANK_B = kit::BankStandard(kBankB);
constexpr auto BANK_D = kit::BankStandard(kBankD);

// clang-format off
constexpr ClockRow kClock[] = {
    {"OSC_50_BANK1", "AB34", BANK_D, 20},
    {"OSC_50_BANK3", "AW22", BANK_F, 20},
    {"OSC_50_BANK4", "AV19", BANK_F, 20},
    {"OSC_50_BANK7", "A21", DEFAULT_BANK, 20},
    {"OSC_50_BANK8", "B23", DEFAULT_BANK, 20},
};
// The programmable PLL's controller needs this clock even without the clock group.
constexpr ClockRow kPllClock[] = {
    {"OSC_50_BANK1", "AB34", IOSTD_2V5, 20},
};
constexpr PinRow kLoop[] = {
    {"LOOP_CLKIN0", "B22", IN, DEFAULT_BANK},
    {"LOOP_CLKIN1", "B20", IN, DEFAULT_BANK},
    {"LOOP_CLKOUT0", "M20", OUT, DEFAULT_BANK},
    {"LOOP_CLKOUT1", "L20", OUT, DEFAULT_BANK},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AW19", IN, BANK_F},
    {"SMA_CLKOUT", "AN20", OUT, BANK_F},
    {"SMA_CLKOUT_p", "AC11", OUT, IOSTD_LVDS},
    {"SMA_GXBCLK_p", "J38", IN, PCML},
};
constexpr PinRow kLed[] = {
    {"LED", "B19 A18 D19 C19", OUT, DEFAULT_BANK, 4, 0, {"nNum == 4", 158}},
};
constexpr PinRow kButton[] = {
    {"BUTTON", "L19 M19 A19 P20", IN, DEFAULT_BANK, 4, 0, {"nNum == 4", 181}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AH18 AH19", IN, BANK_F, 2, 0},
    {"SW", "D6 C6", IN, BANK_A, 2, 2},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_SMCLK", "AR14", OUT, BANK_B},
    {"TEMP_SMDAT", "AP14", IO, BANK_B},
    {"TEMP_INT_n", "AH13", IN, BANK_B},
    {"TEMP_OVERT_n", "AK14", IN, BANK_B},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "B17", OUT, DEFAULT_BANK},
};
constexpr PinRow kPcie0Head[] = {
    {"PCIE0_REFCLK_p", "AN38", IN, IOSTD_HCSL},
    {"PCIE0_PERST_n", "F8", IN, BANK_A},
    {"PCIE0_WAKE_n", "AE10", OUT, BANK_A},
};
constexpr PinRow kPcie0Lanes[] = {
    {"PCIE0_TX_p", "AT36 AP36 AH36 AF36", OUT, PCML, 4},
    {"PCIE0_RX_p", "AU38 AR38 AJ38 AG38", IN, PCML, 4},
};
constexpr PinRow kPcie1Head[] = {
    {"PCIE1_REFCLK_p", "AN2", IN, IOSTD_HCSL},
    {"PCIE1_PERST_n", "G8", IN, BANK_A},
    {"PCIE1_WAKE_n", "AE11", OUT, BANK_A},
};
constexpr PinRow kPcie1Lanes[] = {
    {"PCIE1_TX_p", "AT4 AP4 AH4 AF4", OUT, PCML, 4},
    {"PCIE1_RX_p", "AU2 AR2 AJ2 AG2", IN, PCML, 4},
};
constexpr PinRow kShareBusData[] = {
    {"FSM_D", "B32 C32 C31 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? D33", IO, PCIX, 32, 0, {"nNum == 32", 373}},
};
// FSM_A is named from 1; the flash uses five more address lines than the SSRAM.
constexpr PinRow kShareBusAddress[] = {
    {"FSM_A", "L31 F34 D35 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? H34", OUT, PCIX, 20, 1},
};
constexpr PinRow kFlashAddress[] = {
    {"FSM_A", "? ? ? ? M30", OUT, PCIX, 5, 21},
};
constexpr PinRow kShareBusControl[] = {
    {"FSM_OE_n", "AT16", OUT, PCIX},
    {"FSM_WE_n", "AL16", OUT, PCIX},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_RDY_BSY_n", "A23", IN, DEFAULT_BANK},
    {"FLASH_CLK", "AU15", OUT, PCIX},
    {"FLASH_RESET_n", "AV16", OUT, PCIX},
    {"FLASH_ADV_n", "AT15", OUT, PCIX},
    {"FLASH_CE_n", "AP16", OUT, PCIX},
    {"FLASH_WP_n", "A20", OUT, DEFAULT_BANK},
};
constexpr PinRow kSsramControl[] = {
    {"SSRAM_CLK", "AG17", OUT, PCIX},
    {"SSRAM_ADSC_n", "AP17", OUT, PCIX},
    {"SSRAM_ADSP_n", "AR17", OUT, PCIX},
    {"SSRAM_ADV_n", "AW16", OUT, PCIX},
    {"SSRAM_CE1_n", "AF17", OUT, PCIX},
    {"SSRAM_BE_n[0]", "AN16", OUT, PCIX},
    {"SSRAM_BE_n[1]", "AN17", OUT, PCIX},
    {"SSRAM_BE_n[2]", "AR16", OUT, PCIX},
    {"SSRAM_BE_n[3]", "AU16", OUT, PCIX},
};
constexpr PinRow kMax2[] = {
    {"MAX2_I2C_SCL", "C20", OUT, DEFAULT_BANK},
    {"MAX2_I2C_SDA", "A17", IO, DEFAULT_BANK},
};
constexpr PinRow kProgrammingPll[] = {
    {"HSMA_REFCLK_p", "AA2", IN, PCML},
    {"HSME_REFCLK_p", "AA38", IN, PCML},
    {"PGM_GXB_CLK_p1", "J2", IN, PCML},
};
constexpr PinRow kOct[] = {
    {"mem_oct_rdn", "N26", IN, IOSTD_1V5},
    {"mem_oct_rup", "P26", IN, IOSTD_1V5},
};
constexpr PinRow kHsmcAbcI2c[] = {
    {"HSMC_ABC_SCL", "AE16", OUT, BANK_B},
    {"HSMC_ABC_SDA", "AF16", IO, BANK_B},
};
constexpr PinRow kHsmcDefI2c[] = {
    {"HSMC_DEF_SCL", "G21", OUT, DEFAULT_BANK},
    {"HSMC_DEF_SDA", "F21", IO, DEFAULT_BANK},
};

constexpr LocationRun kDdr3Locations[] = {
    {4, "G17 G15 A16 F15"},
    {10, UNPLACED, 29},
    {30, "J18"},
    {31, UNPLACED, 197},
    {198, "R18"},
    {200, "P18"},
    {202, "H19"},
};
constexpr PositionOverride kDdr3Fixed[] = {
    {30, BY_CARD, DEFAULT_BANK},
    {198, BY_CARD, DEFAULT_BANK},
    {200, BY_CARD, DEFAULT_BANK},
    {202, BY_CARD, DEFAULT_BANK},
};
constexpr kit::MaskedMasterRow kDdr3Master{"DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM, &kit::kDdr3SodimmMask, kDdr3Locations, {"nNum == 204", 500}, kDdr3Fixed};

constexpr kit::HeaderPair kGpio = kit::GpioHeaders(
    "AF34 AG34 AE35 AG35 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? AR28",
    "AB27 AE25 AB28 AD25 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? AD29",
    {558, 559, 564, 584, 584});

constexpr LocationRun kHsmcALocations[] = {
    {1, "B4 C2 B3 C1"},
    {5, UNPLACED, 32},
    {39, "D10"},
    {40, UNPLACED, 154},
    {155, "H10 AC6 G10 AC5"},
};
constexpr LocationRun kHsmcBLocations[] = {
    {39, "AN15 AP15 AD15"},
    {42, UNPLACED, 94},
    {95, "AN10"},
    {96, UNPLACED, 96},
    {97, "AP10"},
    {98, UNPLACED, 154},
    {155, "AH10"},
    {156, UNPLACED, 156},
    {157, "AJ10 AW14"},
};
constexpr LocationRun kHsmcCLocations[] = {
    {39, "AT27 AU27 AB27"},
    {42, UNPLACED, 154},
    {155, "AE25 AC34 AD25 AC35"},
};
constexpr LocationRun kHsmcDLocations[] = {
    {39, "P19 AA35 AJ29"},
    {42, UNPLACED, 154},
    {155, "M32"},
    {156, UNPLACED, 156},
    {157, "L32 J35"},
};
constexpr LocationRun kHsmcELocations[] = {
    {1, "B36 C38 B37 C39"},
    {5, UNPLACED, 32},
    {39, "C12"},
    {40, UNPLACED, 154},
    {155, "R14 AB6 N15 AA5"},
};
constexpr LocationRun kHsmcFLocations[] = {
    {39, "AP20 AV22 AU25"},
    {42, UNPLACED, 154},
    {155, "AH20"},
    {156, UNPLACED, 156},
    {157, "AJ20 AT21"},
};
// Clock inputs and a bank pin that the card cannot change.
constexpr PositionOverride kHsmcAFixed[] = {
    {156, IN, IOSTD_BY_DAUGHTER},
    {158, IN, IOSTD_BY_DAUGHTER},
};
constexpr PositionOverride kHsmcCFixed[] = {
    {156, IN, IOSTD_BY_DAUGHTER},
    {158, IN, IOSTD_BY_DAUGHTER},
};
constexpr PositionOverride kHsmcDFixed[] = {
    {39, BY_CARD, DEFAULT_BANK},
    {40, IN, IOSTD_BY_DAUGHTER},
};
constexpr PositionOverride kHsmcEFixed[] = {
    {156, IN, IOSTD_BY_DAUGHTER},
};
constexpr kit::CountCheck kHsmcCheck{"nNum == 160", 746};
constexpr kit::MaskedMasterRow kHsmcMasters[] = {
    {"HSMC-A", "HSMC-A connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 0, &kit::kHsmcXcvr8Mask, kHsmcALocations, kHsmcCheck, kHsmcAFixed},
    {"HSMC-B", "HSMC-B connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 1, &kit::kHsmcNoXcvrMask, kHsmcBLocations, kHsmcCheck},
    {"HSMC-C", "HSMC-C connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 2, &kit::kHsmcNoXcvrMask, kHsmcCLocations, kHsmcCheck, kHsmcCFixed},
    {"HSMC-D", "HSMC-D connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 3, &kit::kHsmcNoXcvrMask, kHsmcDLocations, kHsmcCheck, kHsmcDFixed},
    {"HSMC-E", "HSMC-E connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 4, &kit::kHsmcXcvr8Mask, kHsmcELocations, kHsmcCheck, kHsmcEFixed},
    {"HSMC-F", "HSMC-F connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A + 5, &kit::kHsmcNoXcvrMask, kHsmcFLocations, kHsmcCheck},
};
// clang-format on

constexpr int kHsmcC = 2;

// The standard of the bank shared with an HSMC connector: its card's.
uint8_t HsmcBankIoStandard(const SettingsRecord& Config, int port) {
    return BoardIoStandard(static_cast<int8_t>(Config.U8(C::HsmcDaughterId(port))));
}

bool Above0(uint8_t id) {
    return static_cast<int8_t>(id) > 0;
}

} // namespace

void ConfigLomarPins(TMainBoard* board, const SettingsRecord& Config) {
    kit::PinTable t(board, kChecks);
    t.SetBank(kBankF, HsmcBankIoStandard(Config, 5));
    t.SetBank(kBankA, HsmcBankIoStandard(Config, 0));
    t.SetBank(kBankB, HsmcBankIoStandard(Config, 1));
    t.SetBank(kBankD, HsmcBankIoStandard(Config, 3));
    // The writers read the PLL choices from the copy; it is taken before the checks.
    board->SetBoardText(std::make_unique<LomarText>(t.RecordCopy<LOMAR_CONFIG>(Config)));
    const uint8_t variant = Config.U8(C::nBoardType);
    t.Begin(MAINBOARD_LOMAR, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize,
            kDevices[variant < std::size(kDevices) ? variant : 0]);
    PW_ASSERT(variant < std::size(kDevices), "0", "CONFIG_LOMAR", 70);

    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    else if (Config.U8(C::bExtPLL))
        t.Group("CLOCK", kPllClock);
    t.Group("Loop", kLoop);
    if (Config.U8(C::bSma))
        t.Group("SMA", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED x 4", kLed);
    if (Config.U8(C::bButton))
        t.Group("BUTTON x 4", kButton);
    if (Config.U8(C::bSwitch))
        t.Group("SWITCH x 4", kSwitch);
    if (Config.U8(C::bTemp))
        t.Group("Temperature", kTemperature);
    if (Config.U8(C::bFan))
        t.Group("Fan", kFan);
    if (Config.U8(C::bPCIe0)) {
        TConnector* c = t.Group("PCIe0 4-Lane Downstream", kPcie0Head);
        t.AddInterleaved(c, kPcie0Lanes);
    }
    if (Config.U8(C::bPCIe1)) {
        TConnector* c = t.Group("PCIe1 4-Lane Downstream", kPcie1Head);
        t.AddInterleaved(c, kPcie1Lanes);
    }
    if (Config.U8(C::bFlash) || Config.U8(C::bSSRAM)) {
        TConnector* c = t.Group("Flash and SRAM Address/Data/OE/WM Share Bus", kShareBusData);
        t.Add(c, kShareBusAddress);
        if (Config.U8(C::bFlash))
            t.Add(c, kFlashAddress);
        t.Add(c, kShareBusControl);
    }
    if (Config.U8(C::bFlash))
        t.Group("Flash Control", kFlashControl);
    if (Config.U8(C::bSSRAM))
        t.Group("SSRAM Control", kSsramControl);
    if (Config.U8(C::bExtPLL)) {
        t.Group("MAX2", kMax2);
        t.Group("Programming PLL", kProgrammingPll);
    }
    if (Config.U8(C::bDDR3)) {
        t.Master(kDdr3Master, 0);
        t.Group("OCT RUP/RDN for Altera DDR3 UniPHY Controller", kOct);
    }
    const bool gpioMode = Config.U8(C::bHsmcGpio) != 0;
    if (gpioMode)
        t.PairMasters(kGpio, Config.U8(C::GpioDaughterId(GPIO_0)), Config.U8(C::GpioDaughterId(GPIO_1)));
    for (int k = 0; k < C::kHsmcPorts; ++k) {
        const uint8_t card = Config.U8(C::HsmcDaughterId(k));
        if (card != 0 && !(k == kHsmcC && gpioMode))
            t.Master(kHsmcMasters[k], card);
    }
    // HSMC-C's stored card counts here also in GPIO mode.
    if (Above0(Config.U8(C::HsmcDaughterId(0))) || Above0(Config.U8(C::HsmcDaughterId(1))) ||
        Above0(Config.U8(C::HsmcDaughterId(2))))
        t.Group("HSMC A/B/C I2C", kHsmcAbcI2c);
    if (Above0(Config.U8(C::HsmcDaughterId(3))) || Above0(Config.U8(C::HsmcDaughterId(5))) ||
        (gpioMode && Above0(Config.U8(C::HsmcDaughterId(4)))))
        t.Group("HSMC D/E/F I2C", kHsmcDefI2c);
}
