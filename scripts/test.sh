#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: unit and
# end-to-end tests on the normal build, the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Debian package (in CI,
# or with JADELOOM_TEST_PACKAGE=1: it is installed and removed as root), and
# the file readers' fuzz targets for a fixed number of runs.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh" || exit 1
status=0

echo "== build"
bash "$root/scripts/build.sh" "$root/build" || exit 1
echo "== unit and end-to-end tests"
# The unit tests that check real OpenGL uploads need a display; the others
# never open one.
source "$root/scripts/virtual-display.sh"
if start_virtual_display 1280x800x24; then
  ctest --test-dir "$root/build" --output-on-failure -j2 -L unit || status=1
  stop_virtual_display
  unset DISPLAY
else
  status=1
fi
ctest --test-dir "$root/build" --output-on-failure -L e2e || status=1

echo "== unit tests under ASan and UBSan"
bash "$root/scripts/build.sh" "$root/build-asan" -DJADELOOM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug || exit 1
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j2 -L unit || status=1

echo "== soak: random input to the game under ASan and UBSan"
# Leaks are left to the unit tests: the display libraries' own leaks at exit
# would drown the game's.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 RANDOM_INPUT_COUNT=2000 \
  bash "$root/tests/e2e/test_random_input.sh" "$root/build-asan/jadeloom" "$root" "$root/build-asan/soak" || status=1

if [[ "${CI:-}" == true || -n "${JADELOOM_TEST_PACKAGE:-}" ]]; then
  # Installs into /usr and removes again: only where asked to (CI's clean
  # machine), never on a developer's own system by default.
  echo "== Debian package: build, validate, install, run, purge"
  timeout 3600 bash "$root/tests/package/test_package.sh" "$root" "$root/build-package/test" || status=1
fi

if [[ -x "$root/fuzz/run_fuzzers.sh" || -f "$root/fuzz/run_fuzzers.sh" ]]; then
  echo "== fuzzing the file readers"
  bash "$root/fuzz/run_fuzzers.sh" || status=1
fi

if ((status == 0)); then echo "All test stages passed."; else echo "Some test stage FAILED."; fi
exit "$status"
