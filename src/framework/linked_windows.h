#pragma once
// What a calculator asks of the windows it opens. Pattern, 3D and geometry
// windows implement these; the calculator finds them through the registry.
#include <QString>
#include <cstddef>

namespace ondarel {

class PatternWindow {
public:
    virtual ~PatternWindow() = default;
    virtual void polarCommand() = 0;        // "P&olar"
    virtual void rectangularCommand() = 0;  // "&Retangular"
    virtual void setChartTitle(const QString& title) = 0;
    // The command of the calculator's i-th curve chart, and its title; only
    // windows that draw curve charts have them.
    virtual void curveCommand(std::size_t) {}
    virtual void setCurveChartTitle(std::size_t, const QString&) {}
};

class GeometryWindow {
public:
    virtual ~GeometryWindow() = default;
    virtual void showPage(int page) = 0;
    // The calculator whose "&Geometria" opened the window, told before
    // showPage; the window may show that calculator's current dimensions.
    virtual void noteCaller(const QString&) {}
};

}  // namespace ondarel
