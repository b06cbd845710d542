#!/bin/bash
# Runs one test program: optionally with the private CUPS's environment and,
# when started as root, as the unprivileged test user.
#   run-test.sh [--as-user] [--cups ENVFILE] -- PROGRAM [ARGS...]
set -eu
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
  exec runuser -u "$user" -- env -i "${vars[@]}" HOME="$home" USER="$user" LOGNAME="$user" "$@"
fi
exec "$@"
