#include "framework/calculator_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "framework/command_guard.h"
#include "framework/input_check.h"
#include "framework/pick_list_dialog.h"
#include "framework/tool_icons.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Menu items in menu order; an empty caption is a separator.
struct MenuItem {
    const char* caption;
    const char* objectName;
    const char* shortcut;
    void (CalculatorWindow::*handler)();
};

struct Menu {
    const char* caption;
    const char* objectName;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& menus()
{
    static const std::vector<Menu> all = {
        {"&Projeto",
         "Projeto1",
         {{"&Novo", "Novo1", "", &CalculatorWindow::Novo1Click},
          {"&Abrir", "Abrir1", "", &CalculatorWindow::Abrir1Click},
          {"", "", "", nullptr},
          {"&Calcular", "Calcular1", "", &CalculatorWindow::Calcular1Click},
          {"", "", "", nullptr},
          {"&Salvar", "Salvar1", "Ctrl+B", &CalculatorWindow::Salvar1Click},
          {"Salvar Co&mo...", "SalvarComo1", "", &CalculatorWindow::SalvarComo1Click},
          {"", "", "", nullptr},
          {"Im&primir", "Imprimir1", "Ctrl+P", &CalculatorWindow::Imprimir1Click},
          {"", "", "", nullptr},
          {"&Fechar", "Fechar1", "Ctrl+F", &CalculatorWindow::Fechar1Click}}},
        {"&Opção",
         "Opcao1",
         {{"Gráfico &2D", "Grafico2D1", "Shift+F2", &CalculatorWindow::Grafico2D1Click},
          {"Gráfico &3D", "Grafico3D1", "Shift+F3", &CalculatorWindow::Grafico3D1Click},
          {"&Geometria", "Geometria1", "Ctrl+G", &CalculatorWindow::Geometria1Click},
          {"&Exportar modelo NEC2...", "ExportarNec1", "", &CalculatorWindow::ExportarNec1Click}}},
        {"&Ajuda",
         "Ajuda1",
         {{"&Tutorial", "Tutorial1", "Ctrl+T", &CalculatorWindow::Tutorial1Click},
          {"&Sobre...", "Sobre1", "", &CalculatorWindow::Sobre1Click}}},
    };
    return all;
}

struct SpeedButton {
    const char* hint;
    ToolIcon icon;
    void (CalculatorWindow::*handler)();
    bool enabledWhenFresh;
};

const std::vector<SpeedButton>& speedButtons()
{
    static const std::vector<SpeedButton> all = {
        {"Abrir projeto", ToolIcon::Open, &CalculatorWindow::Abrir1Click, true},
        {"Salvar projeto", ToolIcon::Save, &CalculatorWindow::Salvar1Click, false},
        {"Novo projeto", ToolIcon::New, &CalculatorWindow::Novo1Click, false},
        {"Calcular", ToolIcon::Calculate, &CalculatorWindow::Calcular1Click, false},
        {"Gráficos 2D", ToolIcon::Chart2D, &CalculatorWindow::Grafico2D1Click, false},
        {"Gráfico 3D", ToolIcon::Chart3D, &CalculatorWindow::Grafico3D1Click, false},
        {"Geometria da antena", ToolIcon::Geometry, &CalculatorWindow::Geometria1Click, true},
        {"Imprimir projeto", ToolIcon::Print, &CalculatorWindow::Imprimir1Click, false},
        {"Fechar projeto", ToolIcon::Close, &CalculatorWindow::Fechar1Click, true},
    };
    return all;
}

// How the matching structures' menus differ: shortcuts of their own, and
// chart items that keep their places but never act.
struct MatchingItem {
    const char* objectName;
    const char* caption;
    const char* shortcut;
    bool idle;
};

const std::vector<MatchingItem>& matchingItems()
{
    static const std::vector<MatchingItem> all = {
        {"Novo1", "&Novo", "Ctrl+N", false},
        {"Abrir1", "&Abrir", "Ctrl+A", false},
        {"Calcular1", "&Calcular", "Ctrl+C", false},
        {"Grafico2D1", "Gráficos &2D", "Shift+F2", true},
        {"Grafico3D1", "Gráficos &3D", "Shift+F3", true},
    };
    return all;
}

const MatchingItem* matchingItem(const char* objectName)
{
    for (const MatchingItem& item : matchingItems())
        if (QString(item.objectName) == objectName) return &item;
    return nullptr;
}

// Menu entries available in the fresh state, top menus included.
const std::vector<QString> kFreshMenuItems = {"Projeto1", "Opcao1",     "Ajuda1",    "Abrir1",
                                              "Fechar1",  "Geometria1", "Tutorial1", "Sobre1"};

}  // namespace

