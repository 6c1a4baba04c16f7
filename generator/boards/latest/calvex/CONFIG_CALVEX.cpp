#include "CONFIG_CALVEX.h"

#include "boards/kit/AssertionChoices.h"
#include "boards/kit/PinTable.h"
#include "boards/kit/PositionMasks.h"
#include "boards/latest/ClockChipText.h"

namespace {

using C = TConfigCalvex::CALVEX_CONFIG;
using kit::ClockRow;
using kit::LocationRun;
using kit::MaskedMasterRow;
using kit::MasterRow;
using kit::PinRow;
using kit::UNPLACED;

// The board's own rules and lines for its head checks.
constexpr kit::TableChecks kChecks{"CONFIG_CALVEX", "Config.BoardId == MAINBOARD_CALVEX", 33,
                                   "Config.Size == sizeof(TConfigCalvex::CALVEX_CONFIG)", 34};
// By nBoardType: 1 the AB device, any other value the A7 device.
constexpr kit::DeviceRow kDeviceA7{"Stratix V", "5SGXEA7N2F45C2", 1932, "FBGA", "C2"};
constexpr kit::DeviceRow kDeviceAB{"Stratix V", "5SGXEABN2F45C2", 1932, "FBGA", "C2"};

constexpr auto IN = DIRECTION_INPUT;
constexpr auto OUT = DIRECTION_OUTPUT;
constexpr auto IO = DIRECTION_INOUT;

// clang-format off
// The CDCM6208 controller runs from OSC_50_B3B, the LMK04906 controller from OSC_50_B4A.
constexpr ClockRow kClockCdcm[] = {
    {"OSC_50_B3B", "AW35", IOSTD_1V5, 0, "50.000000 MHz"},
};
constexpr ClockRow kClockLmk[] = {
    {"OSC_50_B4A", "AP10", IOSTD_1V5, 0, "50.000000 MHz"},
};
constexpr ClockRow kClock[] = {
    {"OSC_50_B4D", "AY18", IOSTD_2V5, 0, "50.000000 MHz"},
    {"OSC_50_B7A", "M8", IOSTD_2V5, 0, "50.000000 MHz"},
    {"OSC_50_B7D", "J18", IOSTD_2V5, 0, "50.000000 MHz"},
    {"OSC_50_B8A", "R36", IOSTD_2V5, 0, "50.000000 MHz"},
    {"OSC_50_B8D", "R25", IOSTD_2V5, 0, "50.000000 MHz"},
};
constexpr PinRow kButtons[] = {
    {"BUTTON", "BC7 BD7 BB8 BB9", IN, IOSTD_1V5, 4},
};
// Both controllers reset from CPU_RESET_n.
constexpr PinRow kReset[] = {
    {"CPU_RESET_n", "BC37", IN, IOSTD_2V5},
};
constexpr PinRow kSwitch[] = {
    {"SW", "AT9 AU8 AK9 AL9", IN, IOSTD_1V5, 4},
};
constexpr PinRow kLed[] = {
    {"LED", "AT32 BA31 AN27 AH27", OUT, IOSTD_1V5, 4},
};
constexpr PinRow kFan[] = {
    {"FAN_ALERT_n", "AM11", IN, IOSTD_1V5},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_CLK", "AP13", OUT, IOSTD_2V5},
    {"SSRAM_CKE_n", "AW24", OUT, IOSTD_2V5},
    {"SSRAM_CE_n", "AP24", OUT, IOSTD_2V5},
    {"SSRAM_WE_n", "AV11", OUT, IOSTD_2V5},
    {"SSRAM_OE_n", "AU10", OUT, IOSTD_2V5},
    {"SSRAM_ADV", "BC26", OUT, IOSTD_2V5},
    {"SSRAM_BWA_n", "AY25", OUT, IOSTD_2V5},
    {"SSRAM_BWB_n", "BA24", OUT, IOSTD_2V5},
};
constexpr PinRow kFlash[] = {
    {"FLASH_CLK", "AU11", OUT, IOSTD_2V5},
    {"FLASH_CE_n", "AU24", OUT, IOSTD_2V5},
    {"FLASH_WE_n", "AT12", OUT, IOSTD_2V5},
    {"FLASH_OE_n", "AP12", OUT, IOSTD_2V5},
    {"FLASH_ADV_n", "BD26", OUT, IOSTD_2V5},
    {"FLASH_RESET_n", "AV25", OUT, IOSTD_2V5},
    {"FLASH_RDY_BSY_n", "AU25", IN, IOSTD_2V5},
};
// There is no FSM_A[0].
constexpr PinRow kSharedBus[] = {
    {"FSM_A", "AE11 AD14 AE14 AE10 AF10 AE12 AF11 AG13 AJ10 AF13 AE13 AJ11 BD11 AW10 AF14 AY12 AY10 BD10 BB12 BA12 BA10 BC11 AE9 AW11 BC10 BB11", OUT, IOSTD_2V5, 26, 1},
    {"FSM_D", "AG10 AH10 AG11 AK12 AV10 AR12 AL12 AR13 AG9 AH12 AG12 AL11 AN12 AU9 AM13 AJ12", IO, IOSTD_2V5, 16},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "BB39", OUT, IOSTD_2V5},
    {"SD_DATA", "AV37 AY37 BB36 AW37", IO, IOSTD_2V5, 4},
    {"SD_CMD", "BA36", IO, IOSTD_2V5},
};
// Of the socket positions only these rows give their locations; the others stay unplaced.
constexpr LocationRun kDdr3Locations[] = {
    {4, "AH30 AH31"},
    {6, UNPLACED, 10},
    {11, "AU32"},
    {12, UNPLACED, 197},
    {198, "AU35"},
    {200, "AJ29"},
    {202, "AT29"},
};
constexpr MaskedMasterRow kDdr3{"DDR3 SODIMM", "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, MASTER_DDR3_SODIMM_A, &kit::kDdr3SodimmMask, kDdr3Locations, {}};
constexpr PinRow kRzqDdr3[] = {
    {"RZQ_DDR3", "AR8", IN, IOSTD_1V5},
};
constexpr PinRow kRzqFmc[] = {
    {"RZQ_FMC", "H9", IN, IOSTD_2V5},
};
constexpr PinRow kUart[] = {
    {"UART_TX", "T26", OUT, IOSTD_2V5},
    {"UART_RX", "T25", IN, IOSTD_2V5},
};
constexpr PinRow kLmk[] = {
    {"LMK04906_CLK", "AT24", OUT, IOSTD_2V5},
    {"LMK04906_DATAIN", "BD25", OUT, IOSTD_2V5},
    {"LMK04906_DATAOUT", "BC29", IN, IOSTD_1V5},
    {"LMK04906_LE", "AT33", OUT, IOSTD_1V5},
};
constexpr PinRow kCdcm[] = {
    {"CLOCK_SCL", "AR25", OUT, IOSTD_2V5},
    {"CLOCK_SDA", "BC25", IO, IOSTD_2V5},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCL", "AN11", IO, IOSTD_1V5},
    {"FPGA_I2C_SDA", "AP9", IO, IOSTD_1V5},
};
constexpr PinRow kTemp[] = {
    {"TEMP_INT_n", "AT8", IN, IOSTD_1V5},
    {"TEMP_OVERT_n", "AR9", IN, IOSTD_1V5},
};
constexpr PinRow kPower[] = {
    {"POWER_MONITOR_ALERT", "AY9", IN, IOSTD_1V5},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AK38", IN, IOSTD_HCSL},
    {"PCIE_TX_p", "AY39 AV39 AT39 AU41", OUT, IOSTD_1V4_PCML, 4},
    {"PCIE_RX_p", "BB43 BA41 AW41 AY43", IN, IOSTD_1V4_PCML, 4},
    {"PCIE_PERST_n", "AU33", IN, IOSTD_1V5},
    {"PCIE_WAKE_n", "BD35", OUT, IOSTD_1V5},
};
constexpr PinRow kSataHost[] = {
    {"SATA_HOST_TX_p", "AU4", OUT, IOSTD_1V4_PCML},
    {"SATA_HOST_RX_p", "AY2", IN, IOSTD_1V4_PCML},
};
constexpr PinRow kSataDevice[] = {
    {"SATA_DEVICE_TX_p", "AY6", OUT, IOSTD_1V4_PCML},
    {"SATA_DEVICE_RX_p", "BB2", IN, IOSTD_1V4_PCML},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "BC8", IN, IOSTD_DIFF_1V5_HSTL_I},
    {"SMA_CLKOUT_p", "AV8", OUT, IOSTD_DIFF_1V5_HSTL_I},
};
// Header pin n at position n - 1; pins 11, 12, 29 and 30 carry power.
constexpr MasterRow kGpioMaster{"GPIO", "GPIO connect to %s", CONNECTOR_GPIO40, MASTER_GPIO_0,
    "AU36 AE36 AF35 AE35 AN36 AP36 AG34 AK35 AN34 AH34 - - "
    "AL35 AH22 AP34 AJ23 AJ34 AJ22 AK23 AL23 AL24 AK21 AM23 AL21 AN23 AU23 AR24 BA25 - - "
    "AR23 BB24 BC23 AT23 AV23 BD23 BB26 AW23 AY24 BB23"};
