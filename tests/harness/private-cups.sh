#!/bin/bash
# A throw-away cupsd on a free loopback port, everything under one folder.
#   private-cups.sh start DIR [NAME=PPD ...]   start it, add queues, print CUPS_SERVER
#   private-cups.sh stop DIR                   stop it (by its pid)
#   private-cups.sh restart DIR                start it again after a stop (or
#                                              in place of the running one) on
#                                              the same port, with its queues
# Without NAME=PPD pairs the sample queues below are made. PPD paths are
# taken relative to tests/fixtures unless absolute; "-" makes a queue
# without a PPD. start writes DIR/env
# (CUPS_SERVER=127.0.0.1:PORT and friends) for run-test.sh and for
# scripts that want to talk to it: `set -a; . DIR/env; set +a`.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
fixtures=$(cd "$here/../fixtures" && pwd)
marker=.halvane-private-cups

# Queue name, then fixture PPD. One name holds a "$" on purpose: queue names
# are never to reach a shell.
default_queues=(
  "Quorvan_Office=cups-office.ppd"
  "Quorvan_Color=cups-color.ppd"
  "Cost\$Center=cups-office.ppd"
  # A name lpstat and lpoptions would take for options if it stood alone.
  "-Dash=cups-office.ppd"
  "Acme_Laser=cups-generic.ppd"
  # For the printer page: the other maker name with installable options, a
  # non-ASCII name, and queues its maker test turns away ("-": no PPD).
  "RB_Fleet=printer-installable.ppd"
  "Quorvan_Büro=cups-office.ppd"
  # Booklet, folding, punching and stapling.
  "Quorvan_Finisher=cups-finisher.ppd"
  # The watermark options, with their texts in six languages.
  "Quorvan_Watermark=cups-watermark.ppd"
  # Colour, duplex and toner saving for the print-accounting page to force,
  # and the job and publishing options it blocks; translated.
  "Quorvan_Accounting=cups-accounting.ppd"
  # Job storage, accounting, job name, e-mail notice and user login.
  "Quorvan_Job=cups-job.ppd"
  "Lower_Maker=printer-lowercase-maker.ppd"
  "Prefixed_Maker=printer-prefixed-maker.ppd"
  "Foreign_DeviceID=printer-foreign-deviceid.ppd"
  "Other_Filter=printer-no-filter.ppd"
  "Raw_Queue=-"
)

die() { echo "private-cups.sh: $*" >&2; exit 1; }

usage() { die "usage: private-cups.sh start|stop|restart DIR [NAME=PPD ...]"; }

# The pid in DIR/cupsd.pid, when that process is still our cupsd.
running_pid() {
  local dir=$1 pid
  [ -r "$dir/cupsd.pid" ] || return 1
  pid=$(cat "$dir/cupsd.pid")
  [[ "$pid" =~ ^[0-9]+$ ]] || return 1
  [ -r "/proc/$pid/cmdline" ] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "$dir/cupsd.conf" || return 1
  echo "$pid"
}

stop_cups() {
  local dir=$1 pid i
  rm -f "$dir/env"
  pid=$(running_pid "$dir") || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "private-cups.sh: cupsd $pid did not stop on TERM; killing it" >&2
    kill -KILL "$pid" 2>/dev/null || true
    sleep 0.2
  fi
  rm -f "$dir/cupsd.pid"
}

free_port() {
  python3 -c 'import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()'
}

