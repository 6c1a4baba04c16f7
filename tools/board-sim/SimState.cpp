#include "SimState.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

std::string SimState::Read(const char* name) const {
    if (folder_.empty())
        return std::string();
    std::ifstream in(folder_ + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool SimState::Configured() const {
    std::string text = Read("configured");
    return text.empty() || text[0] != '0';
}

uint32_t SimState::Keys() const {
    std::string text = Read("keys");
    return text.empty() ? 3u : static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
}

uint32_t SimState::Switches() const {
    std::string text = Read("switches");
    return text.empty() ? 0u : static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
}

void SimState::GSensor(int16_t& x, int16_t& y, int16_t& z) const {
    int values[3] = {0, 0, 256};
    std::istringstream text(Read("gsensor"));
    for (int& v : values)
        if (!(text >> v))
            break;
    x = static_cast<int16_t>(values[0]);
    y = static_cast<int16_t>(values[1]);
    z = static_cast<int16_t>(values[2]);
}
