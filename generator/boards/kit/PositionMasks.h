#pragma once
// The position masks that recur on the expansion connectors of the catalogue boards:
// which positions (counted from 1) hold a pin. A board's master row names its mask
// and gives the locations; a layout that only one connector has stays with its board.
// Each mask checks the pin count of its connector.

#include "PinTable.h"

namespace kit {

// A 2x20 GPIO header: pins 11, 12, 29 and 30 carry power.
inline constexpr PositionMask kGpio40Mask{.count = 40, .empty = "11-12 29-30"};
static_assert(MaskPinCount(kGpio40Mask) == 36);

// Two GPIO headers as one 80-position connector: header 0, then header 1.
inline constexpr PositionMask kGpio80Mask{.count = 80, .empty = "11-12 29-30 51-52 69-70"};
static_assert(MaskPinCount(kGpio80Mask) == 72);

// HSMC: from position 45 on, each run of six positions starts with two that hold no
// FPGA pin, up to 159-160. The heads (positions 1-44) differ by what the board wires:
// no transceivers and no clock pair (1-38 empty),
inline constexpr PositionMask kHsmcNoXcvrMask{.count = 160, .empty = "1-38", .runFrom = 45, .runTo = 160};
static_assert(MaskPinCount(kHsmcNoXcvrMask) == 82);
// no transceivers, with the clock pair 33-34,
inline constexpr PositionMask kHsmcClockPairMask{
    .count = 160, .empty = "1-32 35-38", .runFrom = 45, .runTo = 160};
static_assert(MaskPinCount(kHsmcClockPairMask) == 84);
// four transceiver lanes (17-32),
inline constexpr PositionMask kHsmcXcvr4Mask{
    .count = 160, .empty = "1-16 33-38", .runFrom = 45, .runTo = 160};
static_assert(MaskPinCount(kHsmcXcvr4Mask) == 98);
// eight transceiver lanes (1-32).
inline constexpr PositionMask kHsmcXcvr8Mask{.count = 160, .empty = "33-38", .runFrom = 45, .runTo = 160};
static_assert(MaskPinCount(kHsmcXcvr8Mask) == 114);

// The 200-position DDR2 SO-DIMM socket with 124 FPGA pins.
inline constexpr PositionMask kDdr2SodimmMask{
    .count = 200,
    .empty = "1-3 8-9 12 15 18 21 24 27-28 33-34 39-42 47-48 50 53-54 59-60 65-66 69 71-72 77-78 81-83 87-88 "
             "95-96 103-104 111-112 117-118 120-122 127-128 132-133 138-139 144-145 149-150 155-156 161-163 "
             "165 168 171-172 177-178 183-184 187 190 193 196 199"};
static_assert(MaskPinCount(kDdr2SodimmMask) == 124);

// The DDR2 SO-DIMM socket wired with 112 FPGA pins.
inline constexpr PositionMask kDdr2Sodimm112Mask{
    .count = 200,
    .empty =
        "1-3 8-9 11-12 15 18 21 24 27-29 33-34 39-42 47-50 53-54 59-60 65-66 68-69 71-72 77-78 81-83 87-88 "
        "95-96 103-104 111-112 117-118 120-122 127-129 132-133 138-139 144-146 149-150 155-156 161-163 "
        "165 167-168 171-172 177-178 183-184 186-187 190 193 195-200"};
static_assert(MaskPinCount(kDdr2Sodimm112Mask) == 112);

// The 204-position DDR3 SO-DIMM socket with 124 FPGA pins.
inline constexpr PositionMask kDdr3SodimmMask{
    .count = 204,
    .empty = "1-3 8-9 13-14 19-20 25-26 31-32 37-38 43-44 48-49 54-55 60-61 65-66 71-72 75-77 81-82 87-88 "
             "93-94 99-100 105-106 111-112 117-118 122-128 133-134 138-139 144-145 150-151 155-156 161-162 "
             "167-168 172-173 178-179 184-185 189-190 195-197 199 201 203-204"};
static_assert(MaskPinCount(kDdr3SodimmMask) == 124);

// A 180-position Kappel connector: the first two of every six up to 122, and 125-130,
// hold no FPGA pin.
inline constexpr PositionMask kKappelMask{.count = 180, .empty = "125-130", .runFrom = 1, .runTo = 122};
static_assert(MaskPinCount(kKappelMask) == 132);

// A 400-position FMC HPC connector: the 168 positions the boards wire to the FPGA.
inline constexpr PositionMask kFmcHpcMask{
    .count = 400,
    .empty = nullptr,
    .pins =
        "90-91 94-95 98-99 102-103 106-107 128-129 131-132 134-135 137-138 140-141 143-144 146-147 "
        "162-163 166-167 169-170 172-173 175-176 178-179 181-182 184-185 187-188 190-191 193-194 196-197 "
        "204-205 207-208 210-211 213-214 216-217 219-220 222-223 225-226 228-229 231-232 234-235 237-238 "
        "242-243 246-247 249-250 252-253 255-256 258-259 261-262 264-265 267-268 270-271 273-274 276-277 "
        "284-285 287-288 290-291 293-294 296-297 299-300 302-303 305-306 308-309 311-312 314-315 317-318 "
        "322-323 326-327 329-330 332-333 335-336 338-339 341-342 344-345 347-348 350-351 353-354 356-357 "
        "364-365 367-368 370-371 373-374 376-377 379-380 382-383 385-386 388-389 391-392 394-395 397-398"};
static_assert(MaskPinCount(kFmcHpcMask) == 168);

} // namespace kit
