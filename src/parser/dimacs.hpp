#pragma once

#include <string_view>

#include "core/expected.hpp"
#include "sat/cnf.hpp"

namespace nemox::parser {

Expected<sat::Cnf> parse_dimacs(std::string_view text);

}  // namespace nemox::parser
