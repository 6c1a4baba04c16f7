#pragma once
// What the Fennic form decides, without widgets.

#include "boards/kit/BoardLogic.h"

#include <string>

const kit::BoardLogic& FennicLogic();

namespace fennic {

// Connector indexes of the form's bindings.
enum Connector { GPIO_0 = 0, GPIO_1 = 1, KAPPEL_A = 2, KAPPEL_B = 3, KAPPEL_C = 4, KAPPEL_D = 5 };

// The items of the "Board Type" list, in the record's variant order.
inline constexpr const char* kBoardTypes[] = {"Fennic 150", "Fennic 260", "Fennic 340C2", "Fennic 340C3",
                                              "Fennic 150ES"};

// The GPIO headers replace Kappel-A and the DDR2 socket replaces Kappel-B: the cards of
// the connectors not in use are no cards (id 0, no prefix).
void DropUnusedConnectors(SettingsRecord& r);
// The two GPIO headers' rule, while the headers are in use ("" when it holds).
std::string CheckGpioPair(const SettingsRecord& r);
// The Kappel connectors' rule: the first pair with the same card and the same prefix.
std::string CheckKappelPairs(const SettingsRecord& r);

} // namespace fennic
