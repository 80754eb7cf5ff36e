#pragma once
// What the print window asks of the pattern window it serves.
#include <QString>
#include <QStringList>

class QWidget;

namespace ondarel {

class PrintablePatterns {
public:
    virtual ~PrintablePatterns() = default;
    virtual QStringList chartTitles() const = 0;  // in chart order
    virtual QWidget* chartView(int index) const = 0;
    virtual void repaintChart(int index) = 0;
    // Print dialog, then one polar page per copy.
    virtual void printPolarPages() = 0;
};

}  // namespace ondarel
