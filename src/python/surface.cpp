#include "python/surface.hpp"

#include <charconv>
#include <cstring>
#include <iterator>
#include <memory>
#include <variant>
#include <vector>

namespace nemox::py {

// The strings that results repeat, created together at first use (their
// hashes computed then) and never changed afterwards: a call neither builds
// nor hashes them again.
constexpr std::size_t kCachedKeys = 256;  // "x0" to "x255"
constexpr std::string_view kStatusWords[] = {"SAT",      "UNSAT",      "OPTIMAL",
                                             "FEASIBLE", "INFEASIBLE", "UNBOUNDED"};
constexpr std::size_t kSat = 0;    // "SAT" in kStatusWords
constexpr std::size_t kUnsat = 1;  // "UNSAT" in kStatusWords

struct Strings {
    PyObject* status;
    PyObject* model;
    PyObject* objective;
    PyObject* words[std::size(kStatusWords)];
    PyObject* keys[kCachedKeys];
};

namespace {

bool is_input_keyword(PyObject* name) {
    return PyUnicode_Check(name) && PyUnicode_CompareWithASCIIString(name, "input") == 0;
}

bool check_signals(std::uint64_t) {
    return PyErr_CheckSignals() != 0;
}

PyObject* ascii_string(std::string_view text) {
    PyObject* s = PyUnicode_New(static_cast<Py_ssize_t>(text.size()), 127);
    if (s != nullptr) std::memcpy(PyUnicode_1BYTE_DATA(s), text.data(), text.size());
    return s;
}

PyObject* key_string(std::uint64_t index) {
    char buf[24];
    buf[0] = 'x';
    const auto res = std::to_chars(buf + 1, buf + sizeof buf, index);
    return ascii_string(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

// Null with a Python exception set when the strings cannot be made; the
// next call tries again.
const Strings* strings() {
    // Made under the interpreter lock, which no step below releases; kept
    // for the life of the process, like the module object.
    static Strings* made = nullptr;
    if (made != nullptr) return made;
    auto s = std::make_unique<Strings>();
    std::vector<PyObject*> all;
    auto keep = [&all](PyObject* o) {
        if (o == nullptr || PyObject_Hash(o) == -1) {
            Py_XDECREF(o);
            for (PyObject* p : all) Py_DECREF(p);
            return false;
        }
        all.push_back(o);
        return true;
    };
    // Interned like the literals of Python code that looks them up.
    if (!keep(s->status = PyUnicode_InternFromString("status")) ||
        !keep(s->model = PyUnicode_InternFromString("model")) ||
        !keep(s->objective = PyUnicode_InternFromString("objective")))
        return nullptr;
    for (std::size_t i = 0; i < std::size(kStatusWords); ++i)
        if (!keep(s->words[i] = PyUnicode_InternFromString(kStatusWords[i].data()))) return nullptr;
    for (std::size_t i = 0; i < kCachedKeys; ++i)
        if (!keep(s->keys[i] = key_string(i))) return nullptr;
    made = s.release();
    return made;
}

// The dict mapping "x0" to "x<n-1>" to `value`, n at most kCachedKeys;
// made at the first model of n variables that asks for it and never changed
// afterwards. Borrowed; null with a Python exception set when it cannot be
// made.
PyObject* uniform_model(const Strings& s, std::size_t n, bool value) {
    // Made under the interpreter lock, like the strings.
    static PyObject* made[2][kCachedKeys + 1] = {};
    PyObject*& model = made[value ? 1 : 0][n];
    if (model != nullptr) return model;
    Ref dict(_PyDict_NewPresized(static_cast<Py_ssize_t>(n)));
    if (dict.get() == nullptr) return nullptr;
    for (std::size_t i = 0; i < n; ++i)
        if (PyDict_SetItem(dict.get(), s.keys[i], value ? Py_True : Py_False) != 0) return nullptr;
    model = dict.release();
    return model;
}

// Whether the pairs are the variables 0, 1, ... in order, each a Bool, as
// in every SAT model.
bool boolean_in_order(const Assignment& assignment) {
    std::uint64_t expected = 0;
    for (const auto& [index, value] : assignment) {
        if (index != expected++ || !std::holds_alternative<bool>(value)) return false;
    }
    return true;
}

// A new reference to the key "x<index>".
PyObject* new_key(const Strings& s, std::uint64_t index) {
    if (index < kCachedKeys) {
        Py_INCREF(s.keys[index]);
        return s.keys[index];
    }
    return key_string(index);
}

PyObject* new_value(const Value& value) {
    if (const bool* b = std::get_if<bool>(&value)) {
        PyObject* singleton = *b ? Py_True : Py_False;
        Py_INCREF(singleton);
        return singleton;
    }
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value)) return PyLong_FromLongLong(*i);
    if (const BigInteger* big = std::get_if<BigInteger>(&value)) {
        // Base 16 is linear and exempt from the limit on decimal conversions.
        std::string text = hex_digits(big->limbs);
        if (big->negative) text.insert(text.begin(), '-');
        return PyLong_FromString(text.c_str(), nullptr, 16);
    }
    return PyFloat_FromDouble(std::get<double>(value));
}

}  // namespace

bool take_input(const char* function, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames,
                std::string_view& text) {
    const Py_ssize_t nkw = kwnames != nullptr ? PyTuple_GET_SIZE(kwnames) : 0;
    for (Py_ssize_t k = 0; k < nkw; ++k) {
        PyObject* name = PyTuple_GET_ITEM(kwnames, k);
        if (!is_input_keyword(name)) {
            PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%S'", function,
                         name);
            return false;
        }
        if (nargs > 0) {
            PyErr_Format(PyExc_TypeError, "%s() got multiple values for argument 'input'",
                         function);
            return false;
        }
    }
    if (nargs + nkw != 1) {
        PyErr_Format(PyExc_TypeError, "%s() takes exactly one argument 'input' (%zd given)",
                     function, nargs + nkw);
        return false;
    }
    PyObject* arg = args[0];
    if (!PyUnicode_Check(arg)) {
        PyErr_Format(PyExc_TypeError, "%s() argument 'input' must be str, not %.200s", function,
                     Py_TYPE(arg)->tp_name);
        return false;
    }
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(arg, &size);
    if (data == nullptr) return false;
    text = std::string_view(data, static_cast<std::size_t>(size));
    return true;
}

