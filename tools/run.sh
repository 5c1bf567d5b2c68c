#!/bin/sh
# Installs what Quorvel needs, builds it and starts it; arguments go to the
# program. Building reports on standard error, so that standard output is
# the program's alone (sh tools/run.sh --print FILE > copy.quorvel).
set -eu
cd "$(dirname "$0")/.."
{
    sh tools/install-deps.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)" --target quorvel
} >&2
exec ./build/quorvel "$@"
