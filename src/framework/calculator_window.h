#pragma once
// The one calculator window: fields, results, tool bar, menus, status bar and
// commands, all built from a CalculatorDescriptor.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolButton>
#include <map>
#include <set>
#include <vector>

#include "core/descriptor.h"

class QGroupBox;
class QRadioButton;

namespace ondarel {

class CalculatorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(const CalculatorDescriptor& descriptor, QWidget* parent = nullptr);

    const CalculatorDescriptor& descriptor() const { return descriptor_; }
    QLineEdit* field(const QString& name) const;  // input or result field
    QComboBox* list(const QString& name) const;   // list result
    // The text a field or list result shows.
    QString shownText(const QString& name) const;
    // The current project file name; " " stands for none.
    const QString& fileName() const { return fileName_; }

    // The commands, each run inside the error guard.
    void Novo1Click();
    void Abrir1Click();
    void Calcular1Click();
    void Salvar1Click();
    void SalvarComo1Click();
    void Imprimir1Click();
    void Fechar1Click();
    void Grafico2D1Click();
    void Grafico3D1Click();
    void Geometria1Click();
    // Saves the NEC2 deck of the current inputs; nothing before a computation.
    void ExportarNec1Click();
    void Tutorial1Click();
    void Sobre1Click();
    void pickListClick();  // the "..." button beside an input
    // The current texts of this window's fields, by object name.
    FieldTexts fieldTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Command {
        QString menuCaption;
        QString objectName;
        QKeySequence shortcut;
        QString hint;  // tool-bar hint; empty when it has no button
        void (CalculatorWindow::*handler)();
    };

    void buildInputs(QGroupBox* group);
    void buildResults(QGroupBox* group);
    QGroupBox* buildChoices(QWidget* parent);
    std::vector<long double> choiceValues() const;  // 1 checked, 0 not, by button
    void buildMenusAndToolBar();
    void buildStatusBar();
    void resetToFresh();
    QLabel* addResultLabel(const QString& text);

    // The shared operations of every calculator.
    void enableResults();
    void clearAndDisableResults();
    void enableEveryCommand();
    void keyPressed();

    void calculate();
    std::vector<long double> inputValues() const;  // inputs, then radio buttons
    void save();
    void open();
    void printDataSheet();
    void setStatus(const QString& text);

    CalculatorDescriptor descriptor_;
    QString fileName_ = " ";
    bool computed_ = false;  // "&Calcular" has shown results since the last "&Novo"
    std::map<QString, QLineEdit*> fields_;
    std::map<QString, QComboBox*> lists_;
    QGroupBox* resultsGroup_ = nullptr;
    std::vector<QWidget*> resultWidgets_;  // labels and fields of the results group
    std::vector<QToolButton*> speedButtons_;
    std::vector<bool> freshButtons_;       // enabled in the fresh state, by button
    std::map<QString, QAction*> actions_;  // by object name, menu items and top menus
    std::set<QString> idleActions_;        // menu items that never act and stay disabled
    QLabel* statusPanel_ = nullptr;
    std::vector<QRadioButton*> choices_;
};

}  // namespace ondarel