CalculatorWindow::CalculatorWindow(const CalculatorDescriptor& descriptor, QWidget* parent)
    : QMainWindow(parent), descriptor_(descriptor)
{
    setObjectName(q(descriptor_.windowClass));
    setWindowTitle(q(descriptor_.title));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* inputs = new QGroupBox(q(descriptor_.inputsCaption), central);
    resultsGroup_ = new QGroupBox("Resultados:", central);
    resultsGroup_->setObjectName("GroupBox2");
    buildInputs(inputs);
    buildResults(resultsGroup_);
    layout->addWidget(inputs);
    if (descriptor_.choices) layout->addWidget(buildChoices(central));
    layout->addWidget(resultsGroup_);
    layout->addStretch();
    setCentralWidget(central);

    buildMenusAndToolBar();
    buildStatusBar();
    installEventFilter(this);

    if (descriptor_.writesCodeOnCreation) WindowRegistry::instance().setWindowCode(descriptor_.code);
    for (const InputRow& row : descriptor_.inputs) field(q(row.name))->setText(q(row.defaultText));
    resetToFresh();
    for (const std::string& name : descriptor_.resultsEnabledAtStart) field(q(name))->setEnabled(true);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QLineEdit* CalculatorWindow::field(const QString& name) const
{
    const auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}

QComboBox* CalculatorWindow::list(const QString& name) const
{
    const auto it = lists_.find(name);
    return it == lists_.end() ? nullptr : it->second;
}

QString CalculatorWindow::shownText(const QString& name) const
{
    if (const QLineEdit* f = field(name)) return f->text();
    if (const QComboBox* l = list(name)) return l->currentText();
    return {};
}

// The inputs in the order the form shows them.
static std::vector<const InputRow*> displayedInputs(const CalculatorDescriptor& d)
{
    std::vector<const InputRow*> rows;
    if (d.inputDisplayOrder.empty()) {
        for (const InputRow& row : d.inputs) rows.push_back(&row);
        return rows;
    }
    for (const std::string& name : d.inputDisplayOrder) {
        const int index = d.inputIndex(name);
        if (index >= 0) rows.push_back(&d.inputs[static_cast<std::size_t>(index)]);
    }
    return rows;
}

void CalculatorWindow::buildInputs(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    int line = 0;
    for (const InputRow* displayed : displayedInputs(descriptor_)) {
        const InputRow& row = *displayed;
        if (!row.heading.empty()) {
            auto* heading = new QLabel(q(row.heading), group);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, line++, 0, 1, 2);
        }
        auto* edit = new QLineEdit(group);
        edit->setObjectName(q(row.name));
        edit->setMinimumWidth(120);
        if (!row.joiner.empty() && line > 0) {
            grid->addWidget(new QLabel(q(row.joiner), group), line - 1, 2, Qt::AlignHCenter);
            grid->addWidget(edit, line - 1, 3);
        } else {
            auto* label = new QLabel(q(row.label), group);
            label->setBuddy(edit);
            grid->addWidget(label, line, 0);
            grid->addWidget(edit, line, 1);
            if (descriptor_.pickListBeside == row.name) {
                auto* more = new QPushButton("...", group);
                more->setObjectName("Button1");
                more->setFixedWidth(28);
                connect(more, &QPushButton::clicked, this, &CalculatorWindow::pickListClick);
                grid->addWidget(more, line, 2);
            }
            ++line;
        }
        fields_[edit->objectName()] = edit;
        attachInputCheck(edit);
        const auto& bound = descriptor_.keyPressFields;
        if (bound.empty() || std::find(bound.begin(), bound.end(), row.name) != bound.end())
            edit->installEventFilter(this);
    }
    grid->setColumnStretch(0, 1);
}

