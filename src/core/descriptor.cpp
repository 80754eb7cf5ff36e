#include "core/descriptor.h"

namespace ondarel {

int CalculatorDescriptor::inputIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (inputs[i].name == name) return static_cast<int>(i);
    return -1;
}

}  // namespace ondarel
