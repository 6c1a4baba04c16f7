#pragma once
// The text of a board whose only addition to the project is its global .qsf lines,
// and the lines several boards share.

#include "core/BoardText.h"
#include "core/MainBoard.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace kit {

// text and the line end.
std::string QsfLine(const std::string& text);
// The nCEO pin kept as a regular I/O while location is used (with its line end or not).
std::string NceoWhenUsed(const TMainBoard& board, const char* location, bool lineEnd);

// The device's nCEO pin, as a board whose only .qsf line is the pin's gives it: its
// location, and whether the line ends with a line end (some boards write it without).
struct NceoPin {
    const char* location;
    bool lineEnd;
};

class QsfText final : public TBoardText {
public:
    using Lines = std::function<std::string(const TMainBoard& board)>;
    explicit QsfText(Lines lines) : m_Lines(std::move(lines)) {}
    std::string QsfGlobalAssignments(const TMainBoard& board) const override { return m_Lines(board); }

private:
    Lines m_Lines;
};

inline std::unique_ptr<TBoardText> MakeQsfText(QsfText::Lines lines) {
    return std::make_unique<QsfText>(std::move(lines));
}

// The text of a board whose only .qsf line is its nCEO pin's.
std::unique_ptr<TBoardText> MakeNceoText(NceoPin pin);

} // namespace kit
