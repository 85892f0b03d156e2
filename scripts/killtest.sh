#!/usr/bin/env bash
# The crash test for whole-file rewrites: a child process rewrites each kind of whole file and
# is killed at random moments; every kill must leave the old or the new content and nothing a
# reader would take for data. The customer delete is killed likewise, and cut as by a power cut
# (its copies emptied): after the recovery the next start runs, its three files are all as before
# the delete or all as after it. So is the team delete: after the recovery every team file shows
# the same deletions. After each start's clean-up no temporary copy of the program is left, and
# copies a person made beside the files are all still there.
#   scripts/killtest.sh [kills per kind, default 80] [random seed]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
cmake --build build --parallel "${JOBS:-$(nproc)}" --target scheduler_killtest
exec build/tests/scheduler_killtest "$@"
