// Any text: the reader returns a problem or a message, never crashes, and a
// problem it accepts reads back the same after being written out again.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "parser/dimacs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = nemox::parser::parse_dimacs(text);
    if (!parsed.ok()) {
        if (parsed.error().empty()) std::abort();
        return 0;
    }
    const auto& p = parsed.value();
    std::string again =
        "p cnf " + std::to_string(p.num_vars) + " " + std::to_string(p.num_clauses) + "\n";
    for (std::size_t i = 0; i < p.clause_count(); ++i) {
        for (const std::int32_t lit : p.clause(i)) again += std::to_string(lit) + " ";
        again += "0\n";
    }
    const auto reread = nemox::parser::parse_dimacs(again);
    if (!reread.ok() || !std::ranges::equal(reread.value().literals(), p.literals()) ||
        !std::ranges::equal(reread.value().clause_ends(), p.clause_ends()))
        std::abort();
    return 0;
}
