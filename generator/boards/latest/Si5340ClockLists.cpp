#include "Si5340ClockLists.h"

#include "ClockBoardTexts.h"
#include "boards/kit/AnyTicked.h"
#include "platform/Platform.h"

bool ClockNeeded(const SettingsRecord& r, const Si5340ClockList& list) {
    return kit::AnyTicked(r, list.users);
}

bool ChipNeeded(const SettingsRecord& r, std::span<const Si5340ClockList> lists, Si5340Chip chip) {
    for (const Si5340ClockList& list : lists)
        if (list.chip == chip && ClockNeeded(r, list))
            return true;
    return false;
}

std::string OscillatorQuestionOf(const SettingsRecord& r, std::span<const Si5340ClockList> lists) {
    std::string a;
    std::string b;
    for (const Si5340ClockList& list : lists)
        if (ClockNeeded(r, list) && r.I32(list.choice) == 0)
            JoinName(list.chip == Si5340Chip::A ? a : b, list.name);
    return OscillatorQuestion(a, b);
}

bool AskOscillators(const SettingsRecord& r, std::span<const Si5340ClockList> lists) {
    const std::string question = OscillatorQuestionOf(r, lists);
    if (question.empty())
        return true;
    return platform::ShowMessage(question, "Warning", platform::Icon::Warning, platform::Buttons::YesNo) ==
           platform::Button::Yes;
}
