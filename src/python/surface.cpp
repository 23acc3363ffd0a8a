#include "python/surface.hpp"

#include <charconv>
#include <cstring>
#include <variant>

namespace nemox::py {

namespace {

bool is_input_keyword(PyObject* name) {
    return PyUnicode_Check(name) && PyUnicode_CompareWithASCIIString(name, "input") == 0;
}

bool check_signals(std::uint64_t) {
    return PyErr_CheckSignals() != 0;
}

PyObject* new_key(std::uint64_t index) {
    char buf[24];
    buf[0] = 'x';
    const auto res = std::to_chars(buf + 1, buf + sizeof buf, index);
    const auto len = static_cast<Py_ssize_t>(res.ptr - buf);
    PyObject* key = PyUnicode_New(len, 127);
    if (key != nullptr) std::memcpy(PyUnicode_1BYTE_DATA(key), buf, static_cast<std::size_t>(len));
    return key;
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

PyObject* internal_error_class() {
    // Created once per process, on first use; deliberately never released.
    static PyObject* cls = PyErr_NewExceptionWithDoc(
        "nemox.InternalError",
        "A broken internal invariant abandoned the call; the module stays usable.",
        PyExc_BaseException, nullptr);
    return cls;
}

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

ResultDict::ResultDict() : dict_(PyDict_New()) {
    if (dict_.get() == nullptr) throw PythonError{};
}

void ResultDict::insert(const char* key, Ref value) {
    if (value.get() == nullptr || PyDict_SetItemString(dict_.get(), key, value.get()) != 0)
        throw PythonError{};
}

void ResultDict::set_status(std::string_view status) {
    insert("status", Ref(PyUnicode_DecodeUTF8(status.data(), static_cast<Py_ssize_t>(status.size()),
                                              "replace")));
}

void ResultDict::set_model(const Assignment& assignment) {
    insert("model", Ref(model_to_py(assignment)));
}

void ResultDict::set_objective(double objective) {
    insert("objective", Ref(PyFloat_FromDouble(objective)));
}

PyObject* solver_result_to_py(const SolverResult& result) {
    ResultDict dict;
    dict.set_status(result.status_word());
    if (result.is_sat()) dict.set_model(result.assignment());
    return dict.release();
}

PyObject* model_to_py(const Assignment& assignment) {
    Ref dict(PyDict_New());
    if (dict.get() == nullptr) return nullptr;
    std::size_t count = 0;
    for (const auto& [index, value] : assignment) {
        // Millions of pairs take seconds: a signal must still end the call.
        if ((++count & 0xFFFF) == 0 && PyErr_CheckSignals() != 0) return nullptr;
        Ref key(new_key(index));
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
