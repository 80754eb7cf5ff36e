#include "catalogue/unbuilt_calculators.h"

#include <stdexcept>

namespace ondarel {

namespace {

struct Row {
    const char* windowClass;
    int code;
    const char* title;
    const char* extension;
    const char* defaultName;
    std::vector<int> decimals;
    StatusForm status;
    const char* refusal;
    const char* openFilter;
    const char* saveFilter;  // nullptr: the open filter's form with "[*.*]"
    ClosePolicy close;
    bool captionOnSaveAs;
};

const std::vector<Row>& rows()
{
    // Every calculator of the catalogue is built.
    static const std::vector<Row> all = {};
    return all;
}

}  // namespace

CalculatorDescriptor unbuiltCalculator(std::string_view windowClass)
{
    for (const Row& row : rows()) {
        if (windowClass != row.windowClass) continue;
        CalculatorDescriptor d;
        d.windowClass = row.windowClass;
        d.code = row.code;
        d.title = row.title;
        d.closePolicy = row.close;
        d.file = projectFile(row.extension, row.defaultName, row.decimals, row.status, row.refusal, row.openFilter,
                             row.saveFilter ? row.saveFilter : "", row.captionOnSaveAs);
        return d;
    }
    throw std::logic_error("no catalogue row for " + std::string(windowClass));
}

}  // namespace ondarel
