#include "CONFIG_ELBRIN.h"

#include "ElbrinText.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "platform/Assert.h"

#include <string>

namespace {

using C = ELBRIN_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::PinRow;

constexpr kit::TableChecks kChecks{"CONFIG_ELBRIN",
                                   "Config.BoardId == MAINBOARD_ELBRIN",
                                   26,
                                   "Config.Size == sizeof(ELBRIN_CONFIG)",
                                   27,
                                   kit::BoardIdFrom::Constant};
constexpr kit::DeviceRow kDevice{"Cyclone IV E", "EP4CE115F29C7", 780, "FBGA", nullptr, 7};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;
constexpr auto LVTTL = IOSTD_3V3_LVTTL;
constexpr auto V25 = IOSTD_2V5;
// Pins on the GPIO bank and on the HSMC bank take the standard of the bank's voltage.
constexpr uint8_t G = kit::BankStandard(0);
constexpr uint8_t H = kit::BankStandard(1);

// By voltage index.
constexpr uint8_t kVoltageStandards[] = {IOSTD_3V3_LVTTL, IOSTD_2V5, IOSTD_1V8, IOSTD_1V5};

// clang-format off
constexpr ClockRow kClock[] = {
    {"CLOCK_50", "Y2", LVTTL, 20},
    {"CLOCK2_50", "AG14", LVTTL, 20},
    {"CLOCK3_50", "AG15", G, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AH14", IN, LVTTL},
    {"SMA_CLKOUT", "AE23", OUT, G},
};
constexpr PinRow kLed[] = {
    {"LEDR", "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17 J15 H16 J16 H17 F15 G15 G16 H15", OUT, V25, 18, 0, {"nNum == 18", 121}},
    {"LEDG", "E21 E22 E25 E24 H21 G20 G22 G21 F17", OUT, V25, 9, 0, {"nNum == 9", 128}},
};
constexpr PinRow kKey[] = {
    {"KEY", "M23 M21 N21 R24", IN, H, 4, 0, {"nNum == 4", 144}},
};
constexpr PinRow kExIo[] = {
    {"EX_IO", "J10 J14 H13 H14 F14 E10 D9", IO, LVTTL, 7, 0, {"nNum == 7", 163}},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25 AC24 AB24 AB23 AA24 AA23 AA22 Y24 Y23", IN, H, 18, 0, {"nNum == 18", 179}},
};
// The digits sit on three banks.
constexpr PinRow kSeg7[] = {
    {"HEX0", "G18 F22 E17", OUT, V25, 3, 0},
    {"HEX0", "L26 L25 J22 H22", OUT, H, 4, 3},
    {"HEX1", "M24 Y22 W21 W22 W25 U23 U24", OUT, H, 7},
    {"HEX2", "AA25 AA26 Y25 W26 Y26 W27 W28", OUT, H, 7},
    {"HEX3", "V21 U21", OUT, H, 2, 0},
    {"HEX3", "AB20 AA21 AD24 AF23 Y19", OUT, G, 5, 2},
    {"HEX4", "AB19 AA19 AG21 AH21 AE19 AF19 AE18", OUT, G, 7},
    {"HEX5", "AD18 AC18 AB18 AH19 AG19 AF18 AH18", OUT, G, 7},
    {"HEX6", "AA17 AB16 AA16 AB17 AB15 AA15 AC17", OUT, G, 7},
    {"HEX7", "AD17 AE17 AG17 AH17 AF17 AG18", OUT, G, 6, 0},
    {"HEX7", "AA14", OUT, LVTTL, 1, 6},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[0]", "L3", IO, LVTTL},
    {"LCD_DATA[1]", "L1", IO, LVTTL},
    {"LCD_DATA[2]", "L2", IO, LVTTL},
    {"LCD_DATA[3]", "K7", IO, LVTTL},
    {"LCD_DATA[4]", "K1", IO, LVTTL},
    {"LCD_DATA[5]", "K2", IO, LVTTL},
    {"LCD_DATA[6]", "M3", IO, LVTTL},
    {"LCD_DATA[7]", "M5", IO, LVTTL},
    {"LCD_BLON", "L6", OUT, LVTTL},
    {"LCD_RW", "M1", OUT, LVTTL},
    {"LCD_EN", "L4", OUT, LVTTL},
    {"LCD_RS", "M2", OUT, LVTTL},
    {"LCD_ON", "L5", OUT, LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G9", OUT, LVTTL},
    {"UART_RXD", "G12", IN, LVTTL},
    {"UART_RTS", "G14", OUT, LVTTL},
    {"UART_CTS", "J13", IN, LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "G6", IO, LVTTL},
    {"PS2_DAT", "H5", IO, LVTTL},
    {"PS2_CLK2", "G5", IO, LVTTL},
    {"PS2_DAT2", "F5", IO, LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "AD14", IO, LVTTL},
    {"SD_CLK", "AE13", OUT, LVTTL},
    {"SD_WP_N", "AF14", IN, LVTTL},
    {"SD_DAT[0]", "AE14", IO, LVTTL},
    {"SD_DAT[1]", "AF13", IO, LVTTL},
    {"SD_DAT[2]", "AB14", IO, LVTTL},
    {"SD_DAT[3]", "AC14", IO, LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "G13", OUT, LVTTL},
    {"VGA_VS", "C13", OUT, LVTTL},
    {"VGA_SYNC_N", "C10", OUT, LVTTL},
    {"VGA_CLK", "A12", OUT, LVTTL},
    {"VGA_BLANK_N", "F11", OUT, LVTTL},
    {"VGA_R", "E12 E11 D10 F12 G10 J12 H8 H10", OUT, LVTTL, 8, 0, {"nNum == 8", 383}},
    {"VGA_G", "G8 G11 F8 H12 C8 B8 F10 C9", OUT, LVTTL, 8, 0, {"nNum == 8", 390}},
    {"VGA_B", "B10 A10 C11 B11 A11 C12 D11 D12", OUT, LVTTL, 8, 0, {"nNum == 8", 397}},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C2", IO, LVTTL},
    {"AUD_ADCDAT", "D2", IN, LVTTL},
    {"AUD_DACLRCK", "E3", IO, LVTTL},
    {"AUD_DACDAT", "D1", OUT, LVTTL},
    {"AUD_XCK", "E1", OUT, LVTTL},
    {"AUD_BCLK", "F2", IO, LVTTL},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_SCLK", "D14", OUT, LVTTL},
    {"EEP_I2C_SDAT", "E14", IO, LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "B7", OUT, LVTTL},
    {"I2C_SDAT", "A8", IO, LVTTL},
};
// The first Ethernet connector built carries the shared 25 MHz clock.
constexpr PinRow kEthernetClock[] = {
    {"ENETCLK_25", "A14", IN, LVTTL},
};
// Per port: the data pairs in turn (TX[i], RX[i]), then its own pins.
constexpr PinRow kEthernetData[2][2] = {
    {{"ENET0_TX_DATA", "C18 D19 A19 B19", OUT, V25, 4, 0, {"nNum == 4", 477}},
     {"ENET0_RX_DATA", "C16 D16 D17 C15", IN, V25, 4, 0, {"nNum == 4", 477}}},
    {{"ENET1_TX_DATA", "C25 A26 B26 C26", OUT, V25, 4, 0, {"nNum == 4", 477}},
     {"ENET1_RX_DATA", "B23 C21 A23 D21", IN, V25, 4, 0, {"nNum == 4", 477}}},
};
constexpr PinRow kEthernet0[] = {
    {"ENET0_GTX_CLK", "A17", OUT, V25},
    {"ENET0_TX_EN", "A18", OUT, V25},
    {"ENET0_TX_ER", "B18", OUT, V25},
    {"ENET0_INT_N", "A21", IN, V25},
    {"ENET0_RST_N", "C19", OUT, V25},
    {"ENET0_RX_DV", "C17", IN, V25},
    {"ENET0_RX_ER", "D18", IN, V25},
    {"ENET0_RX_CRS", "D15", IN, V25},
    {"ENET0_RX_COL", "E15", IN, V25},
    {"ENET0_RX_CLK", "A15", IN, V25},
    {"ENET0_TX_CLK", "B17", IN, V25},
    {"ENET0_MDC", "C20", OUT, V25},
    {"ENET0_MDIO", "B21", IO, V25},
    {"ENET0_LINK100", "C14", IN, LVTTL},
};
constexpr PinRow kEthernet1[] = {
    {"ENET1_GTX_CLK", "C23", OUT, V25},
    {"ENET1_TX_EN", "B25", OUT, V25},
    {"ENET1_TX_ER", "A25", OUT, V25},
    {"ENET1_INT_N", "D24", IN, V25},
    {"ENET1_RST_N", "D22", OUT, V25},
    {"ENET1_RX_DV", "A22", IN, V25},
    {"ENET1_RX_ER", "C24", IN, V25},
    {"ENET1_RX_CRS", "D20", IN, V25},
    {"ENET1_RX_COL", "B22", IN, V25},
    {"ENET1_RX_CLK", "B15", IN, V25},
    {"ENET1_TX_CLK", "C22", IN, V25},
    {"ENET1_MDC", "D23", OUT, V25},
    {"ENET1_MDIO", "D25", IO, V25},
    {"ENET1_LINK100", "D13", IN, LVTTL},
};
constexpr std::span<const PinRow> kEthernetPort[] = {kEthernet0, kEthernet1};
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "E5", IN, LVTTL},
    {"TD_VS", "E4", IN, LVTTL},
    {"TD_CLK27", "B14", IN, LVTTL},
    {"TD_RESET_N", "G7", OUT, LVTTL},
    {"TD_DATA", "E8 A7 D8 C7 D7 D6 E7 F7", IN, LVTTL, 8, 0, {"nNum == 8", 548}},
};
constexpr PinRow kUsb[] = {
    {"OTG_DATA", "J6 K4 J5 K3 J4 J3 J7 H6 H3 H4 G1 G2 G3 F1 F3 G4", IO, LVTTL, 16, 0, {"nNum == 16", 570}},
    {"OTG_ADDR[0]", "H7", OUT, LVTTL},
    {"OTG_ADDR[1]", "C3", OUT, LVTTL},
    {"OTG_INT", "D5", IN, LVTTL},
    {"OTG_RST_N", "C5", OUT, LVTTL},
    {"OTG_CS_N", "A3", OUT, LVTTL},
    {"OTG_RD_N", "B3", OUT, LVTTL},
    {"OTG_WE_N", "A4", OUT, LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "Y15", IN, LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[0]", "U7", OUT, LVTTL},
    {"DRAM_BA[1]", "R4", OUT, LVTTL},
    {"DRAM_DQM[0]", "U2", OUT, LVTTL},
    {"DRAM_DQM[1]", "W4", OUT, LVTTL},
    {"DRAM_DQM[2]", "K8", OUT, LVTTL},
    {"DRAM_DQM[3]", "N8", OUT, LVTTL},
    {"DRAM_RAS_N", "U6", OUT, LVTTL},
    {"DRAM_CAS_N", "V7", OUT, LVTTL},
    {"DRAM_CKE", "AA6", OUT, LVTTL},
    {"DRAM_CLK", "AE5", OUT, LVTTL},
    {"DRAM_WE_N", "V6", OUT, LVTTL},
    {"DRAM_CS_N", "T4", OUT, LVTTL},
    // DRAM_DQ[3..30]: locations not given.
    {"DRAM_DQ", "W3 W2 V4 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? U1", IO, LVTTL, 32, 0, {"nNum == 32", 672}},
    {"DRAM_ADDR", "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7", OUT, LVTTL, 13, 0, {"nNum == 13", 679}},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR", "AB7 AD7 AE7 AC7 AB6 AE6 AB5 AC5 AF5 T7 AF2 AD3 AB4 AC3 AA4 AB11 AC11 AB9 AB8 T8", OUT, LVTTL, 20, 0, {"nNum == 20", 699}},
    {"SRAM_DQ", "AH3 AF4 AG4 AH4 AF6 AG6 AH6 AF7 AD1 AD2 AE2 AE1 AE3 AE4 AF3 AG3", IO, LVTTL, 16, 0, {"nNum == 16", 709}},
    {"SRAM_UB_N", "AC4", OUT, LVTTL},
    {"SRAM_LB_N", "AD4", OUT, LVTTL},
    {"SRAM_CE_N", "AF8", OUT, LVTTL},
    {"SRAM_OE_N", "AD5", OUT, LVTTL},
    {"SRAM_WE_N", "AE8", OUT, LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR", "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11", OUT, LVTTL, 23, 0, {"nNum == 23", 736}},
    {"FL_DQ", "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12", IO, LVTTL, 8, 0, {"nNum == 8", 747}},
    {"FL_CE_N", "AG7", OUT, LVTTL},
    {"FL_OE_N", "AG8", OUT, LVTTL},
    {"FL_RST_N", "AE11", OUT, LVTTL},
    {"FL_RY", "Y1", IN, LVTTL},
    {"FL_WE_N", "AC10", OUT, LVTTL},
    {"FL_WP_N", "AE12", OUT, LVTTL},
};
// Header positions 13-40 and HSMC positions from 53 on: locations not given.
constexpr LocationRun kGpioLocations[] = {
    {1, "AB22 AC15 AB21 Y17 AC21 Y16 AD21 AE16 AD15 AE15"},
    {13, kit::UNPLACED, 40},
};
constexpr LocationRun kHsmcLocations[] = {
    {39, "AD28 AH15 AE26 AE28 AE27 AF27"},
    {47, "D27 F24 D28 F25"},
    {53, kit::UNPLACED, 158},
};
// The HSMC clock input keeps its direction and the bank's standard.
constexpr kit::PositionOverride kHsmcClockIn[] = {
    {40, IN, H},
};
constexpr kit::MaskedMasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0, &kit::kGpio40Mask, kGpioLocations, {"nNum == GPIO_PIN_NUM", 778}};
constexpr kit::MaskedMasterRow kHsmcMaster{"HSMC", "HSMC connect to %s", CONNECTOR_HSMC, MASTER_HSMC_A, &kit::kHsmcNoXcvrMask, kHsmcLocations, {"nNum == 160", 819}, kHsmcClockIn};
// clang-format on

} // namespace

bool ElbrinVoltageStandard(int32_t voltage, uint8_t& standard) {
    if (voltage < 0 || voltage >= 4)
        return false;
    standard = kVoltageStandards[voltage];
    return true;
}

void ConfigElbrinPins(TMainBoard* board, const SettingsRecord& Config) {
    board->SetBoardText(MakeElbrinText());
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_ELBRIN, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize, kDevice);
    const uint8_t gpio = Config.U8(C::nGpioDaughterId);
    const uint8_t hsmc = Config.U8(C::nHSMCDaughterId);
    uint8_t gpioBank = 0;
    PW_ASSERT(ElbrinVoltageStandard(Config.I32(C::nGpioVoltage), gpioBank), "0", "CONFIG_ELBRIN", 47);
    uint8_t hsmcBank = 0;
    PW_ASSERT(ElbrinVoltageStandard(Config.I32(C::nHSMCVoltage), hsmcBank), "0", "CONFIG_ELBRIN", 61);
    // An HSMC bank at its default voltage and without a card stays at 3.3 V.
    const bool hsmcInUse = Config.I32(C::nHSMCVoltage) != 1 || hsmc != 0;
    t.SetBank(0, gpioBank);
    t.SetBank(1, hsmcInUse ? hsmcBank : static_cast<uint8_t>(IOSTD_3V3_LVTTL));

