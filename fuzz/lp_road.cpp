// Any text through the LP and the MILP roads: an answer or a reader message,
// never a crash or a broken invariant; the same text gives the same answer.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "budget.hpp"
#include "roads/roads.hpp"

namespace {

template <class Solve>
void check(Solve solve, std::string_view text) {
    try {
        const auto first = solve(text, fuzz::budget());
        const auto again = solve(text, fuzz::budget());
        if (first.ok() != again.ok()) std::abort();
        if (first.ok() && first.value().text() != again.value().text()) std::abort();
        if (!first.ok() && (first.error().empty() || first.error() != again.error())) std::abort();
    } catch (const nemox::Interrupted&) {
    } catch (const nemox::MemoryLimit&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check([](std::string_view t, nemox::Interrupt i) { return nemox::roads::solve_lp(t, i); },
          text);
    check([](std::string_view t, nemox::Interrupt i) { return nemox::roads::solve_milp(t, i); },
          text);
    return 0;
}
