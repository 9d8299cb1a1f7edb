#!/usr/bin/env bash
# Builds the benchmarks and runs every one of them, printing their figures:
# asset loading, dealing every shipped layout, picking, model loading and
# the frame time of the full scene (on a virtual display when there is none).
# Usage: scripts/bench.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$root/scripts/prepare-workdir.sh" "$root" "$work"
if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  source "$root/scripts/virtual-display.sh"
  start_virtual_display 1280x800x24
  trap 'stop_virtual_display; rm -rf "$work"' EXIT
fi
echo "Machine: $(nproc) cores, $(awk '/MemTotal/{printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(uname -sr)"
cd "$work"
for bench in "$build"/bench/bench_*; do
  [[ -x "$bench" ]] || continue
  echo "== $(basename "$bench")"
  "$bench" 2>/dev/null || echo "(failed with code $?)"
done
