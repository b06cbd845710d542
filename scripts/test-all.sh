#!/bin/bash
# Installs what the build and the tests need, builds in build/ and runs every
# test, then the sanitizer pass (scripts/sanitizer-pass.sh: the fast loop's
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/).
# Run as root on a fresh machine: it creates the unprivileged test user that
# the panel's tests run as (the panel refuses root). When that user cannot
# reach this tree (a clone under /root), everything is built and run in a
# copy of it, /var/tmp/halvane-test-tree-<hash of the tree's path>, made
# afresh each time; the script says so at the start.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"

test_user=${HALVANE_TEST_USER:-halvanetest}
if [ "$(id -u)" = 0 ]; then
  "$top/scripts/prepare-test-user.sh" "$test_user"
  # The test user must be able to reach the build tree; a clone under /root
  # is not, so work on a world-readable copy then.
  top=$("$top/scripts/reachable-tree.sh" "$test_user" "$top" /var/tmp/halvane-test-tree)
fi

cd "$top"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
[ "$(id -u)" = 0 ] && chmod -R a+rX build
export HALVANE_TEST_USER=$test_user
suite=0 sanitizer=0
(cd build && ctest --output-on-failure -j"$(nproc)") || suite=1
"$top/scripts/sanitizer-pass.sh" || sanitizer=1
[ "$suite" = 0 ] || echo "test-all.sh: tests of the suite failed (see above)" >&2
[ "$sanitizer" = 0 ] || echo "test-all.sh: the sanitizer pass failed (see above)" >&2
exit $((suite | sanitizer))
