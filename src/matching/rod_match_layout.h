#pragma once
// What the T and gamma match windows share: their inputs, the results down to
// the admittance and the printed lines that show them. Only a few labels differ.
#include <string>
#include <vector>

#include "core/data_sheet.h"
#include "core/descriptor.h"

namespace ondarel {

struct RodMatchTexts {
    std::string title;
    std::string largerDiameter;   // imput4's label
    std::string rodLength;        // imput7's label
    std::string systemImpedance;  // the label of output4 and output5
    std::string printedSmallerDiameter;
    std::string printedSpacing;
    std::string printedRodLength;
};

std::vector<InputRow> rodMatchInputs(const RodMatchTexts& texts);
// output1 to output7.
std::vector<ResultRow> rodMatchResults(const RodMatchTexts& texts);
// The sheet down to the admittance line (y = 800), values at x = 900 and 1100.
DataSheet rodMatchSheet(const RodMatchTexts& texts);

}  // namespace ondarel
