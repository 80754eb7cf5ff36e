#include "geometry/geometry_picture_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "framework/command_guard.h"
#include "framework/window_registry.h"
#include "geometry/figures.h"

namespace ondarel {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

class FigureView : public QWidget {
public:
    explicit FigureView(Figure figure, QWidget* parent) : QWidget(parent), figure_(figure)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumSize(120, 80);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Sketch sketch(painter, QRectF(rect()), figureSize(figure_));
        drawFigure(figure_, sketch);
    }

private:
    Figure figure_;
};

// The small symbol before a legend line: an italic letter with its
// subscript, or a mark for a loop of finite or infinitesimal radius.
class SymbolView : public QWidget {
public:
    SymbolView(const LegendSymbol& symbol, QWidget* parent) : QWidget(parent), symbol_(symbol)
    {
        setObjectName("Symbol");
        setFixedSize(30, 20);
        setAccessibleName(text());
    }
    QString text() const { return q(symbol_.letter + symbol_.subscript); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(width() / 2.0, height() / 2.0);
        if (symbol_.letter == "○" || symbol_.letter == "∘") {
            const double radius = symbol_.letter == "○" ? 7 : 3;
            p.setPen(QPen(QColor(0x8a, 0x4b, 0x08), 2));
            p.drawEllipse(centre, radius, radius);
            return;
        }
        QFont font("DejaVu Serif");
        font.setItalic(true);
        font.setPixelSize(15);
        p.setFont(font);
        const QFontMetricsF metrics(font);
        const double baseline = centre.y() + metrics.ascent() / 2 - 1;
        const QString letter = q(symbol_.letter);
        p.drawText(QPointF(2, baseline), letter);
        if (!symbol_.subscript.empty()) {
            QFont small = font;
            small.setPixelSize(10);
            p.setFont(small);
            p.drawText(QPointF(3 + metrics.horizontalAdvance(letter), baseline + 4), q(symbol_.subscript));
        }
    }

private:
    LegendSymbol symbol_;
};

QLabel* plainLabel(const std::string& text, QWidget* parent)
{
    auto* label = new QLabel(q(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

GeometryPictureWindow::GeometryPictureWindow(const GeometryWindowSpec& spec, QWidget* parent)
    : QMainWindow(parent), spec_(spec)
{
    setObjectName(q(spec.windowClass));
    setWindowTitle(q(spec.title));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    buildMenu();

    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    // Narrow tabs, so that the six pages' titles fit across the window.
    pages_->tabBar()->setStyleSheet("QTabBar::tab { padding: 3px 5px; font-size: 11px; }");
    for (const GeometryPage& page : spec.pages) pages_->addTab(buildPage(page), q(page.title));
    pages_->setCurrentIndex(spec.initialPage);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { refreshDimensions(); });
    setCentralWidget(pages_);

    const int menuHeight = menuBar()->sizeHint().height();
    if (spec.sizeable) {
        resize(spec.clientWidth, spec.clientHeight);
        move(192, 124);
    } else {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(spec.clientWidth, spec.clientHeight + menuHeight);
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
}

void GeometryPictureWindow::buildMenu()
{
    QMenu* back = menuBar()->addMenu("&Voltar");
    back->setObjectName("Voltar1");
    WindowRegistry& registry = WindowRegistry::instance();
    for (const BackEntry& entry : spec_.back) {
        QAction* action = back->addAction(q(entry.caption));
        const QString calculator = q(entry.windowClass);
        action->setObjectName(calculator + "Back");
        if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(q(entry.shortcut)));
        // Calculators not built yet keep their entry, greyed like the catalogue's.
        action->setEnabled(registry.isRegistered(calculator));
        connect(action, &QAction::triggered, this,
                [calculator] { guarded([calculator] { WindowRegistry::instance().openOrShow(calculator); }); });
    }
    QAction* quit = back->addAction("&Sair");
    quit->setObjectName("Sair1");
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

QWidget* GeometryPictureWindow::buildPage(const GeometryPage& page)
{
    auto* widget = new QWidget;
    widget->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);

    auto* pictures = new QHBoxLayout;
    for (const Panel& panel : page.panels) {
        auto* column = new QVBoxLayout;
        QLabel* caption = panel.caption.empty() ? nullptr : plainLabel(panel.caption, widget);
        if (caption) {
            caption->setAlignment(Qt::AlignHCenter);
            caption->setWordWrap(true);
            QFont font = caption->font();
            font.setBold(panel.captionAbove);  // a page title, not a picture's caption
            caption->setFont(font);
        }
        if (caption && panel.captionAbove) column->addWidget(caption);
        column->addWidget(new FigureView(panel.figure, widget), 1);
        if (caption && !panel.captionAbove) column->addWidget(caption);
        pictures->addLayout(column);
    }
    layout->addLayout(pictures, 1);

    for (const Legend& legend : page.legends) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        if (legend.symbol) row->addWidget(new SymbolView(*legend.symbol, widget));
        if (!legend.lead.empty()) row->addWidget(plainLabel(legend.lead, widget));
        row->addWidget(plainLabel(legend.text, widget));
        row->addStretch(1);
        layout->addLayout(row);
    }
    auto* dimensions = new QLabel(widget);
    dimensions->setObjectName("CurrentDimensions");
    dimensions->setTextFormat(Qt::PlainText);
    dimensions->setStyleSheet("color: #1f4e9c;");
    dimensions->hide();
    layout->addWidget(dimensions);
    dimensionLines_.push_back(dimensions);
    return widget;
}

void GeometryPictureWindow::showPage(int page)
{
    if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
    refreshDimensions();
}

void GeometryPictureWindow::noteCaller(const QString& windowClass)
{
    for (const BackEntry& entry : spec_.back)
        if (q(entry.windowClass) == windowClass) callers_[entry.page] = windowClass;
    refreshDimensions();
}

// Read at the moment the page is shown, like every window that reads a
// calculator's fields: a closed calculator or one cleared by "&Novo" shows nothing.
void GeometryPictureWindow::refreshDimensions()
{
    const int page = pages_->currentIndex();
    if (page < 0 || page >= int(dimensionLines_.size())) return;
    QLabel* line = dimensionLines_[page];
    const auto caller = callers_.find(page);
    std::string text;
    if (caller != callers_.end() && WindowRegistry::instance().find(caller->second))
        text = currentDimensions(caller->second.toStdString(), WindowRegistry::instance().fieldTexts(caller->second));
    line->setText(q(text));
    line->setVisible(!text.empty());
}

void GeometryPictureWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    refreshDimensions();
}

void GeometryPictureWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshDimensions();
}

}  // namespace ondarel
