#pragma once
// The one place that knows which windows exist: open-or-show by window class
// id, the classes that hide instead of being freed, the current window code
// and the seam. The only mutable state shared between windows.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "core/descriptor.h"
#include "core/pattern_source.h"
#include "framework/seam.h"

namespace ondarel {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    static WindowRegistry& instance();

    void registerWindow(const QString& windowClass, Factory factory, ClosePolicy policy = ClosePolicy::Free);
    bool isRegistered(const QString& windowClass) const;

    // The live window of that class, shown or hidden; nullptr if none.
    QWidget* find(const QString& windowClass) const;
    // The window of that class, created hidden if there is none yet (the
    // aperture pattern window at start-up); nullptr for an unknown class.
    QWidget* create(const QString& windowClass);
    // Brings the existing window forward in the normal state, or creates it.
    // nullptr when the class has no window yet.
    QWidget* openOrShow(const QString& windowClass);
    // The same, shown modally; returns when it closes. `prepare` runs on the
    // window before it is shown.
    void openOrShowModal(const QString& windowClass, const std::function<void(QWidget*)>& prepare = {});
    // The text of a field of a live window; nullopt if either is missing.
    std::optional<QString> fieldText(const QString& windowClass, const QString& fieldName) const;
    // The field texts of a window as a pattern source reads them, at the
    // moment of each read ("" for a missing window or field).
    FieldTexts fieldTexts(const QString& windowClass) const;

    int windowCode() const { return windowCode_; }
    void setWindowCode(int code) { windowCode_ = code; }

    Seam& seam() { return *seam_; }
    // Installs a seam (tests install a fake); returns the previous one.
    std::unique_ptr<Seam> setSeam(std::unique_ptr<Seam> seam);

    // Where "&Tutorial" looks for the HTML manual (installedManualLocations()
    // unless set; tests set their own).
    QStringList manualLocations() const;
    void setManualLocations(std::optional<QStringList> locations) { manualLocations_ = std::move(locations); }

    // How many guarded commands are running, one inside another.
    int& guardDepth() { return guardDepth_; }

    // Closes and frees every window (tests start each case from scratch).
    void closeAll();

private:
    WindowRegistry();

    struct Entry {
        Factory factory;
        ClosePolicy policy = ClosePolicy::Free;
        QPointer<QWidget> window;
    };
    std::map<QString, Entry> entries_;
    int windowCode_ = 0;
    int guardDepth_ = 0;
    std::unique_ptr<Seam> seam_;
    std::optional<QStringList> manualLocations_;
};

}  // namespace ondarel
