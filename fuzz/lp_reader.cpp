// Any text through the LP reader alone: a problem or a message, never a crash.
// Where 64-bit fractions suffice, the big-number reading must be the same
// problem with the same message, since the solver may start on either.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "linear/rational.hpp"
#include "parser/lp_format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using nemox::linear::BigRational;
    using nemox::linear::Rational;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto big = nemox::parser::parse_lp<BigRational>(text);
    if (!big.ok() && big.error().empty()) std::abort();
    try {
        const auto small = nemox::parser::parse_lp<Rational>(text);
        if (small.ok() != big.ok()) std::abort();
        if (!small.ok() && small.error() != big.error()) std::abort();
        if (small.ok() && !(nemox::linear::widen(small.value()) == big.value())) std::abort();
    } catch (const nemox::linear::Overflow&) {
    }
    return 0;
}
