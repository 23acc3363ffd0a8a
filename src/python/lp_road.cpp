#include "python/roads.hpp"
#include "python/surface.hpp"

namespace nemox::py {

PyObject* solve_lp_text(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_lp_text", args, nargs, kwnames, text)) return nullptr;
    PyErr_SetString(PyExc_NotImplementedError, "the LP solver is not part of this build yet");
    return nullptr;
}

}  // namespace nemox::py
