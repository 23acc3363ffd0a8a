#include "python/roads.hpp"
#include "python/surface.hpp"
#include "roads/roads.hpp"

namespace nemox::py {

namespace {

// The model dict holds a key object, an entry and index slots per variable
// (about 92 bytes measured at tens of millions of pairs): counted before the
// solver allocates, so that a formula naming a huge variable raises
// MemoryError instead of having the process killed while the dict is built.
constexpr double kDictBytesPerVar = 100;

}  // namespace

PyObject* solve_sat(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    std::string_view text;
    if (!take_input("solve_sat", args, nargs, kwnames, text)) return nullptr;
    return guarded([&]() -> PyObject* {
        const auto result = roads::solve_sat(text, interrupt(), kDictBytesPerVar);
        if (!result.ok()) return raise_value_error(result.error());
        return solver_result_to_py(result.value());
    });
}

}  // namespace nemox::py
