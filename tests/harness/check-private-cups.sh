#!/bin/bash
# Checks of the private cupsd script, run by CTest.
#   check-private-cups.sh client     talk to the running one (CUPS_SERVER set)
#   check-private-cups.sh lifecycle  start, start again, stop, restart on the
#                                    same port and stop one of our own
#   check-private-cups.sh locale     start under a German locale; a failed
#                                    start stops what it started
set -u
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export PATH="$PATH:/usr/sbin:/sbin"

check_queues() {
  local server=$1 q
  for q in Quorvan_Office Quorvan_Color 'Cost$Center' -Dash Acme_Laser; do
    CUPS_SERVER=$server lpstat -p"$q" 2>&1 | grep -qF "printer $q " || fail "lpstat does not show $q on $server"
  done
  # The PPD must come back to an ordinary client, options and all.
  CUPS_SERVER=$server lpoptions -p 'Cost$Center' -l 2>&1 | grep -q '^Duplex/Two-Sided: \*None' \
    || fail "lpoptions -l does not list the fixture's options"
  CUPS_SERVER=$server lpoptions -p Quorvan_Color -l 2>&1 | grep -q '^ColorModel/' \
    || fail "lpoptions -l misses ColorModel of Quorvan_Color"
  CUPS_SERVER=$server lpstat -p Quorvan_Office 2>&1 | grep -q 'not available' \
    && fail "Quorvan_Office is marked not available (maker filters missing?)"
}

case "${1:-}" in
  client)
    [ -n "${CUPS_SERVER:-}" ] || { echo "FAIL: CUPS_SERVER is not set" >&2; exit 1; }
    check_queues "$CUPS_SERVER"
    ;;
  lifecycle)
    work=$(mktemp -d)
    trap 'bash "$here/private-cups.sh" stop "$work/cups" >/dev/null 2>&1; rm -rf "$work"' EXIT
    server=$(bash "$here/private-cups.sh" start "$work/cups") || fail "start failed"
    [[ "$server" =~ ^127\.0\.0\.1:[0-9]+$ ]] || fail "start printed '$server', not 127.0.0.1:PORT"
    grep -qx "CUPS_SERVER=$server" "$work/cups/env" || fail "env file lacks CUPS_SERVER=$server"
    # Sourced as run-test.sh does: the "$" in a queue name survives.
    (set -a; . "$work/cups/env"; set +a; [ "$HALVANE_CUPS_QUEUES" = 'Quorvan_Office Quorvan_Color Cost$Center -Dash Acme_Laser RB_Fleet Quorvan_Büro Quorvan_Finisher Quorvan_Watermark Quorvan_Accounting Quorvan_Job Lower_Maker Prefixed_Maker Foreign_DeviceID Other_Filter Raw_Queue' ]) \
      || fail "HALVANE_CUPS_QUEUES does not survive sourcing"
    check_queues "$server"
    first_pid=$(cat "$work/cups/cupsd.pid")

    # Starting over a stale folder stops the old cupsd and starts afresh.
    server2=$(bash "$here/private-cups.sh" start "$work/cups") || fail "restart failed"
    kill -0 "$first_pid" 2>/dev/null && fail "restart left the old cupsd $first_pid running"
    check_queues "$server2"
    second_pid=$(cat "$work/cups/cupsd.pid")

    bash "$here/private-cups.sh" stop "$work/cups" || fail "stop failed"
    kill -0 "$second_pid" 2>/dev/null && fail "cupsd $second_pid still runs after stop"
    [ -e "$work/cups/env" ] && fail "env file left after stop"
    bash "$here/private-cups.sh" stop "$work/cups" || fail "a second stop failed"

    # Back after a stop, and again while running: same port, same queues.
    back=$(bash "$here/private-cups.sh" restart "$work/cups") || fail "restart after a stop failed"
    [ "$back" = "$server2" ] || fail "restart moved from $server2 to '$back'"
    grep -qx "CUPS_SERVER=$server2" "$work/cups/env" 2>/dev/null || fail "no env file after restart"
    check_queues "$server2"
    third_pid=$(cat "$work/cups/cupsd.pid")
    bash "$here/private-cups.sh" restart "$work/cups" >/dev/null || fail "restart of a running cupsd failed"
    kill -0 "$third_pid" 2>/dev/null && fail "restart left cupsd $third_pid running"
    check_queues "$server2"
    bash "$here/private-cups.sh" stop "$work/cups" || fail "stop after restart failed"

    # A given queue set instead of the sample one.
    server3=$(bash "$here/private-cups.sh" start "$work/cups" 'Only$One=cups-color.ppd') || fail "start with a queue set failed"
    CUPS_SERVER=$server3 lpstat -p 'Only$One' >/dev/null 2>&1 || fail "queue Only\$One missing"
    CUPS_SERVER=$server3 lpstat -p Quorvan_Office >/dev/null 2>&1 && fail "sample queues made although a set was given"
    bash "$here/private-cups.sh" stop "$work/cups" || fail "stop failed"

    # A folder the script did not make is refused, not wiped.
    mkdir -p "$work/foreign"
    echo keep >"$work/foreign/file"
    if bash "$here/private-cups.sh" start "$work/foreign" >/dev/null 2>&1; then
      fail "start took over a foreign folder"
      bash "$here/private-cups.sh" stop "$work/foreign"
    fi
    [ "$(cat "$work/foreign/file" 2>/dev/null)" = keep ] || fail "a foreign folder was changed"
    ;;
  locale)
    work=$(mktemp -d)
    trap 'for d in "$work"/*; do bash "$here/private-cups.sh" stop "$d" >/dev/null 2>&1; done; rm -rf "$work"' EXIT
    german=(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LC_MESSAGES=de_DE.UTF-8 LANGUAGE=de)
    server=$(env "${german[@]}" bash "$here/private-cups.sh" start "$work/de" 'Only=cups-color.ppd') \
      || fail "start under a German locale failed"
    if [ -n "$server" ]; then
      # Only where lpstat answers in German does this show anything.
      env "${german[@]}" CUPS_SERVER="$server" lpstat -r 2>&1 | grep -q "is running" \
        && fail "lpstat answers in English under de_DE.UTF-8 here; the check shows nothing"
      CUPS_SERVER=$server lpstat -p Only >/dev/null 2>&1 || fail "queue Only missing after a German start"
    fi
    bash "$here/private-cups.sh" stop "$work/de" || fail "stop failed"

    # A queue whose PPD is missing fails the start after cupsd runs.
    if bash "$here/private-cups.sh" start "$work/bad" 'Only=cups-color.ppd' 'Bad=no-such.ppd' >/dev/null 2>&1; then
      fail "a start with a missing PPD succeeded"
    fi
    for cmdline in /proc/[0-9]*/cmdline; do
      if { tr '\0' ' ' <"$cmdline"; } 2>/dev/null | grep -qF -- "$work/bad/cupsd.conf"; then
        fail "the failed start left its cupsd running (${cmdline%/cmdline})"
      fi
    done
    [ -e "$work/bad/env" ] && fail "the failed start left an env file"
    ;;
  *)
    echo "usage: check-private-cups.sh client|lifecycle|locale" >&2
    exit 2
    ;;
esac

[ "$failures" = 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
