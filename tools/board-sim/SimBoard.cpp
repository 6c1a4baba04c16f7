#include "SimBoard.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t HEAD = 0xAA;
constexpr uint8_t TAIL = 0x55;
constexpr uint32_t MAX_REQUEST_PAYLOAD = 2028;
constexpr uint32_t WRITE_CHUNK = 2023;
constexpr uint32_t READ_CHUNK = 2027;
constexpr uint8_t SDRAM = 5;
constexpr uint8_t VGA = 4;
constexpr uint8_t VGA_PROBE = 1;
constexpr uint8_t VGA_SET_PATTERN = 2;
constexpr uint8_t VGA_LAST_PATTERN = 8;
constexpr uint32_t NAME_FIELD = 32;

constexpr uint8_t OK = 0;
constexpr uint8_t FAILED = 1;

uint8_t Sum(const uint8_t* p, std::size_t n) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += p[i];
    return static_cast<uint8_t>(sum);
}

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void PutI16(uint8_t* p, int16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8);
}

} // namespace

SimBoard::~SimBoard() {
    Disconnect();
}

void SimBoard::Connect(const SimFaults& faults, const std::string& stateFolder, const std::string& logPath,
                       const std::string& name) {
    Disconnect();
    faults_ = faults;
    state_ = SimState(stateFolder);
    name_ = name;
    if (!logPath.empty())
        log_ = std::fopen(logPath.c_str(), "a");
    configured_ = state_.Configured();
}

void SimBoard::Disconnect() {
    if (log_ != nullptr)
        std::fclose(log_);
    log_ = nullptr;
    in_.clear();
    inPos_ = 0;
    out_.clear();
    outPos_ = 0;
    delayLeft_ = 0;
}

int SimBoard::Write(const uint8_t* data, uint32_t n) {
    if (faults_.shortWrite && n > 0) {
        faults_.shortWrite = false;
        return static_cast<int>(n - 1);
    }
    if (!configured_) {
        // Without its design the FPGA has nothing that listens; the programmer may have
        // loaded it since.
        configured_ = state_.Configured();
        if (!configured_)
            return static_cast<int>(n);
        leds_ = seg7_ = 0;
        vgaPattern_ = 0;
    }
    in_.insert(in_.end(), data, data + n);
    TakeFrames();
    return static_cast<int>(n);
}

int SimBoard::Read(uint8_t* out, uint32_t max) {
    std::size_t pending = out_.size() - outPos_;
    if (pending == 0 || max == 0)
        return 0;
    if (delayLeft_ > 0) {
        --delayLeft_;
        return 0;
    }
    std::size_t k = std::min<std::size_t>(faults_.pieces ? 1 : max, pending);
    std::memcpy(out, out_.data() + outPos_, k);
    outPos_ += k;
    if (outPos_ == out_.size()) {
        out_.clear();
        outPos_ = 0;
    }
    return static_cast<int>(k);
}

void SimBoard::TakeFrames() {
    for (;;) {
        std::size_t avail = in_.size() - inPos_;
        if (avail == 0)
            break;
        const uint8_t* p = in_.data() + inPos_;
        if (p[0] != HEAD) {
            ++inPos_; // not the start of a frame: look for the next head
            continue;
        }
        if (avail < 4)
            break;
        uint32_t n = p[2] | p[3] << 8;
        if (n > MAX_REQUEST_PAYLOAD) {
            ++inPos_;
            continue;
        }
        if (avail < n + 6)
            break;
        Log(p, n + 6);
        // A corrupt request gets no answer.
        if (p[n + 5] == TAIL && p[n + 4] == Sum(p + 1, n + 3))
            Handle(p[1], p + 4, n);
        inPos_ += n + 6;
    }
    if (inPos_ == in_.size()) {
        in_.clear();
        inPos_ = 0;
    } else if (inPos_ > 0) {
        in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(inPos_));
        inPos_ = 0;
    }
}

uint8_t* SimBoard::BeginReply(uint8_t code, uint32_t n) {
    if (faults_.reply == SimFaults::Reply::WrongLength)
        ++n;
    replyStart_ = out_.size();
    out_.resize(replyStart_ + n + 6, 0);
    uint8_t* frame = out_.data() + replyStart_;
    frame[0] = HEAD;
    frame[1] = code;
    frame[2] = static_cast<uint8_t>(n);
    frame[3] = static_cast<uint8_t>(n >> 8);
    return frame + 4;
}

