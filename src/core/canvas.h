#pragma once
// The drawing surface of polar diagrams and printed pages: a paint box on
// screen, a printer page, or a recorder in tests. Coordinates are device
// pixels, x to the right and y downwards.
#include <cstdint>
#include <string>

namespace ondarel {

enum class CanvasColor : std::uint8_t {
    Black,
    White,
    Red,
    Blue,
    SystemWindow,        // the system window colour (label backgrounds)
    SystemActiveBorder,  // the system active-border colour
};

struct CanvasFont {
    std::string family = "Arial";
    int size = 8;
    bool sizeInPixels = false;  // points otherwise
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void setPen(CanvasColor color, int width) = 0;
    virtual void setBrush(CanvasColor color) = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    // Outline with the pen, filled with the brush, inside the bounding box.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left corner at (x, y) on the brush colour.
    virtual void text(int x, int y, const std::string& utf8) = 0;
};

}  // namespace ondarel
