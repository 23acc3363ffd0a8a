#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "core/lp_result.hpp"

namespace nemox::py {

// The LP and MILP result dictionary: status, then model, then objective.
PyObject* lp_result_to_py(const LpResult& result);

}  // namespace nemox::py
