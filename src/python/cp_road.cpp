#include "python/roads.hpp"
#include "python/surface.hpp"
#include "roads/roads.hpp"

namespace nemox::py {

PyObject* solve_cp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_cp_text", args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        const auto result = roads::solve_cp(text, interrupt());
        if (!result.ok()) return raise_value_error(result.error());
        return solver_result_to_py(result.value());
    });
}

}  // namespace nemox::py
