#include "cli/commands.h"

#include <map>
#include <optional>

#include "catalogue/catalogue.h"
#include "cli/command_support.h"
#include "cli/json_writer.h"
#include "cli/nec_command.h"
#include "cli/pattern_command.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "core/project_file.h"

namespace ondarel::cli {

namespace {

const char* kUsageText =
    "usage: ondarel-calc [--json] list\n"
    "       ondarel-calc [--json] run <ext> name=value ...\n"
    "       ondarel-calc [--json] open <file>\n"
    "       ondarel-calc [--json] save <file> name=value ...\n"
    "       ondarel-calc pattern <ext> name=value ...\n"
    "       ondarel-calc nec <ext> name=value ... [--segments N]\n"
    "       ondarel-calc sweep <ext> name=start:stop:step [name=start:stop:step] other=value ...\n"
    "       ondarel-calc render3d <ext> name=value ... --out file.png [--rot x,y,z] [--scale s] [--res r]\n";

// --help: what help2man turns into the manual page, so keep its headings.
const char* kHelpIntro =
    "Computes Ondarel's antenna and matching-structure calculators from the command line,\n"
    "with the same checks, results and project files as the desktop program.\n";
const char* kHelpBody =
    "\nCommands:\n"
    "  list                  every calculator: project-file extension, window class, title\n"
    "                        and the names of its input fields\n"
    "  run <ext> name=value  computes the calculator whose project files end in .<ext>;\n"
    "                        inputs by field name (a radio button by its name, Strip=1);\n"
    "                        prints one name=text line per result as the window shows it\n"
    "  open <file>           reads a project file, shows its inputs and recomputes\n"
    "  save <file> name=value\n"
    "                        writes a project file (the extension names the calculator)\n"
    "  pattern <ext> name=value\n"
    "                        prints every table and series the calculator's diagrams draw (CSV)\n"
    "  nec <ext> name=value [--segments N]\n"
    "                        writes the NEC2 card deck of a wire design (dip, lin, aec, mag,\n"
    "                        mng, yud, lpc, lgp, dpd) for a method-of-moments solver\n"
    "  sweep <ext> name=start:stop:step other=value\n"
    "                        computes over a range (two ranges make a grid) and prints CSV:\n"
    "                        the inputs and every result as displayed, refusals as messages\n"
    "  render3d <ext> name=value --out file.png\n"
    "                        draws the shaded 3D pattern into a PNG picture\n"
    "\nOptions:\n"
    "  --json                machine-readable output\n"
    "  -h, --help            this text\n"
    "  --version             the program's version\n"
    "\nExit status:\n"
    "  0 computed, 1 refused by a check (its message is printed), 2 usage error,\n"
    "  3 fault (the error handler's message is printed).\n"
    "\nExamples:\n"
    "  ondarel-calc run dip input1=100 input2=0.01\n"
    "  ondarel-calc save proj.dip input1=100 input2=0.015\n"
    "  ondarel-calc open proj.dip\n"
    "  ondarel-calc pattern dip > dipole.csv\n"
    "  ondarel-calc nec lin input1=300 input2=0.5 input3=0.001 input4=5.8e7 > dipole.nec && nec2c -i dipole.nec\n"
    "  ondarel-calc sweep lin input1=300 input2=0.25:1.5:0.05 input3=0.001 input4=5.8e7 > sweep.csv\n"
    "  ondarel-calc render3d abd input2=10 input3=0.25 --out broadside.png --rot 60,0,40\n";
const char* kVersionText = "ondarel-calc 3.0\n";

// The usage lines as --help shows them: "Usage:" and "or:", the synopsis
// form help2man recognises.
std::string helpUsage()
{
    std::string text = kUsageText;
    text.replace(0, std::string("usage:").size(), "Usage:");
    for (std::size_t at = 0; (at = text.find("\n       ondarel-calc", at)) != std::string::npos; at += 5)
        text.replace(at, 8, "\n   or: ");
    return text;
}

using Texts = std::vector<std::pair<std::string, std::string>>;

}  // namespace

int usage(std::ostream& err, const std::string& why)
{
    if (!why.empty()) err << why << "\n";
    err << kUsageText;
    return kUsage;
}

namespace {

std::string extensionOf(const std::string& path)
{
    const std::string name = bareFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

// The radio buttons' texts after the inputs' ("1" for the checked one).
void appendChoiceTexts(const CalculatorDescriptor& d, std::size_t checked, std::vector<std::string>& texts)
{
    if (!d.choices) return;
    for (long double v : d.choices->values(checked)) texts.push_back(v != 0 ? "1" : "0");
}

}  // namespace

std::optional<std::vector<std::string>> inputTexts(const CalculatorDescriptor& d,
                                                   const std::vector<std::string>& assignments, std::ostream& err)
{
    std::vector<std::string> texts(d.inputs.size());
    std::size_t checked = 0;
    for (const std::string& a : assignments) {
        const auto eq = a.find('=');
        const int index = eq == std::string::npos ? -1 : d.inputIndex(a.substr(0, eq));
        const int choice = eq == std::string::npos || !d.choices ? -1 : d.choices->indexOf(a.substr(0, eq));
        if (choice >= 0) {
            const auto on = parseNumber(a.substr(eq + 1));
            if (!on) {
                err << "Valor inválido !\n";
                return std::nullopt;
            }
            if (*on != 0) checked = static_cast<std::size_t>(choice);
            continue;
        }
        if (index < 0) {
            err << "unknown input '" << a.substr(0, eq) << "' for " << d.file.extension << "\n";
            return std::nullopt;
        }
        const std::string text = a.substr(eq + 1);
        if (!text.empty() && !parseNumber(text)) {
            err << "Valor inválido !\n";
            return std::nullopt;
        }
        texts[static_cast<std::size_t>(index)] = text;
    }
    appendChoiceTexts(d, checked, texts);
    return texts;
}

std::vector<long double> computedValues(const CalculatorDescriptor& d, const std::vector<std::string>& texts)
{
    std::vector<long double> values;
    for (std::size_t i = 0; i < texts.size(); ++i) values.push_back(d.computedValue(i, texts[i]));
    return values;
}

std::vector<long double> valuesOf(const std::vector<std::string>& texts)
{
    std::vector<long double> values;
    for (const auto& t : texts) values.push_back(fieldValue(t));
    return values;
}

namespace {

void print(std::ostream& out, bool json, const Texts& inputs, const Outcome* outcome, const std::string* fault)
{
    if (!json) {
        for (const auto& [name, text] : inputs) out << name << "=" << text << "\n";
        if (outcome)
            for (const auto& note : outcome->notes) out << note << "\n";
        if (fault) out << *fault << "\n";
        if (outcome) {
            if (outcome->refusal) out << *outcome->refusal << "\n";
            for (const auto& [name, text] : outcome->results) out << name << "=" << text << "\n";
            for (const auto& [name, items] : outcome->lists) {
                out << name << "=";
                for (std::size_t i = 0; i < items.size(); ++i) out << (i ? ";" : "") << items[i];
                out << "\n";
            }
        }
        return;
    }
    auto object = [](const Texts& texts) {
        std::string s = "{";
        for (std::size_t i = 0; i < texts.size(); ++i)
            s += (i ? ", " : "") + jsonQuoted(texts[i].first) + ": " + jsonQuoted(texts[i].second);
        return s + "}";
    };
    out << "{";
    std::string sep;
    if (!inputs.empty()) out << "\"inputs\": " << object(inputs), sep = ", ";
    if (fault) out << sep << "\"fault\": " << jsonQuoted(*fault), sep = ", ";
    if (outcome) {
        out << sep << "\"notes\": [";
        for (std::size_t i = 0; i < outcome->notes.size(); ++i) out << (i ? ", " : "") << jsonQuoted(outcome->notes[i]);
        out << "]";
        if (outcome->refusal) out << ", \"refusal\": " << jsonQuoted(*outcome->refusal);
        if (!fault) out << ", \"results\": " << object(outcome->results);
        if (!fault && !outcome->lists.empty()) {
            out << ", \"lists\": {";
            for (std::size_t l = 0; l < outcome->lists.size(); ++l) {
                const auto& [name, items] = outcome->lists[l];
                out << (l ? ", " : "") << jsonQuoted(name) << ": [";
                for (std::size_t i = 0; i < items.size(); ++i) out << (i ? ", " : "") << jsonQuoted(items[i]);
                out << "]";
            }
            out << "}";
        }
    }
    out << "}\n";
}

// Computes and prints; the exit status says how it went.
int computeAndPrint(const CalculatorDescriptor& d, const std::vector<std::string>& texts, const Texts& shownInputs,
                    bool json, std::ostream& out)
{
    try {
        const Outcome outcome = d.compute(computedValues(d, texts));
        if (outcome.fault) {
            // The notes given before the fault, then the fault's report.
            std::string message;
            try {
                std::rethrow_exception(outcome.fault);
            } catch (...) {
                message = messageForCurrentException();
            }
            print(out, json, shownInputs, &outcome, &message);
            return kFault;
        }
        print(out, json, shownInputs, &outcome, nullptr);
        return outcome.refusal ? kRefused : kComputed;
    } catch (...) {
        const std::string message = messageForCurrentException();
        print(out, json, shownInputs, nullptr, &message);
        return kFault;
    }
}

}  // namespace

const CalculatorDescriptor* implementedByExtension(const std::string& ext)
{
    const CalculatorDescriptor* d = findByExtension(ext);
    return d && d->implemented() ? d : nullptr;
}

namespace {

int list(std::ostream& out, bool json)
{
    if (json) out << "[";
    bool first = true;
    for (const auto& d : catalogue()) {
        if (!d.implemented()) continue;
        if (json) {
            out << (first ? "" : ", ") << "{\"extension\": " << jsonQuoted(d.file.extension)
                << ", \"window\": " << jsonQuoted(d.windowClass) << ", \"title\": " << jsonQuoted(d.title)
                << ", \"inputs\": [";
            for (std::size_t i = 0; i < d.inputs.size(); ++i) out << (i ? ", " : "") << jsonQuoted(d.inputs[i].name);
            out << "]}";
        } else {
            out << d.file.extension << "  " << d.windowClass << "  " << d.title << "  (";
            for (std::size_t i = 0; i < d.inputs.size(); ++i) out << (i ? " " : "") << d.inputs[i].name;
            out << ")\n";
        }
        first = false;
    }
    if (json) out << "]\n";
    return kComputed;
}

int runCalculator(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) return usage(err);
    const CalculatorDescriptor* d = implementedByExtension(args[1]);
    if (!d) return usage(err, "no calculator for '" + args[1] + "'");
    const auto texts = inputTexts(*d, {args.begin() + 2, args.end()}, err);
    if (!texts) return kUsage;
    return computeAndPrint(*d, *texts, {}, json, out);
}

int openProject(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) return usage(err);
    const std::string& path = args[1];
    const CalculatorDescriptor* d = implementedByExtension(extensionOf(path));
    if (!d || !extensionAccepted(path, d->file.extension)) {
        err << "O Ondarel não pode abrir este arquivo\n";
        return kUsage;
    }
    std::vector<long double> stored;
    try {
        stored = readProjectFile(path, d->file.valueCount());
    } catch (...) {
        const std::string message = messageForCurrentException();
        print(out, json, {}, nullptr, &message);
        return kFault;
    }
    // The inputs come back rounded to the calculator's decimals, and the
    // recomputation uses those texts, exactly as the window does.
    std::vector<std::string> texts(d->inputs.size());
    Texts shown;
    for (std::size_t i = 0; i < stored.size() && i < texts.size(); ++i) {
        texts[i] = formatFixed(stored[i], d->file.decimals[i]);
        shown.emplace_back(d->inputs[i].name, texts[i]);
    }
    appendChoiceTexts(*d, 0, texts);
    return computeAndPrint(*d, texts, shown, json, out);
}

int saveProject(const std::vector<std::string>& args, bool json, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) return usage(err);
    const std::string& path = args[1];
    const CalculatorDescriptor* d = implementedByExtension(extensionOf(path));
    if (!d) return usage(err, "no calculator for the extension of '" + path + "'");
    const auto texts = inputTexts(*d, {args.begin() + 2, args.end()}, err);
    if (!texts) return kUsage;
    std::vector<long double> values = valuesOf(*texts);
    values.resize(d->file.valueCount(), 0.0L);
    try {
        writeProjectFile(path, values);
    } catch (...) {
        const std::string message = messageForCurrentException();
        print(out, json, {}, nullptr, &message);
        return kFault;
    }
    if (json)
        out << "{\"saved\": " << jsonQuoted(path) << ", \"bytes\": " << values.size() * 6 << "}\n";
    else
        out << "saved " << path << " (" << values.size() * 6 << " bytes)\n";
    return kComputed;
}

}  // namespace

int run(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err)
{
    bool json = false;
    std::vector<std::string> args;
    for (const auto& a : rawArgs) {
        if (a == "--json")
            json = true;
        else if (a == "--help" || a == "-h")
            return out << helpUsage() << "\n" << kHelpIntro << kHelpBody, kComputed;
        else if (a == "--version")
            return out << kVersionText, kComputed;
        else
            args.push_back(a);
    }
    if (args.empty()) return usage(err);
    const std::string& verb = args[0];
    if (verb == "list") return list(out, json);
    if (verb == "run") return runCalculator(args, json, out, err);
    if (verb == "open") return openProject(args, json, out, err);
    if (verb == "save") return saveProject(args, json, out, err);
    if (verb == "pattern") return runPattern(args, json, out, err);
    if (verb == "nec") return runNec(args, out, err);
    if (verb == "sweep") return runSweep(args, out, err);
    return usage(err, "unknown command '" + verb + "'");
}

}  // namespace ondarel::cli
