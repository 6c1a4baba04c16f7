#pragma once
// What the Kestin form decides, without widgets.

#include "boards/kit/BoardLogic.h"

#include <string>

const kit::BoardLogic& KestinLogic();

namespace kestin {

// Connector indexes of the form's bindings, in the order the cards are attached.
enum Connector { KAPPEL_23 = 0, KAPPEL_1 = 1 };

// The rule of the two Kappel connectors: the same card under the same prefix is refused.
std::string CheckKappelPair(const SettingsRecord& r);

} // namespace kestin