// clang-format on

// A clock chip's output and the reference-clock pin it drives; the pin exists only
// while the output is enabled.
struct ChipClock {
    int output;
    PinRow pin;
};
// clang-format off
constexpr ChipClock kLmkClocks[] = {
    {0, kit::RefClock("FMCA_ONBOARD_REFCLK_p[1]", "T38", IOSTD_LVDS)},
    {1, kit::RefClock("FMCB_ONBOARD_REFCLK_p[0]", "AD39", IOSTD_LVDS)},
    {2, kit::RefClock("FMCC_ONBOARD_REFCLK_p[0]", "AD6", IOSTD_LVDS)},
    {3, kit::RefClock("FMCD_ONBOARD_REFCLK_p[1]", "T7", IOSTD_LVDS)},
};
constexpr ChipClock kCdcmClocks[] = {
    {0, kit::RefClock("FMCA_ONBOARD_REFCLK_p[0]", "Y38", IOSTD_LVDS)},
    {1, kit::RefClock("FMCD_ONBOARD_REFCLK_p[0]", "Y7", IOSTD_LVDS)},
    {2, kit::RefClock("SATA_HOST_REFCLK_p", "AH6", IOSTD_LVDS)},
    {3, kit::RefClock("SATA_DEVICE_REFCLK_p", "AK7", IOSTD_LVDS)},
    {4, kit::RefClock("PCIE_ONBOARD_REFCLK_p", "AH39", IOSTD_LVDS)},
    {5, kit::RefClock("DDR3_REFCLK_p", "BB33", IOSTD_LVDS)},
};
// clang-format on

