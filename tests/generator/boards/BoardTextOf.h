#pragma once
// The board's text object of type Text, as the board's pin table set it.

#include "core/MainBoard.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

template <class Text> const Text& TextOf(const TMainBoard& board) {
    const auto* text = dynamic_cast<const Text*>(board.GetBoardText());
    if (text == nullptr)
        throw std::logic_error("the board has no text object of this kind");
    return *text;
}

// The record copy a board's text holds; a board built by hand gets a zeroed one first.
template <class Text> auto& RecordOf(TMainBoard& board) {
    using Record = std::remove_cvref_t<decltype(std::declval<const Text&>().Record())>;
    auto* text = dynamic_cast<Text*>(board.m_pBoardText.get());
    if (text == nullptr) {
        board.SetBoardText(std::make_unique<Text>(Record{}));
        text = static_cast<Text*>(board.m_pBoardText.get());
    }
    return text->Record();
}

template <class Text> const auto& RecordOf(const TMainBoard& board) {
    return TextOf<Text>(board).Record();
}
