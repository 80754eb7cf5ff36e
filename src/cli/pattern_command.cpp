#include "cli/pattern_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>

#include "catalogue/catalogue.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/fault.h"
#include "core/number_text.h"

namespace ondarel::cli {

namespace {

// What the user gave on the command line, and the calculator's own results
// for any result field a pattern reads: the texts its window would hold
// after "&Calcular".
class CallerTexts {
public:
    CallerTexts(const CalculatorDescriptor& d, std::map<std::string, std::string> given)
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
        if (d_.choices) {
            // The radio button given a non-zero value is the checked one; the first otherwise.
            std::size_t checked = 0;
            for (std::size_t i = 0; i < d_.choices->buttons.size(); ++i)
                if (const auto it = given_.find(d_.choices->buttons[i].name); it != given_.end())
                    if (fieldValue(it->second) != 0) checked = i;
            const auto chosen = d_.choices->values(checked);
            values.insert(values.end(), chosen.begin(), chosen.end());
        }
        const Outcome outcome = d_.compute(values);
        if (outcome.fault) std::rethrow_exception(outcome.fault);
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
    std::string firstName;
    std::string secondName;
    PatternTable first{};
    PatternTable second{};
    std::vector<ChartPoint> chart;
    std::vector<std::vector<CurvePoint>> curves;  // one per curve chart of the source
    std::vector<std::string> refusals;            // per curve chart: why it has no curve, or ""
};

const PatternSource* sourceOf(const CalculatorDescriptor* d)
{
    if (!d || !d->pattern) return nullptr;
    const PatternSource& source = d->pattern->source;
    if (!source.polarTables && source.curveCharts.empty()) return nullptr;
    return &d->pattern->source;
}

std::optional<std::map<std::string, std::string>> givenTexts(const CalculatorDescriptor& d, const PatternSource& source,
                                                             const std::vector<std::string>& assignments,
                                                             std::ostream& err)
{
    std::map<std::string, std::string> given;
    for (const std::string& a : assignments) {
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const bool choice = d.choices && d.choices->indexOf(name) >= 0;
        const bool readable =
            d.inputIndex(name) >= 0 || choice ||
            std::find(source.fieldsRead.begin(), source.fieldsRead.end(), name) != source.fieldsRead.end();
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
    auto table = [&](const std::string& heading, const PatternTable& t) {
        out << "# " << heading << "\nangle,value\n";
        for (int k = 1; k <= 360; ++k) out << k << "," << number(t[k]) << "\n";
    };
    table(p.firstName, p.first);
    table(p.secondName, p.second);
    out << "# rectangular\nangle,value\n";
    for (const ChartPoint& point : p.chart) out << point.angle_deg << "," << number(point.level_db) << "\n";
}

// Each curve chart as a table: x, then one column per series.
void printCurvesCsv(std::ostream& out, const PatternSource& source, const PatternData& p)
{
    for (std::size_t c = 0; c < p.curves.size(); ++c) {
        const CurveChart& chart = source.curveCharts[c];
        if (!p.refusals[c].empty()) {
            out << "# " << chart.name << "\n" << p.refusals[c] << "\n";
            continue;
        }
        out << "# " << chart.name << "\nx";
        for (const std::string& series : chart.seriesNames) out << "," << series;
        out << "\n";
        for (const CurvePoint& point : p.curves[c]) {
            out << number(point.x);
            for (long double y : point.y) out << "," << number(y);
            out << "\n";
        }
    }
}

void printCurvesJson(std::ostream& out, const PatternSource& source, const PatternData& p)
{
    for (std::size_t c = 0; c < p.curves.size(); ++c) {
        const CurveChart& chart = source.curveCharts[c];
        if (!p.refusals[c].empty()) {
            out << ", " << jsonQuoted(chart.name) << ": {\"refusal\": " << jsonQuoted(p.refusals[c]) << "}";
            continue;
        }
        out << ", " << jsonQuoted(chart.name) << ": {\"series\": [";
        for (std::size_t s = 0; s < chart.seriesNames.size(); ++s)
            out << (s ? ", " : "") << jsonQuoted(chart.seriesNames[s]);
        out << "], \"points\": [";
        for (std::size_t i = 0; i < p.curves[c].size(); ++i) {
            out << (i ? ", " : "") << "[" << number(p.curves[c][i].x);
            for (long double y : p.curves[c][i].y) out << ", " << number(y);
            out << "]";
        }
        out << "]}";
    }
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
    out << "]";
}

void printMessage(std::ostream& out, bool json, const char* key, const std::string& message)
{
    if (json)
        out << "{" << jsonQuoted(key) << ": " << jsonQuoted(message) << "}\n";
    else
        out << message << "\n";
}

// A calculator whose diagrams are curve charts only (the element-count
// charts): each chart's check first, then its points.
int printCurvesOnly(const CalculatorDescriptor& d, const PatternSource& source, const FieldTexts& read, bool json,
                    std::ostream& out)
{
    PatternData data;
    for (const CurveChart& chart : source.curveCharts) {
        if (chart.refusal)
            if (const auto message = chart.refusal(read)) {
                printMessage(out, json, "refusal", *message);
                return kRefused;
            }
        data.refusals.push_back("");
        data.curves.push_back(chart.points(read));
    }
    if (json) {
        out << "{\"extension\": " << jsonQuoted(d.file.extension) << ", \"code\": " << d.code;
        printCurvesJson(out, source, data);
        out << "}\n";
    } else {
        printCurvesCsv(out, source, data);
    }
    return kComputed;
}

}  // namespace

int withPatternFields(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err,
                      const PatternUse& use)
{
    const CalculatorDescriptor* d = findByExtension(args[0]);
    const PatternSource* source = sourceOf(d);
    if (!source) {
        err << "no pattern for '" << args[0] << "'\n";
        return kUsage;
    }
    auto given = givenTexts(*d, *source, {args.begin() + 1, args.end()}, err);
    if (!given) return kUsage;
    try {
        CallerTexts fields(*d, std::move(*given));
        const FieldTexts read = [&fields](std::string_view field) { return fields(field); };
        return use(*d, *source, read);
    } catch (const CallerTexts::Refused& refused) {
        printMessage(out, json, "refusal", refused.message);
        return kRefused;
    } catch (...) {
        printMessage(out, json, "fault", messageForCurrentException());
        return kFault;
    }
}

int runPattern(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) {
        err << "usage: ondarel-calc [--json] pattern <ext> name=value ...\n";
        return kUsage;
    }
    return withPatternFields({args.begin() + 1, args.end()}, json, out, err,
                             [&](const CalculatorDescriptor& d, const PatternSource& source, const FieldTexts& read) {
                                 if (!source.polarTables) return printCurvesOnly(d, source, read, json, out);
                                 const PolarTables tables = source.polarTables(read);
                                 PatternData data{
                                     source.tableNames[0], source.tableNames[1], tables.left, tables.right, {}, {}, {}};
                                 if (source.chartPoints) data.chart = source.chartPoints(read);
                                 for (const CurveChart& chart : source.curveCharts) {
                                     const auto refusal = chart.refusal ? chart.refusal(read) : std::nullopt;
                                     data.refusals.push_back(refusal.value_or(""));
                                     data.curves.push_back(refusal ? std::vector<CurvePoint>{} : chart.points(read));
                                 }
                                 if (json) {
                                     printJson(out, d.file.extension, d.code, data);
                                     printCurvesJson(out, source, data);
                                     out << "}\n";
                                 } else {
                                     printCsv(out, data);
                                     printCurvesCsv(out, source, data);
                                 }
                                 return int(kComputed);
                             });
}

}  // namespace ondarel::cli
