#include "framework/command_guard.h"

#include "core/fault.h"
#include "framework/window_registry.h"

namespace ondarel {

void reportCurrentException()
{
    const QString message = QString::fromStdString(messageForCurrentException());
    WindowRegistry::instance().seam().message(QApplication::activeWindow(), MessageKind::Plain, message);
}

bool guarded(const std::function<void()>& command)
{
    // A command run by another command (the pattern window's "P&olar" run by
    // a calculator's "Gráfico 2D") abandons the outer one too: only the
    // outermost guard reports, once.
    int& depth = WindowRegistry::instance().guardDepth();
    ++depth;
    try {
        command();
        --depth;
        return true;
    } catch (...) {
        if (--depth > 0) throw;
        reportCurrentException();
        return false;
    }
}

OndarelApplication::OndarelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OndarelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return true;
    }
}

}  // namespace ondarel
