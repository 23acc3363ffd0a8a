// nemox_builders._native: the companion package's own solves. Unlike the
// module's they release the interpreter lock, take a time limit and hand out
// what the builders' answers need beyond the module's dicts: exact values,
// the incumbent's objective and bound, every solution.

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "builders/exact_lp.hpp"
#include "builders/released.hpp"
#include "builders/solutions.hpp"
#include "core/big_integer.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "python/surface.hpp"
#include "roads/roads.hpp"

namespace nemox::builders {

namespace {

using py::Ref;

// What a SAT model costs per variable as a dict, as for the module.
constexpr double kDictBytesPerVar = 100;

bool text_of(PyObject* arg, std::string_view& text) {
    if (!PyUnicode_Check(arg)) {
        PyErr_Format(PyExc_TypeError, "expected str, not %.200s", Py_TYPE(arg)->tp_name);
        return false;
    }
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(arg, &size);
    if (data == nullptr) return false;
    text = std::string_view(data, static_cast<std::size_t>(size));
    return true;
}

PyObject* raise_timeout() {
    PyErr_SetString(PyExc_TimeoutError, "the time limit ended the solve");
    return nullptr;
}

// Runs `work` without the lock, then `to_py` on its result with the lock;
// every failure becomes a Python exception, the deadline TimeoutError.
template <class Work, class ToPy>
PyObject* released(double seconds, Work work, ToPy to_py) {
    return py::guarded([&]() -> PyObject* {
        std::optional<decltype(work(Interrupt()))> result;
        const Outcome outcome = run_released(seconds, work, result);
        if (outcome.error) {
            if (outcome.timed_out) return raise_timeout();
            std::rethrow_exception(outcome.error);
        }
        return to_py(*result);
    });
}

PyObject* new_none() {
    Py_INCREF(Py_None);
    return Py_None;
}

PyObject* int_to_py(const linear::BigInt& n) {
    if (n.fits_i64()) return PyLong_FromLongLong(n.to_i64());
    // Base 16 is linear and exempt from the limit on decimal conversions.
    std::string text = hex_digits(n.magnitude());
    if (n.is_negative()) text.insert(text.begin(), '-');
    return PyLong_FromString(text.c_str(), nullptr, 16);
}

PyObject* solve_sat(PyObject*, PyObject* args) {
    PyObject* arg = nullptr;
    double seconds = -1;
    std::string_view text;
    if (!PyArg_ParseTuple(args, "Od:solve_sat", &arg, &seconds) || !text_of(arg, text))
        return nullptr;
    return released(
        seconds,
        [&](Interrupt interrupt) { return roads::solve_sat(text, interrupt, kDictBytesPerVar); },
        [](const Expected<SolverResult>& r) {
            return r.ok() ? py::solver_result_to_py(r.value()) : py::raise_value_error(r.error());
        });
}

PyObject* solve_cp(PyObject*, PyObject* args) {
    PyObject* arg = nullptr;
    double seconds = -1;
    std::string_view text;
    if (!PyArg_ParseTuple(args, "Od:solve_cp", &arg, &seconds) || !text_of(arg, text))
        return nullptr;
    return released(
        seconds, [&](Interrupt interrupt) { return roads::solve_cp(text, interrupt); },
        [](const Expected<SolverResult>& r) {
            return r.ok() ? py::solver_result_to_py(r.value()) : py::raise_value_error(r.error());
        });
}

// A list of (numerator, denominator) pairs.
PyObject* fractions_to_py(const std::vector<linear::BigRational>& values) {
    Ref list(PyList_New(static_cast<Py_ssize_t>(values.size())));
    if (list.get() == nullptr) return nullptr;
    for (std::size_t i = 0; i < values.size(); ++i) {
        Ref num(int_to_py(values[i].numerator()));
        Ref den(int_to_py(values[i].denominator()));
        if (num.get() == nullptr || den.get() == nullptr) return nullptr;
        PyObject* pair = PyTuple_Pack(2, num.get(), den.get());
        if (pair == nullptr) return nullptr;
        PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), pair);
    }
    return list.release();
}

// (dict as the module's, objective or None, bound or None, exact values in
// model order, multipliers in constraint order), the numbers as
// (numerator, denominator) pairs.
PyObject* solve_lp(PyObject*, PyObject* args) {
    PyObject* arg = nullptr;
    int integers = 0;
    double seconds = -1;
    unsigned long long node_limit = 0;
    std::string_view text;
    if (!PyArg_ParseTuple(args, "OpdK:solve_lp", &arg, &integers, &seconds, &node_limit) ||
        !text_of(arg, text))
        return nullptr;
    return released(
        seconds,
        [&](Interrupt interrupt) {
            const linear::ExactSystem system = read_exact_model(text);
            return solve_exact(system, integers != 0, interrupt, node_limit,
                               &keep_incumbent_on_time_out);
        },
        [](const ExactAnswer& answer) -> PyObject* {
            const LpResult& r = answer.result;
            Ref dict(py::lp_result_to_py(r));
            if (dict.get() == nullptr) return nullptr;
            Ref objective(r.has_assignment() ? PyFloat_FromDouble(r.objective) : new_none());
            const double bound = r.kind == LpResult::Kind::Feasible ? r.bound : r.objective;
            Ref bound_py(r.has_assignment() ? PyFloat_FromDouble(bound) : new_none());
            Ref values(fractions_to_py(answer.values));
            Ref multipliers(fractions_to_py(answer.multipliers));
            if (objective.get() == nullptr || bound_py.get() == nullptr ||
                values.get() == nullptr || multipliers.get() == nullptr)
                return nullptr;
            return PyTuple_Pack(5, dict.get(), objective.get(), bound_py.get(), values.get(),
                                multipliers.get());
        });
}

