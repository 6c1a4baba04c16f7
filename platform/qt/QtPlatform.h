#pragma once
// The seam implemented with Qt: real dialogs, the keyboard state, the event loop.

#include "platform/Platform.h"

#include <QString>
#include <string>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace platform {

// Texts are 8-bit in the system's encoding (the locale's, UTF-8 here).
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
// Paths convert with the file system's encoding, so that a path built from bytes names
// the same file for the program, the file dialogs and the file system.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

// Turns a "Description (*.cfg)|*.CFG" filter into Qt's form, matching case-insensitively.
QString QtFilter(const std::string& filter);

// The open or save dialog for a request, not yet shown; the caller deletes it.
QFileDialog* MakeFileDialog(const FileDialogRequest& request, bool save);

// The message box for a text, not yet shown; the caller deletes it. A run of text too long
// for the box (a long path) wraps inside the run, so that the whole text shows.
QMessageBox* MakeMessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons);

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