QGroupBox* CalculatorWindow::buildChoices(QWidget* parent)
{
    auto* group = new QGroupBox(q(descriptor_.choices->caption), parent);
    group->setObjectName("Panel1");
    auto* column = new QVBoxLayout(group);
    for (const ChoiceButton& button : descriptor_.choices->buttons) {
        auto* radio = new QRadioButton(q(button.caption), group);
        radio->setObjectName(q(button.name));
        radio->setChecked(choices_.empty());
        // A click computes, whether or not it changes the choice.
        connect(radio, &QRadioButton::clicked, this, &CalculatorWindow::Calcular1Click);
        column->addWidget(radio);
        choices_.push_back(radio);
    }
    return group;
}

std::vector<long double> CalculatorWindow::choiceValues() const
{
    std::vector<long double> values;
    for (const QRadioButton* radio : choices_) values.push_back(radio->isChecked() ? 1 : 0);
    return values;
}

QLabel* CalculatorWindow::addResultLabel(const QString& text)
{
    auto* label = new QLabel(text, resultsGroup_);
    resultWidgets_.push_back(label);
    return label;
}

void CalculatorWindow::buildResults(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    int line = 0;
    for (const ResultRow& row : descriptor_.results) {
        if (!row.columnHeads.empty()) {
            for (std::size_t i = 0; i < row.columnHeads.size(); ++i)
                grid->addWidget(addResultLabel(q(row.columnHeads[i])), line, 1 + 2 * static_cast<int>(i),
                                Qt::AlignHCenter);
            ++line;
        }
        grid->addWidget(addResultLabel(q(row.label)), line, 0);
        if (row.kind == ResultKind::List) {
            for (const std::string& name : row.fields) {
                auto* items = new QComboBox(group);
                items->setObjectName(q(name));
                items->setMinimumWidth(120);
                grid->addWidget(items, line, 1);
                lists_[items->objectName()] = items;
                resultWidgets_.push_back(items);
            }
            ++line;
            continue;
        }
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            if (i > 0 && row.columnHeads.empty())
                grid->addWidget(addResultLabel(q(row.joiner)), line, 2 * static_cast<int>(i), Qt::AlignHCenter);
            auto* edit = new QLineEdit(group);
            edit->setObjectName(q(row.fields[i]));
            edit->setReadOnly(true);
            edit->setMinimumWidth(120);
            if (i == 0 && !row.prefix.empty()) {
                // The prefix and the field share the field's cell.
                auto* cell = new QHBoxLayout;
                cell->addWidget(addResultLabel(q(row.prefix)));
                cell->addWidget(edit, 1);
                grid->addLayout(cell, line, 1);
            } else {
                grid->addWidget(edit, line, 1 + 2 * static_cast<int>(i));
            }
            fields_[edit->objectName()] = edit;
            resultWidgets_.push_back(edit);
        }
        ++line;
    }
    grid->setColumnStretch(0, 1);
}

