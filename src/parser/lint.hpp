#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Places where a text that reads without error almost surely does not mean
// what it says. The readers stay as they are; the command reports these.
namespace nemox::parser {

struct Warning {
    std::uint64_t line;
    std::string text;  // what the reader does instead
};

// LP text, in line order, at most one warning per cause and line.
std::vector<Warning> lint_lp(std::string_view text);

// DIMACS CNF text, in line order. Costs about one byte scan of the text.
std::vector<Warning> lint_dimacs(std::string_view text);

// The text before its SATLIB end marker (the first line that starts with
// "%"), or the whole text without one.
std::string_view drop_satlib_trailer(std::string_view text);

}  // namespace nemox::parser
