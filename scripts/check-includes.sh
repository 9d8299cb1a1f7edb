#!/usr/bin/env bash
# The include graph between the source folders, checked: lists every edge
# with its count and fails on an include between folders that the allowed
# graph below does not have. An include that must go against the grain (a
# Tile is a Sprite, the renderer draws the menu's items) says why in a
# comment on its own line, and is then listed but allowed.
# Usage: scripts/check-includes.sh [SOURCE_DIR]
set -uo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root/src"

# Who may include whom; main may include every folder, no folder main.
declare -A allowed=(
  [base]=""
  [game]="base"
  [persist]="base game"
  [audio]="base"
  [render]="base game"
  [menu]="base game render"
  [main]="base game persist audio render menu"
)

bad=0
edges=$(
  for file in $(find . -name '*.h' -o -name '*.cpp' | sort); do
    from=$(cut -d/ -f2 <<<"$file")
    [[ -v "allowed[$from]" ]] || { echo "BAD $from ? ${file#./}: a folder the graph does not know"; continue; }
    grep -n '^#include "[a-z]*/' "$file" | while IFS= read -r line; do
      to=$(sed 's/^[0-9]*:#include "\([a-z]*\)\/.*/\1/' <<<"$line")
      [[ "$to" == "$from" ]] && continue
      if [[ " ${allowed[$from]} " == *" $to "* ]]; then
        echo "ok $from $to"
      elif [[ "$line" =~ \"[[:space:]]+//[[:space:]]*[^[:space:]] ]]; then
        echo "named $from $to"
      else
        echo "BAD $from $to ${file#./}:${line%%:*}"
      fi
    done
  done
)
while read -r kind from to where; do
  if [[ "$kind" == BAD ]]; then
    echo "not allowed: $from -> $to at $where"
    bad=1
  fi
done <<<"$edges"
echo "includes between folders (against the grain, each named at its include):"
{ grep -v '^BAD' <<<"$edges" || true; } | awk '{n[$2 " -> " $3]++; if ($1 == "named") g[$2 " -> " $3]++}
  END {for (e in n) printf "  %-20s %3d%s\n", e, n[e], (e in g) ? sprintf("  (%d against the grain)", g[e]) : ""}' | sort
# Two folders that include each other form a circle; main is the top and
# any folder's including it is already named above.
{ grep -v '^BAD' <<<"$edges" || true; } | awk '{e[$2 " " $3] = 1}
  END {for (k in e) {split(k, p, " "); if (p[1] < p[2] && ((p[2] " " p[1]) in e)) print "  circle: " p[1] " <-> " p[2]}}' | sort
exit "$bad"
