#pragma once
// Binds a typed computation (a struct of inputs in, a struct of results or a
// refusal out) to a descriptor. Rows name struct members, so the compiler
// checks every binding.
#include <optional>
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

// A list result: a vector member shown item by item.
template <class Out>
struct ListBinding {
    std::string field;
    std::vector<long double> Out::*member;
    int decimals = 3;
};

// Informational boxes a computation gives on its way, in order; the command
// goes on after each.
using Notes = std::vector<std::string>;

namespace detail {

template <class In, class Out, class Compute>
std::function<Outcome(const std::vector<long double>&)> bind(std::vector<long double In::*> inputMembers,
                                                             std::vector<ResultBinding<Out>> writeOrder,
                                                             Compute compute,
                                                             std::vector<ListBinding<Out>> lists = {})
{
    return [inputMembers, writeOrder, compute, lists](const std::vector<long double>& values) {
        In in{};
        for (std::size_t i = 0; i < inputMembers.size() && i < values.size(); ++i) in.*inputMembers[i] = values[i];
        Outcome outcome;
        std::optional<Checked<Out>> checked;
        try {
            checked = compute(in, outcome.notes);
        } catch (...) {
            // A fault after a note: the note has been shown when the fault is
            // reported.
            if (outcome.notes.empty()) throw;
            outcome.fault = std::current_exception();
            return outcome;
        }
        if (auto* refusal = std::get_if<Refusal>(&*checked)) {
            outcome.refusal = refusal->message;
            return outcome;
        }
        const Out& out = std::get<Out>(*checked);
        for (const auto& binding : writeOrder)
            outcome.results.emplace_back(binding.field, formatFixed(out.*binding.member, binding.decimals));
        for (const auto& list : lists) {
            std::vector<std::string> items;
            for (long double item : out.*list.member) items.push_back(formatFixed(item, list.decimals));
            outcome.lists.emplace_back(list.field, std::move(items));
        }
        return outcome;
    };
}

}  // namespace detail

template <class In, class Out>
std::function<Outcome(const std::vector<long double>&)> bindComputation(std::vector<long double In::*> inputMembers,
                                                                        std::vector<ResultBinding<Out>> writeOrder,
                                                                        Checked<Out> (*compute)(const In&))
{
    return detail::bind<In, Out>(std::move(inputMembers), std::move(writeOrder),
                                 [compute](const In& in, Notes&) { return compute(in); });
}

// A computation whose results carry their informational notes: `notes`
// names them; they are shown before the results are written.
template <class In, class Out>
std::function<Outcome(const std::vector<long double>&)> bindComputation(std::vector<long double In::*> inputMembers,
                                                                        std::vector<ResultBinding<Out>> writeOrder,
                                                                        Checked<Out> (*compute)(const In&),
                                                                        std::vector<std::string> Out::*notes)
{
    return detail::bind<In, Out>(std::move(inputMembers), std::move(writeOrder),
                                 [compute, notes](const In& in, Notes& shown) {
                                     Checked<Out> checked = compute(in);
                                     if (const Out* out = std::get_if<Out>(&checked)) shown = out->*notes;
                                     return checked;
                                 });
}

// A computation with list results beside its single ones.
template <class In, class Out>
std::function<Outcome(const std::vector<long double>&)> bindComputation(std::vector<long double In::*> inputMembers,
                                                                        std::vector<ResultBinding<Out>> writeOrder,
                                                                        std::vector<ListBinding<Out>> lists,
                                                                        Checked<Out> (*compute)(const In&))
{
    return detail::bind<In, Out>(
        std::move(inputMembers), std::move(writeOrder), [compute](const In& in, Notes&) { return compute(in); },
        std::move(lists));
}

// A computation that gives informational notes on its way.
template <class In, class Out>
std::function<Outcome(const std::vector<long double>&)> bindComputation(std::vector<long double In::*> inputMembers,
                                                                        std::vector<ResultBinding<Out>> writeOrder,
                                                                        Checked<Out> (*compute)(const In&, Notes&))
{
    return detail::bind<In, Out>(std::move(inputMembers), std::move(writeOrder), compute);
}

}  // namespace ondarel
