#!/usr/bin/env bash
# Builds the reader fuzz targets with clang in a build directory of their own
# and runs each for a fixed number of inputs from its seed corpus. Exits
# non-zero when a target crashes, leaks, hangs or trips a sanitizer; the
# failing input is kept and its path printed.
#   FUZZ_BUILD_DIR  build directory (default: <source>/build-fuzz)
#   FUZZ_RUNS       inputs per target (default: 20000)
#   FUZZ_SECONDS    run each target this long instead (e.g. 600 for a long run)
#   FUZZ_TARGETS    which readers (default: all)
#   FUZZ_JOBS       parallel build jobs (default: 2)
set -euo pipefail

src="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$src/build-fuzz}"
runs="${FUZZ_RUNS:-20000}"
limit=()
if [[ -n "${FUZZ_SECONDS:-}" ]]; then
  runs=-1
  limit=(-max_total_time="$FUZZ_SECONDS")
fi

cmake -S "$src" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJADELOOM_FUZZ=ON -DJADELOOM_TESTS=OFF > /dev/null
read -r -a readers <<< "${FUZZ_TARGETS:-obj mtl anim menu font players rewards layout tileset config}"
cmake --build "$build" --target "${readers[@]/#/fuzz_}" -j"${FUZZ_JOBS:-2}"

status=0
for reader in "${readers[@]}"; do
  # The fuzzer adds the inputs it finds to its first corpus directory: a
  # scratch copy keeps the checked-in seeds as they are.
  work="$(mktemp -d /tmp/jadeloom-fuzz-$reader-XXXXXX)"
  cp "$src/fuzz/corpus/$reader/"* "$work/"
  mkdir "$work/artifacts"
  if (cd "$work" && "$build/fuzz/fuzz_$reader" -runs="$runs" "${limit[@]}" -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$work/artifacts/" "$work" > "$work/log.txt" 2>&1); then
    echo "fuzz_$reader: $(grep -E '^Done' "$work/log.txt" || echo 'finished')"
    rm -rf "$work"
  else
    echo "fuzz_$reader FAILED; input and log kept in $work" >&2
    tail -n 40 "$work/log.txt" >&2
    status=1
  fi
done
exit "$status"
