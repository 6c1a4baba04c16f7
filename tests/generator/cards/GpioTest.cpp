#include "cards/CardTables.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint8_t IN = DIRECTION_INPUT;
constexpr uint8_t OUT = DIRECTION_OUTPUT;
constexpr uint8_t IO = DIRECTION_INOUT;

// The standard handed to tables that take one: not the pins' default, so a table that
// drops its argument shows.
constexpr uint8_t kGiven = IOSTD_2V5;

struct Spot {
    int position;
    const char* name;
    uint8_t direction;
};

struct Card {
    const char* table;
    std::function<void(TConnector*)> fill;
    int pins;
    uint8_t standard; // what every pin carries
    bool powerEmpty;  // positions 11, 12, 29 and 30 without a pin
    std::vector<Spot> spots;
};

// Tables with a standard argument get kGiven; the others fix "3.3-V LVTTL".
const std::vector<Card>& Cards() {
    static const std::vector<Card> cards = {
        {"GpioDefault style 1",
         [](TConnector* c) { FillCardGpioDefaultPins(c, 1, kGiven); },
         36,
         kGiven,
         true,
         {{1, "GPIO[0]", IO},
          {10, "GPIO[9]", IO},
          {13, "GPIO[10]", IO},
          {28, "GPIO[25]", IO},
          {31, "GPIO[26]", IO},
          {40, "GPIO[35]", IO}}},
        {"GpioDefault style 2",
         [](TConnector* c) { FillCardGpioDefaultPins(c, 2, kGiven); },
         36,
         kGiven,
         true,
         {{1, "GPIO[0]", IO}, {13, "GPIO[10]", IO}, {40, "GPIO[35]", IO}}},
        {"GpioDefault style 0",
         [](TConnector* c) { FillCardGpioDefaultPins(c, 0, kGiven); },
         36,
         kGiven,
         true,
         {{1, "GPIO_CLKIN[0]", IN},
          {2, "GPIO_D[0]", IO},
          {3, "GPIO_CLKIN[1]", IN},
          {13, "GPIO_D[8]", IO},
          {19, "GPIO_CLKOUT[0]", OUT},
          {20, "GPIO_D[14]", IO},
          {21, "GPIO_CLKOUT[1]", OUT},
          {31, "GPIO_D[22]", IO},
          {40, "GPIO_D[31]", IO}}},
        {"GpioNamed GPIO_0",
         [](TConnector* c) { FillCardGpioNamedPins(c, "GPIO_0", kGiven); },
         36,
         kGiven,
         true,
         {{1, "GPIO_0[0]", IO}, {13, "GPIO_0[10]", IO}, {31, "GPIO_0[26]", IO}, {40, "GPIO_0[35]", IO}}},
        {"GpioNamed GPIO_1",
         [](TConnector* c) { FillCardGpioNamedPins(c, "GPIO_1", kGiven); },
         36,
         kGiven,
         true,
         {{1, "GPIO_1[0]", IO}, {40, "GPIO_1[35]", IO}}},
        {"Kamrel",
         [](TConnector* c) { FillCardKamrelPins(c, kGiven); },
         21,
         kGiven,
         true,
         {{1, "KAMREL_PIXCLK", IN},
          {2, "KAMREL_D[11]", IN},
          {3, nullptr, 0},
          {16, "KAMREL_D[0]", IN},
          {19, "KAMREL_XCLKIN", OUT},
          {21, nullptr, 0},
          {22, "KAMREL_TRIGGER", OUT},
          {26, "KAMREL_SDATA", IO},
          {27, "KAMREL_SCLK", OUT},
          {28, nullptr, 0},
          {40, nullptr, 0}}},
        {"Spindo",
         [](TConnector* c) { FillCardSpindoPins(c, kGiven); },
         36,
         kGiven,
         true,
         {{1, "SPINDO_ADC_PENIRQ_n", IN},
          {4, "SPINDO_ADC_DIN", OUT},
          {10, "SPINDO_NCLK", OUT},
          {28, "SPINDO_R[0]", OUT},
          {31, "SPINDO_R[1]", OUT},
          {40, "SPINDO_SDA", IO}}},
        {"NimbrekFifo",
         [](TConnector* c) { FillCardNimbrekFifoPins(c, kGiven); },
         19,
         kGiven,
         true,
         {{1, "USB_FIFO_D[0]", IO},
          {2, nullptr, 0},
          {13, "USB_FIFO_D[5]", IO},
          {19, "USB_FIFO_RXF_n", IN},
          {23, "USB_FIFO_RD_n", OUT},
          {31, "USB_FIFO_CLKOUT", IN},
          {32, "USB_FIFO_PWRSAV_n", OUT},
          {35, nullptr, 0},
          {38, "USB_FIFO_RESET_n", OUT},
          {39, nullptr, 0}}},
        // Positions 11 and 12 carry pins here; 13 and 14 are empty instead.
        {"NimbrekNative",
         [](TConnector* c) { FillCardNimbrekNativePins(c, kGiven); },
         35,
         kGiven,
         false,
         {{1, "ADBUS[0]", IO},
          {2, "BDBUS[2]", IO},
          {11, "ADBUS[5]", IO},
          {12, "BDBUS[7]", IO},
          {13, nullptr, 0},
          {14, nullptr, 0},
          {15, "ADBUS[6]", IO},
          {29, nullptr, 0},
          {30, nullptr, 0},
          {34, "PWREN_n", IN},
          {36, "SUSPEND_n", IN},
          {38, "RESET_n", OUT},
          {39, "BDBUS[1]", IO},
          {40, nullptr, 0}}},
        {"GpioDefaultJorrel",
         [](TConnector* c) { FillCardGpioDefaultJorrelPins(c); },
         36,
         IOSTD_3V3_LVTTL,
         true,
         {{1, "_IN[0]", IN},
          {2, "[0]", IO},
          {3, "_IN[1]", IN},
          {4, "[1]", IO},
          {10, "[7]", IO},
          {13, "[8]", IO},
          {28, "[23]", IO},
          {31, "[24]", IO},
          {40, "[33]", IO}}},
        {"Drovik",
         [](TConnector* c) { FillCardDrovikPins(c, kGiven); },
         30,
         kGiven,
         true,
         {{1, nullptr, 0},
          {2, "DROVIK_DCLK", OUT},
          {4, "DROVIK_R[0]", OUT},
          {10, "DROVIK_R[6]", OUT},
          {13, "DROVIK_R[7]", OUT},
          {18, "DROVIK_G[4]", OUT},
          {19, nullptr, 0},
          {21, "DROVIK_G[5]", OUT},
          {23, "DROVIK_B[0]", OUT},
          {24, "DROVIK_G[7]", OUT},
          {25, "DROVIK_B[1]", OUT},
          {33, "DROVIK_B[7]", OUT},
          {34, nullptr, 0},
          {38, "DROVIK_TOUCH_I2C_SDA", IO},
          {39, "DROVIK_TOUCH_INT_n", IN},
          {40, nullptr, 0}}},
        {"Drovik2",
         [](TConnector* c) { FillCardDrovik2Pins(c, kGiven); },
         30,
         kGiven,
         true,
         {{2, "DROVIK_DCLK", OUT}, {39, "DROVIK_TOUCH_INT_n", IN}}},
        {"Pemrith",
         [](TConnector* c) { FillCardPemrithPins(c); },
         28,
         IOSTD_3V3_LVTTL,
         true,
         {{1, "PEMRITH_ADC_PENIRQ_N", IN},
          {5, "PEMRITH_ADC_DCLK", OUT},
          {6, "PEMRITH_D[3]", OUT},
          {9, "PEMRITH_D[0]", OUT},
          {10, nullptr, 0},
          {13, "PEMRITH_RD_N", OUT},
          {16, "PEMRITH_D[4]", OUT},
          {27, "PEMRITH_D[15]", OUT},
          {28, "PEMRITH_CS_N", OUT},
          {37, nullptr, 0},
          {40, "PEMRITH_LCD_ON", OUT}}},
        {"Ebbran",
         [](TConnector* c) { FillCardEbbranPins(c); },
         30,
         IOSTD_3V3_LVTTL,
         true,
         {{1, "PMW[0]", IO},
          {10, "PMW[9]", IO},
          {13, "PMW[10]", IO},
          {26, "PMW[23]", IO},
          {27, nullptr, 0},
          {31, "SOC_PM_I2C_SDA", IO},
          {33, "SYS_PM_ALERT", IN},
          {35, "MR_PM_ALERT", IN},
          {38, "SOC_WARN_LED", OUT}}},
        {"FiskelGpio",
         [](TConnector* c) { FillCardFiskelGpioPins(c, kGiven); },
         22,
         kGiven,
         true,
         {{1, "MIPI_PIXEL_CLK", IN},
          {4, "MIPI_PIXEL_D[0]", IN},
          {10, "MIPI_PIXEL_D[6]", IN},
          {13, "MIPI_PIXEL_D[7]", IN},
          {15, "MIPI_PIXEL_D[9]", IN},
          {21, "MIPI_REFCLK", OUT},
          {28, "CAMERA_PWDN_n", OUT},
          {31, "CAMERA_I2C_SCL", IO},
          {36, "MIPI_I2C_SDA", IO}}},
        {"Wexlin",
         [](TConnector* c) { FillCardWexlinPins(c, kGiven); },
         33,
         kGiven,
         true,
         {{1, "G_SENSOR_INT1", IN},
          {4, "G_SDA_SDI_SDIO", IO},
          {10, "TOUCH_CS_n", OUT},
          {14, nullptr, 0},
          {15, "LCD_R[0]", OUT},
          {16, nullptr, 0},
          {17, "LCD_R[2]", OUT},
          {18, "LCD_R[1]", OUT},
          {21, "DIM", OUT},
          {27, "LCD_G[2]", OUT},
          {32, "LCD_G[3]", OUT},
          {38, "LCD_B[3]", OUT},
          {40, "LCD_B[5]", OUT}}},
        {"Mordle",
         [](TConnector* c) { FillCardMordlePins(c); },
         21,
         IOSTD_3V3_LVTTL,
         true,
         {{5, nullptr, 0},
          {6, "BEEP_OUT", OUT},
          {16, "SDA_A_OUT", IO},
          {17, "INT1_A_OUT", IN},
          {22, "G_SDO_ALT_ADDRESS", OUT},
          {25, "DRDY_M_OUT", OUT},
          {28, "L_INT", IN},
          {33, nullptr, 0},
          {39, "TEMP_SDA", IO},
          {40, nullptr, 0}}},
        {"ArduinoDigital",
         [](TConnector* c) { FillCardArduinoDigitalPins(c); },
         16,
         IOSTD_3V3_LVTTL,
         true,
         {{3, nullptr, 0},
          {4, "Arduino_IO[0]", IO},
          {10, "Arduino_IO[6]", IO},
          {13, "Arduino_IO[7]", IO},
          {21, "Arduino_IO[15]", IO},
          {22, nullptr, 0}}},
        {"Trelby",
         [](TConnector* c) { FillCardTrelbyPins(c); },
         32,
         IOSTD_3V3_LVTTL,
         true,
         {{4, nullptr, 0},
          {5, "MTRR_N", OUT},
          {10, "MTR_Fault_n", IN},
          {15, "LTC_ADC_SDO", IN},
          {21, "MOXEN0[0]", IO},
          {22, "MOXEN0[4]", IO},
          {28, "MOXEN0[7]", IO},
          {31, "MOXEN1[0]", IO},
          {38, "MOXEN1[7]", IO},
          {40, "VCC3P3_PWRON_n", OUT}}},
        {"Nalvor",
         [](TConnector* c) { FillCardNalvorPins(c); },
         27,
         IOSTD_3V3_LVTTL,
         true,
         {{1, "MPU_INT", IN},
          {3, nullptr, 0},
          {9, "MTR_Sleep_n", OUT},
          {19, "MPU_SCL_SCLK", IO},
          {23, "IR_RXD", IN},
          {24, nullptr, 0},
          {32, nullptr, 0},
          {33, "MOXEN[0]", IO},
          {34, "MOXEN[4]", IO},
          {40, "MOXEN[7]", IO}}},
    };
    return cards;
}

