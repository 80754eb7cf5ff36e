#include "cli/pattern_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/catalogue.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "plots/pure/array_patterns.h"
#include "plots/pure/rectangular_levels.h"
#include "plots/pure/wire_patterns.h"

namespace ondarel::cli {

namespace {

// What the user gave on the command line, and the calculator's own results
// for any result field a pattern reads: the texts its window would hold
// after "&Calcular".
class FieldTexts {
public:
    FieldTexts(const CalculatorDescriptor& d, std::map<std::string, std::string> given)
        : d_(d), given_(std::move(given))
    {
    }

    std::string operator()(std::string_view field)
    {
        const std::string name(field);
        if (const auto it = given_.find(name); it != given_.end()) return it->second;
        if (d_.inputIndex(name) >= 0 || !d_.implemented()) return "";
        if (!computed_) compute();
        const auto it = results_.find(name);
        return it == results_.end() ? "" : it->second;
    }

private:
    void compute()
    {
        computed_ = true;
        std::vector<long double> values;
        for (const auto& input : d_.inputs) values.push_back(fieldValue((*this)(input.name)));
        const Outcome outcome = d_.compute(values);
        if (outcome.refusal) throw Refused{*outcome.refusal};
        for (const auto& [name, text] : outcome.results) results_[name] = text;
    }

