// The two 46-position rows P8 and P9 of the BBB header: which signal each pin-out puts
// on a position. Position p is row p - 1; an empty name marks a position the pin-out
// leaves unused.
#include "cards/CardTables.h"

#include "platform/Assert.h"

#include <array>

namespace {

struct BBB_PIN_ROW {
    const char* name;
    int direction;
    int ioStandard;
};

using BbbTable = std::array<BBB_PIN_ROW, 46>;

constexpr int kLastPinIndex = 46;

constexpr uint8_t kKindDefault = 1; // names its pins itself: no table
constexpr uint8_t kKindWifiBle = 2;
constexpr uint8_t kKindMode7 = 10;

// Where the lookup stops the program.
constexpr const char* kSource = "BBB_PinOut";
constexpr int kLinePinIndexAboveZero = 20;
constexpr int kLinePinIndexInTable = 21;
constexpr int kLineDefaultKind = 24;
constexpr int kLineHeader = 33;

constexpr BBB_PIN_ROW kUnused{"", DIRECTION_INOUT, IOSTD_3V3_LVTTL};
constexpr BBB_PIN_ROW In(const char* name) {
    return {name, DIRECTION_INPUT, IOSTD_3V3_LVTTL};
}
constexpr BBB_PIN_ROW Out(const char* name) {
    return {name, DIRECTION_OUTPUT, IOSTD_3V3_LVTTL};
}
constexpr BBB_PIN_ROW InOut(const char* name) {
    return {name, DIRECTION_INOUT, IOSTD_3V3_LVTTL};
}

// clang-format off
constexpr BbbTable kWifiBleP8 = {{
    kUnused,              // 1
    kUnused,              // 2
    kUnused,              // 3
    kUnused,              // 4
    kUnused,              // 5
    kUnused,              // 6
    kUnused,              // 7
    kUnused,              // 8
    kUnused,              // 9
    kUnused,              // 10
    In("BLE_DIO6"),       // 11
    In("BLE_DIO7"),       // 12
    kUnused,              // 13
    In("BLE_DIO8"),       // 14
    Out("WIFI_HIB_N"),    // 15
    In("WIFI_IRQ"),       // 16
    Out("WIFI_ANT"),      // 17
    Out("BLE_ANT"),       // 18
    kUnused,              // 19
    kUnused,              // 20
    kUnused,              // 21
    kUnused,              // 22
    kUnused,              // 23
    kUnused,              // 24
    kUnused,              // 25
    In("BLE_DIO9"),       // 26
    kUnused,              // 27
    kUnused,              // 28
    kUnused,              // 29
    kUnused,              // 30
    kUnused,              // 31
    kUnused,              // 32
    In("WIFI_UART_CTS"),  // 33
    kUnused,              // 34
    Out("WIFI_UART_RTS"), // 35
    kUnused,              // 36
    kUnused,              // 37
    kUnused,              // 38
    kUnused,              // 39
    kUnused,              // 40
    kUnused,              // 41
    kUnused,              // 42
    kUnused,              // 43
    kUnused,              // 44
    kUnused,              // 45
    kUnused,              // 46
}};
// clang-format on

// clang-format off
constexpr BbbTable kWifiBleP9 = {{
    kUnused,                 // 1
    kUnused,                 // 2
    kUnused,                 // 3
    kUnused,                 // 4
    kUnused,                 // 5
    kUnused,                 // 6
    kUnused,                 // 7
    kUnused,                 // 8
    kUnused,                 // 9
    kUnused,                 // 10
    In("WIFI_UART_RXD"),     // 11
    In("BLE_DIO10"),         // 12
    Out("WIFI_UART_TXD"),    // 13
    kUnused,                 // 14
    In("BLE_DIO11"),         // 15
    kUnused,                 // 16
    Out("WIFI_SPI_CS_N"),    // 17
    In("WIFI_SPI_MISO"),     // 18
    Out("EEPROM_I2C_SCL"),   // 19
    InOut("EEPROM_I2C_SDA"), // 20
    Out("WIFI_SPI_MOSI"),    // 21
    Out("WIFI_SPI_SCLK"),    // 22
    In("BLE_DIO12"),         // 23
    InOut("BLE_I2C_SCL"),    // 24
    In("BLE_DIO13"),         // 25
    InOut("BLE_I2C_SDA"),    // 26
    In("BLE_DIO14"),         // 27
    In("BLE_SPI_CS_N"),      // 28
    In("BLE_SPI_MOSI"),      // 29
    Out("BLE_SPI_MISO"),     // 30
    In("BLE_SPI_SCLK"),      // 31
    kUnused,                 // 32
    kUnused,                 // 33
    kUnused,                 // 34
    kUnused,                 // 35
    kUnused,                 // 36
    kUnused,                 // 37
    kUnused,                 // 38
    kUnused,                 // 39
    kUnused,                 // 40
    kUnused,                 // 41
    In("BLE_DIO15"),         // 42
    kUnused,                 // 43
    kUnused,                 // 44
    kUnused,                 // 45
    kUnused,                 // 46
}};
// clang-format on

// clang-format off
constexpr BbbTable kMode7P8 = {{
    kUnused,            // 1
    kUnused,            // 2
    InOut("gpio1[6]"),  // 3
    InOut("gpio1[7]"),  // 4
    InOut("gpio1[2]"),  // 5
    InOut("gpio1[3]"),  // 6
    InOut("gpio2[2]"),  // 7
    InOut("gpio2[3]"),  // 8
    InOut("gpio2[5]"),  // 9
    InOut("gpio2[4]"),  // 10
    InOut("gpio1[13]"), // 11
    InOut("gpio1[12]"), // 12
    InOut("gpio0[23]"), // 13
    InOut("gpio0[26]"), // 14
    InOut("gpio1[15]"), // 15
    InOut("gpio1[14]"), // 16
    InOut("gpio0[27]"), // 17
    InOut("gpio2[1]"),  // 18
    InOut("gpio0[22]"), // 19
    InOut("gpio1[31]"), // 20
    InOut("gpio1[30]"), // 21
    InOut("gpio1[5]"),  // 22
    InOut("gpio1[4]"),  // 23
    InOut("gpio1[1]"),  // 24
    InOut("gpio1[0]"),  // 25
    InOut("gpio1[29]"), // 26
    InOut("gpio2[22]"), // 27
    InOut("gpio2[24]"), // 28
    InOut("gpio2[23]"), // 29
    InOut("gpio2[25]"), // 30
    InOut("gpio0[10]"), // 31
    InOut("gpio0[11]"), // 32
    InOut("gpio0[9]"),  // 33
    InOut("gpio2[17]"), // 34
    InOut("gpio0[8]"),  // 35
    InOut("gpio2[16]"), // 36
    InOut("gpio2[14]"), // 37
    InOut("gpio2[15]"), // 38
    InOut("gpio2[12]"), // 39
    InOut("gpio2[13]"), // 40
    InOut("gpio2[10]"), // 41
    InOut("gpio2[11]"), // 42
    InOut("gpio2[8]"),  // 43
    InOut("gpio2[9]"),  // 44
    InOut("gpio2[6]"),  // 45
    InOut("gpio2[7]"),  // 46
}};
// clang-format on

// clang-format off
constexpr BbbTable kMode7P9 = {{
    kUnused,            // 1
    kUnused,            // 2
    kUnused,            // 3
    kUnused,            // 4
    kUnused,            // 5
    kUnused,            // 6
    kUnused,            // 7
    kUnused,            // 8
    kUnused,            // 9
    kUnused,            // 10
    InOut("gpio0[30]"), // 11
    InOut("gpio1[28]"), // 12
    InOut("gpio0[31]"), // 13
    InOut("gpio1[18]"), // 14
    InOut("gpio1[16]"), // 15
    InOut("gpio1[19]"), // 16
    InOut("gpio0[5]"),  // 17
    InOut("gpio0[4]"),  // 18
    InOut("gpio0[13]"), // 19
    InOut("gpio0[12]"), // 20
    InOut("gpio0[3]"),  // 21
    InOut("gpio0[2]"),  // 22
    InOut("gpio1[17]"), // 23
    InOut("gpio0[15]"), // 24
    InOut("gpio3[21]"), // 25
    InOut("gpio0[14]"), // 26
    InOut("gpio3[19]"), // 27
    InOut("gpio3[17]"), // 28
    InOut("gpio3[15]"), // 29
    InOut("gpio3[16]"), // 30
    InOut("gpio3[14]"), // 31
    kUnused,            // 32
    kUnused,            // 33
    kUnused,            // 34
    kUnused,            // 35
    kUnused,            // 36
    kUnused,            // 37
    kUnused,            // 38
    kUnused,            // 39
    kUnused,            // 40
    InOut("gpio0[20]"), // 41
    InOut("gpio0[7]"),  // 42
    kUnused,            // 43
    kUnused,            // 44
    kUnused,            // 45
    kUnused,            // 46
}};
// clang-format on
} // namespace

bool GetBbbPinOut(uint8_t kind, uint8_t header, int pinIndex, int& ioStandard, int& direction,
                  std::string& name) {
    PW_ASSERT(pinIndex > 0, "PinIndex > 0", kSource, kLinePinIndexAboveZero);
    // Every table has 46 rows; a larger index would read past it.
    PW_ASSERT(pinIndex <= kLastPinIndex, "PinIndex <= 46", kSource, kLinePinIndexInTable);

    const BbbTable* table = nullptr;
    if (kind == kKindDefault) {
        platform::AssertFailed("0", kSource, kLineDefaultKind);
    } else if (kind == kKindWifiBle || kind == kKindMode7) {
        if (header == 0)
            table = kind == kKindWifiBle ? &kWifiBleP8 : &kMode7P8;
        else if (header == 1)
            table = kind == kKindWifiBle ? &kWifiBleP9 : &kMode7P9;
        else
            platform::AssertFailed("0", kSource, kLineHeader);
    } else {
        return false;
    }

    const BBB_PIN_ROW& row = (*table)[static_cast<std::size_t>(pinIndex - 1)];
    name = row.name;
    direction = row.direction;
    ioStandard = row.ioStandard;
    return true;
}
