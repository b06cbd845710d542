#!/bin/bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs tests there. Any sanitizer report fails the pass, also
# one from a child process whose exit a test ignores.
#
# Without --all: the fast loop's tests (ctest -LE 'cups|as-user|root': no
# private CUPS, no test user, nothing only root may do), so it runs alike as
# root and as an ordinary user.
# With --all, as root: every test program and the whole suite, the private
# CUPS, the tests that run as the test user and those that need root. Like
# test-all.sh it makes the test user, and when that user cannot reach this
# tree (a clone under /root) it builds and runs in the copy reachable-tree.sh
# makes.
# Further arguments go to ctest, e.g. -R '^tst_settingsfile$' for one test.
#   sanitizer-pass.sh [--all] [CTEST ARGUMENTS...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${HALVANE_JOBS:-$(nproc)}
all=0
if [ "${1:-}" = --all ]; then
  all=1
  shift
fi

if [ "$all" = 1 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "sanitizer-pass.sh: --all runs the tests that need root and the test user: run it as root" >&2
    exit 1
  fi
  test_user=${HALVANE_TEST_USER:-halvanetest}
  "$top/scripts/prepare-test-user.sh" "$test_user"
  top=$("$top/scripts/reachable-tree.sh" "$test_user" "$top" /var/tmp/halvane-test-tree)
  export HALVANE_TEST_USER=$test_user
fi
build=$top/build-asan

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVANE_SANITIZE=ON >/dev/null
if [ "$all" = 1 ]; then
  cmake --build "$build" -j"$jobs"
  chmod -R a+rX "$build"
else
  cmake --build "$build" -j"$jobs" --target fast_loop
fi

reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
if [ "$all" = 1 ]; then
  # The tests that run as the test user, and their children, write theirs
  # here too.
  chmod 1777 "$reports"
fi
# Reports go to files as well as failing the process, so that one from a
# child that a test runs (a language child, say) is not lost with its output.
# UBSan's log_path works only through scripts/ubsanlogpath.cpp, which every
# program of this build links. Leak checking is off: Qt keeps one-time
# allocations to the end of the process (the offscreen platform's screen,
# made with the QApplication), which LeakSanitizer reports in every widget
# test.
export ASAN_OPTIONS="detect_leaks=0:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$reports/ubsan"

status=0
if [ "$all" = 1 ]; then
  (cd "$build" && ctest --output-on-failure -j"$jobs" "$@") || status=$?
  what="the suite's tests"
else
  (cd "$build" && ctest --output-on-failure -j"$jobs" -LE 'cups|as-user|root' "$@") || status=$?
  what="the fast loop's tests"
fi
if [ -n "$(ls -A "$reports")" ]; then
  for report in "$reports"/*; do
    echo "==== $report" >&2
    cat "$report" >&2
  done
  echo "sanitizer-pass: the reports above came from $what" >&2
  status=1
fi
exit "$status"
