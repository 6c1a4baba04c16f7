#pragma once
// Faults a test asks of the simulated board through BOARDSIM_FAULT, a comma-separated
// list read when a connection opens:
//   no-cable        the open finds no cable
//   short-write     the first write accepts one byte less than it was given (and is lost)
//   pieces          replies are handed over one byte per read call
//   delay=<n>       each reply can be read only after n read calls have found nothing
//   wrong-head      the first reply starts with another byte than 0xAA
//   wrong-code      the first reply carries another command code
//   wrong-length    the first reply carries one payload byte more than the command's
//   bad-checksum    the first reply's checksum is wrong
//   status=<n>      the first reply's status byte is n
// The stand-in programmer reads the same list for its own faults (pgm-...), ignored here.

#include <cstdint>

struct SimFaults {
    enum class Reply { None, WrongHead, WrongCode, WrongLength, BadChecksum, Status };

    bool noCable = false;
    bool shortWrite = false;
    bool pieces = false;
    uint32_t delayReads = 0;
    Reply reply = Reply::None;
    uint8_t status = 0;

    static SimFaults Parse(const char* text);
};
