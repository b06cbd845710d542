#!/bin/bash
# Per-user folders under the shared root that another user (nobody) made
# before their owner ever ran the panel, for the tests that the panel keeps
# away from them. Needs root, as CTest has in CI.
#   foreign-folders.sh setup OPEN CLOSED   OPEN: mode 0777, empty, so a test
#                                           can plant links and FIFOs in it;
#                                           CLOSED: mode 0755, holding
#                                           "Settings" and a queue's settings
#   foreign-folders.sh cleanup OPEN CLOSED
set -eu
root=/usr/share/quorvan
die() { echo "foreign-folders.sh: $*" >&2; exit 1; }

[ $# -eq 3 ] || die "usage: foreign-folders.sh setup|cleanup OPEN CLOSED"
action=$1
open=$2
closed=$3
for dir in "$open" "$closed"; do
  case "$dir" in
    "$root"/halvane-foreign-*) ;;
    *) die "$dir is not a folder of ours under $root" ;;
  esac
done

case "$action" in
  setup)
    [ "$(id -u)" = 0 ] || die "must run as root to make folders of another user (run CTest as root, as CI does)"
    [ -d "$root" ] || die "$root is missing (scripts/prepare-test-user.sh makes it)"
    owner=nobody
    group=$(id -gn "$owner") || die "there is no user $owner"
    rm -rf -- "$open" "$closed"
    install -d -o "$owner" -g "$group" -m 0777 "$open"
    install -d -o "$owner" -g "$group" -m 0755 "$closed"
    printf 'Telemetry=True\n' >"$closed/Settings"
    printf 'PageSize=Letter\nDuplex=DuplexNoTumble\n' >"$closed/Quorvan_Office.cfg"
    chown "$owner:$group" "$closed/Settings" "$closed/Quorvan_Office.cfg"
    chmod 0644 "$closed/Settings" "$closed/Quorvan_Office.cfg"
    ;;
  cleanup)
    rm -rf -- "$open" "$closed"
    ;;
  *) die "unknown action $action" ;;
esac
