#include "core/lp_result.hpp"
#include "python/lp_common.hpp"
#include "python/roads.hpp"
#include "python/surface.hpp"
#include "roads/roads.hpp"

namespace nemox::py {

PyObject* lp_result_to_py(const LpResult& result) {
    ResultDict dict;
    dict.set_status(result.status());
    if (result.has_assignment()) dict.set_model(result.assignment);
    if (result.kind == LpResult::Kind::Optimal) dict.set_objective(result.objective);
    return dict.release();
}

PyObject* solve_lp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_lp_text", args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        const auto result = roads::solve_lp(text, interrupt());
        if (!result.ok()) return raise_value_error(result.error());
        return lp_result_to_py(result.value());
    });
}

}  // namespace nemox::py
