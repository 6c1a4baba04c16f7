#include "ConsolePlatform.h"

#include "platform/Text.h"
#include "platform/qt/ResourceFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

ConsolePlatform::ConsolePlatform(const std::string& programPath)
    : previous_(platform::Install(this)), programPath_(std::filesystem::absolute(programPath).string()) {}

ConsolePlatform::~ConsolePlatform() {
    platform::Install(previous_);
}

platform::Button ConsolePlatform::MessageBox(const std::string& text, const std::string& caption,
                                             platform::Icon, platform::Buttons buttons) {
    std::printf("[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stdout);
    if (buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel)
        return platform::Button::Yes;
    return platform::Button::Ok;
}

std::string ConsolePlatform::ProgramFolder() {
    return platform::ExtractFilePath(programPath_);
}

std::optional<std::string> ConsolePlatform::ReadResource(const std::string& name) {
    return platform::ReadResourceBytes(name);
}

void ConsolePlatform::Fatal(const std::string& text) {
    std::printf("[Assertion failed] %s\n", text.c_str());
    std::fflush(stdout);
    std::exit(3);
}
