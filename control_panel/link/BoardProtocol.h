#pragma once
// The framed command protocol spoken with the control design in the board's FPGA.

#include <cstdint>

constexpr uint8_t FRAME_HEAD = 0xAA;
constexpr uint8_t FRAME_TAIL = 0x55;
// Head byte, command code and 16-bit length before the payload; checksum and tail after it.
constexpr uint32_t FRAME_HEAD_SIZE = 4;
constexpr uint32_t FRAME_OVERHEAD = 6;

constexpr uint8_t CMD_GET_BOARD_NAME = 0x00;
constexpr uint8_t CMD_SET_LED = 0x05;
constexpr uint8_t CMD_GET_KEY_SWITCH = 0x06;
constexpr uint8_t CMD_SET_SEG7 = 0x07;
constexpr uint8_t CMD_WRITE_MEMORY = 0x0C;
constexpr uint8_t CMD_READ_MEMORY = 0x0D;
constexpr uint8_t CMD_GET_GSENSOR = 0x11;
constexpr uint8_t CMD_DEVICE_CONTROL = 0x15;

constexpr uint8_t MEMORY_ID_SDRAM = 5;
constexpr uint8_t DEVICE_VGA = 4;
constexpr uint8_t VGA_OP_PROBE = 1;
constexpr uint8_t VGA_OP_SET_PATTERN = 2;

// The larger payload of each memory command (write request, read reply) stays at 2028 bytes.
constexpr uint32_t MEM_WRITE_CHUNK = 2023;
constexpr uint32_t MEM_READ_CHUNK = 2027;

constexpr uint32_t BOARD_NAME_FIELD = 32;
// Time-out of every board command, and of the rest of a reply once its head has come.
constexpr uint32_t LINK_TIMEOUT_MS = 3000;
