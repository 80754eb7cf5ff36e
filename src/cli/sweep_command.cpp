#include <cmath>
#include <cstdio>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/nec_command.h"
#include "core/fault.h"
#include "core/number_text.h"

namespace ondarel::cli {

namespace {

// More steps than anyone reads; a mistyped step must not hang the tool.
constexpr long kMaxSweepRows = 1000000;

struct Range {
    std::string name;
    std::vector<std::string> texts;  // each step's value as typed
};

std::string stepText(long double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.12Lg", v);
    return text;
}

// name=start:stop:step as its values; a usage message otherwise.
std::optional<Range> rangeOf(const std::string& assignment, std::string& why)
{
    const auto eq = assignment.find('=');
    const std::string spec = assignment.substr(eq + 1);
    const auto c1 = spec.find(':');
    const auto c2 = spec.find(':', c1 + 1);
    const auto start = parseNumber(spec.substr(0, c1));
    const auto stop = c2 == std::string::npos ? std::nullopt : parseNumber(spec.substr(c1 + 1, c2 - c1 - 1));
    const auto step = c2 == std::string::npos ? std::nullopt : parseNumber(spec.substr(c2 + 1));
    if (!start || !stop || !step || *step == 0 || (*stop - *start) / *step < 0) {
        why = "bad range '" + assignment + "': start:stop:step with a step towards stop";
        return std::nullopt;
    }
    const long double count = std::floor((*stop - *start) / *step * (1 + 1e-12L) + 1e-9L) + 1;
    if (!(count <= kMaxSweepRows)) {
        why = "range '" + assignment + "' has too many steps";
        return std::nullopt;
    }
    Range r{assignment.substr(0, eq), {}};
    for (long i = 0; i < static_cast<long>(count); ++i) r.texts.push_back(stepText(*start + i * *step));
    return r;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void printRow(std::ostream& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "," : "") << csvField(fields[i]);
    out << "\n";
}

}  // namespace

int runSweep(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 3) return usage(err);
    const CalculatorDescriptor* d = implementedByExtension(args[1]);
    if (!d) return usage(err, "no calculator for '" + args[1] + "'");
    std::vector<Range> ranges;
    std::vector<std::string> fixed;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const auto eq = args[i].find('=');
        if (eq == std::string::npos || args[i].find(':', eq) == std::string::npos) {
            fixed.push_back(args[i]);
            continue;
        }
        std::string why;
        auto range = rangeOf(args[i], why);
        if (!range) return usage(err, why);
        if (d->inputIndex(range->name) < 0) return usage(err, "unknown input '" + range->name + "' for " + args[1]);
        ranges.push_back(*range);
    }
    if (ranges.empty() || ranges.size() > 2) return usage(err, "sweep needs one or two ranges");
    const std::size_t inner = ranges.size() == 2 ? ranges[1].texts.size() : 1;
    if (static_cast<long double>(ranges[0].texts.size()) * inner > kMaxSweepRows)
        return usage(err, "the grid has too many steps");
    // The fixed inputs are checked once, before the first row.
    if (!inputTexts(*d, fixed, err)) return kUsage;

    std::vector<std::string> header;
    for (const auto& input : d->inputs) header.push_back(input.name);
    std::vector<std::string> resultFields;
    for (const auto& row : d->results)
        for (const auto& field : row.fields) resultFields.push_back(field);
    header.insert(header.end(), resultFields.begin(), resultFields.end());
    header.push_back("notas");
    header.push_back("mensagem");
    printRow(out, header);

    bool allComputed = true;
    for (std::size_t i = 0; i < ranges[0].texts.size(); ++i) {
        for (std::size_t j = 0; j < inner; ++j) {
            std::vector<std::string> assignments = fixed;
            assignments.push_back(ranges[0].name + "=" + ranges[0].texts[i]);
            if (ranges.size() == 2) assignments.push_back(ranges[1].name + "=" + ranges[1].texts[j]);
            auto texts = inputTexts(*d, assignments, err);
            if (!texts) return kUsage;
            std::vector<std::string> row(texts->begin(), texts->begin() + static_cast<long>(d->inputs.size()));
            Outcome outcome;
            std::string message;
            try {
                outcome = d->compute(computedValues(*d, *texts));
                if (outcome.fault) {
                    try {
                        std::rethrow_exception(outcome.fault);
                    } catch (...) {
                        message = messageForCurrentException();
                    }
                } else if (outcome.refusal) {
                    message = *outcome.refusal;
                }
            } catch (...) {
                message = messageForCurrentException();
            }
            for (const auto& field : resultFields) {
                std::string text;
                for (const auto& [name, value] : outcome.results)
                    if (name == field) text = value;
                for (const auto& [name, items] : outcome.lists)
                    if (name == field)
                        for (std::size_t k = 0; k < items.size(); ++k) text += (k ? ";" : "") + items[k];
                row.push_back(message.empty() ? text : "");
            }
            std::string notes;
            for (std::size_t k = 0; k < outcome.notes.size(); ++k) notes += (k ? " " : "") + outcome.notes[k];
            row.push_back(notes);
            row.push_back(message);
            allComputed = allComputed && message.empty();
            printRow(out, row);
        }
    }
    return allComputed ? kComputed : kRefused;
}

}  // namespace ondarel::cli