// FMC positions count row by row: 40 × row + column, rows A to K without I (A2 is 2,
// C2 is 82, K40 is 400). Of each transceiver lane and reference clock only the
// positive leg is wired.
constexpr int FmcPosition(char row, int column) {
    const int index = row < 'I' ? row - 'A' : row - 'A' - 1;
    return 40 * index + column;
}
// clang-format off
constexpr kit::PositionMask kFmcHpcPort{.count = 400, .empty = nullptr, .pins =
    "2 6 10 14 18 22 26 30 34 38 "                                                                     // A
    "44 48 52 56 60 64 68 72 76 "                                                                      // B
    "82 86 90 91 94 95 98 99 102 103 106 107 110 111 114 "                                             // C
    "124 128 129 131 132 134 135 137 138 140 141 143 144 146 147 155 "                                 // D
    "162 163 166 167 169 170 172 173 175 176 178 179 181 182 184 185 187 188 190 191 193 194 196 197 " // E
    "204 205 207 208 210 211 213 214 216 217 219 220 222 223 225 226 228 229 231 232 234 235 237 238 " // F
    "242 243 246 247 249 250 252 253 255 256 258 259 261 262 264 265 267 268 270 271 273 274 276 277 " // G
    "284 285 287 288 290 291 293 294 296 297 299 300 302 303 305 306 308 309 311 312 314 315 317 318 " // H
    "322 323 326 327 329 330 332 333 335 336 338 339 341 342 344 345 347 348 350 351 353 354 356 357 " // J
    "364 365 367 368 370 371 373 374 376 377 379 380 382 383 385 386 388 389 391 392 394 395 397 398"}; // K
static_assert(kit::MaskPinCount(kFmcHpcPort) == 194);
// The low pin count ports wire rows C, D, G and H as the high pin count ones.
constexpr kit::PositionMask kFmcLpcPort{.count = 400, .empty = nullptr, .pins =
    "82 86 90 91 94 95 98 99 102 103 106 107 110 111 114 "                                             // C
    "124 128 129 131 132 134 135 137 138 140 141 143 144 146 147 155 "                                 // D
    "242 243 246 247 249 250 252 253 255 256 258 259 261 262 264 265 267 268 270 271 273 274 276 277 " // G
    "284 285 287 288 290 291 293 294 296 297 299 300 302 303 305 306 308 309 311 312 314 315 317 318"}; // H
