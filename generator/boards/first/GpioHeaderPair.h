#pragma once
// The two coupled 2x20 GPIO headers of the older boards with GPIO headers: one card
// list for both, their controls and record fields, and the coupling for a card that
// spans both headers. Each record type names its own offsets.

#include "boards/kit/BoardSpec.h"
#include "model/DaughterId.h"

namespace first {

// Connector indexes of the two headers in a board's bindings.
enum GpioHeaderConnector { GPIO_HEADER_0 = 0, GPIO_HEADER_1 = 1 };

inline constexpr kit::CardListSpec kGpioHeaderList[] = {{CONNECTOR_GPIO80, false, VOLTAGE_2V5}};

// GPIO Default on both headers is a pair like any other: one prefix must differ.
inline constexpr kit::GpioPair kGpioHeaderPair{GPIO_HEADER_0, GPIO_HEADER_1, MASTER_GPIO_BOTH,
                                               kit::DefaultPairRule::PrefixRule};

// clang-format off
template <class C>
inline constexpr kit::ConnectorBinding kGpioHeaderBindings[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::nGpioDaughterId[C::GPIO_0], C::szGpioPrefixName[C::GPIO_0], 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::nGpioDaughterId[C::GPIO_1], C::szGpioPrefixName[C::GPIO_1], 0, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
// clang-format on

} // namespace first
