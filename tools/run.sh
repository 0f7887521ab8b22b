#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it (any arguments are documents to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/bin/brimel ]; then
  exec build/bin/brimel "$@"
fi
echo "built; the program has no window yet" >&2