void set_internal_error(std::string_view message) {
    PyObject* cls = internal_error_class();
    if (cls == nullptr) return;  // the interpreter's own error is set
    if (message.empty()) message = "internal failure";
    Ref text(
        PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace"));
    if (text.get() != nullptr) PyErr_SetObject(cls, text.get());
}

PyObject* raise_value_error(std::string_view message) {
    Ref text(PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()),
                                  "surrogateescape"));
    if (text.get() != nullptr) PyErr_SetObject(PyExc_ValueError, text.get());
    return nullptr;
}

Interrupt interrupt() {
    return Interrupt(&check_signals);
}

ResultDict::ResultDict() : strings_(strings()), dict_(PyDict_New()) {
    if (strings_ == nullptr || dict_.get() == nullptr) throw PythonError{};
}

void ResultDict::insert(PyObject* key, Ref value) {
    if (value.get() == nullptr || PyDict_SetItem(dict_.get(), key, value.get()) != 0)
        throw PythonError{};
}

void ResultDict::set_status_word(std::size_t word) {
    Py_INCREF(strings_->words[word]);
    insert(strings_->status, Ref(strings_->words[word]));
}

void ResultDict::set_status(std::string_view status) {
    for (std::size_t i = 0; i < std::size(kStatusWords); ++i) {
        if (status == kStatusWords[i]) {
            set_status_word(i);
            return;
        }
    }
    insert(strings_->status,
           Ref(PyUnicode_DecodeUTF8(status.data(), static_cast<Py_ssize_t>(status.size()),
                                    "replace")));
}

void ResultDict::set_model(const Assignment& assignment) {
    insert(strings_->model, Ref(model_to_py(assignment)));
}

void ResultDict::set_objective(double objective) {
    insert(strings_->objective, Ref(PyFloat_FromDouble(objective)));
}

PyObject* solver_result_to_py(const SolverResult& result) {
    ResultDict dict;
    dict.set_status_word(result.is_sat() ? kSat : kUnsat);
    if (result.is_sat()) dict.set_model(result.assignment());
    return dict.release();
}

PyObject* lp_result_to_py(const LpResult& result) {
    ResultDict dict;
    dict.set_status(result.status());
    if (result.has_assignment()) dict.set_model(result.assignment);
    if (result.kind == LpResult::Kind::Optimal) dict.set_objective(result.objective);
    return dict.release();
}

PyObject* model_to_py(const Assignment& assignment) {
    const Strings* s = strings();
    if (s == nullptr) return nullptr;
    if (assignment.size() <= kCachedKeys && boolean_in_order(assignment)) {
        // A copy of the uniform model of the more common value shares its
        // table layout and takes little more than a copy of it; then only
        // the other values are set, each costing as much as an insertion.
        const std::size_t n = assignment.size();
        std::size_t trues = 0;
        for (const auto& pair : assignment) trues += std::get<bool>(pair.second) ? 1 : 0;
        const bool common = 2 * trues > n;
        PyObject* model = uniform_model(*s, n, common);
        if (model == nullptr) return nullptr;
        Ref dict(PyDict_Copy(model));
        if (dict.get() == nullptr) return nullptr;
        PyObject* const other = common ? Py_False : Py_True;
        for (std::size_t i = 0; i < n; ++i) {
            if (std::get<bool>(assignment[i].second) != common &&
                PyDict_SetItem(dict.get(), s->keys[i], other) != 0)
                return nullptr;
        }
        return dict.release();
    }
    // Sized at once for the models whose keys are cached; a larger one grows
    // as usual, which keeps its memory per pair as the memory check counts it.
    Ref dict(assignment.size() <= kCachedKeys
                 ? _PyDict_NewPresized(static_cast<Py_ssize_t>(assignment.size()))
                 : PyDict_New());
    if (dict.get() == nullptr) return nullptr;
    std::size_t count = 0;
    for (const auto& [index, value] : assignment) {
        // Millions of pairs take seconds: a signal must still end the call.
        if ((++count & 0xFFFF) == 0 && PyErr_CheckSignals() != 0) return nullptr;
        Ref key(new_key(*s, index));
        if (key.get() == nullptr) return nullptr;
        Ref item(new_value(value));
        if (item.get() == nullptr) return nullptr;
        // A pair that cannot be stored fails the call: a model with a
        // silently missing variable would be a wrong answer.
        if (PyDict_SetItem(dict.get(), key.get(), item.get()) != 0) return nullptr;
    }
    return dict.release();
}

}  // namespace nemox::py
