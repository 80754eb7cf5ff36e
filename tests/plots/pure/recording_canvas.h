#pragma once
// A Canvas that records every call with the pen, brush and font in force, so
// tests can check what a drawing routine put on the page and where.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/canvas.h"

namespace ondarel::test {

enum class CallKind { Pen, Brush, Font, Ellipse, Line, Text };

struct CanvasCall {
    CallKind kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    CanvasColor penColor = CanvasColor::Black;
    int penWidth = 1;
    CanvasColor brush = CanvasColor::White;
    CanvasFont font;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasCall> calls;

    void setPen(CanvasColor color, int width) override
    {
        penColor_ = color;
        penWidth_ = width;
        record(CallKind::Pen);
    }
    void setBrush(CanvasColor color) override
    {
        brush_ = color;
        record(CallKind::Brush);
    }
    void setFont(const CanvasFont& font) override
    {
        font_ = font;
        record(CallKind::Font);
    }
    void ellipse(int left, int top, int right, int bottom) override
    {
        record(CallKind::Ellipse, left, top, right, bottom);
    }
    void line(int x1, int y1, int x2, int y2) override { record(CallKind::Line, x1, y1, x2, y2); }
    void text(int x, int y, const std::string& utf8) override { record(CallKind::Text, x, y, 0, 0, utf8); }

    std::vector<CanvasCall> of(CallKind kind) const
    {
        std::vector<CanvasCall> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [kind](const CanvasCall& c) { return c.kind == kind; });
        return found;
    }

    // Lines drawn with the given pen colour: the grid is black, the curve red.
    std::vector<CanvasCall> linesIn(CanvasColor color) const
    {
        std::vector<CanvasCall> found;
        for (const auto& c : of(CallKind::Line))
            if (c.penColor == color) found.push_back(c);
        return found;
    }

    const CanvasCall* textAt(int x, int y) const
    {
        for (const auto& c : calls)
            if (c.kind == CallKind::Text && c.x1 == x && c.y1 == y) return &c;
        return nullptr;
    }

private:
    void record(CallKind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0, std::string text = {})
    {
        calls.push_back({kind, x1, y1, x2, y2, std::move(text), penColor_, penWidth_, brush_, font_});
    }

    CanvasColor penColor_ = CanvasColor::Black;
    int penWidth_ = 1;
    CanvasColor brush_ = CanvasColor::White;
    CanvasFont font_;
};

}  // namespace ondarel::test
