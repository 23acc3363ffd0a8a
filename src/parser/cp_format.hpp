#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/expected.hpp"
#include "cp/model.hpp"

namespace nemox::parser {

// Reads CP text into a problem, or returns the message of the first bad line.
Expected<cp::CpProblem> parse_cp(std::string_view text);

// Optional sign and ASCII digits within the signed 64-bit range.
std::optional<std::int64_t> parse_cp_integer(std::string_view token);

}  // namespace nemox::parser
