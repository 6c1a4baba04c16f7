#pragma once
// The positions of a DDR3 SO-DIMM socket that carry an FPGA pin, the same on every
// board with such a socket (boards 27 and 29); all other positions are empty.

inline constexpr int kDdr3SodimmSlots = 204;
// clang-format off
inline constexpr const char* kDdr3SodimmPinned =
    "4-7 10-12 15-18 21-24 27-30 33-36 39-42 45-47 50-53 56-59 62-64 67-70 73-74 78-80 83-86 89-92 "
    "95-98 101-104 107-110 113-116 119-121 129-132 135-137 140-143 146-149 152-154 157-160 163-166 "
    "169-171 174-177 180-183 186-188 191-194 198 200 202";
// clang-format on
