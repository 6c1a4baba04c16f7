#include "SimFaults.h"

#include <cstdlib>
#include <sstream>
#include <string>

SimFaults SimFaults::Parse(const char* text) {
    SimFaults faults;
    if (text == nullptr)
        return faults;
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        std::size_t eq = item.find('=');
        std::string name = item.substr(0, eq);
        unsigned long value = eq == std::string::npos ? 0 : std::strtoul(item.c_str() + eq + 1, nullptr, 0);
        if (name == "no-cable")
            faults.noCable = true;
        else if (name == "short-write")
            faults.shortWrite = true;
        else if (name == "pieces")
            faults.pieces = true;
        else if (name == "delay")
            faults.delayReads = static_cast<uint32_t>(value);
        else if (name == "wrong-head")
            faults.reply = Reply::WrongHead;
        else if (name == "wrong-code")
            faults.reply = Reply::WrongCode;
        else if (name == "wrong-length")
            faults.reply = Reply::WrongLength;
        else if (name == "bad-checksum")
            faults.reply = Reply::BadChecksum;
        else if (name == "status") {
            faults.reply = Reply::Status;
            faults.status = static_cast<uint8_t>(value);
        }
    }
    return faults;
}
