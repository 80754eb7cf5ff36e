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
    using S = StatusForm;
    using C = ClosePolicy;
    const char* kOndarel = kRefusalOndarel;
    static const std::vector<Row> all = {
        {"TForm18",
         18,
         "Arranjo de Antenas de Microfita Retangular ",
         "mar",
         "ArMicRet1.mar",
         {3, 3, 3, 3, 3, 3, 3, 3, 3},
         S::Bare,
         kOndarel,
         "Arquivos do Ondarel [*.mar]|*.mar",
         nullptr,
         C::Free,
         false},
        {"TForm21",
         21,
         "Arranjo de Antenas de Microfita Circular ",
         "mac",
         "ArMicCir1.mac",
         {3, 3, 3, 3, 3, 3, 3, 3, 3},
         S::Bare,
         kOndarel,
         "Arquivos do Ondarel [*.mac]|*.mac|Todos os arquivos|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm20",
         20,
         "Antena de Microfita Yagi - Uda ",
         "may",
         "ArMicYagUd1.may",
         {2, 2, 2, 4, 2},
         S::Bracketed,
         kOndarel,
         "Arquivos do Ondarel [*.may]|*.may|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm19",
         19,
         "Antena de Microfita Log-Periódica ",
         "mal",
         "ArMicLogPer1.mal",
         {2, 4, 4, 2, 4, 2, 2},
         S::Bracketed,
         kOndarel,
         "Arquivos do Ondarel [*.mal]|*.mal|Todos os arquvos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
    };
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
