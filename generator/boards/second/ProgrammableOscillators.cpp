#include "ProgrammableOscillators.h"

#include "boards/kit/AnyTicked.h"
#include "core/OscillatorText.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {

constexpr int kSi570Items = 8;
constexpr int kCdcm61004Items = 12;

std::vector<std::string> Items(double (*frequency)(uint8_t), int count, const char* format) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        const double mhz = frequency(static_cast<uint8_t>(i));
        items.push_back(mhz > 0 ? platform::Format(format, mhz) : "Disable");
    }
    return items;
}

} // namespace

std::vector<std::string> Si570Items() {
    return Items(&Si570Frequency, kSi570Items, "%.5f");
}

std::vector<std::string> Cdcm61004Items() {
    return Items(&Cdcm61004Frequency, kCdcm61004Items, "%.2f");
}

bool Si570Needed(const OscillatorRules& rules, const SettingsRecord& r) {
    return kit::AnyTicked(r, rules.sfp);
}

bool Cdcm61004Needed(const OscillatorRules& rules, const SettingsRecord& r) {
    return kit::AnyTicked(r, rules.sata) || kit::AnyTicked(r, rules.sfp) ||
           (rules.transceiverCard != nullptr && rules.transceiverCard(r));
}

std::string SfpOscillatorQuestion(const OscillatorRules& rules, const SettingsRecord& r) {
    if (!kit::AnyTicked(r, rules.sfp) || r.I32(rules.si570) != 0 || r.I32(rules.cdcm61004) != 0)
        return std::string();
    return "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is not "
           "enalbed.\r\nDo you want to continued?";
}

std::string SataOscillatorQuestion(const OscillatorRules& rules, const SettingsRecord& r) {
    if (!kit::AnyTicked(r, rules.sata) || r.I32(rules.cdcm61004) != 0)
        return std::string();
    return "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not "
           "enabled.\r\nDo you want to continued?";
}

bool CheckOscillators(const OscillatorRules& rules, const SettingsRecord& r) {
    for (const std::string& question : {SfpOscillatorQuestion(rules, r), SataOscillatorQuestion(rules, r)})
        if (!question.empty() && platform::ShowMessage(question, "Warning", platform::Icon::Warning,
                                                       platform::Buttons::YesNo) != platform::Button::Yes)
            return false;
    return true;
}

std::vector<SettingsRecord> EveryOscillatorChoice(const OscillatorRules& rules,
                                                  const SettingsRecord& defaults,
                                                  std::span<const kit::FlagBinding> flags,
                                                  SettingsRecord& bare) {
    std::vector<SettingsRecord> variants{defaults};
    SettingsRecord all = defaults;
    bare = defaults;
    for (const kit::FlagBinding& f : flags) {
        all.SetU8(f.offset, 1);
        bare.SetU8(f.offset, 0);
    }
    const int si570 = static_cast<int>(Si570Items().size());
    const int cdcm = static_cast<int>(Cdcm61004Items().size());
    for (int32_t i = 1; i < cdcm; ++i) {
        variants.push_back(all);
        variants.back().SetI32(rules.si570, i < si570 ? i : 0);
        variants.back().SetI32(rules.cdcm61004, i);
    }
    return variants;
}
