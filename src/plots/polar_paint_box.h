#pragma once
// A paint box showing one polar diagram; it redraws from its table on every
// paint and on a click.
#include <QWidget>
#include <functional>
#include <vector>

#include "plots/pure/polar_diagram.h"

namespace ondarel {

// The face of the diagram labels, at a pixel size.
QFont msSansSerif(int pixels);

class PolarPaintBox : public QWidget {
    Q_OBJECT
public:
    PolarPaintBox(PolarPlane plane, const PatternTable& table, QWidget* parent = nullptr);
    PolarPlane plane() const { return plane_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PolarPlane plane_;
    const PatternTable& table_;
};

// A strip along the top of the polar page holding the two diagram captions,
// each at its own x.
class CaptionStrip : public QWidget {
    Q_OBJECT
public:
    struct Caption {
        QString text;
        int x = 0;
    };
    using Source = std::function<std::vector<Caption>()>;
    CaptionStrip(Source source, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Source source_;
};

// The "Polar" page: the caption strip and two paint boxes placed from the
// page's size.
class PolarPage : public QWidget {
    Q_OBJECT
public:
    PolarPage(const PatternTable& left, const PatternTable& right, CaptionStrip::Source captions,
              QWidget* parent = nullptr);
    PolarPaintBox* leftBox() const { return left_; }
    PolarPaintBox* rightBox() const { return right_; }
    CaptionStrip* captions() const { return strip_; }
    void redraw();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    CaptionStrip* strip_;
    PolarPaintBox* left_;
    PolarPaintBox* right_;
};

}  // namespace ondarel
