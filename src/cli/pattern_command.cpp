#include "cli/pattern_command.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/catalogue.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "plots/pure/rectangular_levels.h"
#include "plots/pure/wire_patterns.h"

namespace ondarel::cli {

namespace {

// A calculator whose diagrams the wire pattern window draws: its window code
// and the fields the pattern reads, each into one member of the values.
struct FieldRead {
    std::string_view field;
    long double WirePatternValues::*member;
};

struct WirePatternRow {
    std::string_view extension;
    int code;
    std::vector<FieldRead> reads;
};

// The fields are those the pattern window reads from the calculator's
// window; results not given on the command line come from the calculator's
// own computation once it is built. The dipole's pattern is fixed.
const std::vector<WirePatternRow>& wirePatternRows()
{
    using V = WirePatternValues;
    static const std::vector<WirePatternRow> rows = {
        {"dip", 2, {}},
        {"mag", 8, {{"input1", &V::frequency_mhz}, {"output1", &V::spacing_m}, {"output7", &V::turns}}},
        {"aec", 10, {{"input1", &V::frequency_mhz}, {"input2", &V::loop_radius_norm}}},
        {"mng", 12, {{"input4", &V::normal_mode_nl}}},
    };
    return rows;
}

const WirePatternRow* rowFor(const std::string& extension)
{
    const CalculatorDescriptor* d = findByExtension(extension);
    if (!d) return nullptr;
    for (const auto& row : wirePatternRows())
        if (row.extension == d->file.extension) return &row;
    return nullptr;
}

bool readsField(const WirePatternRow& row, const std::string& name)
{
    return std::any_of(row.reads.begin(), row.reads.end(), [&](const FieldRead& r) { return r.field == name; });
}

// The field texts the pattern window would find: the given inputs, and the
// calculator's results for fields read but not given.
struct FieldTexts {
    std::map<std::string, std::string> byName;
    std::optional<std::string> refusal;
};

std::optional<FieldTexts> fieldTexts(const CalculatorDescriptor& d, const WirePatternRow& row,
                                     const std::vector<std::string>& assignments, std::ostream& err)
{
    FieldTexts texts;
    for (const std::string& a : assignments) {
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (eq == std::string::npos || (d.inputIndex(name) < 0 && !readsField(row, name))) {
            err << "unknown input '" << name << "' for " << d.file.extension << "\n";
            return std::nullopt;
        }
        const std::string text = a.substr(eq + 1);
        if (!text.empty() && !parseNumber(text)) {
            err << "Valor inválido !\n";
            return std::nullopt;
        }
        texts.byName[name] = text;
    }
    const bool needsResults = std::any_of(row.reads.begin(), row.reads.end(), [&](const FieldRead& r) {
        return d.inputIndex(std::string(r.field)) < 0 && !texts.byName.count(std::string(r.field));
    });
    if (needsResults && d.implemented()) {
        std::vector<long double> values;
        for (const auto& input : d.inputs) values.push_back(fieldValue(texts.byName[input.name]));
        const Outcome outcome = d.compute(values);
        texts.refusal = outcome.refusal;
        for (const auto& [name, text] : outcome.results) texts.byName.try_emplace(name, text);
    }
    return texts;
}

WirePatternValues patternValues(const WirePatternRow& row, const FieldTexts& texts)
{
    WirePatternValues values;
    for (const FieldRead& r : row.reads) {
        const auto it = texts.byName.find(std::string(r.field));
        values.*r.member = it == texts.byName.end() ? 0 : fieldValue(it->second);
    }
    return values;
}

// 15 significant digits: enough to tell every 6-byte real apart.
std::string number(long double v)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", v);
    return buffer;
}

struct PatternData {
    WirePolarTables polar;
    std::vector<ChartPoint> chart;
};

void printCsv(std::ostream& out, const PatternData& p)
{
    auto table = [&](const char* heading, const PatternTable& t) {
        out << "# " << heading << "\nangle,value\n";
        for (int k = 1; k <= 360; ++k) out << k << "," << number(t[k]) << "\n";
    };
    table("E-plane", p.polar.e);
    table("H-plane", p.polar.h);
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
    out << "{\"extension\": " << jsonQuoted(extension) << ", \"code\": " << code << ", \"e_plane\": ";
    table(p.polar.e);
    out << ", \"h_plane\": ";
    table(p.polar.h);
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
    const WirePatternRow* row = rowFor(args[1]);
    if (!row) {
        err << "no pattern for '" << args[1] << "'\n";
        return kUsage;
    }
    const CalculatorDescriptor& d = *findByExtension(row->extension);
    try {
        const auto texts = fieldTexts(d, *row, {args.begin() + 2, args.end()}, err);
        if (!texts) return kUsage;
        if (texts->refusal) {
            printMessage(out, json, "refusal", *texts->refusal);
            return kRefused;
        }
        const WirePatternValues values = patternValues(*row, *texts);
        PatternData data;
        data.polar = *wirePolarTables(row->code, values);
        data.chart = rectangularPoints([&] { return *wireFieldTable(row->code, values); });
        if (json)
            printJson(out, d.file.extension, row->code, data);
        else
            printCsv(out, data);
        return kComputed;
    } catch (...) {
        printMessage(out, json, "fault", messageForCurrentException());
        return kFault;
    }
}

}  // namespace ondarel::cli