static_assert(kit::MaskPinCount(kFmcLpcPort) == 79);

// Of each port only these rows give their locations; the others stay unplaced.
constexpr LocationRun kFmcALocations[] = {
    {FmcPosition('A', 2), "Y43"},
    {FmcPosition('A', 3), UNPLACED, FmcPosition('C', 1)},
    {FmcPosition('C', 2), "W41"},
    {FmcPosition('C', 3), UNPLACED, FmcPosition('C', 29)},
    {FmcPosition('C', 30), "F29 F28"},
    {FmcPosition('C', 32), UNPLACED, FmcPosition('D', 3)},
    {FmcPosition('D', 4), "AB39"},
    {FmcPosition('D', 5), UNPLACED, FmcPosition('H', 3)},
    {FmcPosition('H', 4), "G23 F23"},
    {FmcPosition('H', 6), UNPLACED, FmcPosition('K', 37)},
    {FmcPosition('K', 38), "A17"},
};
constexpr LocationRun kFmcBLocations[] = {
    {FmcPosition('C', 2), "AL41"},
    {FmcPosition('C', 3), UNPLACED, FmcPosition('C', 29)},
    {FmcPosition('C', 30), "E36 D37"},
    {FmcPosition('C', 32), UNPLACED, FmcPosition('D', 3)},
    {FmcPosition('D', 4), "AF38"},
    {FmcPosition('D', 5), UNPLACED, FmcPosition('H', 3)},
    {FmcPosition('H', 4), "B39 A38"},
    {FmcPosition('H', 6), UNPLACED, FmcPosition('K', 40)},
};
constexpr LocationRun kFmcCLocations[] = {
    {FmcPosition('C', 2), "AL4"},
    {FmcPosition('C', 3), UNPLACED, FmcPosition('C', 29)},
    {FmcPosition('C', 30), "AH18 AH19"},
    {FmcPosition('C', 32), UNPLACED, FmcPosition('D', 3)},
    {FmcPosition('D', 4), "AF7"},
    {FmcPosition('D', 5), UNPLACED, FmcPosition('H', 3)},
    {FmcPosition('H', 4), "BC19 BD19"},
    {FmcPosition('H', 6), UNPLACED, FmcPosition('K', 40)},
};
constexpr LocationRun kFmcDLocations[] = {
    {FmcPosition('A', 2), "Y2"},
    {FmcPosition('A', 3), UNPLACED, FmcPosition('C', 1)},
    {FmcPosition('C', 2), "W4"},
    {FmcPosition('C', 3), UNPLACED, FmcPosition('C', 29)},
    {FmcPosition('C', 30), "A20 B20"},
    {FmcPosition('C', 32), UNPLACED, FmcPosition('D', 3)},
    {FmcPosition('D', 4), "AB6"},
    {FmcPosition('D', 5), UNPLACED, FmcPosition('H', 3)},
    {FmcPosition('H', 4), "Y16 W16"},
    {FmcPosition('H', 6), UNPLACED, FmcPosition('K', 37)},
    {FmcPosition('K', 38), "BB15"},
};
// The connectors carry their card's id.
constexpr MaskedMasterRow kFmcPorts[] = {
    {"FMCA", "FMCA connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_A, &kFmcHpcPort, kFmcALocations, {}, {}, 0, {}, true},
    {"FMCB", "FMCB connect to %s", CONNECTOR_FMC_LPC, MASTER_FMC_B, &kFmcLpcPort, kFmcBLocations, {}, {}, 0, {}, true},
    {"FMCC", "FMCC connect to %s", CONNECTOR_FMC_LPC, MASTER_FMC_C, &kFmcLpcPort, kFmcCLocations, {}, {}, 0, {}, true},
    {"FMCD", "FMCD connect to %s", CONNECTOR_FMC_HPC, MASTER_FMC_D, &kFmcHpcPort, kFmcDLocations, {}, {}, 0, {}, true},
};
// clang-format on

} // namespace