std::string Listing(const TConnector& conn) {
    std::string out;
    for (int i = 0; i < conn.PinCount(); ++i) {
        const TPin* p = conn.GetPin(i);
        out += p ? p->GetName() + " " + std::to_string(p->GetDirection()) + " " +
                       std::to_string(p->GetIoStandard()) + " " + std::to_string(p->GetIndex())
                 : std::string("-");
        out += "\n";
    }
    return out;
}

} // namespace

TEST(GpioCards, EveryTableLaysFortySlotsInPositionOrder) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.table);
        TConnector conn("GPIO", "", CONNECTOR_GPIO40, 1);
        card.fill(&conn);
        ASSERT_EQ(conn.PinCount(), 40);
        EXPECT_EQ(conn.ActivePinCount(), card.pins);
        std::set<std::string> names;
        for (int p = 1; p <= 40; ++p) {
            const TPin* pin = conn.GetPin(p - 1);
            const bool power = p == 11 || p == 12 || p == 29 || p == 30;
            if (power && card.powerEmpty) {
                EXPECT_EQ(pin, nullptr) << "position " << p;
            }
            if (!pin)
                continue;
            SCOPED_TRACE(pin->GetName());
            EXPECT_EQ(pin->GetIndex(), p);
            EXPECT_EQ(pin->GetIoStandard(), card.standard);
            EXPECT_TRUE(pin->IsActive());
            EXPECT_EQ(pin->GetLocation(), "");
            EXPECT_EQ(pin->GetIsClock(), 0);
            EXPECT_TRUE(names.insert(pin->GetName()).second) << "twice";
        }
    }
}

