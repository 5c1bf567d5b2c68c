#!/bin/sh
# Installs what Quorvel needs, then builds and runs every test twice: in the
# normal build and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
# Exits non-zero when anything fails.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh

for variant in build build-asan; do
    if [ "$variant" = build-asan ]; then
        options="-DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
    else
        # The benchmarks are built, not run, so that they keep building.
        options="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BENCHMARKS=ON"
    fi
    cmake -S . -B "$variant" $options
    cmake --build "$variant" -j"$(nproc)"
    # Window tests need an X server; everything else runs without one.
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$variant" --output-on-failure
done
