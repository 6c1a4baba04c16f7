#pragma once
// The seam between the programs and everything the desktop does to the user:
// message boxes, file dialogs, beeps, the Ctrl key, the program folder, the
// message pump and the program's own resources. The Qt implementation shows
// real dialogs; tests install a scripted double.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class Icon { None, Information, Warning, Error, Stop, Question };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class Button { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct FileDialogRequest {
    std::string title;      // empty: the dialog's own default title
    std::string filter;     // "Board Configuration Files (*.cfg)|*.CFG"
    std::string defaultExt; // "cfg", added when the user types no extension
    std::string initialDir;
    std::string fileName;      // proposed name
    bool mustExist = false;    // open dialogs: the file must exist
    bool askOverwrite = false; // save dialogs: ask before replacing a file
};

class IPlatform {
public:
    virtual ~IPlatform() = default;

    virtual Button MessageBox(const std::string& text, const std::string& caption, Icon icon,
                              Buttons buttons) = 0;
    // Both return the chosen path, or an empty text when the user cancelled.
    virtual std::string OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::string SaveFileDialog(const FileDialogRequest& request) = 0;

    virtual void Beep() = 0;
    virtual bool IsCtrlHeld() = 0;
    // Folder of the running program, with its trailing "/".
    virtual std::string ProgramFolder() = 0;
    // Full path of the running program.
    virtual std::string ProgramPath() = 0;
    // Serves pending user-interface events (the stand-in for a message pump loop).
    virtual void ProcessEvents() = 0;
    // Raw bytes of a program resource looked up by name without regard to case.
    virtual std::optional<std::string> ReadResource(const std::string& name) = 0;
    // Shows the assertion text, then ends the program (the double throws instead).
    [[noreturn]] virtual void Fatal(const std::string& text) = 0;
};

// The installed implementation; a program or test installs one before any call.
IPlatform& Current();
// Installs p (not owned) and returns the previous one.
IPlatform* Install(IPlatform* p);

// Convenience wrappers.
inline Button ShowMessage(const std::string& text, const std::string& caption, Icon icon,
                          Buttons buttons = Buttons::Ok) {
    return Current().MessageBox(text, caption, icon, buttons);
}
inline void Beep() {
    Current().Beep();
}

} // namespace platform
