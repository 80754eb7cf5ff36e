#include "cli/nec_command.h"

#include <cstdlib>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/fault.h"
#include "nec/nec_deck.h"

namespace ondarel::cli {

int runNec(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) return usage(err);
    const CalculatorDescriptor* d = implementedByExtension(args[1]);
    if (!d) return usage(err, "no calculator for '" + args[1] + "'");
    if (!nec::exportsNec(d->file.extension)) return usage(err, "'" + args[1] + "' is not a wire structure");
    std::vector<std::string> assignments;
    int segments = 0;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] != "--segments") {
            assignments.push_back(args[i]);
            continue;
        }
        char* end = nullptr;
        const long n = i + 1 < args.size() ? std::strtol(args[i + 1].c_str(), &end, 10) : 0;
        if (i + 1 >= args.size() || *end != '\0' || n < 1 || n > 10000)
            return usage(err, "--segments needs a whole number from 1 to 10000");
        segments = static_cast<int>(n);
        ++i;
    }
    const auto texts = inputTexts(*d, assignments, err);
    if (!texts) return kUsage;
    try {
        const auto deck = nec::necDeck(d->file.extension, computedValues(*d, *texts), segments);
        if (const auto* refused = std::get_if<Refusal>(&deck)) {
            err << refused->message << "\n";
            return kRefused;
        }
        out << std::get<std::string>(deck);
        return kComputed;
    } catch (...) {
        err << messageForCurrentException() << "\n";
        return kFault;
    }
}

}  // namespace ondarel::cli
