#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/expected.hpp"
#include "core/lp_result.hpp"
#include "core/solver_result.hpp"
#include "roads/roads.hpp"

// How the command writes answers: the module's dictionaries as JSON, the
// SAT-competition lines, and a short text for people.
namespace nemox::cli {

// The status text of an answer that a limit or Ctrl-C cut short.
std::string undecided_status();

// A double as Python's repr writes it (shortest round trip, "1.0", "1e+16",
// "1.5e-05"); NaN and the infinities as Python's json module writes them.
std::string python_float(double v);

// The module's dictionary for the same answer, as JSON with the same key
// order; nothing for an undecided SAT or CP answer but its status.
// `names`, when given, are the model's keys by index (the columns of an MPS
// file) instead of x0, x1, ...
std::string sat_json(const SolverResult* result);
std::string lp_json(const LpResult& result, const std::vector<std::string>* names = nullptr);

// "s SATISFIABLE" and "v" lines of literals ending with 0, "s UNSATISFIABLE",
// or "s UNKNOWN" for a null result.
std::string sat_competition(const SolverResult* result);

// Status, objective where there is one, and the nonzero values, a line each.
std::string cp_text(const SolverResult* result);
std::string lp_text(const LpResult& result, const std::vector<std::string>* names = nullptr);

// The certificate of an LP or MILP answer as one line of JSON: the problem
// it is about, its exact numbers as strings ("p", or "p/q" in lowest terms),
// and what it proves (docs/certificates.md).
std::string certificate_json(const LpResult& result, const roads::LpCertificate& certificate);

// A JSON string: quotes, backslashes and control characters escaped, each
// byte that is not part of valid UTF-8 replaced by U+FFFD.
std::string json_string(std::string_view text);

// A reader's message as FILE:LINE: message when it concerns a line, else
// FILE: message.
std::string located_message(std::string_view file, const ReadError& error);

}  // namespace nemox::cli
