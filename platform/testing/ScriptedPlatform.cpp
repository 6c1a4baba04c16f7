#include "ScriptedPlatform.h"

#include "platform/Text.h"

namespace platform::testing {

ScriptedPlatform::ScriptedPlatform() : previous_(Install(this)) {}

ScriptedPlatform::~ScriptedPlatform() {
    Install(previous_);
}

void ScriptedPlatform::ClearRecords() {
    boxes_.clear();
    fileDialogs_.clear();
    beeps_ = 0;
}

Button ScriptedPlatform::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                                    Buttons buttons) {
    boxes_.push_back({text, caption, icon, buttons});
    if (!boxAnswers_.empty()) {
        Button b = boxAnswers_.front();
        boxAnswers_.pop_front();
        return b;
    }
    if (buttons == Buttons::Ok)
        return Button::Ok;
    if (questionAnswer_)
        return *questionAnswer_;
    throw UnexpectedDialog("unscripted question box: \"" + text + "\" (" + caption + ")");
}

std::string ScriptedPlatform::NextFileAnswer(bool save, const FileDialogRequest& request) {
    fileDialogs_.push_back({save, request});
    if (fileAnswers_.empty())
        throw UnexpectedDialog(std::string("unscripted ") + (save ? "save" : "open") + " dialog in \"" +
                               request.initialDir + "\" proposing \"" + request.fileName + "\"");
    std::string answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

std::string ScriptedPlatform::OpenFileDialog(const FileDialogRequest& request) {
    return NextFileAnswer(false, request);
}

std::string ScriptedPlatform::SaveFileDialog(const FileDialogRequest& request) {
    return NextFileAnswer(true, request);
}

std::string ScriptedPlatform::ProgramFolder() {
    return programFolder_;
}

std::string ScriptedPlatform::ProgramPath() {
    return programPath_.empty() ? programFolder_ + "pinwright" : programPath_;
}

void ScriptedPlatform::ProcessEvents() {
    if (onProcessEvents_)
        onProcessEvents_();
}

std::optional<std::string> ScriptedPlatform::ReadResource(const std::string& name) {
    for (const auto& [key, bytes] : resources_)
        if (EqualsNoCase(key, name))
            return bytes;
    if (fallback_)
        return fallback_(name);
    return std::nullopt;
}

void ScriptedPlatform::Fatal(const std::string& text) {
    throw AssertionFailure(text);
}

} // namespace platform::testing
