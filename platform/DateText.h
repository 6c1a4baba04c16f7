#pragma once
// Dates in generated files use fixed English names, whatever the user's locale.

#include <ctime>
#include <string>

namespace platform {

// "hh:nn:ss mmmm dd, yyyy" -> "14:05:09 January 02, 2026"
std::string FormatProjectDate(const std::tm& t);
// "hh:mm:ss mmmm dd,yyyy" in upper case -> "14:05:09 JANUARY 02,2026"
std::string FormatCreationDate(const std::tm& t);
// The current local time.
std::tm LocalNow();

} // namespace platform
