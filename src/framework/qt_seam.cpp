#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

#include "core/fault.h"
#include "framework/painter_canvas.h"
#include "framework/seam.h"

namespace ondarel {

namespace {

// "Text|*.ext|Text|*.*" as Qt's "Text (*.ext);;Text (*.*)".
QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return entries.join(";;");
}

class QtPrintJob : public PrintJob {
public:
    explicit QtPrintJob(QPrinter& printer) : canvas_(painter_)
    {
        if (!painter_.begin(&printer)) throw Fault(FaultKind::Other);
    }
    Canvas& canvas() override { return canvas_; }
    void end() override
    {
        if (painter_.isActive()) painter_.end();
    }
    ~QtPrintJob() override { end(); }

private:
    QPainter painter_;
    PainterCanvas canvas_;
};

class QtSeam : public Seam {
public:
    QtSeam() : printer_(QPrinter::HighResolution) { printer_.setResolution(300); }

    void message(QWidget* parent, MessageKind kind, const QString& text) override
    {
        QMessageBox box(parent);
        box.setWindowTitle("Ondarel");
        box.setText(text);
        box.setStandardButtons(QMessageBox::Ok);
        switch (kind) {
            case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
            case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
            case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
            case MessageKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
        }
        box.exec();
    }

    std::optional<QString> openFileName(QWidget* parent, const QString& filter) override
    {
        const QString name = QFileDialog::getOpenFileName(parent, "Abrir", QString(), toQtFilter(filter));
        if (name.isEmpty()) return std::nullopt;
        return name;
    }

    std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& preset) override
    {
        // Qt's own dialog, whatever the platform. A name typed without an
        // extension takes the calculator's, the first filter's.
        QFileDialog dialog(parent, "Salvar como", QString(), toQtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(preset);
        const QString first = filter.section('|', 1, 1);
        if (first.startsWith("*.") && !first.mid(2).contains(QLatin1Char('*'))) dialog.setDefaultSuffix(first.mid(2));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<int> printDialog(QWidget* parent) override
    {
        printer_.setCopyCount(1);
        QPrintDialog dialog(&printer_, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        // Every copy is a job of its own, so the printer itself prints one.
        const int copies = std::max(1, printer_.copyCount());
        printer_.setCopyCount(1);
        printer_.setResolution(300);
        return copies;
    }

    std::unique_ptr<PrintJob> beginPrintJob() override { return beginPrintJobOn(printer_); }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        const QColor color = QColorDialog::getColor(initial, parent);
        if (!color.isValid()) return std::nullopt;
        return color;
    }

    void shellOpen(const QString& document) override
    {
        const QFileInfo info(QDir::current(), document);
        if (info.exists()) QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }

    void chartPrintPreview(QWidget* parent, QWidget* chartView) override
    {
        QPrintPreviewDialog preview(&printer_, parent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [chartView](QPrinter* printer) {
            QPainter painter(printer);
            const QRect page = painter.viewport();
            QSize size = chartView->size();
            size.scale(page.size(), Qt::KeepAspectRatio);
            painter.setViewport(page.x(), page.y(), size.width(), size.height());
            painter.setWindow(chartView->rect());
            chartView->render(&painter);
        });
        preview.exec();
    }

private:
    QPrinter printer_;
};

}  // namespace

std::unique_ptr<Seam> makeQtSeam() { return std::make_unique<QtSeam>(); }

std::unique_ptr<PrintJob> beginPrintJobOn(QPrinter& printer) { return std::make_unique<QtPrintJob>(printer); }

}  // namespace ondarel
