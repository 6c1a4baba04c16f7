#include "DateText.h"

#include "Text.h"

namespace platform {

namespace {
constexpr const char* kLongMonths[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

const char* MonthName(const std::tm& t) {
    return kLongMonths[(t.tm_mon % 12 + 12) % 12];
}
} // namespace

std::string FormatProjectDate(const std::tm& t) {
    return Format("%02d:%02d:%02d %s %02d, %04d", t.tm_hour, t.tm_min, t.tm_sec, MonthName(t), t.tm_mday,
                  t.tm_year + 1900);
}

std::string FormatCreationDate(const std::tm& t) {
    return ToUpper(Format("%02d:%02d:%02d %s %02d,%04d", t.tm_hour, t.tm_min, t.tm_sec, MonthName(t),
                          t.tm_mday, t.tm_year + 1900));
}

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

} // namespace platform
