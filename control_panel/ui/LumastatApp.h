#pragma once
// The application: runs the main dialog modally; the program ends when it closes.

class CLumastatApp {
public:
    // Always false: the program ends when the dialog has ended.
    bool InitInstance();
};
