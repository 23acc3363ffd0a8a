#include "python/functions.hpp"

#include "python/surface.hpp"
#include "roads/roads.hpp"

namespace nemox::py {

namespace {

// The model dict holds a key object, an entry and index slots per variable
// (about 92 bytes measured at tens of millions of pairs): counted before the
// solver allocates, so that a formula naming a huge variable raises
// MemoryError instead of having the process killed while the dict is built.
constexpr double kDictBytesPerVar = 100;

// One module function: its single `input`, its road from text to answer,
// and the answer's dict. A malformed text raises ValueError with the
// reader's message.
template <class Road, class ToPy>
PyObject* text_function(const char* name, PyObject* const* args, Py_ssize_t nargs,
                        PyObject* kwnames, Road road, ToPy to_py) {
    std::string_view text;
    if (!take_input(name, args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        const auto result = road(text);
        if (!result.ok()) return raise_value_error(result.error());
        return to_py(result.value());
    });
}

}  // namespace

PyObject* solve_sat(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    return text_function(
        "solve_sat", args, nargs, kwnames,
        [](std::string_view t) { return roads::solve_sat(t, interrupt(), kDictBytesPerVar); },
        solver_result_to_py);
}

PyObject* solve_lp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    return text_function(
        "solve_lp_text", args, nargs, kwnames,
        [](std::string_view t) { return roads::solve_lp(t, interrupt()); }, lp_result_to_py);
}

PyObject* solve_milp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    return text_function(
        "solve_milp_text", args, nargs, kwnames,
        [](std::string_view t) { return roads::solve_milp(t, interrupt()); }, lp_result_to_py);
}

PyObject* solve_cp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    return text_function(
        "solve_cp_text", args, nargs, kwnames,
        [](std::string_view t) { return roads::solve_cp(t, interrupt()); }, solver_result_to_py);
}

}  // namespace nemox::py
