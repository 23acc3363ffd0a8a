#include "parser/dimacs.hpp"
#include "python/roads.hpp"
#include "python/surface.hpp"
#include "sat/solver.hpp"

namespace nemox::py {

namespace {

// The model dict holds a key object, an entry and index slots per variable
// (about 92 bytes measured at tens of millions of pairs): counted before the
// solver allocates, so that a formula naming a huge variable raises
// MemoryError instead of having the process killed while the dict is built.
constexpr double kDictBytesPerVar = 100;

}  // namespace

PyObject* solve_sat(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_sat", args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        SolverResult result = SolverResult::unsat();
        {
            auto parsed = parser::parse_dimacs(text);
            if (!parsed.ok()) return raise_value_error(parsed.error());
            result = sat::solve_dimacs(parsed.value(), interrupt(), kDictBytesPerVar);
        }
        ResultDict dict;
        dict.set_status(result.status_word());
        if (result.is_sat()) dict.set_model(result.assignment());
        return dict.release();
    });
}

}  // namespace nemox::py
