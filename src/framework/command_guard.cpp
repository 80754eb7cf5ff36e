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
    try {
        command();
        return true;
    } catch (...) {
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
