#include "python/functions.hpp"
#include "python/surface.hpp"
// kStubText: nemox.pyi, whose text the module runs to make the result types
// it declares, so that annotations naming them hold at run time too.
#include "stub_text.hpp"

namespace {

constexpr const char* kResultTypeNames[] = {"SatResult", "LpResult", "MilpResult", "CpResult"};

// The namespace holding the result types, made at the first lookup of one and
// kept for the life of the process, like the exception class; borrowed. Null
// with a Python exception set when it cannot be made; the next lookup tries
// again.
PyObject* result_types() {
    static PyObject* made = nullptr;
    if (made != nullptr) return made;
    nemox::py::Ref ns(PyDict_New());
    if (ns.get() == nullptr) return nullptr;
    // __name__ makes "nemox" the classes' __module__, where they are looked up.
    nemox::py::Ref name(PyUnicode_FromString("nemox"));
    if (name.get() == nullptr || PyDict_SetItemString(ns.get(), "__name__", name.get()) != 0 ||
        PyDict_SetItemString(ns.get(), "__builtins__", PyEval_GetBuiltins()) != 0)
        return nullptr;
    nemox::py::Ref done(PyRun_String(kStubText, Py_file_input, ns.get(), ns.get()));
    if (done.get() == nullptr) return nullptr;
    // Running Python code lets other threads in: one of them may have made
    // the types meanwhile, and every caller must get the same classes.
    if (made == nullptr) made = ns.release();
    return made;
}

// Module-level __getattr__: `nemox.InternalError` can be named (in an except
// clause, say) before any call has failed, without being created at import;
// the result types are made on first use too, so that neither adds a module
// attribute nor costs the import anything.
PyObject* module_getattr(PyObject* module, PyObject* name) {
    if (PyUnicode_Check(name)) {
        if (PyUnicode_CompareWithASCIIString(name, "InternalError") == 0) {
            PyObject* cls = nemox::py::internal_error_class();
            Py_XINCREF(cls);
            return cls;
        }
        for (const char* type_name : kResultTypeNames) {
            if (PyUnicode_CompareWithASCIIString(name, type_name) != 0) continue;
            PyObject* ns = result_types();
            if (ns == nullptr) return nullptr;
            if (PyObject* cls = PyDict_GetItemString(ns, type_name)) {
                Py_INCREF(cls);
                return cls;
            }
            break;
        }
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
     "__getattr__($module, name, /)\n--\n\nLooks up InternalError and the result types SatResult, "
     "LpResult,\n"
     "MilpResult and CpResult, each created on first use.\n\n"
     "The user guide is docs/index.md in the source tree; the companion\n"
     "package nemox_builders writes the texts from named variables."},
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

PyObject* nemox::py::internal_error_class() {
    // Created once per process, on first use; deliberately never released.
    static PyObject* cls = PyErr_NewExceptionWithDoc(
        "nemox.InternalError",
        "A broken internal invariant abandoned the call; the module stays usable.",
        PyExc_BaseException, nullptr);
    return cls;
}

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
