#!/bin/bash
# Removes the per-user folders that test programs left under the shared root
# (an abort or a crash skips PanelUsers's destructor): names
# <stem>-<pid>-<n>, as PanelUsers makes them, owned by whoever runs this,
# whose process is gone. The suites of other trees may run as the same user
# at the same time: a live process keeps its folders.
set -u
root=/usr/share/quorvan
me=$(id -u)
shopt -s nullglob
for dir in "$root"/*-*-*; do
  name=${dir##*/}
  [[ $name =~ ^[A-Za-z0-9_.-]+-([0-9]+)-[0-9]+$ ]] || continue
  pid=${BASH_REMATCH[1]}
  if [ -L "$dir" ] || [ ! -d "$dir" ] || [ "$(stat -c %u -- "$dir")" != "$me" ] || [ -e "/proc/$pid" ]; then
    continue
  fi
  rm -rf -- "$dir"
done
exit 0
