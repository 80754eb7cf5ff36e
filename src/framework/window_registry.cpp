#include "framework/window_registry.h"

#include <QEventLoop>
#include <QLineEdit>

#include "framework/help_document.h"

namespace ondarel {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

WindowRegistry::WindowRegistry() : seam_(makeQtSeam()) {}

QStringList WindowRegistry::manualLocations() const
{
    return manualLocations_ ? *manualLocations_ : installedManualLocations();
}

void WindowRegistry::registerWindow(const QString& windowClass, Factory factory, ClosePolicy policy)
{
    Entry& entry = entries_[windowClass];
    entry.factory = std::move(factory);
    entry.policy = policy;
}

bool WindowRegistry::isRegistered(const QString& windowClass) const { return entries_.count(windowClass) > 0; }

QWidget* WindowRegistry::find(const QString& windowClass) const
{
    const auto it = entries_.find(windowClass);
    return it == entries_.end() ? nullptr : it->second.window.data();
}

QWidget* WindowRegistry::create(const QString& windowClass)
{
    auto it = entries_.find(windowClass);
    if (it == entries_.end()) return nullptr;
    Entry& entry = it->second;
    if (!entry.window) {
        QWidget* window = entry.factory();
        window->setObjectName(windowClass);
        window->setAttribute(Qt::WA_DeleteOnClose, entry.policy == ClosePolicy::Free);
        entry.window = window;
    }
    return entry.window;
}

QWidget* WindowRegistry::openOrShow(const QString& windowClass)
{
    QWidget* window = create(windowClass);
    if (!window) return nullptr;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void WindowRegistry::openOrShowModal(const QString& windowClass, const std::function<void(QWidget*)>& prepare)
{
    QWidget* window = create(windowClass);
    if (!window) return;
    if (prepare) prepare(window);
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    window->setWindowModality(Qt::ApplicationModal);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // Wait until it is closed (or freed), like a modal dialog.
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (entries_[windowClass].window) loop.exec();
}

std::optional<QString> WindowRegistry::fieldText(const QString& windowClass, const QString& fieldName) const
{
    QWidget* window = find(windowClass);
    if (!window) return std::nullopt;
    auto* field = window->findChild<QLineEdit*>(fieldName);
    if (!field) return std::nullopt;
    return field->text();
}

std::unique_ptr<Seam> WindowRegistry::setSeam(std::unique_ptr<Seam> seam)
{
    std::swap(seam, seam_);
    return seam;
}

void WindowRegistry::closeAll()
{
    for (auto& [name, entry] : entries_) {
        if (entry.window) delete entry.window.data();
    }
    windowCode_ = 0;
}

FieldTexts WindowRegistry::fieldTexts(const QString& windowClass) const
{
    return [this, windowClass](std::string_view field) {
        const auto text = fieldText(windowClass, QString::fromUtf8(field.data(), qsizetype(field.size())));
        return text.value_or("").toStdString();
    };
}

}  // namespace ondarel
