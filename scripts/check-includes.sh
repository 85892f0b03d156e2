#!/usr/bin/env bash
# Fails when an #include in src/ runs against the layout's order (README, Layout): platform,
# then core, then accounts, then scheduling, then projects and telephony (which include neither
# each other), then app. A file may include its own folder and any folder below it.
#   scripts/check-includes.sh [src folder]
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
cd "$src"

find platform core accounts scheduling projects telephony app -name '*.h' -o -name '*.cpp' | sort |
  xargs awk '
BEGIN {
    rank["platform"] = 0; rank["core"] = 1; rank["accounts"] = 2; rank["scheduling"] = 3
    rank["projects"] = 4; rank["telephony"] = 4; rank["app"] = 5
    order = "platform, core, accounts, scheduling, projects and telephony, app"
}
match($0, /^[ \t]*#[ \t]*include[ \t]*["<][^">]+[">]/) {
    split(FILENAME, from, "/")
    target = substr($0, RSTART, RLENGTH)
    quoted = target ~ /"/
    sub(/^[^"<]*["<]/, "", target)
    sub(/[">]$/, "", target)
    slash = index(target, "/")
    to = slash ? substr(target, 1, slash - 1) : ""
    if (!(to in rank)) {
        # A quoted include names its folder, so the order can be checked.
        if (quoted) {
            printf "src/%s:%d: includes \"%s\", which names no folder of src/\n", FILENAME, FNR, target
            bad = 1
        }
        next
    }
    if (to != from[1] && rank[to] >= rank[from[1]]) {
        printf "src/%s:%d: %s includes %s against the order %s\n", FILENAME, FNR, from[1], target, order
        bad = 1
    }
}
END { exit bad }
'
