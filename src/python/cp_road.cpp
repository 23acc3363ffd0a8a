#include "cp/solver.hpp"
#include "parser/cp_format.hpp"
#include "python/roads.hpp"
#include "python/surface.hpp"

namespace nemox::py {

PyObject* solve_cp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_cp_text", args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        SolverResult result = SolverResult::unsat();
        {
            auto parsed = parser::parse_cp(text);
            if (!parsed.ok()) return raise_value_error(parsed.error());
            result = cp::solve_cp(parsed.value(), interrupt());
        }
        ResultDict dict;
        dict.set_status(result.status_word());
        if (result.is_sat()) dict.set_model(result.assignment());
        return dict.release();
    });
}

}  // namespace nemox::py
