#!/usr/bin/env bash
# Configures and builds everything into build/. Arguments go to the configure step
# (e.g. -DIGERAGOZO_WERROR=ON, as CI passes).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build