    const CalculatorDescriptor& d_;
    std::map<std::string, std::string> given_;
    std::map<std::string, std::string> results_;
    bool computed_ = false;

public:
    struct Refused {
        std::string message;
    };
};

struct PatternData {
    const char* firstName;
    const char* secondName;
    PatternTable first{};
    PatternTable second{};
    std::vector<ChartPoint> chart;
};

// A calculator whose diagrams a pattern window draws: the fields it may be
// given (inputs, and the results the pattern reads) and how the window
// builds its tables from the calculator's field texts.
struct PatternSource {
    std::string_view extension;
    int code;
    std::vector<std::string_view> readFields;  // beyond the calculator's inputs
    PatternData (*build)(int code, FieldTexts& fields);
};

PatternData wirePattern(int code, FieldTexts& fields)
{
    WirePatternValues v;
    switch (code) {
        case 8:
            v.frequency_mhz = fieldValue(fields("input1"));
            v.spacing_m = fieldValue(fields("output1"));
            v.turns = fieldValue(fields("output7"));
            break;
        case 10:
            v.frequency_mhz = fieldValue(fields("input1"));
            v.loop_radius_norm = fieldValue(fields("input2"));
            break;
        case 12: v.normal_mode_nl = fieldValue(fields("input4")); break;
        default: break;
    }
    PatternData data{"E-plane", "H-plane"};
    const WirePolarTables tables = *wirePolarTables(code, v);
    data.first = tables.e;
    data.second = tables.h;
    data.chart = rectangularPoints([&] { return *wireFieldTable(code, v); });
    return data;
}

// The array window's chart adds (k, L(k)) then (−k, L(k)).
PatternData arrayPattern(int code, FieldTexts& fields)
{
    const ArrayPatternValues v = readArrayPatternValues(code, [&](std::string_view f) { return fields(f); });
    PatternData data{"left", "right"};
    const ArrayPolarTables tables = *arrayPolarTables(code, v);
    data.first = tables.left;
    data.second = tables.right;
    const ArrayChartLevels levels = *arrayChartLevels(code, v);
    for (int k = 1; k <= 180; ++k) {
        data.chart.push_back({k, levels[static_cast<std::size_t>(k)]});
        data.chart.push_back({-k, levels[static_cast<std::size_t>(k)]});
    }
    return data;
}

const std::vector<PatternSource>& patternSources()
{
    static const std::vector<PatternSource> sources = {
        {"dip", 2, {}, wirePattern},
        {"mag", 8, {"input1", "output1", "output7"}, wirePattern},
        {"aec", 10, {"input1", "input2"}, wirePattern},
        {"mng", 12, {"input4"}, wirePattern},
        {"abd", 5, {}, arrayPattern},
        {"aef", 7, {}, arrayPattern},
        {"ahw", 37, {}, arrayPattern},
        {"aph", 11, {"output2"}, arrayPattern},
        {"apl", 6, {}, arrayPattern},
    };
    return sources;
}

const PatternSource* sourceFor(const std::string& extension)
{
    const CalculatorDescriptor* d = findByExtension(extension);
    if (!d) return nullptr;
    for (const auto& source : patternSources())
        if (source.extension == d->file.extension) return &source;
    return nullptr;
}

std::optional<std::map<std::string, std::string>> givenTexts(const CalculatorDescriptor& d, const PatternSource& source,
                                                             const std::vector<std::string>& assignments,
                                                             std::ostream& err)
{
    std::map<std::string, std::string> given;
    for (const std::string& a : assignments) {
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const bool readable = d.inputIndex(name) >= 0 || std::find(source.readFields.begin(), source.readFields.end(),
                                                                   name) != source.readFields.end();
        if (eq == std::string::npos || !readable) {
            err << "unknown input '" << name << "' for " << d.file.extension << "\n";
            return std::nullopt;
        }
        const std::string text = a.substr(eq + 1);
        if (!text.empty() && !parseNumber(text)) {
            err << "Valor inválido !\n";
            return std::nullopt;
        }
        given[name] = text;
    }
    return given;
}

// 15 significant digits: enough to tell every 6-byte real apart.
std::string number(long double v)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", v);
    return buffer;
}

void printCsv(std::ostream& out, const PatternData& p)
{
    auto table = [&](const char* heading, const PatternTable& t) {
        out << "# " << heading << "\nangle,value\n";
        for (int k = 1; k <= 360; ++k) out << k << "," << number(t[k]) << "\n";
    };
    table(p.firstName, p.first);
    table(p.secondName, p.second);
    out << "# rectangular\nangle,value\n";
    for (const ChartPoint& point : p.chart) out << point.angle_deg << "," << number(point.level_db) << "\n";
}

void printJson(std::ostream& out, const std::string& extension, int code, const PatternData& p)
{
    auto table = [&](const PatternTable& t) {
        out << "[";
        for (int k = 1; k <= 360; ++k) out << (k > 1 ? ", " : "") << "[" << k << ", " << number(t[k]) << "]";
        out << "]";
    };
    auto key = [](std::string name) {
        std::replace(name.begin(), name.end(), '-', '_');
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return jsonQuoted(name);
    };
    out << "{\"extension\": " << jsonQuoted(extension) << ", \"code\": " << code << ", " << key(p.firstName) << ": ";
    table(p.first);
    out << ", " << key(p.secondName) << ": ";
    table(p.second);
    out << ", \"rectangular\": [";
    for (std::size_t i = 0; i < p.chart.size(); ++i)
        out << (i ? ", " : "") << "[" << p.chart[i].angle_deg << ", " << number(p.chart[i].level_db) << "]";
    out << "]}\n";
}

void printMessage(std::ostream& out, bool json, const char* key, const std::string& message)
{
    if (json)
        out << "{" << jsonQuoted(key) << ": " << jsonQuoted(message) << "}\n";
    else
        out << message << "\n";
}

}  // namespace

int runPattern(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) {
        err << "usage: ondarel-calc [--json] pattern <ext> name=value ...\n";
        return kUsage;
    }
    const PatternSource* source = sourceFor(args[1]);
    const CalculatorDescriptor* d = source ? findByExtension(source->extension) : nullptr;
    if (!source || !d) {
        err << "no pattern for '" << args[1] << "'\n";
        return kUsage;
    }
    auto given = givenTexts(*d, *source, {args.begin() + 2, args.end()}, err);
    if (!given) return kUsage;
    try {
        FieldTexts fields(*d, std::move(*given));
        const PatternData data = source->build(source->code, fields);
        if (json)
            printJson(out, d->file.extension, source->code, data);
        else
            printCsv(out, data);
        return kComputed;
    } catch (const FieldTexts::Refused& refused) {
        printMessage(out, json, "refusal", refused.message);
        return kRefused;
    } catch (...) {
        printMessage(out, json, "fault", messageForCurrentException());
        return kFault;
    }
}

}  // namespace ondarel::cli
