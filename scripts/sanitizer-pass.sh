#!/bin/bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the fast loop's tests there (ctest -LE
# 'cups|as-user|root': no private CUPS, no test user, nothing only root may
# do), so it runs alike as root and as an ordinary user. Any sanitizer report
# fails the pass, also one from a child process whose exit a test ignores.
# Further arguments go to ctest, e.g. -R '^tst_settingsfile$' for one test.
#   sanitizer-pass.sh [CTEST ARGUMENTS...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-asan
jobs=${HALVANE_JOBS:-$(nproc)}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVANE_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$jobs" --target fast_loop

reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# Reports go to files as well as failing the process, so that one from a
# child that a test runs (a language child, say) is not lost with its output.
# Leak checking is off: Qt keeps one-time allocations to the end of the
# process (the offscreen platform's screen, made with the QApplication), which
# LeakSanitizer reports in every widget test.
export ASAN_OPTIONS="detect_leaks=0:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$reports/ubsan"

status=0
(cd "$build" && ctest --output-on-failure -j"$jobs" -LE 'cups|as-user|root' "$@") || status=$?
if [ -n "$(ls -A "$reports")" ]; then
  for report in "$reports"/*; do
    echo "==== $report" >&2
    cat "$report" >&2
  done
  echo "sanitizer-pass: the reports above came from the fast loop's tests" >&2
  status=1
fi
exit "$status"
