#pragma once
// What a board form asks of the main window that holds it. The main window sits
// above the board forms, so it implements this and registers itself.

class QString;

class BoardHost {
public:
    virtual void SetHostCaption(const QString& caption) = 0;
    // Closes the main window, which ends the program.
    virtual void CloseHost() = 0;
    // Opens the board selector once the current event is handled (message 1025).
    virtual void PostSelectMainBoard() = 0;

protected:
    ~BoardHost() = default;
};

// The main window while it exists, else null.
extern BoardHost* MainHost;
