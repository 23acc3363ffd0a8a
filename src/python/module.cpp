#include "python/roads.hpp"
#include "python/surface.hpp"

namespace {

// Module-level __getattr__: `nemox.InternalError` can be named (in an except
// clause, say) before any call has failed, without being created at import.
PyObject* module_getattr(PyObject* module, PyObject* name) {
    if (PyUnicode_Check(name) && PyUnicode_CompareWithASCIIString(name, "InternalError") == 0) {
        PyObject* cls = nemox::py::internal_error_class();
        Py_XINCREF(cls);
        return cls;
    }
    PyErr_Format(PyExc_AttributeError, "module '%s' has no attribute '%S'",
                 PyModule_GetName(module), name);
    return nullptr;
}

#define NEMOX_FASTCALL(fn) reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(fn))

PyMethodDef methods[] = {
    {"solve_sat", NEMOX_FASTCALL(nemox::py::solve_sat), METH_FASTCALL | METH_KEYWORDS,
     "solve_sat(input)\n--\n\nSolve a SAT problem from DIMACS CNF text.\n"
     "Returns a dict with keys: status, model (if SAT)."},
    {"solve_lp_text", NEMOX_FASTCALL(nemox::py::solve_lp_text), METH_FASTCALL | METH_KEYWORDS,
     "solve_lp_text(input)\n--\n\nSolve an LP problem from text."},
    {"solve_milp_text", NEMOX_FASTCALL(nemox::py::solve_milp_text), METH_FASTCALL | METH_KEYWORDS,
     "solve_milp_text(input)\n--\n\nSolve a MILP problem from text."},
    {"solve_cp_text", NEMOX_FASTCALL(nemox::py::solve_cp_text), METH_FASTCALL | METH_KEYWORDS,
     "solve_cp_text(input)\n--\n\nSolve a CP problem from text."},
    {"__getattr__", module_getattr, METH_O,
     "__getattr__($module, name, /)\n--\n\nLooks up InternalError, created on first use."},
    {nullptr, nullptr, 0, nullptr},
};

// m_size 0 rather than -1: CPython then runs this init function at every
// initialisation instead of copying a saved dict, so a sub-interpreter is
// refused and a re-import gets the one module object again.
PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT,
    "nemox",
    "Python module: `nemox`.",
    0,
    methods,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

// The one module object of the process, created by the main interpreter.
PyObject* the_module = nullptr;

}  // namespace

PyMODINIT_FUNC PyInit_nemox(void) {
    if (PyInterpreterState_Get() != PyInterpreterState_Main()) {
        PyErr_SetString(PyExc_ImportError, "nemox does not support sub-interpreters");
        return nullptr;
    }
    if (the_module == nullptr) {
        the_module = PyModule_Create(&module_def);
        if (the_module == nullptr) return nullptr;
    }
    Py_INCREF(the_module);
    return the_module;
}
