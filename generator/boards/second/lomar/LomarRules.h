#pragma once
// What the Lomar form decides, without widgets.

#include "LOMAR_CONFIG.h"
#include "boards/kit/BoardLogic.h"
#include "boards/second/HsmcDefaultFamily.h"

#include <array>
#include <string>

class GpioExpansion;

const kit::BoardLogic& LomarLogic();

// Connector indexes of the board's BoardSpec: HSMC-A to HSMC-F, then the two GPIO headers
// that take HSMC-C's pins in GPIO mode (their cards come from the GPIO expansion dialog).
enum LomarConnector {
    LOMAR_HSMC_A = 0,
    LOMAR_HSMC_C = 2,
    LOMAR_HSMC_E = 4,
    LOMAR_HSMC_F = 5,
    LOMAR_GPIO_0 = 6,
    LOMAR_GPIO_1 = 7
};
// The card lists: HSMC without and with transceivers, and the GPIO headers'.
enum LomarList { LOMAR_LIST_HSMC = 0, LOMAR_LIST_HSMC_XCVR = 1, LOMAR_LIST_GPIO = 2 };

inline constexpr const char* kLomarBoardTypes[] = {"LOMAR_230", "LOMAR_530"};
inline constexpr const char* kLomarHsmcModes[] = {"HSMC", "GPIO"};
// The three PLL clocks' items; the index is also the setting code the Verilog hands on.
inline constexpr const char* kLomarPllFrequencies[] = {"Unchange", "Disable", "62.5",   "75",    "100",
                                                       "125",      "150",     "156.25", "187.5", "200",
                                                       "250",      "312.5",   "625"};

// One connector's marks on the I/O-voltage picture: the jumper's place and the lit LEDs.
struct LomarVoltageMarks {
    int jumperX;
    int jumperY;
    int ledY;
    int led1X;
    int led2X;
    bool led1;
    bool led2;
};
// The voltage step (0 1.5 V, 1 1.8 V, 2 2.5 V, 3 3.0 V, 4 3.3 V) a card needs; HSMC-C in
// GPIO mode runs at 3.0 V.
int LomarVoltageStep(int port, uint8_t card, bool gpioMode);
// The marks of HSMC-A to HSMC-F for the cards chosen on them (0: none).
std::array<LomarVoltageMarks, 6> LomarVoltageJumpers(const std::array<uint8_t, 6>& cards, bool gpioMode);

// LabelGPIO's caption for the cards confirmed on the two GPIO headers.
std::string LomarGpioLabel(uint8_t card0, uint8_t card1);
// The warnings after a successful Generate ("" for none), from the ticked boxes and
// the cards on HSMC-A and HSMC-E.
std::string LomarWarnings(bool ddr3, bool pcie0, bool pcie1, uint8_t cardA, uint8_t cardE);

// The GPIO expansion dialog takes the headers' choice the form shows; OK gives its
// confirmed choice back to the form, whose pictures and outlines are drawn again.
void LomarGpioToDialog(const kit::FormView& view, GpioExpansion& dialog);
void LomarGpioFromDialog(const GpioExpansion& dialog, kit::FormView& view);
