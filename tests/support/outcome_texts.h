#pragma once
// The result texts of a computation in the order the window writes them.
#include <string>
#include <vector>

#include "core/descriptor.h"

namespace ondarel {

inline std::vector<std::string> texts(const Outcome& o)
{
    std::vector<std::string> t;
    for (const auto& [field, text] : o.results) t.push_back(text);
    return t;
}

}  // namespace ondarel
