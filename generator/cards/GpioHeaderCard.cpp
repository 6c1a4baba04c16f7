#include "GpioHeaderCard.h"

#include <string>
#include <vector>

void AppendGpioRuns(TConnector* conn, std::span<const GpioRun> runs, uint8_t ioStandard) {
    std::vector<std::string> names;
    for (const GpioRun& r : runs) {
        if (r.from < 0) {
            names.emplace_back(r.name);
            continue;
        }
        const int step = r.to >= r.from ? 1 : -1;
        for (int i = r.from;; i += step) {
            names.push_back(std::string(r.name) + "[" + std::to_string(i) + "]");
            if (i == r.to)
                break;
        }
    }
    // names is complete: the rows may point into it now.
    std::vector<CardPin> rows;
    std::size_t n = 0;
    for (const GpioRun& r : runs)
        for (int position = r.first; position <= r.last; ++position)
            rows.push_back({position, names[n++].c_str(), r.direction});
    AppendCardPins(conn, rows, GPIO_PIN_NUM, ioStandard);
}
