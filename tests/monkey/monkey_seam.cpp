#include "monkey/monkey_seam.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QWidget>
#include <random>

namespace ondarel::monkey {
namespace {

class MonkeySeam : public Seam {
public:
    MonkeySeam(unsigned seed, const QString& corpusDir, const QString& saveDir)
        : random_(seed ^ 0x5eedu), saveDir_(saveDir)
    {
        // The project-open corpus names each file after its calculator's
        // extension and picks the calculator with its first byte: the rest is
        // the project file, saved here under that extension.
        QStringList seeds;
        QDirIterator files(corpusDir, QDir::Files);
        while (files.hasNext()) seeds.push_back(files.next());
        seeds.sort();
        for (const QString& seedFile : seeds) {
            QFile in(seedFile);
            if (!in.open(QIODevice::ReadOnly)) continue;
            const QString name = QString("%1/corpus-%2.%3")
                                     .arg(saveDir)
                                     .arg(corpus_.size())
                                     .arg(QFileInfo(seedFile).fileName().section('_', 0, 0));
            QFile out(name);
            if (out.open(QIODevice::WriteOnly) && out.write(in.readAll().mid(1)) >= 0) corpus_.push_back(name);
        }
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(saveDir + "/printout.pdf");
        printer_.setResolution(300);
    }

    void message(QWidget*, MessageKind, const QString&) override {}

    std::optional<QString> openFileName(QWidget*, const QString&) override
    {
        const int what = roll(10);
        if (what < 3) return std::nullopt;
        if (what < 4 || corpus_.isEmpty()) return saveDir_ + "/does-not-exist.dip";
        if (what < 6 && !saved_.isEmpty()) return saved_[roll(saved_.size())];
        return corpus_[roll(corpus_.size())];
    }

    std::optional<QString> saveFileName(QWidget*, const QString&, const QString& preset) override
    {
        if (roll(4) == 0) return std::nullopt;
        const QString name = saveDir_ + '/' + (preset.isEmpty() ? QString("sem-nome") : preset);
        saved_.push_back(name);
        return name;
    }

    std::optional<int> printDialog(QWidget*) override
    {
        if (roll(3) == 0) return std::nullopt;
        return 1 + roll(2);
    }

    std::unique_ptr<PrintJob> beginPrintJob() override { return beginPrintJobOn(printer_); }

    std::optional<QColor> chooseColor(QWidget*, const QColor&) override
    {
        if (roll(3) == 0) return std::nullopt;
        return QColor::fromRgb(roll(256), roll(256), roll(256));
    }

    void shellOpen(const QString&) override {}

    // Draws the chart the way the print preview does, on a small image.
    void chartPrintPreview(QWidget*, QWidget* chartView) override
    {
        QImage page(826, 1169, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.setWindow(chartView->rect());
        chartView->render(&painter);
    }

private:
    int roll(qsizetype n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }

    std::mt19937 random_;
    QString saveDir_;
    QStringList corpus_;
    QStringList saved_;
    QPrinter printer_;
};

}  // namespace

std::unique_ptr<Seam> makeMonkeySeam(unsigned seed, const QString& corpusDir, const QString& saveDir)
{
    return std::make_unique<MonkeySeam>(seed, corpusDir, saveDir);
}

}  // namespace ondarel::monkey
