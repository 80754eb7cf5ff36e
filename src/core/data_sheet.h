#pragma once
// Builds a calculator's printed data sheet one printed line at a time: a
// label at x = 150 and the displayed text of its field in the value column,
// two values joined by "ou", or a text anywhere.
#include <string>
#include <vector>

#include "core/descriptor.h"

namespace ondarel {

class DataSheet {
public:
    static constexpr int kLabelX = 150;
    static constexpr int kOuX = 1150;
    static constexpr int kSecondValueX = 1250;

    explicit DataSheet(int valueX) : valueX_(valueX) {}

    // Values of the lines that follow go to this x.
    DataSheet& column(int valueX)
    {
        valueX_ = valueX;
        return *this;
    }
    // A fixed text at any position (titles, column heads).
    DataSheet& text(int x, int y, std::string text)
    {
        lines_.push_back({x, y, std::move(text), "", {}});
        return *this;
    }
    // A text chosen from the window's fields at printing time.
    DataSheet& ruled(int x, int y, TextRule rule)
    {
        lines_.push_back({x, y, "", "", std::move(rule)});
        return *this;
    }
    // A field's displayed text at any position.
    DataSheet& value(int x, int y, std::string field)
    {
        lines_.push_back({x, y, "", std::move(field), {}});
        return *this;
    }
    // A label alone at x = 150 ("Entrada de dados:", "Resultados:").
    DataSheet& heading(int y, std::string label) { return text(kLabelX, y, std::move(label)); }
    // A label and its field's value on one line.
    DataSheet& line(int y, std::string label, std::string field)
    {
        heading(y, std::move(label));
        return value(valueX_, y, std::move(field));
    }
    // A label and two values: "first ou second".
    DataSheet& pair(int y, std::string label, std::string first, std::string second)
    {
        line(y, std::move(label), std::move(first));
        text(kOuX, y, "ou");
        return value(kSecondValueX, y, std::move(second));
    }

    operator std::vector<SheetText>() const { return lines_; }

private:
    int valueX_;
    std::vector<SheetText> lines_;
};

}  // namespace ondarel
