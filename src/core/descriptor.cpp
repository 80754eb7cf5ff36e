#include "core/descriptor.h"

#include "core/number_text.h"

namespace ondarel {

ProjectFileSpec projectFile(std::string extension, std::string defaultName, std::vector<int> decimals,
                            StatusForm status, std::string refusal, std::string openFilter, std::string saveFilter,
                            bool captionOnSaveAs)
{
    ProjectFileSpec f;
    if (saveFilter.empty())
        saveFilter = openFilter.substr(0, openFilter.find('|')) + "|*." + extension + "|Todos os arquivos [*.*]|*.*";
    f.extension = std::move(extension);
    f.defaultName = std::move(defaultName);
    f.openFilter = std::move(openFilter);
    f.saveFilter = std::move(saveFilter);
    f.decimals = std::move(decimals);
    f.statusAfterOpen = status;
    f.captionOnSaveAs = captionOnSaveAs;
    f.refusal = std::move(refusal);
    return f;
}

int CalculatorDescriptor::inputIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (inputs[i].name == name) return static_cast<int>(i);
    return -1;
}

long double CalculatorDescriptor::computedValue(std::size_t index, std::string_view text) const
{
    if (index < inputs.size() && inputs[index].leadingDigits) return leadingDigitsValue(text);
    return fieldValue(text);
}

}  // namespace ondarel
