// The commands of the calculator window.
#include <QProgressBar>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "core/project_file.h"
#include "framework/calculator_window.h"
#include "framework/command_guard.h"
#include "framework/help_document.h"
#include "framework/linked_windows.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
Seam& seam() { return WindowRegistry::instance().seam(); }

}  // namespace

void CalculatorWindow::Novo1Click()
{
    guarded([this] {
        fileName_ = " ";
        clearAndDisableResults();
        resetToFresh();
        setStatus("");
    });
}

void CalculatorWindow::Calcular1Click()
{
    guarded([this] { calculate(); });
}

std::vector<long double> CalculatorWindow::inputValues() const
{
    std::vector<long double> values;
    for (std::size_t i = 0; i < descriptor_.inputs.size(); ++i)
        values.push_back(descriptor_.computedValue(i, field(q(descriptor_.inputs[i].name))->text().toStdString()));
    const std::vector<long double> chosen = choiceValues();
    values.insert(values.end(), chosen.begin(), chosen.end());
    return values;
}

void CalculatorWindow::calculate()
{
    const Outcome outcome = descriptor_.compute(inputValues());
    for (const std::string& note : outcome.notes) seam().message(this, MessageKind::Information, q(note));
    if (outcome.fault) std::rethrow_exception(outcome.fault);
    if (outcome.refusal) {
        seam().message(this, MessageKind::Information, q(*outcome.refusal));
        return;
    }
    for (const auto& [name, text] : outcome.results) field(q(name))->setText(q(text));
    for (const auto& [name, items] : outcome.lists) {
        QComboBox* shown = list(q(name));
        shown->clear();
        for (const std::string& item : items) shown->addItem(q(item));
    }
    enableResults();
    computed_ = true;
}

void CalculatorWindow::Salvar1Click()
{
    guarded([this] { save(); });
}

void CalculatorWindow::save()
{
    if (fileName_ == " ") {
        SalvarComo1Click();
        return;
    }
    std::vector<long double> values;
    for (std::size_t i = 0; i < descriptor_.file.valueCount() && i < descriptor_.inputs.size(); ++i)
        values.push_back(fieldValue(field(q(descriptor_.inputs[i].name))->text().toStdString()));
    writeProjectFile(fileName_.toStdString(), values);
    setStatus(q(bareFileName(fileName_.toStdString())));
}

void CalculatorWindow::SalvarComo1Click()
{
    guarded([this] {
        const auto chosen = seam().saveFileName(this, q(descriptor_.file.saveFilter), q(descriptor_.file.defaultName));
        if (!chosen) return;
        fileName_ = q(withDefaultExtension(chosen->toStdString(), descriptor_.file.extension));
        const QString bare = q(bareFileName(fileName_.toStdString()));
        setStatus(bare);
        if (descriptor_.file.captionOnSaveAs) setWindowTitle("Ondarel[ " + bare + " ]");
        save();
    });
}

void CalculatorWindow::Abrir1Click()
{
    guarded([this] { open(); });
}

void CalculatorWindow::open()
{
    const auto chosen = seam().openFileName(this, q(descriptor_.file.openFilter));
    if (!chosen) return;
    const std::string path = chosen->toStdString();
    if (!extensionAccepted(path, descriptor_.file.extension)) {
        seam().message(this, MessageKind::Warning, q(descriptor_.file.refusal));
        return;
    }
    // Read everything before anything changes: a short file is refused with
    // the file-error report and leaves the window as it was.
    const std::vector<long double> values = readProjectFile(path, descriptor_.file.valueCount());
    fileName_ = *chosen;
    const QString bare = q(bareFileName(path));
    setStatus(descriptor_.file.statusAfterOpen == StatusForm::Bracketed ? "Ondarel[ " + bare + " ]" : bare);
    for (std::size_t i = 0; i < values.size() && i < descriptor_.inputs.size(); ++i)
        field(q(descriptor_.inputs[i].name))->setText(q(formatFixed(values[i], descriptor_.file.decimals[i])));
    enableEveryCommand();
    calculate();
}

void CalculatorWindow::Imprimir1Click()
{
    guarded([this] { printDataSheet(); });
}

