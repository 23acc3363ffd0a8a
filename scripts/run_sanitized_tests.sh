#!/usr/bin/env bash
# The C++ unit tests and pytest against an AddressSanitizer + UndefinedBehavior-
# Sanitizer build of the core and the module; scripts/run_tests.sh ends with it
# (and installs what it needs on a fresh machine).
set -euo pipefail
cd "$(dirname "$0")/.."

PYTHON=${PYTHON:-python3}
# The module is built for the interpreter that runs the tests, not for
# whichever one CMake would find first.
PYTHON_EXECUTABLE=$(command -v "$PYTHON") || { echo "no interpreter '$PYTHON'" >&2; exit 1; }

cmake -S . -B build/sanitize -DNEMOX_SANITIZE=ON -DNEMOX_BUILD_TESTS=ON -DNEMOX_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE="$PYTHON_EXECUTABLE" >/dev/null
cmake --build build/sanitize -j "$(nproc)"
build/sanitize/nemox_tests --gtest_brief=1

# The interpreter is not instrumented: the runtime is preloaded (with the C++
# runtime, so that exceptions thrown in the module are intercepted), and leaks
# in the interpreter itself are not reported. NEMOX_SANITIZED tells the tests
# that measures of memory and address-space limits do not apply here, and
# makes them check that the instrumented module is the one imported.
export LD_PRELOAD="$(g++ -print-file-name=libasan.so) $(g++ -print-file-name=libstdc++.so)"
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export NEMOX_SANITIZED=1
cd tests/python
# The builders come from the source tree; the wheel test builds its own module.
PYTHONPATH=../../build/sanitize:../../python "$PYTHON_EXECUTABLE" -m pytest -q -p no:cacheprovider . \
    -k "not memory_stays_flat and not allocation_failure and not type_check and not wheel"
