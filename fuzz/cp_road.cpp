// Any text through the CP reader and, within a work budget, the search: a
// message or an answer, never a crash; a model satisfies every declared range.

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "budget.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = nemox::parser::parse_cp(text);
    if (!parsed.ok()) {
        if (parsed.error().empty()) std::abort();
        return 0;
    }
    try {
        const nemox::SolverResult result = nemox::cp::solve_cp(parsed.value(), fuzz::budget());
        if (!result.is_sat()) return 0;
        const auto& vars = parsed.value().vars;
        if (result.assignment().size() != vars.size()) std::abort();
        for (std::size_t i = 0; i < vars.size(); ++i) {
            const std::int64_t v = std::get<std::int64_t>(result.assignment()[i].second);
            if (v < vars[i].min || v > vars[i].max) std::abort();
        }
    } catch (const nemox::Interrupted&) {
    } catch (const nemox::MemoryLimit&) {
    }
    return 0;
}