void CalculatorWindow::buildMenusAndToolBar()
{
    const bool matching = descriptor_.commands == CommandSet::Matching;
    for (const Menu& menu : menus()) {
        QString menuCaption = menu.caption;
        for (const auto& [name, text] : descriptor_.menuCaptions)
            if (name == menu.objectName) menuCaption = q(text);
        QMenu* m = menuBar()->addMenu(menuCaption);
        m->menuAction()->setObjectName(menu.objectName);
        actions_[menu.objectName] = m->menuAction();
        for (const MenuItem& item : menu.items) {
            if (!item.handler) {
                m->addSeparator();
                continue;
            }
            const MatchingItem* own = matching ? matchingItem(item.objectName) : nullptr;
            const bool graphics2d = item.handler == &CalculatorWindow::Grafico2D1Click;
            QString caption = own ? QString(own->caption) : item.caption;
            if (graphics2d && !own) caption = q(descriptor_.graphics2d.menuCaption);
            for (const auto& [name, text] : descriptor_.menuCaptions)
                if (name == item.objectName) caption = q(text);
            QAction* action = m->addAction(caption);
            action->setObjectName(item.objectName);
            QString shortcut = own ? own->shortcut : item.shortcut;
            for (const auto& [name, keys] : descriptor_.shortcuts)
                if (name == item.objectName) shortcut = q(keys);
            if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
            if ((own && own->idle) || (graphics2d && descriptor_.graphics2d.menuIdle))
                idleActions_.insert(item.objectName);
            else if (!graphics2d || descriptor_.graphics2d.menuActs)
                connect(action, &QAction::triggered, this, item.handler);
            actions_[item.objectName] = action;
            // Only the wire structures have a solver model to export.
            const bool exports = item.handler != &CalculatorWindow::ExportarNec1Click || descriptor_.necDeck;
            action->setVisible(!caption.isEmpty() && exports);
        }
    }

    QToolBar* bar = addToolBar("Ferramentas");
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    int number = 1;
    for (const SpeedButton& spec : speedButtons()) {
        const bool chart = spec.icon == ToolIcon::Chart2D || spec.icon == ToolIcon::Chart3D;
        if (matching && chart) continue;
        auto* button = new QToolButton(bar);
        button->setObjectName(QString("SpeedButton%1").arg(number++));
        QString hint = spec.hint;
        if (matching && spec.icon == ToolIcon::Geometry) hint = "Geometria do casador";
        if (spec.handler == &CalculatorWindow::Grafico2D1Click) hint = q(descriptor_.graphics2d.hint);
        button->setToolTip(hint);
        button->setIcon(toolIcon(spec.icon));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, spec.handler);
        bar->addWidget(button);
        speedButtons_.push_back(button);
        freshButtons_.push_back(spec.enabledWhenFresh);
    }
}

void CalculatorWindow::buildStatusBar()
{
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName("StatusPanel1");
    statusPanel_->setMinimumWidth(50);
    statusBar()->addWidget(statusPanel_, 1);
    statusBar()->setSizeGripEnabled(false);
}

void CalculatorWindow::setStatus(const QString& text) { statusPanel_->setText(text); }

// The fresh state's commands: only open, geometry, close, tutorial and about.
void CalculatorWindow::resetToFresh()
{
    for (std::size_t i = 0; i < speedButtons_.size(); ++i) speedButtons_[i]->setEnabled(freshButtons_[i]);
    for (auto& [name, action] : actions_)
        action->setEnabled(std::find(kFreshMenuItems.begin(), kFreshMenuItems.end(), name) != kFreshMenuItems.end());
    for (QWidget* w : resultWidgets_) w->setEnabled(false);
}

void CalculatorWindow::enableEveryCommand()
{
    for (QToolButton* b : speedButtons_) b->setEnabled(true);
    for (auto& [name, action] : actions_) action->setEnabled(!idleActions_.contains(name));
}

void CalculatorWindow::enableResults()
{
    for (QWidget* w : resultWidgets_) w->setEnabled(true);
    for (auto& [name, items] : lists_)
        if (items->count() > 0) items->setCurrentIndex(0);
    enableEveryCommand();
}

void CalculatorWindow::clearAndDisableResults()
{
    computed_ = false;
    for (QWidget* w : resultWidgets_) w->setEnabled(false);
    for (auto& [name, edit] : fields_) edit->clear();
    for (auto& [name, items] : lists_) items->clear();
    for (QToolButton* b : speedButtons_) b->setEnabled(false);
    for (auto& [name, action] : actions_) action->setEnabled(false);
}

void CalculatorWindow::keyPressed()
{
    fileName_ = " ";
    enableEveryCommand();
    if (descriptor_.keyPressEnablesResults)
        for (QWidget* w : resultWidgets_) w->setEnabled(true);
}

FieldTexts CalculatorWindow::fieldTexts() const
{
    return [this](std::string_view name) {
        const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        for (const QRadioButton* radio : choices_)
            if (radio->objectName() == wanted) return std::string(radio->isChecked() ? "1" : "0");
        return shownText(wanted).toStdString();
    };
}

void CalculatorWindow::pickListClick() { openPickList(this); }

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool character = !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (character) keyPressed();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace ondarel
