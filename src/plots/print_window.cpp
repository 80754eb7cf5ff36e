#include "plots/print_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/command_guard.h"
#include "framework/window_registry.h"
#include "plots/printable_patterns.h"

namespace ondarel {

namespace {

// Per pattern-window code: whether the first button prints the polar pair,
// and which radio button (1-based) previews which chart.
struct PrintChoices {
    int code;
    bool polarFirst;
    int firstChartButton;  // buttons firstChartButton … take the chart titles
    int chartCount;
    bool chartTitlesAsCaptions;
};

const std::vector<PrintChoices>& printChoices()
{
    static const std::vector<PrintChoices> all = {
        {3, true, 2, 1, false}, {24, true, 2, 1, false}, {28, true, 2, 1, false}, {39, true, 2, 1, false},
        {22, true, 2, 3, true}, {25, false, 1, 4, true}, {38, true, 2, 4, true},
    };
    return all;
}

const PrintChoices* choicesFor(int code)
{
    for (const auto& c : printChoices())
        if (c.code == code) return &c;
    return nullptr;
}

PrintablePatterns* servedWindow(int code)
{
    return dynamic_cast<PrintablePatterns*>(WindowRegistry::instance().find(QString("TForm%1").arg(code)));
}

}  // namespace

PrintWindow::PrintWindow(QWidget* parent) : QDialog(parent), code_(WindowRegistry::instance().windowCode())
{
    setObjectName("Tfrmprint");
    setWindowTitle("Janela de impressão");
    setFixedSize(592, 208);

    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("Opção de impressão", this);
    group->setObjectName("RadioGroup1");
    group->setFixedHeight(150);
    auto* groupLayout = new QVBoxLayout(group);
    const char* captions[5] = {"Diagrama de irradiação polar. ", "Diagrama de irradiação retangular.", "", "", ""};
    for (int i = 0; i < 5; ++i) {
        choices_[static_cast<std::size_t>(i)] = new QRadioButton(captions[i], group);
        choices_[static_cast<std::size_t>(i)]->setObjectName(QString("RadioButton%1").arg(i + 1));
        groupLayout->addWidget(choices_[static_cast<std::size_t>(i)]);
    }
    choices_[0]->setChecked(true);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* close = new QPushButton("&Fechar", this);
    close->setObjectName("FecharButton");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &PrintWindow::OKClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    // Hide the unused buttons and caption the chart buttons by their titles.
    const PrintChoices* c = choicesFor(code_);
    if (!c) return;
    const QStringList titles = servedWindow(code_) ? servedWindow(code_)->chartTitles() : QStringList();
    const int lastUsed = c->firstChartButton + c->chartCount - 1;
    for (int n = lastUsed + 1; n <= 5; ++n) choice(n)->hide();
    if (c->chartTitlesAsCaptions)
        for (int i = 0; i < c->chartCount && i < titles.size(); ++i)
            choice(c->firstChartButton + i)->setText(titles[i]);
}

int PrintWindow::checkedNumber() const
{
    for (int n = 1; n <= 5; ++n)
        if (choice(n)->isChecked()) return n;
    return 0;
}

void PrintWindow::OKClick()
{
    guarded([this] {
        const PrintChoices* c = choicesFor(code_);
        PrintablePatterns* window = servedWindow(code_);
        if (!c || !window) return;
        const int n = checkedNumber();
        if (n == 1 && c->polarFirst) {
            window->printPolarPages();
            return;
        }
        const int chart = n - c->firstChartButton;
        if (chart < 0 || chart >= c->chartCount) return;
        if (QWidget* view = window->chartView(chart)) {
            WindowRegistry::instance().seam().chartPrintPreview(this, view);
            window->repaintChart(chart);
        }
    });
}

}  // namespace ondarel
