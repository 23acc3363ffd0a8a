#pragma once

// Shared machinery of the four module functions: argument handling, the
// mapping of C++ failures to Python exceptions and the result dictionaries.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <new>
#include <stdexcept>
#include <string_view>

#include "core/assignment.hpp"
#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "core/solver_result.hpp"

namespace nemox::py {

// A Python exception is already set; unwind to the function boundary.
struct PythonError {};

// Owned reference, released on every path out of its scope.
class Ref {
  public:
    explicit Ref(PyObject* p = nullptr) noexcept : p_(p) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() { Py_XDECREF(p_); }
    PyObject* get() const noexcept { return p_; }
    PyObject* release() noexcept {
        PyObject* p = p_;
        p_ = nullptr;
        return p;
    }

  private:
    PyObject* p_;
};

// Takes the single `input` argument (by position or keyword) as borrowed
// UTF-8 text. Returns false with a Python exception set.
bool take_input(const char* function, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames,
                std::string_view& text);

// The internal-failure exception class (derived from BaseException);
// borrowed. Null with a Python exception set. The module defines it; the
// companion package's native part, which shares this surface, hands out the
// module's class, so that one `except nemox.InternalError` catches both.
PyObject* internal_error_class();

// Sets the internal-failure exception (derived from BaseException).
void set_internal_error(std::string_view message);

// Raises ValueError carrying a reader's message unchanged; returns null.
PyObject* raise_value_error(std::string_view message);

// Polls for pending signals so that Ctrl-C and alarm handlers end a long call.
Interrupt interrupt();

struct Strings;

// A result dictionary filled in the order status, model, objective.
class ResultDict {
  public:
    ResultDict();
    void set_status(std::string_view status);
    // The status word at `word` of the cached ones.
    void set_status_word(std::size_t word);
    void set_model(const Assignment& assignment);
    void set_objective(double objective);
    PyObject* release() noexcept { return dict_.release(); }

  private:
    void insert(PyObject* key, Ref value);
    const Strings* strings_;
    Ref dict_;
};

// New dict mapping "x<index>" to True/False, int or float, in pair order.
PyObject* model_to_py(const Assignment& assignment);

// The SAT and CP result dictionary: status, then the model when satisfied.
PyObject* solver_result_to_py(const SolverResult& result);

// The LP and MILP result dictionary: status, then model, then objective.
PyObject* lp_result_to_py(const LpResult& result);

// Runs one call's body and turns every C++ failure into a Python exception.
template <class Body>
PyObject* guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const PythonError&) {
    } catch (const Interrupted&) {
        if (!PyErr_Occurred()) set_internal_error("interrupted without a pending exception");
    } catch (const InternalFailure& e) {
        set_internal_error(e.what());
    } catch (const MemoryLimit& e) {
        PyErr_SetString(PyExc_MemoryError, e.what());
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::length_error&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        set_internal_error(e.what());
    } catch (...) {
        // Nothing may unwind into the interpreter.
        set_internal_error("unexpected C++ exception");
    }
    return nullptr;
}

}  // namespace nemox::py
