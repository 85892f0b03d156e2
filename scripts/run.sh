#!/usr/bin/env bash
# Builds the program, puts it into its program folder and starts it there.
# The program keeps all its data beside its executable, so the folder is its data folder.
#   scripts/run.sh [program-folder]      (default: program/ in the checkout)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
folder="${1:-program}"
mkdir -p "$folder"
cp build/construction-scheduler "$folder/construction-scheduler"
cd "$folder"
exec ./construction-scheduler