void CalculatorWindow::printDataSheet()
{
    const auto copies = seam().printDialog(this);
    if (!copies) return;
    for (int copy = 0; copy < *copies; ++copy) {
        {
            auto job = seam().beginPrintJob();
            Canvas& canvas = job->canvas();
            canvas.setPen(CanvasColor::Black, 5);
            canvas.setFont(CanvasFont{"Arial", 8, false});
            for (const SheetText& line : descriptor_.sheet) {
                const std::string text = line.rule            ? line.rule(fieldTexts())
                                         : line.field.empty() ? line.text
                                                              : shownText(q(line.field)).toStdString();
                canvas.text(line.x, line.y, text);
            }
            job->end();
        }
        // The progress bar docked along the bottom, run through at once.
        auto* progress = new QProgressBar(centralWidget());
        progress->setObjectName("ProgressBar1");
        progress->setRange(0, 1000);
        static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(progress);
        for (int step = 1; step <= 1000; ++step) progress->setValue(step);
        delete progress;
    }
}

void CalculatorWindow::Fechar1Click() { close(); }

void CalculatorWindow::Grafico2D1Click()
{
    guarded([this] {
        if (!descriptor_.pattern) return;
        const PatternLink& link = *descriptor_.pattern;
        WindowRegistry& registry = WindowRegistry::instance();
        registry.setWindowCode(descriptor_.code);
        QWidget* window = registry.openOrShow(q(link.windowClass));
        auto* pattern = dynamic_cast<PatternWindow*>(window);
        if (!pattern) return;
        window->setWindowTitle(q(link.caption));
        if (!link.polarLast) pattern->polarCommand();
        pattern->rectangularCommand();
        pattern->setChartTitle(q(link.chartTitleRule ? link.chartTitleRule(fieldTexts()) : link.chartTitle));
        for (std::size_t i = 0; i < link.curveChartTitles.size(); ++i) {
            pattern->curveCommand(i);
            pattern->setCurveChartTitle(i, q(link.curveChartTitles[i]));
        }
        if (link.polarLast) pattern->polarCommand();
    });
}

void CalculatorWindow::Grafico3D1Click()
{
    guarded([this] {
        if (!descriptor_.caption3d) return;
        WindowRegistry& registry = WindowRegistry::instance();
        registry.setWindowCode(descriptor_.code);
        const std::string caption =
            descriptor_.caption3dRule ? descriptor_.caption3dRule(fieldTexts()) : *descriptor_.caption3d;
        if (QWidget* view = registry.openOrShow("TfrmZB")) view->setWindowTitle(q(caption));
    });
}

void CalculatorWindow::Geometria1Click()
{
    guarded([this] {
        if (!descriptor_.geometry) return;
        QWidget* window = WindowRegistry::instance().openOrShow(q(descriptor_.geometry->windowClass));
        auto* geometry = dynamic_cast<GeometryWindow*>(window);
        if (!geometry) return;
        geometry->noteCaller(q(descriptor_.windowClass));
        if (descriptor_.geometry->page >= 0) geometry->showPage(descriptor_.geometry->page);
    });
}

void CalculatorWindow::ExportarNec1Click()
{
    guarded([this] {
        if (!descriptor_.necDeck || !computed_) return;
        // The deck of the inputs as they stand now; a design NEC cannot
        // model says why before any file is asked for.
        const NecExport deck = descriptor_.necDeck(inputValues());
        if (deck.refusal) {
            seam().message(this, MessageKind::Warning, q(*deck.refusal));
            return;
        }
        std::string preset = descriptor_.file.defaultName;
        preset = preset.substr(0, preset.rfind('.')) + ".nec";
        const auto chosen = seam().saveFileName(this, "Modelos NEC2|*.nec|Todos os arquivos [*.*]|*.*", q(preset));
        if (!chosen) return;
        writeFileReplacing(withDefaultExtension(chosen->toStdString(), "nec"), deck.deck);
    });
}

void CalculatorWindow::Tutorial1Click()
{
    guarded([this] { openTutorial(this); });
}

void CalculatorWindow::Sobre1Click()
{
    guarded([] { WindowRegistry::instance().openOrShow("Tfrmsobre"); });
}

}  // namespace ondarel
