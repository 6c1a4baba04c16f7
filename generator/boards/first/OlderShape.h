#pragma once
// The older board-form shape as policies of the form kit: every message in an error
// box and nothing shown after a successful Generate, no batch, the settings saved to
// default.cfg when the form is destroyed, and the attach steps' own assertion lines.

#include "GpioHeaderPair.h"
#include "boards/kit/BoardSpec.h"

#include <span>

namespace first {

// A board of the shape with the two coupled GPIO headers; `word` is its default
// project name and its folder under CodeGenerated.
template <class C>
constexpr kit::BoardSpec OlderGpioBoardSpec(uint8_t id, const char* word,
                                            std::span<const kit::FlagBinding> flags) {
    return kit::BoardSpec{
        .id = id,
        .recordSize = C::kSize,
        .head = kit::kCommonHead,
        .defaultName = word,
        .folder = word,
        .flags = flags,
        .lists = kGpioHeaderList,
        .connectors = kGpioHeaderBindings<C>,
        .attachShape = kit::AttachShape::OlderForm,
        .gpioPair = &kGpioHeaderPair,
        .save = kit::SaveAtEnd::InDestructor,
        .successBox = false,
    };
}

} // namespace first