    if (Config.U8(C::bOSC))
        t.Group("CLOCK", kClock);
    if (Config.U8(C::bSma))
        t.Group("Sma", kSma);
    if (Config.U8(C::bLED))
        t.Group("LED", kLed);
    if (Config.U8(C::bButton))
        t.Group("KEY", kKey);
    if (Config.U8(C::bExIo))
        t.Group("EX_IO", kExIo);
    if (Config.U8(C::bSwitch))
        t.Group("SW", kSwitch);
    if (Config.U8(C::bSeg7))
        t.Group("SEG7", kSeg7);
    if (Config.U8(C::bLCD))
        t.Group("LCD", kLcd);
    if (Config.U8(C::bRS232))
        t.Group("RS232", kRs232);
    if (Config.U8(C::bPS2))
        t.Group("PS2 for Keyboard and Mouse", kPs2);
    if (Config.U8(C::bSDCARD))
        t.Group("SDCARD", kSdCard);
    if (Config.U8(C::bVGA))
        t.Group("VGA", kVga);
    if (Config.U8(C::bAudio))
        t.Group("Audio", kAudio);
    if (Config.U8(C::bEEPROM))
        t.Group("I2C for EEPROM", kEeprom);
    // One bus serves the audio codec, the TV decoder and the HSMC card; its name keeps
    // the trailing blank.
    const bool audio = Config.U8(C::bAudio) != 0;
    const bool tv = Config.U8(C::bTvDecoder) != 0;
    if (audio || tv || hsmc != 0) {
        std::string name = "I2C for ";
        if (audio)
            name += "Audio ";
        if (tv)
            name += "Tv-Decoder ";
        if (hsmc != 0)
            name += "HSMC ";
        t.Group(name, kI2c);
    }
    bool clockGiven = false;
    for (int port = 0; port < 2; ++port) {
        if (!Config.U8(C::Ethernet(port)))
            continue;
        TConnector* c = t.Group(port == 0 ? "Ethernet 0" : "Ethernet 1");
        if (!clockGiven)
            t.Add(c, kEthernetClock);
        clockGiven = true;
        t.AddInterleaved(c, kEthernetData[port]);
        t.Add(c, kEthernetPort[port]);
    }
    if (tv)
        t.Group("TV Decoder", kTvDecoder);
    if (Config.U8(C::bUSB))
        t.Group("USB 2.0 OTG (Cypress CY7C67200)", kUsb);
    if (Config.U8(C::bIR))
        t.Group("IR Receiver", kIr);
    if (Config.U8(C::bSDRAM))
        t.Group("SDRAM", kSdram);
    if (Config.U8(C::bSRAM))
        t.Group("SRAM", kSram);
    if (Config.U8(C::bFlash))
        t.Group("Flash", kFlash);
    if (gpio != 0)
        t.Master(kGpioMaster, gpio);
    if (hsmc != 0)
        t.Master(kHsmcMaster, hsmc);
}
