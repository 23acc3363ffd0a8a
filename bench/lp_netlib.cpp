// Reads an MPS model on standard input, solves its LP relaxation and prints
// one JSON object of figures. With --system it prints the linear system
// instead (doubles), for solving the same model elsewhere; --big, --dense,
// --revised and --direct choose the arithmetic and the engine.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <variant>

#include "linear/system.hpp"
#include "lp/solver.hpp"
#include "parser/mps.hpp"

namespace {

using nemox::linear::CmpOp;

template <class N>
void print_system(const nemox::linear::LinearSystemT<N>& s) {
    std::printf(
        "{\"variables\": %zu, \"maximize\": %s, \"cost\": [", s.variables.size(),
        s.objective && s.objective->first == nemox::linear::Sense::Maximize ? "true" : "false");
    double constant = 0;
    if (s.objective) {
        const char* sep = "";
        for (const auto& t : s.objective->second.terms) {
            std::printf("%s[%llu, %.17g]", sep, static_cast<unsigned long long>(t.var),
                        t.coeff.to_f64());
            sep = ", ";
        }
        constant = s.objective->second.constant.to_f64();
    }
    std::printf("], \"constant\": %.17g, \"rows\": [", constant);
    const char* sep = "";
    for (const auto& c : s.constraints) {
        std::printf("%s{\"op\": \"%s\", \"rhs\": %.17g, \"terms\": [", sep,
                    c.op == CmpOp::Eq   ? "="
                    : c.op == CmpOp::Le ? "<="
                                        : ">=",
                    (-c.expr.constant).to_f64());
        const char* tsep = "";
        for (const auto& t : c.expr.terms) {
            std::printf("%s[%llu, %.17g]", tsep, static_cast<unsigned long long>(t.var),
                        t.coeff.to_f64());
            tsep = ", ";
        }
        std::printf("]}");
        sep = ", ";
    }
    std::printf("]}\n");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string option = argc > 1 ? argv[1] : "";
    const bool dump = option == "--system";
    const std::string text((std::istreambuf_iterator<char>(std::cin)),
                           std::istreambuf_iterator<char>());
    auto parsed = nemox::parser::read_mps(text);
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s\n", parsed.error().c_str());
        return 1;
    }
    auto& model = parsed.value();
    if (dump) {
        std::visit([](const auto& s) { print_system(s); }, model.system);
        return 0;
    }
    const std::size_t cols = model.columns.size();
    const std::size_t system_rows =
        std::visit([](const auto& s) { return s.constraints.size(); }, model.system);
    nemox::lp::LpSolver solver;
    // --big: big numbers from the start; --dense: the dense tableau.
    if (option == "--big") solver.set_arithmetic(nemox::lp::LpSolver::Arithmetic::BigFractions);
    if (option == "--dense") solver.set_engine(nemox::lp::LpSolver::Engine::Dense);
    if (option == "--revised") solver.set_engine(nemox::lp::LpSolver::Engine::Revised);
    if (option == "--direct") solver.set_engine(nemox::lp::LpSolver::Engine::Direct);
    solver.load(std::move(model.system));
    const auto start = std::chrono::steady_clock::now();
    const nemox::LpResult r = solver.solve();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto& st = solver.stats();
    std::printf(
        "{\"rows\": %zu, \"cols\": %zu, \"nonzeros\": %zu, \"system_rows\": %zu, \"status\": "
        "\"%s\", "
        "\"objective\": %.17g, \"pivots\": %llu, \"phase1_pivots\": %llu, \"seconds\": %.6f, "
        "\"bits\": %llu, \"big\": %s, \"revised\": %s, \"refactorizations\": %llu, "
        "\"exact_prices\": %llu, \"eta_nonzeros\": %llu, \"time_refactor\": %.4f, \"time_btran\": "
        "%.4f, "
        "\"time_pricing\": %.4f, \"time_ftran\": %.4f, \"time_update\": %.4f, \"direct\": %s, "
        "\"lifted\": %s, \"float_pivots\": %llu, \"time_float\": %.4f, \"time_certify\": %.4f}\n",
        model.rows, cols, model.nonzeros, system_rows, r.status().c_str(), r.objective,
        static_cast<unsigned long long>(st.pivots),
        static_cast<unsigned long long>(st.phase1_pivots), seconds,
        static_cast<unsigned long long>(st.max_bits), st.big ? "true" : "false",
        st.revised ? "true" : "false", static_cast<unsigned long long>(st.refactorizations),
        static_cast<unsigned long long>(st.exact_prices),
        static_cast<unsigned long long>(st.eta_nonzeros), st.refactor_seconds, st.btran_seconds,
        st.pricing_seconds, st.ftran_seconds, st.update_seconds, st.direct ? "true" : "false",
        st.lifted ? "true" : "false", static_cast<unsigned long long>(st.float_pivots),
        st.float_seconds, st.certify_seconds);
    return 0;
}
