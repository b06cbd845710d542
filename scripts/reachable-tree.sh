#!/bin/bash
# Run as root: prints the source tree that USER can read. That is TOP itself,
# or, when USER cannot reach it (a clone under /root), a world-readable copy
# of it (without build/) made in WORK.
#   reachable-tree.sh USER TOP WORK
set -eu
user=$1 top=$2 work=$3
if runuser -u "$user" -- test -r "$top/CMakeLists.txt" 2>/dev/null \
   && runuser -u "$user" -- test -x "$top/tests/harness/run-test.sh" 2>/dev/null; then
  printf '%s\n' "$top"
  exit 0
fi
echo "The user $user cannot reach $top; working on a copy in $work" >&2
mkdir -p "$work"
chmod 755 "$work"
tar -C "$top" --exclude=./build -cf - . | tar -C "$work" -xf -
chmod -R a+rX "$work"
printf '%s\n' "$work"
