#include "plots/pattern_window.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "catalogue/catalogue.h"
#include "framework/command_guard.h"
#include "framework/tool_icons.h"
#include "framework/window_registry.h"

namespace ondarel {

PatternWindowBase::PatternWindowBase(int ownCode, QWidget* parent)
    : PatternWindowBase(ownCode, ownTables_, Serves::RememberedCaller, parent)
{
}

PatternWindowBase::PatternWindowBase(int ownCode, SharedPolarTables& tables, Serves serves, QWidget* parent)
    : QMainWindow(parent),
      ownCode_(ownCode),
      serves_(serves),
      tables_(&tables),
      pages_(new QTabWidget(this)),
      polar_(new PolarPage(
          tables_->left, tables_->right, [this] { return polarCaptions(sourceFor(rememberedCode_)); }, pages_)),
      chart_(new ChartPanel(pages_))
{
    chart_->setObjectName("Chart1");
    chart_->setTitle("nome do gráfico");
    chart_->setAxisTitles("Ângulos (graus)", "Diagrama de Irradiação (dB)");
    pages_->addTab(polar_, "Polar");
    pages_->addTab(chart_, "Retangular");
    pages_->setObjectName("PageControl1");
    setCentralWidget(pages_);

    QMenu* menu = menuBar()->addMenu("&Gráficos");
    menu->menuAction()->setObjectName("Graficos1");
    QAction* polar = menu->addAction("P&olar", this, [this] { polarCommand(); });
    polar->setObjectName("Polar1");
    polar->setShortcut(QKeySequence("Ctrl+O"));
    QAction* rect = menu->addAction("&Retangular", this, [this] { rectangularCommand(); });
    rect->setObjectName("Retangular1");
    rect->setShortcut(QKeySequence("Ctrl+R"));
    menu->addSeparator();
    QAction* print = menu->addAction("Im&primir", this, [this] { printCommand(); });
    print->setObjectName("Imprimir1");
    print->setShortcut(QKeySequence("Ctrl+P"));

    QToolBar* bar = addToolBar("Ferramentas");
    bar->setMovable(false);
    bar->setFixedHeight(40);
    bar->setIconSize(QSize(24, 24));
    auto addButton = [&](const char* name, const char* hint, ToolIcon icon, auto handler) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIcon(toolIcon(icon));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, handler);
        bar->addWidget(button);
    };
    addButton("SpeedButton1", "Imprimir gráficos", ToolIcon::Print, [this] { printCommand(); });
    addButton("SpeedButton2", "Voltar ao projeto", ToolIcon::Close, [this] { close(); });
}

int PatternWindowBase::calculatorCode()
{
    const int current = WindowRegistry::instance().windowCode();
    if (servesCode(current))
        rememberedCode_ = current;
    else if (serves_ == Serves::CurrentCodeOnly)
        return 0;
    return rememberedCode_;
}

const PatternSource* PatternWindowBase::sourceFor(int code) const
{
    return patternSourceFor(code, QStringLiteral("TForm%1").arg(ownCode_).toStdString());
}

std::optional<int> PatternWindowBase::liveCalculatorCode()
{
    const int code = serves_ == Serves::CurrentCodeOnly ? WindowRegistry::instance().windowCode() : calculatorCode();
    if (!servesCode(code)) return std::nullopt;
    if (!WindowRegistry::instance().find(QString::fromStdString(findByCode(code)->windowClass))) return std::nullopt;
    return code;
}

FieldTexts PatternWindowBase::callerFields(int code) const
{
    return WindowRegistry::instance().fieldTexts(QString::fromStdString(findByCode(code)->windowClass));
}

void PatternWindowBase::polarCommand()
{
    guarded([this] {
        const auto code = liveCalculatorCode();
        if (!code) return;
        const PolarTables tables = sourceFor(*code)->polarTables(callerFields(*code));
        tables_->left = tables.left;
        tables_->right = tables.right;
        tables_->filledBy = *code;
        polar_->redraw();
        pages_->setCurrentWidget(polar_);
    });
}

void PatternWindowBase::rectangularCommand()
{
    guarded([this] {
        const auto code = liveCalculatorCode();
        if (!code) return;
        chart_->clear();
        chart_->setLeftAxisFixed(-35, 0);
        chart_->setPoints(sourceFor(*code)->chartPoints(callerFields(*code)));
        pages_->setCurrentWidget(chart_);
    });
}

void PatternWindowBase::printCommand()
{
    guarded([this] {
        calculatorCode();  // remember the caller before the code is overwritten
        WindowRegistry& registry = WindowRegistry::instance();
        registry.setWindowCode(ownCode_);
        registry.openOrShowModal("Tfrmprint");
    });
}

void PatternWindowBase::setChartTitle(const QString& title) { chart_->setTitle(title); }

QStringList PatternWindowBase::chartTitles() const { return {chart_->title()}; }

QWidget* PatternWindowBase::chartView(int index) const { return index == 0 ? chart_->view() : nullptr; }

void PatternWindowBase::repaintChart(int) { chart_->repaintChart(); }

void PatternWindowBase::printPolarPages()
{
    Seam& seam = WindowRegistry::instance().seam();
    const auto copies = seam.printDialog(this);
    if (!copies) return;
    for (int copy = 0; copy < *copies; ++copy) {
        auto job = seam.beginPrintJob();
        // A window serving the current code alone titles the page by the
        // calculator whose pattern its tables hold.
        const int titled = serves_ == Serves::CurrentCodeOnly ? tables_->filledBy : rememberedCode_;
        printPolarPage(job->canvas(), sourceFor(titled));
        job->end();
    }
}

}  // namespace ondarel
