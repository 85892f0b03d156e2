#!/usr/bin/env bash
# Installs what is missing, configures and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "${JOBS:-$(nproc)}"
