#pragma once
// Every user command runs inside the guard: a fault abandons the command and
// is reported by the application's error handler; the program goes on.
#include <QApplication>
#include <functional>

namespace ondarel {

// Runs the command; returns false when it was abandoned by a fault. Inside
// another guarded command the fault goes on to abandon the outer one.
bool guarded(const std::function<void()>& command);

// The application's unhandled-error handler: shows the fault's fixed message
// in a plain message box.
void reportCurrentException();

// Catches whatever escapes an event handler (paint events included) so that
// nothing unwinds through Qt's event loop.
class OndarelApplication : public QApplication {
public:
    OndarelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ondarel
