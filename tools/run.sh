#!/bin/sh
# Installs what Quorvel needs, builds it and starts it; arguments go to the program.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target quorvel
exec ./build/quorvel "$@"