// An enumeration in a capsule; `busy` refuses a second thread while one
// runs it without the lock.
struct Enumeration {
    std::variant<SatSolutions, CpSolutions> solutions;
    std::atomic<bool> busy{false};
};

constexpr const char* kCapsuleName = "nemox_builders._native.solutions";

void free_enumeration(PyObject* capsule) {
    delete static_cast<Enumeration*>(PyCapsule_GetPointer(capsule, kCapsuleName));
}

PyObject* capsule_of(std::unique_ptr<Enumeration> e) {
    PyObject* capsule = PyCapsule_New(e.get(), kCapsuleName, free_enumeration);
    if (capsule != nullptr) e.release();
    return capsule;
}

PyObject* sat_solutions(PyObject*, PyObject* arg) {
    std::string_view text;
    if (!text_of(arg, text)) return nullptr;
    return py::guarded([&]() -> PyObject* {
        auto cnf = parser::parse_dimacs(text);
        if (!cnf.ok()) return py::raise_value_error(cnf.error());
        return capsule_of(
            std::make_unique<Enumeration>(SatSolutions(std::move(cnf.value()), kDictBytesPerVar)));
    });
}

PyObject* cp_solutions(PyObject*, PyObject* arg) {
    std::string_view text;
    if (!text_of(arg, text)) return nullptr;
    return py::guarded([&]() -> PyObject* {
        auto problem = parser::parse_cp(text);
        if (!problem.ok()) return py::raise_value_error(problem.error());
        return capsule_of(std::make_unique<Enumeration>(CpSolutions(std::move(problem.value()))));
    });
}

// Up to `count` more solutions as model dicts; fewer once none is left.
PyObject* next_solutions(PyObject*, PyObject* args) {
    PyObject* capsule = nullptr;
    Py_ssize_t count = 0;
    double seconds = -1;
    if (!PyArg_ParseTuple(args, "Ond:next_solutions", &capsule, &count, &seconds)) return nullptr;
    auto* e = static_cast<Enumeration*>(PyCapsule_GetPointer(capsule, kCapsuleName));
    if (e == nullptr) return nullptr;
    if (e->busy.exchange(true)) {
        PyErr_SetString(PyExc_RuntimeError, "the enumeration is running in another thread");
        return nullptr;
    }
    PyObject* list = released(
        seconds,
        [&](Interrupt interrupt) {
            std::vector<Assignment> found;
            while (static_cast<Py_ssize_t>(found.size()) < count) {
                auto next = std::visit([&](auto& s) { return s.next(interrupt); }, e->solutions);
                if (!next) break;
                found.push_back(std::move(*next));
            }
            return found;
        },
        [](const std::vector<Assignment>& found) -> PyObject* {
            Ref list(PyList_New(static_cast<Py_ssize_t>(found.size())));
            if (list.get() == nullptr) return nullptr;
            for (std::size_t i = 0; i < found.size(); ++i) {
                PyObject* model = py::model_to_py(found[i]);
                if (model == nullptr) return nullptr;
                PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), model);
            }
            return list.release();
        });
    e->busy = false;
    return list;
}

PyMethodDef methods[] = {
    {"solve_sat", solve_sat, METH_VARARGS,
     "solve_sat(text, seconds, /)\n--\n\nsolve_sat of the module, without the lock; "
     "seconds < 0: no limit."},
    {"solve_cp", solve_cp, METH_VARARGS,
     "solve_cp(text, seconds, /)\n--\n\nsolve_cp_text of the module, without the lock."},
    {"solve_lp", solve_lp, METH_VARARGS,
     "solve_lp(model, integers, seconds, node_limit, /)\n--\n\n"
     "An exact model: (dict, objective, bound, exact values, multipliers)."},
    {"sat_solutions", sat_solutions, METH_O,
     "sat_solutions(text, /)\n--\n\nAn enumeration of the models of DIMACS text."},
    {"cp_solutions", cp_solutions, METH_O,
     "cp_solutions(text, /)\n--\n\nAn enumeration of the solutions of CP text."},
    {"next_solutions", next_solutions, METH_VARARGS,
     "next_solutions(enumeration, count, seconds, /)\n--\n\n"
     "Up to count more solutions; fewer once none is left."},
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT,
    "nemox_builders._native",
    "Native solves of nemox_builders, with the interpreter lock released.",
    -1,
    methods,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

// The module's exception class, taken at import; kept for the life of the
// process, as the module keeps it.
PyObject* module_internal_error = nullptr;

bool init_internal_error() {
    if (module_internal_error != nullptr) return true;
    Ref nemox(PyImport_ImportModule("nemox"));
    if (nemox.get() == nullptr) return false;
    module_internal_error = PyObject_GetAttrString(nemox.get(), "InternalError");
    return module_internal_error != nullptr;
}

}  // namespace

}  // namespace nemox::builders

PyObject* nemox::py::internal_error_class() {
    return nemox::builders::module_internal_error;
}

PyMODINIT_FUNC PyInit__native(void) {
    if (!nemox::builders::init_released() || !nemox::builders::init_internal_error())
        return nullptr;
    return PyModule_Create(&nemox::builders::module_def);
}
