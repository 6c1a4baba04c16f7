#pragma once
// The programs' application object: numbers in the C locale, the stand-in family for the
// faces the forms ask for by name, and an exception that reaches the event loop is shown
// in an error box instead of ending the program.

#include <QApplication>

namespace platform {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Numbers are printed with "." whatever locale Qt picked up.
void UseCNumbers();

} // namespace platform