TEST(GpioCards, NamedPositionsCarryTheirPins) {
    for (const Card& card : Cards()) {
        SCOPED_TRACE(card.table);
        TConnector conn("GPIO", "", CONNECTOR_GPIO40, 1);
        card.fill(&conn);
        for (const Spot& s : card.spots) {
            SCOPED_TRACE(s.position);
            const TPin* pin = conn.GetPin(s.position - 1);
            if (!s.name) {
                EXPECT_EQ(pin, nullptr);
                continue;
            }
            ASSERT_NE(pin, nullptr);
            EXPECT_EQ(pin->GetName(), s.name);
            EXPECT_EQ(pin->GetDirection(), s.direction);
        }
    }
}

TEST(GpioCards, StandardArgumentPassesUnchanged) {
    for (uint8_t standard : {IOSTD_1V5, IOSTD_1V8, IOSTD_3V0_PCI_X, IOSTD_3V3_LVTTL}) {
        TConnector conn("GPIO", "", CONNECTOR_GPIO40, 1);
        FillCardDrovikPins(&conn, standard);
        FillCardGpioDefaultPins(&conn, 0, standard);
        FillCardGpioNamedPins(&conn, "GPIO_0", standard);
        for (int i = 0; i < conn.PinCount(); ++i)
            if (const TPin* pin = conn.GetPin(i)) {
                EXPECT_EQ(pin->GetIoStandard(), standard);
            }
    }
}

TEST(GpioCards, DrovikVersionsGiveTheSameList) {
    TConnector first("GPIO", "", CONNECTOR_GPIO40, 53);
    TConnector second("GPIO", "", CONNECTOR_GPIO40, 61);
    FillCardDrovikPins(&first, kGiven);
    FillCardDrovik2Pins(&second, kGiven);
    EXPECT_EQ(Listing(first), Listing(second));
}

TEST(GpioCards, TablesAppendWithoutClearing) {
    TConnector conn("GPIO", "", CONNECTOR_GPIO40, 65);
    FillCardArduinoDigitalPins(&conn);
    FillCardArduinoDigitalPins(&conn);
    ASSERT_EQ(conn.PinCount(), 80);
    EXPECT_EQ(conn.ActivePinCount(), 32);
    ASSERT_NE(conn.GetPin(43), nullptr);
    EXPECT_EQ(conn.GetPin(43)->GetName(), "Arduino_IO[0]");
    EXPECT_EQ(conn.GetPin(43)->GetIndex(), 4);
}