# DIR/serverbin: /usr/lib/cups as symlinks, plus stub maker filters.
make_serverbin() {
  local bin=$1 sub entry
  mkdir -p "$bin"
  for sub in /usr/lib/cups/*; do
    [ -d "$sub" ] || continue
    mkdir -p "$bin/$(basename "$sub")"
    for entry in "$sub"/*; do
      [ -e "$entry" ] && ln -s "$entry" "$bin/$(basename "$sub")/$(basename "$entry")"
    done
  done
  local f
  for f in zelfilter_F zelfilter_ras_F zelfilter_pdf_F; do
    cat >"$bin/filter/$f" <<'STUB'
#!/bin/sh
# Stand-in for the maker's filter: passes the job through. A job titled
# "hold-printing..." stays here a while, so the queue shows as printing.
case "$3" in hold-printing*) sleep 60 ;; esac
if [ -n "${6:-}" ]; then exec cat "$6"; fi
exec cat
STUB
    chmod 0755 "$bin/filter/$f"
  done
}

write_config() {
  local dir=$1 port=$2
  {
    echo "ServerRoot $dir/etc"
    echo "RequestRoot $dir/spool"
    echo "CacheDir $dir/cache"
    echo "StateDir $dir/state"
    echo "TempDir $dir/tmp"
    echo "ServerBin $dir/serverbin"
    echo "ErrorLog $dir/log/error_log"
    echo "AccessLog $dir/log/access_log"
    echo "PageLog $dir/log/page_log"
    echo "Printcap $dir/printcap"
    echo "FileDevice Yes"
    if [ "$(id -u)" = 0 ]; then
      # cupsd refuses to run its filters as root.
      echo "User lp"
      echo "Group lp"
    else
      echo "User $(id -un)"
      echo "Group $(id -gn)"
      echo "SystemGroup $(id -gn)"
    fi
  } >"$dir/cups-files.conf"
  cat >"$dir/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultShared No
LogLevel warn
MaxLogSize 0
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
}

wait_until_answering() {
  local dir=$1 server=$2 pid=$3 i
  for i in $(seq 1 150); do
    if ! kill -0 "$pid" 2>/dev/null; then
      tail -n 20 "$dir/log/error_log" "$dir/log/cupsd.out" >&2 2>/dev/null || true
      die "cupsd exited during start-up (logs in $dir/log)"
    fi
    # lpstat's words follow the locale, LC_MESSAGES before LC_ALL: read
    # them in the C locale whatever the caller's is.
    if CUPS_SERVER=$server LC_ALL=C LC_MESSAGES=C LANG=C LANGUAGE= lpstat -r 2>/dev/null | grep -q "is running"; then
      return 0
    fi
    sleep 0.2
  done
  die "cupsd on $server did not answer within 30 s (logs in $dir/log)"
}

add_queue() {
  local dir=$1 server=$2 name=$3 ppd=$4 out model=()
  if [ "$ppd" != - ]; then
    case "$ppd" in /*) ;; *) ppd="$fixtures/$ppd" ;; esac
    [ -r "$ppd" ] || die "no PPD $ppd for queue $name"
    model=(-P "$ppd")
  fi
  # lpadmin prints a deprecation warning for -P; only its status counts.
  # The name attached to -p: "-Dash" on its own would be read as options.
  if ! out=$(CUPS_SERVER=$server lpadmin -p"$name" -E -v file:/dev/null "${model[@]}" 2>&1); then
    echo "$out" >&2
    die "lpadmin could not add queue $name"
  fi
  CUPS_SERVER=$server lpstat -p"$name" >/dev/null 2>&1 || die "queue $name is missing after lpadmin"
}

start_cups() {
  local dir=$1; shift
  local queues=("$@")
  [ ${#queues[@]} -gt 0 ] || queues=("${default_queues[@]}")
  local q
  for q in "${queues[@]}"; do
    [[ "$q" == *=* ]] || die "queue '$q' is not NAME=PPD"
  done
  command -v cupsd >/dev/null || command -v /usr/sbin/cupsd >/dev/null || die "cupsd is not installed"
  command -v lpadmin >/dev/null || command -v /usr/sbin/lpadmin >/dev/null || die "lpadmin is not installed"
  export PATH="$PATH:/usr/sbin:/sbin"

  # A stale folder of an earlier run: stop what it left and start afresh. Any
  # other non-empty folder is not ours to wipe.
  if [ -e "$dir" ]; then
    if [ -e "$dir/$marker" ]; then
      stop_cups "$dir"
      rm -rf "$dir"
    elif [ -n "$(ls -A "$dir" 2>/dev/null)" ]; then
      die "$dir exists and was not made by this script; not touching it"
    fi
  fi
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  touch "$dir/$marker"
  mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state/certs" "$dir/tmp" "$dir/log"
  chmod 0755 "$dir"
  if [ "$(id -u)" = 0 ]; then
    # cupsd drops to lp for its helpers and files.
    chown -R lp:lp "$dir/spool" "$dir/cache" "$dir/tmp" "$dir/log"
    chmod 0710 "$dir/spool"
    chmod 1770 "$dir/spool/tmp" "$dir/tmp"
  fi
  make_serverbin "$dir/serverbin"

  local port server pid
  port=$(free_port) || die "found no free port (python3 missing?)"
  server=127.0.0.1:$port
  write_config "$dir" "$port"

  # Detached, with its output in a file: CTest must not wait on our pipes.
  cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  pid=$!
  echo "$pid" >"$dir/cupsd.pid"
  # A start that fails from here on stops the cupsd it started.
  trap "stop_cups $(printf '%q' "$dir")" EXIT
  wait_until_answering "$dir" "$server" "$pid"

  local names=()
  for q in "${queues[@]}"; do
    add_queue "$dir" "$server" "${q%%=*}" "${q#*=}"
    names+=("${q%%=*}")
  done

  {
    echo "CUPS_SERVER=$server"
    echo "HALVANE_CUPS_DIR='$dir'"
    echo "HALVANE_CUPS_PID_FILE='$dir/cupsd.pid'"
    # Space-separated (queue names hold no blanks); quoted so "$" stays.
    echo "HALVANE_CUPS_QUEUES='${names[*]}'"
  } >"$dir/env.tmp"
  chmod 0644 "$dir/env.tmp" "$dir/cupsd.pid"
  # A stop removes env; restart puts this copy back.
  cp "$dir/env.tmp" "$dir/env.kept"
  mv "$dir/env.tmp" "$dir/env"
  trap - EXIT
  echo "$server"
}

# For tests of a CUPS that goes away under a client and comes back: the same
# configuration, port and queues (cupsd keeps them in DIR/etc).
restart_cups() {
  local dir=$1 port server pid
  [ -e "$dir/$marker" ] && [ -r "$dir/env.kept" ] || die "$dir holds no private cupsd to restart"
  export PATH="$PATH:/usr/sbin:/sbin"
  stop_cups "$dir"
  port=$(sed -n 's/^Listen 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$dir/cupsd.conf")
  [ -n "$port" ] || die "no port in $dir/cupsd.conf"
  server=127.0.0.1:$port
  cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
    </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  pid=$!
  echo "$pid" >"$dir/cupsd.pid"
  trap "stop_cups $(printf '%q' "$dir")" EXIT
  wait_until_answering "$dir" "$server" "$pid"
  cp "$dir/env.kept" "$dir/env.tmp"
  chmod 0644 "$dir/env.tmp" "$dir/cupsd.pid"
  mv "$dir/env.tmp" "$dir/env"
  trap - EXIT
  echo "$server"
}

[ $# -ge 2 ] || usage
action=$1
dir=$2
shift 2
[ -n "$dir" ] && [ "$dir" != / ] || usage
case "$action" in
  start) start_cups "$dir" "$@" ;;
  stop)
    [ $# -eq 0 ] || usage
    if [ -e "$dir" ]; then
      dir=$(cd "$dir" && pwd)
      stop_cups "$dir"
    fi
    ;;
  restart)
    [ $# -eq 0 ] || usage
    [ -d "$dir" ] || die "no folder $dir"
    dir=$(cd "$dir" && pwd)
    restart_cups "$dir"
    ;;
  *) usage ;;
esac