void SimBoard::FinishReply() {
    uint8_t* frame = out_.data() + replyStart_;
    std::size_t length = out_.size() - replyStart_;
    if (faults_.reply == SimFaults::Reply::Status)
        frame[4] = faults_.status;
    frame[length - 2] = Sum(frame + 1, length - 3);
    frame[length - 1] = TAIL;
    switch (faults_.reply) {
    case SimFaults::Reply::WrongHead:
        frame[0] = 0xAB;
        break;
    case SimFaults::Reply::WrongCode:
        frame[1] = static_cast<uint8_t>(frame[1] + 1);
        break;
    case SimFaults::Reply::BadChecksum:
        frame[length - 2] ^= 0xFF;
        break;
    default:
        break;
    }
    faults_.reply = SimFaults::Reply::None;
    delayLeft_ = faults_.delayReads;
}

void SimBoard::ReplyStatus(uint8_t code, uint8_t status) {
    *BeginReply(code, 1) = status;
    FinishReply();
}

void SimBoard::Handle(uint8_t code, const uint8_t* payload, uint32_t n) {
    switch (code) {
    case 0x00: // board name
        if (n != 0)
            break;
        {
            uint8_t* reply = BeginReply(code, 1 + NAME_FIELD);
            reply[0] = OK;
            std::memcpy(reply + 1, name_.data(), std::min<std::size_t>(name_.size(), NAME_FIELD));
            FinishReply();
        }
        return;
    case 0x05: // LEDs
        if (n != 4)
            break;
        leds_ = U32(payload);
        ReplyStatus(code, OK);
        return;
    case 0x06: // keys and switches
        if (n != 0)
            break;
        {
            uint8_t* reply = BeginReply(code, 13);
            reply[0] = OK;
            PutU32(reply + 1, state_.Keys());
            PutU32(reply + 5, state_.Switches());
            FinishReply();
        }
        return;
    case 0x07: // 7-segment digits
        if (n != 5)
            break;
        seg7_ = U32(payload);
        ReplyStatus(code, OK);
        return;
    case 0x0C: // memory write
        if (n < 6 || n > 5 + WRITE_CHUNK || payload[0] != SDRAM)
            break;
        ReplyStatus(code, memory_.Write(U32(payload + 1), payload + 5, n - 5) ? OK : FAILED);
        return;
    case 0x0D: { // memory read
        if (n != 9 || payload[0] != SDRAM)
            break;
        uint32_t address = U32(payload + 1);
        uint32_t k = U32(payload + 5);
        if (k == 0 || k > READ_CHUNK)
            break;
        uint8_t* reply = BeginReply(code, 1 + k);
        reply[0] = memory_.Read(address, reply + 1, k) ? OK : FAILED;
        if (reply[0] != OK) {
            out_.resize(replyStart_); // no data to send: a status reply alone
            break;
        }
        FinishReply();
        return;
    }
    case 0x11: // accelerometer
        if (n != 0)
            break;
        {
            int16_t x = 0, y = 0, z = 0;
            state_.GSensor(x, y, z);
            uint8_t* reply = BeginReply(code, 7);
            reply[0] = OK;
            PutI16(reply + 1, x);
            PutI16(reply + 3, y);
            PutI16(reply + 5, z);
            FinishReply();
        }
        return;
    case 0x15: // device control
        if (n != 3 || payload[0] != VGA)
            break;
        if (payload[1] == VGA_PROBE) {
            ReplyStatus(code, OK);
            return;
        }
        if (payload[1] == VGA_SET_PATTERN && payload[2] <= VGA_LAST_PATTERN) {
            vgaPattern_ = payload[2];
            ReplyStatus(code, OK);
            return;
        }
        break;
    default:
        break;
    }
    ReplyStatus(code, FAILED);
}

void SimBoard::Log(const uint8_t* frame, uint32_t n) {
    if (log_ == nullptr)
        return;
    static const char HEX[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(n * 3);
    for (uint32_t i = 0; i < n; ++i) {
        if (i > 0)
            line += ' ';
        line += HEX[frame[i] >> 4];
        line += HEX[frame[i] & 15];
    }
    line += '\n';
    std::fputs(line.c_str(), log_);
    std::fflush(log_);
}
