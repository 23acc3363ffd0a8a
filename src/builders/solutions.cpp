#include "builders/solutions.hpp"

#include <span>
#include <variant>

#include "cp/solver.hpp"
#include "sat/solver.hpp"

namespace nemox::builders {

CpSolutions::CpSolutions(cp::CpProblem problem) : problem_(std::move(problem)) {
    Box whole;
    whole.reserve(problem_.vars.size());
    for (const cp::VarDecl& d : problem_.vars) whole.emplace_back(d.min, d.max);
    boxes_.push_back(std::move(whole));
}

std::optional<Assignment> CpSolutions::next(Interrupt interrupt) {
    while (!boxes_.empty()) {
        const Box& box = boxes_.back();
        for (std::size_t i = 0; i < box.size(); ++i) {
            problem_.vars[i].min = box[i].first;
            problem_.vars[i].max = box[i].second;
        }
        const SolverResult result = cp::solve_cp(problem_, interrupt);
        Box searched = std::move(boxes_.back());
        boxes_.pop_back();
        if (!result.is_sat()) continue;
        const Assignment& a = result.assignment();
        std::vector<std::int64_t> values(searched.size());
        for (const auto& [index, value] : a) values[index] = std::get<std::int64_t>(value);
        // Pushed so that the boxes of the last variables come out first: the
        // stack then stays as short as the search is deep.
        Box cut = searched;
        for (std::size_t k = 0; k < searched.size(); ++k) {
            const std::int64_t v = values[k];
            const auto [lo, hi] = searched[k];
            if (lo < v) {
                cut[k] = {lo, v - 1};
                boxes_.push_back(cut);
            }
            if (v < hi) {
                cut[k] = {v + 1, hi};
                boxes_.push_back(cut);
            }
            cut[k] = {v, v};
        }
        return a;
    }
    return std::nullopt;
}

SatSolutions::SatSolutions(sat::Cnf cnf, double answer_bytes_per_var)
    : cnf_(std::move(cnf)), answer_bytes_per_var_(answer_bytes_per_var) {
    boxes_.emplace_back();
}

std::optional<Assignment> SatSolutions::next(Interrupt interrupt) {
    while (!boxes_.empty()) {
        sat::Solver solver(interrupt, answer_bytes_per_var_);
        solver.load(cnf_);
        for (const std::int32_t lit : boxes_.back()) solver.add_clause(std::span(&lit, 1));
        const SolverResult result = solver.solve();
        Box searched = std::move(boxes_.back());
        boxes_.pop_back();
        if (!result.is_sat()) continue;
        const Assignment& a = result.assignment();
        Box prefix;
        prefix.reserve(a.size());
        for (const auto& [index, value] : a) {
            const auto var = static_cast<std::int32_t>(index + 1);
            const std::int32_t lit = std::get<bool>(value) ? var : -var;
            if (prefix.size() >= searched.size()) {
                Box flipped = prefix;
                flipped.push_back(-lit);
                boxes_.push_back(std::move(flipped));
            }
            prefix.push_back(lit);
        }
        return a;
    }
    return std::nullopt;
}

}  // namespace nemox::builders
