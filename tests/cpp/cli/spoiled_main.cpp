// The command whose --verify checks are handed spoiled answers or
// certificates: `nemox_spoiled_cli answers|certificates SUBCOMMAND ...`.

#include <cstdint>
#include <cstring>
#include <limits>
#include <variant>

#include "cli/command.hpp"
#include "roads/spoil.hpp"

namespace {

using namespace nemox;

// The roads' spoilers, and a CP value moved by one, which the tests'
// problems then contradict (the command reads the model itself, so the
// spoiler cannot know its domains).
roads::Verification spoiled_answers() {
    roads::Verification v = roads::spoil::answers();
    auto flip = std::move(v.before_answer_check);
    v.before_answer_check = [flip = std::move(flip)](SolverResult& result) {
        if (!result.is_sat() || result.assignment().empty()) return;
        Assignment a = result.assignment();
        const auto [index, value] = a[0];
        if (const std::int64_t* n = std::get_if<std::int64_t>(&value)) {
            a.set(index, *n < std::numeric_limits<std::int64_t>::max() ? *n + 1 : *n - 1);
            result = SolverResult::sat(std::move(a));
        } else {
            flip(result);
        }
    };
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const bool certificates = std::strcmp(argv[1], "certificates") == 0;
    const roads::Verification checks =
        certificates ? roads::spoil::certificates() : spoiled_answers();
    argv[1] = argv[0];
    return nemox::cli::run_command(argc - 1, argv + 1, checks);
}
