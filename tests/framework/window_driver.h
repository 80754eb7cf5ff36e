#pragma once
// Small helpers to drive a calculator window the way a user does.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <map>

#include "framework/calculator_window.h"
#include "framework/window_registry.h"

namespace ondarel::test {

inline CalculatorWindow* openCalculator(const QString& windowClass)
{
    return qobject_cast<CalculatorWindow*>(WindowRegistry::instance().openOrShow(windowClass));
}

inline void type(CalculatorWindow* w, const QString& field, const QString& keys)
{
    QTest::keyClicks(w->field(field), keys);
}

// Replaces the field's text at once, as a paste does.
inline void paste(CalculatorWindow* w, const QString& field, const QString& text) { w->field(field)->setText(text); }

inline QAction* menuItem(QWidget* w, const QString& name) { return w->findChild<QAction*>(name); }

inline void trigger(QWidget* w, const QString& name) { menuItem(w, name)->trigger(); }

inline QToolButton* speedButton(QWidget* w, int number)
{
    return w->findChild<QToolButton*>(QString("SpeedButton%1").arg(number));
}

// Which of the speed buttons are enabled, as a string of 0/1 (nine for the
// antennas, seven for the matching structures).
inline std::string speedButtonStates(QWidget* w)
{
    std::string s;
    for (int i = 1; QToolButton* button = speedButton(w, i); ++i) s += button->isEnabled() ? '1' : '0';
    return s;
}

inline std::map<QString, bool> menuStates(QWidget* w)
{
    std::map<QString, bool> states;
    for (const char* name : {"Novo1", "Abrir1", "Calcular1", "Salvar1", "SalvarComo1", "Imprimir1", "Fechar1",
                             "Grafico2D1", "Grafico3D1", "Geometria1", "Tutorial1", "Sobre1"})
        states[name] = menuItem(w, name)->isEnabled();
    return states;
}

inline QString text(CalculatorWindow* w, const QString& field) { return w->field(field)->text(); }

inline QString statusText(QWidget* w) { return w->findChild<QLabel*>("StatusPanel1")->text(); }

}  // namespace ondarel::test
