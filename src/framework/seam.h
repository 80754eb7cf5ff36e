#pragma once
// The one seam between the program and every modal or system interface:
// message boxes, file dialogs, the print dialog and printer pages, the colour
// dialog, the shell and the chart print preview. Tests install a fake.
#include <QColor>
#include <QString>
#include <memory>
#include <optional>

#include "core/canvas.h"

class QWidget;
class QPrinter;

namespace ondarel {

enum class MessageKind { Information, Warning, Error, Plain };

// One print job: a page canvas in printer pixels, ended by end().
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual Canvas& canvas() = 0;
    virtual void end() = 0;
};

class Seam {
public:
    virtual ~Seam() = default;
    // A modal message box with an OK button.
    virtual void message(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& preset) = 0;
    // The print dialog: the number of copies, nullopt when cancelled.
    virtual std::optional<int> printDialog(QWidget* parent) = 0;
    // A job on the printer the last print dialog chose.
    virtual std::unique_ptr<PrintJob> beginPrintJob() = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // The shell's "open" verb on a document; the result is ignored.
    virtual void shellOpen(const QString& document) = 0;
    // The chart component's modal print preview of one chart view.
    virtual void chartPrintPreview(QWidget* parent, QWidget* chartView) = 0;
};

// The real seam over Qt's dialogs, QPrinter (300 dpi) and QDesktopServices.
std::unique_ptr<Seam> makeQtSeam();

// A print job on a given printer (the real seam's jobs, or a PDF file).
std::unique_ptr<PrintJob> beginPrintJobOn(QPrinter& printer);

}  // namespace ondarel
