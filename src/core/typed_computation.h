#pragma once
// Binds a typed computation (a struct of inputs in, a struct of results or a
// refusal out) to a descriptor. Rows name struct members, so the compiler
// checks every binding.
#include <string>
#include <variant>
#include <vector>

#include "core/descriptor.h"
#include "core/number_text.h"

namespace ondarel {

struct Refusal {
    std::string message;
};

template <class Out>
using Checked = std::variant<Out, Refusal>;

template <class Out>
struct ResultBinding {
    std::string field;
    long double Out::*member;
    int decimals = 3;
};

// `notes`, where given, names the results' informational messages (shown
// before the results are written; they do not stop the computation).
template <class In, class Out>
std::function<Outcome(const std::vector<long double>&)> bindComputation(std::vector<long double In::*> inputMembers,
                                                                        std::vector<ResultBinding<Out>> writeOrder,
                                                                        Checked<Out> (*compute)(const In&),
                                                                        std::vector<std::string> Out::*notes = nullptr)
{
    return [inputMembers, writeOrder, compute, notes](const std::vector<long double>& values) {
        In in{};
        for (std::size_t i = 0; i < inputMembers.size() && i < values.size(); ++i) in.*inputMembers[i] = values[i];
        Outcome outcome;
        Checked<Out> checked = compute(in);
        if (auto* refusal = std::get_if<Refusal>(&checked)) {
            outcome.refusal = refusal->message;
            return outcome;
        }
        const Out& out = std::get<Out>(checked);
        if (notes) outcome.notes = out.*notes;
        for (const auto& binding : writeOrder)
            outcome.results.emplace_back(binding.field, formatFixed(out.*binding.member, binding.decimals));
        return outcome;
    };
}

}  // namespace ondarel
