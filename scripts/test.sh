#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test headless, then again under the
# sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# The Khronos glTF validator, from the npm registry, into the build folder. Without it the
# validator test is skipped, not failed.
validator="$PWD/build/npm"
if [ ! -d "$validator/node_modules/gltf-validator" ]; then
    mkdir -p "$validator"
    npm install --prefix "$validator" --no-audit --no-fund --loglevel=error \
        gltf-validator@2.0.0-dev.3.10 >/dev/null ||
        echo "warning: could not install gltf-validator; its test will be skipped"
fi

cmake --preset default -DVYR_GLTF_VALIDATOR_MODULES="$validator/node_modules"
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash tests/package/check-package.sh build

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer. Any report fails: a
# sanitizer aborts the process it found the fault in (also a vyr-cli run by a test, whose
# exit status the test checks), and a leak ends the process with status 23. Leaks outside
# our code are suppressed by tests/lsan.supp, which every test names.
cmake --preset asan -DVYR_GLTF_VALIDATOR_MODULES="$validator/node_modules"
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:abort_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
