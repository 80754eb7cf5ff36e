#pragma once
// Helpers to drive the pattern windows and their print window the way a user
// does, and to read back what the title strip wrote.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "framework/window_driver.h"
#include "plots/pattern_window.h"
#include "plots/print_window.h"

namespace ondarel::test {

inline PatternWindowBase* patternWindow(const QString& windowClass)
{
    return dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find(windowClass));
}

// Types every (field, keys) pair in order, as real key presses.
inline void typeAll(CalculatorWindow* w, std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [field, keys] : entries) type(w, field, keys);
}

// "&Fechar", then let a window that frees itself go.
inline void closeCalculator(CalculatorWindow* w)
{
    trigger(w, "Fechar1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline int currentPage(PatternWindowBase* p) { return p->pages()->currentIndex(); }
constexpr int kPolarPage = 0;
constexpr int kRectangularPage = 1;

// Chooses "Im&primir" on the pattern window; once the print window is up
// (inside its modal loop) runs `interact` on it and closes it. Returns
// whether the print window appeared at all.
inline bool printThroughWindow(QWidget* pattern, const std::function<void(PrintWindow*)>& interact)
{
    bool appeared = false;
    QObject scope;  // cancels both timers if the print window never opens
    QTimer::singleShot(0, &scope, [&] {
        auto* print = qobject_cast<PrintWindow*>(WindowRegistry::instance().find("Tfrmprint"));
        if (!print) return;
        appeared = true;
        interact(print);
        print->close();
    });
    // A print window left open would hold the test forever.
    QTimer::singleShot(5000, &scope, [&] {
        ADD_FAILURE() << "the print window did not close";
        delete WindowRegistry::instance().find("Tfrmprint");
    });
    trigger(pattern, "Imprimir1");
    return appeared;
}

// Checks a radio button, then "OK".
inline void printChoice(PatternWindowBase* pattern, int button)
{
    printThroughWindow(pattern, [button](PrintWindow* print) {
        print->choice(button)->click();
        print->OKClick();
    });
}

// A text some widget painted, at the baseline point it was given.
struct DrawnText {
    QString text;
    int x = 0;
    int baseline = 0;
};

// A paint device that keeps the texts painted on it and nothing else, so a
// test can read what a widget wrote and where, independent of font pixels.
class TextRecorder : public QPaintDevice {
public:
    explicit TextRecorder(QSize size) : size_(size) {}
    ~TextRecorder() override { delete engine_; }

    QPaintEngine* paintEngine() const override
    {
        if (!engine_) engine_ = new Engine(texts_);
        return engine_;
    }
    const std::vector<DrawnText>& texts() const { return texts_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
            case PdmWidth: return size_.width();
            case PdmHeight: return size_.height();
            case PdmWidthMM: return size_.width() * 254 / 960;
            case PdmHeightMM: return size_.height() * 254 / 960;
            case PdmNumColors: return 0x7fffffff;
            case PdmDepth: return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
            default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(std::vector<DrawnText>& texts) : QPaintEngine(AllFeatures), texts_(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & DirtyTransform) transform_ = state.transform();
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            const QPointF at = transform_.map(p);
            texts_.push_back({item.text(), qRound(at.x()), qRound(at.y())});
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        Type type() const override { return User; }

    private:
        std::vector<DrawnText>& texts_;
        QTransform transform_;
    };

    QSize size_;
    mutable std::vector<DrawnText> texts_;
    mutable Engine* engine_ = nullptr;
};

// What the widget writes when it paints.
inline std::vector<DrawnText> textsPainted(QWidget* widget)
{
    TextRecorder recorder(widget->size().expandedTo(QSize(1, 1)));
    widget->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    return recorder.texts();
}

}  // namespace ondarel::test
