#pragma once
// The seam implemented with Qt: real dialogs, the keyboard state, the event loop.

#include "platform/Platform.h"

#include <QString>
#include <string>

class QWidget;

namespace platform {

// Texts are 8-bit; the programs' byte strings convert to and from Qt with Latin-1.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Turns a "Description (*.cfg)|*.CFG" filter into Qt's form, matching case-insensitively.
QString QtFilter(const std::string& filter);

class QtPlatform : public IPlatform {
public:
    // Installs itself for the lifetime of the object.
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Button MessageBox(const std::string& text, const std::string& caption, Icon icon,
                      Buttons buttons) override;
    std::string OpenFileDialog(const FileDialogRequest& request) override;
    std::string SaveFileDialog(const FileDialogRequest& request) override;
    void Beep() override;
    bool IsCtrlHeld() override;
    std::string ProgramFolder() override;
    std::string ProgramPath() override;
    void ProcessEvents() override;
    std::optional<std::string> ReadResource(const std::string& name) override;
    [[noreturn]] void Fatal(const std::string& text) override;

private:
    IPlatform* previous_;
};

} // namespace platform
