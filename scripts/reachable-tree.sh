#!/bin/bash
# Run as root: prints the source tree that USER can read. That is TOP itself,
# or, when USER cannot reach it (a clone under /root), a world-readable copy
# of it in WORK-<hash of TOP's path>, a folder of its own for each tree.
#   reachable-tree.sh USER TOP WORK
# The copy is made afresh from TOP each time, so that nothing deleted from
# TOP lives on in it; only its build folders (build/, build-asan/) are kept
# from the last run, as they would be in TOP itself.
set -eu
user=$1 top=$2 base=$3
if runuser -u "$user" -- test -r "$top/CMakeLists.txt" 2>/dev/null \
   && runuser -u "$user" -- test -x "$top/tests/harness/run-test.sh" 2>/dev/null; then
  printf '%s\n' "$top"
  exit 0
fi
tag=$(cd "$top" && pwd -P | sha256sum | cut -c1-12)
work=$base-$tag
case "$work" in
  /?*/?*) ;;
  *) echo "reachable-tree.sh: will not work in $work" >&2; exit 1 ;;
esac
echo "The user $user cannot reach $top; working on a copy in $work" >&2

if [ -L "$work" ] || { [ -e "$work" ] && [ ! -d "$work" ]; }; then
  echo "reachable-tree.sh: $work is not a folder; remove it first" >&2
  exit 1
fi
if [ -d "$work" ]; then
  # Only a folder of ours is emptied and used again: /var/tmp is open to all,
  # and another user's folder there could be changed under the build.
  if [ "$(stat -c %u "$work")" != "$(id -u)" ] || [ -n "$(find "$work" -maxdepth 0 -perm /022)" ]; then
    echo "reachable-tree.sh: $work belongs to someone else or others may write in it; remove it first" >&2
    exit 1
  fi
  find "$work" -mindepth 1 -maxdepth 1 ! -name build ! -name build-asan -exec rm -rf -- {} +
else
  mkdir -m 755 "$work"
fi
tar -C "$top" --exclude=./build --exclude=./build-asan -cf - . | tar -C "$work" -xf -
chmod -R a+rX "$work"
printf '%s\n' "$work"