void ConfigCalvexPins(TMainBoard* board, TConfigCalvex* config) {
    const C& Config = config->Config;
    board->SetBoardText(std::make_unique<ClockChipText>(config));
    kit::PinTable t(board, kChecks);
    t.Begin(MAINBOARD_CALVEX, Config.U8(C::BoardId), Config.I32(C::Size), C::kSize,
            Config.U8(C::nBoardType) == 1 ? kDeviceAB : kDeviceA7);
    auto on = [&Config](std::size_t flag) { return Config.U8(flag) != 0; };
    auto fmcCard = [&Config](int port) { return static_cast<int8_t>(Config.U8(C::nFmcDaughterId + port)); };
    // Each controller block the writers add uses its oscillator and CPU_RESET_n.
    const bool cdcm = on(C::bCdcmPll);
    const bool lmk = on(C::bLmkPll);

    if (on(C::bOSC) || cdcm || lmk) {
        TConnector* c = t.Group("CLOCK");
        if (on(C::bOSC) || cdcm)
            t.Add(c, kClockCdcm);
        if (on(C::bOSC) || lmk)
            t.Add(c, kClockLmk);
        if (on(C::bOSC))
            t.Add(c, kClock);
    }
    if (on(C::bButton) || cdcm || lmk) {
        TConnector* c = t.Group("KEY");
        if (on(C::bButton))
            t.Add(c, kButtons);
        t.Add(c, kReset);
    }
    if (on(C::bSwitch))
        t.Group("SW", kSwitch);
    if (on(C::bLED))
        t.Group("LED", kLed);
    if (on(C::bFan))
        t.Group("FAN", kFan);
    if (on(C::bSSRAM))
        t.Group("SSRAM", kSsram);
    if (on(C::bFlash))
        t.Group("FLASH", kFlash);
    if (on(C::bFlash) || on(C::bSSRAM))
        t.Group("Share Bus for Flash and SSRAM", kSharedBus);
    if (on(C::bSdCard))
        t.Group("SD Card", kSdCard);
    if (on(C::bDDR3))
        t.Master(kDdr3, 0);
    bool fmc = false;
    for (int port = 0; port < 4; ++port)
        fmc = fmc || fmcCard(port) > 0;
    if (on(C::bDDR3) || fmc) {
        TConnector* c = t.Group(on(C::bDDR3) && fmc ? "RZQ for FMC and DDR3"
                                : fmc               ? "RZQ for FMC"
                                                    : "RZQ for DDR3");
        if (on(C::bDDR3))
            t.Add(c, kRzqDdr3);
        if (fmc)
            t.Add(c, kRzqFmc);
    }
    if (on(C::bUart2Usb))
        t.Group("Uart to Usb", kUart);
    if (lmk) {
        TConnector* c = t.Group("LMK04906B External PLL", kLmk);
        for (const ChipClock& k : kLmkClocks)
            if (const float mhz = config->Lmk04906OutputFrequency(k.output); mhz > 0)
                t.Add(c, std::span(&k.pin, 1), mhz);
    }
    if (cdcm) {
        TConnector* c = t.Group("CDCM6208 External PLL", kCdcm);
        for (const ChipClock& k : kCdcmClocks)
            if (const float mhz = config->Cdcm6208OutputFrequency(k.output); mhz > 0)
                t.Add(c, std::span(&k.pin, 1), mhz);
    }
    if (on(C::bTemp) || on(C::bFan) || on(C::bPower))
        t.Group("I2C for Temperature-Sensor or Fan-Control or Power-Monitor", kI2c);
    if (on(C::bTemp))
        t.Group("Temperature", kTemp);
    if (on(C::bPower))
        t.Group("POWER Monitor", kPower);
    if (on(C::bPcie))
        t.Group("PCIE", kPcie);
    if (on(C::bSataHost))
        t.Group("Sata Host", kSataHost);
    if (on(C::bSataDevice))
        t.Group("Sata Device", kSataDevice);
    if (on(C::bSma))
        t.Group("SMA", kSma);
    if (const uint8_t gpio = Config.U8(C::nGpioDaughterId); gpio != 0)
        t.Master(kGpioMaster, gpio);
    for (int port = 0; port < 4; ++port)
        if (fmcCard(port) > 0)
            t.Master(kFmcPorts[port], static_cast<uint8_t>(fmcCard(port)));
}
