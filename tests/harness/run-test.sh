#!/bin/bash
# Runs one test program: optionally with the private CUPS's environment and,
# when started as root, as the unprivileged test user. The program runs as a
# child, so that afterwards the per-user folders it left (an abort or a crash
# skips PanelUsers's destructor) go, with those of other test programs that
# are gone (sweep-user-folders.sh, as the user the program ran as). The run
# ends as the program did: with its exit status, or by its signal.
#   run-test.sh [--as-user] [--cups ENVFILE] -- PROGRAM [ARGS...]
set -eu
sweep=$(dirname "$0")/sweep-user-folders.sh
as_user=0
cups_env=""
while [ $# -gt 0 ]; do
  case "$1" in
    --as-user) as_user=1; shift ;;
    --cups) cups_env="$2"; shift 2 ;;
    --) shift; break ;;
    *) echo "run-test.sh: unknown flag $1" >&2; exit 2 ;;
  esac
done

if [ -n "$cups_env" ]; then
  if [ ! -r "$cups_env" ]; then
    echo "run-test.sh: the private cupsd is not running (no $cups_env)" >&2
    exit 1
  fi
  set -a
  # shellcheck disable=SC1090
  . "$cups_env"
  set +a
fi

if [ "$as_user" = 1 ] && [ "$(id -u)" = 0 ]; then
  user="${HALVANE_TEST_USER:-halvanetest}"
  if ! id "$user" >/dev/null 2>&1; then
    echo "run-test.sh: test user '$user' does not exist; scripts/test-all.sh creates it" >&2
    exit 1
  fi
  home=$(getent passwd "$user" | cut -d: -f6)
  vars=()
  while IFS= read -r name; do
    vars+=("$name=${!name}")
  done < <(compgen -e | grep -E '^(QT_|CUPS_|HALVANE_|DBUS_|LANG$|LC_|PATH$|TMPDIR$|XDG_CONFIG_HOME$|ASAN_OPTIONS$|UBSAN_OPTIONS$)' || true)
  status=0
  runuser -u "$user" -- env -i "${vars[@]}" HOME="$home" USER="$user" LOGNAME="$user" "$@" || status=$?
  runuser -u "$user" -- "$sweep" || true
else
  status=0
  "$@" || status=$?
  "$sweep" || true
fi

# A program that a signal ended (runuser reports it as 128 + the signal's
# number) ends this script alike, so CTest tells a crash from a failure as
# for a program it starts itself.
case $((status - 128)) in
  1|2|3|4|5|6|7|8|9|11|13|14|15|24|25|31)
    ulimit -c 0
    trap - "$((status - 128))"
    kill -s "$((status - 128))" "$$" ;;
esac
exit "$status"
