#!/usr/bin/env bash
# Installs what is missing, builds, and analyses one bundled example project.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${CORVEX_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
"$build/bin/corvexrun" --report "${1:-examples/steel_pipe_layered.cx6d}"
