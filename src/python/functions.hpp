#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

// The four module functions, one road each: text, reader, solver, dict.
namespace nemox::py {

PyObject* solve_sat(PyObject* module, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);
PyObject* solve_lp_text(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                        PyObject* kwnames);
PyObject* solve_milp_text(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                          PyObject* kwnames);
PyObject* solve_cp_text(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                        PyObject* kwnames);

}  // namespace nemox::py
