#pragma once
// Test double of the platform seam: records every box shown, answers dialogs from
// queues and throws where a real program would end or a person would be asked.

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform::testing {

// Thrown by Fatal: carries the exact assertion text.
class AssertionFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown when a test meets a dialog it did not script.
class UnexpectedDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The assertion text f ends in, or "" when it ends in none.
template <class F> std::string AssertionOf(F&& f) {
    try {
        f();
    } catch (const AssertionFailure& e) {
        return e.what();
    }
    return std::string();
}

struct ShownBox {
    std::string text;
    std::string caption;
    Icon icon;
    Buttons buttons;
};

struct ShownFileDialog {
    bool save;
    FileDialogRequest request;
};

class ScriptedPlatform : public IPlatform {
public:
    // Installs itself; the previous implementation comes back on destruction.
    ScriptedPlatform();
    ~ScriptedPlatform() override;
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    // Scripting.
    void AnswerBox(Button b) { boxAnswers_.push_back(b); }
    void AnswerFile(const std::string& path) { fileAnswers_.push_back(path); }
    void CancelFile() { fileAnswers_.push_back(std::string()); }
    // The answer to question boxes beyond the scripted ones (else they are an error).
    void AnswerQuestionsWith(Button b) { questionAnswer_ = b; }
    void SetCtrlHeld(bool held) { ctrl_ = held; }
    void SetProgramFolder(const std::string& folder) { programFolder_ = folder; }
    void SetProgramPath(const std::string& path) { programPath_ = path; }
    void SetResource(const std::string& name, const std::string& bytes) { resources_[name] = bytes; }
    // Called for resources not set with SetResource (for example the program's own).
    void SetResourceFallback(std::function<std::optional<std::string>(const std::string&)> f) {
        fallback_ = std::move(f);
    }
    void SetOnProcessEvents(std::function<void()> f) { onProcessEvents_ = std::move(f); }

    // What happened.
    const std::vector<ShownBox>& Boxes() const { return boxes_; }
    const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }
    int BeepCount() const { return beeps_; }
    void ClearRecords();

    // IPlatform
    Button MessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons) override;
    std::string OpenFileDialog(const FileDialogRequest& request) override;
    std::string SaveFileDialog(const FileDialogRequest& request) override;
    void Beep() override { ++beeps_; }
    bool IsCtrlHeld() override { return ctrl_; }
    std::string ProgramFolder() override;
    std::string ProgramPath() override;
    void ProcessEvents() override;
    std::optional<std::string> ReadResource(const std::string& name) override;
    [[noreturn]] void Fatal(const std::string& text) override;

private:
    std::string NextFileAnswer(bool save, const FileDialogRequest& request);

    IPlatform* previous_;
    std::deque<Button> boxAnswers_;
    std::optional<Button> questionAnswer_;
    std::deque<std::string> fileAnswers_;
    std::vector<ShownBox> boxes_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::map<std::string, std::string> resources_;
    std::function<std::optional<std::string>(const std::string&)> fallback_;
    std::function<void()> onProcessEvents_;
    std::string programFolder_ = "/nonexistent/";
    std::string programPath_;
    int beeps_ = 0;
    bool ctrl_ = false;
};

} // namespace platform::testing
