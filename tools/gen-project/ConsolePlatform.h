#pragma once
// The seam for a program without windows: boxes are printed, questions answered
// Yes, dialogs cancelled, resources read from the program's Qt resources.

#include "platform/Platform.h"

#include <string>

class ConsolePlatform : public platform::IPlatform {
public:
    explicit ConsolePlatform(const std::string& programPath);
    ~ConsolePlatform() override;
    ConsolePlatform(const ConsolePlatform&) = delete;
    ConsolePlatform& operator=(const ConsolePlatform&) = delete;

    platform::Button MessageBox(const std::string& text, const std::string& caption, platform::Icon icon,
                                platform::Buttons buttons) override;
    std::string OpenFileDialog(const platform::FileDialogRequest&) override { return std::string(); }
    std::string SaveFileDialog(const platform::FileDialogRequest&) override { return std::string(); }
    void Beep() override {}
    bool IsCtrlHeld() override { return false; }
    std::string ProgramFolder() override;
    std::string ProgramPath() override { return programPath_; }
    void ProcessEvents() override {}
    std::optional<std::string> ReadResource(const std::string& name) override;
    [[noreturn]] void Fatal(const std::string& text) override;

private:
    platform::IPlatform* previous_;
    std::string programPath_;
};
