#!/usr/bin/env bash
# The whole test suite on a fresh machine: installs what the tests need,
# builds and installs the module, runs the C++ unit tests and pytest, then
# both again on an AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."

PYTHON=${PYTHON:-python3}

if [ ! -e /usr/include/gtest/gtest.h ]; then
    if [ "$(id -u)" = 0 ]; then
        apt-get update -qq && apt-get install -y -qq libgtest-dev >/dev/null
    else
        sudo apt-get update -qq && sudo apt-get install -y -qq libgtest-dev >/dev/null
    fi
fi
"$PYTHON" -m pip install -q --disable-pip-version-check pytest mypy build numpy "dask[distributed]"
"$PYTHON" -m pip install -q --disable-pip-version-check .

cmake -S . -B build/tests -DNEMOX_BUILD_TESTS=ON -DNEMOX_BUILD_MODULE=OFF -DNEMOX_WERROR=ON \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/tests -j "$(nproc)"
ctest --test-dir build/tests --output-on-failure -j "$(nproc)"

# Run from the test folder so that the installed module is the one imported.
(cd tests/python && "$PYTHON" -m pytest -q -p no:cacheprovider .)

scripts/run_sanitized_tests.sh
