#include "core/catalogue.h"

#include <cctype>

#include "antennas/arrays/array_calculators.h"
#include "antennas/wire/infinitesimal_dipole.h"

namespace ondarel {

namespace {

const std::string kThisProgram = "Este programa não pode abrir este arquivo";
const std::string kOndarel = "O Ondarel não pode abrir este arquivo";

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

std::string standardSaveFilter(const std::string& openFilter, const std::string& extension)
{
    const std::string head = openFilter.substr(0, openFilter.find('|'));
    return head + "|*." + extension + "|Todos os arquivos [*.*]|*.*";
}

std::vector<CalculatorDescriptor> build()
{
    using S = StatusForm;
    using C = ClosePolicy;
    const std::vector<Row> rows = {
        {"TForm2",
         2,
         "Antena Dipolo Elementar ou Infinitesimal",
         "dip",
         "DipElem1.dip",
         {3, 3},
         S::Bare,
         kThisProgram.c_str(),
         "Projetos de antenas|*.dip|Todos os  arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm4",
         4,
         "Antena Dipolo Filamentar",
         "lin",
         "DipLinear1.lin",
         {3, 3, 5, 3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas dipolo|*.lin|Todos os arquivos|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm10",
         10,
         "Antena Espira Circular ",
         "aec",
         "AntEspCir.aec",
         {3, 3, 5, 3, 3},
         S::Bare,
         kOndarel.c_str(),
         "Antena espira circular|*.aec|Todos os arquivos|*.*",
         nullptr,
         C::Hide,
         false},
        {"TForm8",
         8,
         "Antena Helicoidal - Modo Axial ",
         "mag",
         "AxiGeral1.mag",
         {2, 2, 2, 3},
         S::Bare,
         kThisProgram.c_str(),
         "Projetos de antenas|*.mag|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm12",
         12,
         "Antena Helicoidal - Modo Normal",
         "mng",
         "NorGeral1.mng",
         {2, 2, 2, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de antenas|*.mng|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Hide,
         false},
        {"TForm29",
         29,
         "Antena Yagi-Uda de Espira Circular ",
         "lpc",
         "LoopCir1.lpc",
         {2, 2},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de antenas [*.lpc]|*.lpc|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm14",
         14,
         "Antena Yagi-Uda de Dipolos",
         "yud",
         "YagiUda1.yud",
         {3, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de Antenas|*.yud|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm15",
         15,
         "Antena Log-Periódica ",
         "lgp",
         "LogPer1.lgp",
         {3, 3, 3, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de antenas|*.lgp|Todos os arquivos|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm5",
         5,
         "Arranjo de Antenas - Broadside",
         "abd",
         "ArBroad1.abd",
         {2, 3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.abd|Todos os arquivos [*.*]|*.*",
         "Projetos de antenas|*.abd|Todos os arquivos [*.*]|*.*",
         C::Free,
         false},
        {"TForm7",
         7,
         "Arranjo de Antenas - End-Fire",
         "aef",
         "ArEndFile1.aef",
         {3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de antenas|*.aef|Todos os arquivos|*.*",
         "Projetos de antenas|*.aef|Todos os arquivos [*.*]|*.*",
         C::Free,
         false},
        {"TForm37",
         37,
         "Arranjo de Antenas - Hansen-Woodyard",
         "ahw",
         "ArHanWood1.ahw",
         {3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Arranjo de antenas Hansen|*.ahw|Todos os arquivos|*.*",
         "Projetos de antenas|*.ahw|Todos os arquivos [*.*]|*.*",
         C::Free,
         false},
        {"TForm11",
         11,
         "Arranjo de Antenas - Phased (Scanning)",
         "aph",
         "ArPhased1.aph",
         {3, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Projetos de antenas|*.aph|Todos os arquivos|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm6",
         6,
         "Arranjo de Antenas Planar",
         "apl",
         "ARPlan.apl",
         {2, 2, 2, 2},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.apl|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Hide,
         true},
        {"TForm13",
         13,
         "Antena de abertura retangular - Distribuição uniforme",
         "aru",
         "AbretUni.aru",
         {3, 3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.aru|Todos os arquivos|*.*",
         nullptr,
         C::Hide,
         false},
        {"TForm27",
         27,
         "Antena de abertura retangular - Distribuição modo TE10",
         "art",
         "AbrTE10.art",
         {3, 3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.art|Todos os arquivos|*.*",
         nullptr,
         C::Hide,
         true},
        {"TForm26",
         26,
         "Antena de abertura circular - Distribuição uniforme",
         "acu",
         "AbCirUni.acu",
         {3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.acu|Todos os arquivos|*.*",
         nullptr,
         C::Hide,
         true},
        {"TForm30",
         30,
         "Antena de abertura circular - Distribuição modo TE11",
         "act",
         "AbCirTE.act",
         {3},
         S::Bare,
         kOndarel.c_str(),
         "Projetos de antenas|*.act|Todos os arquivos|*.*",
         nullptr,
         C::Hide,
         true},
        {"TForm16",
         16,
         "Antena de Microfita Retangular",
         "mcr",
         "MicRet1.mcr",
         {3, 3, 3, 3, 3, 3, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Arquivos do Ondarel|*.mcr|Todos os arquivos|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm17",
         17,
         "Antena de Microfita Circular ",
         "mcc",
         "MicCir1.mcc",
         {3, 3, 3, 3, 3, 3, 3},
         S::Bracketed,
         kOndarel.c_str(),
         "Arquivos do Ondarel [*.mcc]|*.mcc|Todos os arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm18",
         18,
         "Arranjo de Antenas de Microfita Retangular ",
         "mar",
         "ArMicRet1.mar",
         {3, 3, 3, 3, 3, 3, 3, 3, 3},
         S::Bare,
         kOndarel.c_str(),
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
         kOndarel.c_str(),
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
         kOndarel.c_str(),
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
         kOndarel.c_str(),
         "Arquivos do Ondarel [*.mal]|*.mal|Todos os arquvos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm31",
         31,
         "Casador T",
         "ctm",
         "CasadorT.Ctm",
         {3, 3, 3, 6, 6, 6, 6},
         S::Bare,
         kThisProgram.c_str(),
         "Arquivos do Casador T-Match [*.ctm]|*.ctm|Todos os Arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         true},
        {"TForm33",
         33,
         "Casador Gamma",
         "csg",
         "Casgamma.CsG",
         {3, 3, 3, 6, 6, 6, 6},
         S::Bare,
         kThisProgram.c_str(),
         "Arquivos do Casador Gamma [*.csg]|*.csg|Todos os Arquivos [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm34",
         34,
         "Dipolo Dobrado",
         "dpd",
         "DipDob1.dpd",
         {3, 3, 3, 6, 6, 6},
         S::Bare,
         kThisProgram.c_str(),
         "Arquivos do Dipolo Dobrado [*.dpd]|*.dpd|Todos os Arquivo [*.*]|*.*",
         nullptr,
         C::Free,
         false},
        {"TForm36",
         36,
         "Circuito de acoplamento em L",
         "acl",
         "AcoplaL.AcL",
         {3, 3, 3, 3},
         S::Bare,
         kThisProgram.c_str(),
         "Arquivos do Circuito em L [*.acl]|*.acl|Todos os arquivos (*.*)|*.*",
         nullptr,
         C::Free,
         false},
    };

    std::vector<CalculatorDescriptor> all;
    all.reserve(rows.size());
    for (const Row& row : rows) {
        CalculatorDescriptor d;
        d.windowClass = row.windowClass;
        d.code = row.code;
        d.title = row.title;
        d.closePolicy = row.close;
        d.file.extension = row.extension;
        d.file.defaultName = row.defaultName;
        d.file.openFilter = row.openFilter;
        d.file.saveFilter =
            row.saveFilter ? std::string(row.saveFilter) : standardSaveFilter(row.openFilter, row.extension);
        d.file.decimals = row.decimals;
        d.file.statusAfterOpen = row.status;
        d.file.captionOnSaveAs = row.captionOnSaveAs;
        d.file.refusal = row.refusal;
        all.push_back(std::move(d));
    }

    for (CalculatorDescriptor& d : all) {
        if (d.windowClass == "TForm2") describeInfinitesimalDipole(d);
        describeArrayCalculator(d);
    }
    return all;
}

}  // namespace

const std::vector<CalculatorDescriptor>& catalogue()
{
    static const std::vector<CalculatorDescriptor> all = build();
    return all;
}

const CalculatorDescriptor* findByWindowClass(std::string_view windowClass)
{
    for (const auto& d : catalogue())
        if (d.windowClass == windowClass) return &d;
    return nullptr;
}

const CalculatorDescriptor* findByExtension(std::string_view extension)
{
    for (const auto& d : catalogue()) {
        if (d.file.extension.size() != extension.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < extension.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(extension[i])) == d.file.extension[i];
        if (same) return &d;
    }
    return nullptr;
}

const CalculatorDescriptor* findByCode(int code)
{
    for (const auto& d : catalogue())
        if (d.code == code) return &d;
    return nullptr;
}

}  // namespace ondarel
