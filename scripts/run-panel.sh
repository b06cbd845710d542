#!/bin/bash
# Installs what the panel needs, builds it and starts it.
#
# When the machine's CUPS has none of the maker's queues, a private cupsd with
# a few sample queues is started and the panel pointed at it. The panel
# refuses root: started as root, this runs it as the unprivileged user
# halvanetest (created when missing) on the same display. Without a display
# it starts a virtual one (Xvfb) and says how to look at it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
run_user=${HALVANE_TEST_USER:-halvanetest}

"$top/scripts/install-deps.sh"

as_root=0
[ "$(id -u)" = 0 ] && as_root=1
if [ "$as_root" = 1 ]; then
  "$top/scripts/prepare-test-user.sh" "$run_user"
  # The user must reach the program; a clone under /root is out of its reach.
  top=$("$top/scripts/reachable-tree.sh" "$run_user" "$top" /var/tmp/halvane-run-tree)
fi

cd "$top"
# The build's output goes to a file, shown only when the build fails, so the
# last lines on screen are about the panel.
mkdir -p build
build_log=$top/build/run-panel-build.log
echo "Building the panel (log in $build_log)..."
if ! { cmake -S . -B build && cmake --build build -j"$(nproc)"; } >"$build_log" 2>&1; then
  tail -n 40 "$build_log" >&2
  echo "The build failed; the whole log is in $build_log." >&2
  exit 1
fi
[ "$as_root" = 1 ] && chmod -R a+rX build
panel=$top/build/panel/halvane
panel_log=$top/build/run-panel.log

# Everything started here is stopped on the way out, however the script ends:
# the panel closed, Ctrl-C, SIGTERM, or a step that failed.
cleanup_steps=()
panel_pid=
cleanup() {
  local i
  trap - INT TERM
  if [ -n "$panel_pid" ] && kill -0 "$panel_pid" 2>/dev/null; then
    kill -TERM "$panel_pid" 2>/dev/null || true
    wait "$panel_pid" 2>/dev/null || true
  fi
  for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do
    eval "${cleanup_steps[$i]}" || true
  done
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# True when a queue of the CUPS the panel would talk to is one of the maker's:
# its PPD names the maker, one of its filters and "MFG:ZENT".
has_maker_queue() {
  local queues
  queues=$(lpstat -e 2>/dev/null) || return 1
  [ -n "$queues" ] || return 1
  # shellcheck disable=SC2086
  printf '%s\n' "$queues" | python3 -c '
import os, re, sys, urllib.parse, urllib.request
server = os.environ.get("CUPS_SERVER", "")
if not server or server.startswith("/"):
    server = "localhost:631"
elif ":" not in server:
    server += ":631"
for name in sys.stdin.read().split():
    url = "http://%s/printers/%s.ppd" % (server, urllib.parse.quote(name, safe=""))
    try:
        ppd = urllib.request.urlopen(url, timeout=5).read().decode("latin-1")
    except Exception:
        continue
    if (re.search(r"^\*Manufacturer:\s*\"(Quorvan|RB_ZENT)\"", ppd, re.M)
            and re.search(r"^\*cupsFilter2?:.*zelfilter_(F|ras_F|pdf_F)", ppd, re.M)
            and re.search(r"^\*1284DeviceID:.*MFG:ZENT", ppd, re.M)):
        sys.exit(0)
sys.exit(1)'
}

# The profile details read a profile's model PPD from the maker's folder,
# named after the PPD's model name as the panel derives it. The sample
# queues' PPDs go there for the run; the ones put there are removed after,
# and so is the folder when this run made it and nothing else is left in it.
model_ppd_dir=/usr/share/quorvan/ppd5
install_model_ppds() {
  local ppd model name
  mkdir -p "${model_ppd_dir%/*}" 2>/dev/null || true
  # mkdir without -p succeeds only for the one who makes the folder. Its
  # step comes first, so it runs after the files' steps on the way out.
  if mkdir "$model_ppd_dir" 2>/dev/null; then
    cleanup_steps+=("rmdir '$model_ppd_dir' 2>/dev/null")
  elif [ ! -d "$model_ppd_dir" ]; then
    echo "Cannot create $model_ppd_dir; profile details show no values." >&2
    return 0
  fi
  for ppd in "$@"; do
    model=$(sed -n 's/^\*ModelName: *"\(.*\)".*/\1/p' "$ppd" | head -n 1)
    case "$model" in Quorvan*|RB*) ;; *) continue ;; esac
    name=${model//[/}; name=${name//]/}; name=${name// /_}; name=${name//_ZPDL/}
    name=${name//B\/W/Monochrome}; name=${name//RB-ZENT/RB}
    case "$name" in */*|*..*) continue ;; esac
    [ -e "$model_ppd_dir/$name.ppd" ] && continue
    if cp "$ppd" "$model_ppd_dir/$name.ppd" 2>/dev/null; then
      chmod 0644 "$model_ppd_dir/$name.ppd"
      cleanup_steps+=("rm -f '$model_ppd_dir/$name.ppd'")
    fi
  done
}

cups_server=${CUPS_SERVER:-}
if has_maker_queue; then
  echo "Using the machine's CUPS."
else
  cups_dir=$top/build/run-cups
  echo "The machine's CUPS has none of the maker's queues; starting a private one with sample queues."
  "$top/tests/harness/private-cups.sh" start "$cups_dir" >/dev/null
  cleanup_steps+=("'$top/tests/harness/private-cups.sh' stop '$cups_dir'")
  cups_server=$(sed -n 's/^CUPS_SERVER=//p' "$cups_dir/env")
  echo "Private CUPS on $cups_server (queues: $(CUPS_SERVER=$cups_server lpstat -e | tr '\n' ' '))"
  install_model_ppds "$top"/tests/fixtures/cups-*.ppd "$top/tests/fixtures/printer-installable.ppd"
fi

# The display, and an X cookie the panel's user may read.
auth_dir=$(mktemp -d /tmp/halvane-run-XXXXXX)
cleanup_steps+=("rm -rf '$auth_dir'")
auth_file=$auth_dir/Xauthority
display=${DISPLAY:-}
if [ -z "$display" ]; then
  number=42
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  display=:$number
  touch "$auth_file"
  xauth -q -f "$auth_file" add "$display" . "$(mcookie)"
  # In a session of its own, like the panel: Ctrl-C reaches only this script,
  # which then stops the panel before its display.
  setsid Xvfb "$display" -screen 0 1024x800x24 -nolisten tcp -auth "$auth_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  cleanup_steps+=("kill $xvfb_pid 2>/dev/null")
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
  done
  where="on a virtual display $display (Xvfb; DISPLAY is not set), unseen"
  how="Look at it with: XAUTHORITY=$auth_file DISPLAY=$display import -window root shot.png (package imagemagick)"
else
  source_auth=${XAUTHORITY:-$HOME/.Xauthority}
  if [ -r "$source_auth" ]; then
    xauth -q -f "$source_auth" extract - "$display" | xauth -q -f "$auth_file" merge - || true
  fi
  [ -e "$auth_file" ] || touch "$auth_file"
  where="on your display $display"
  how="Look at it on that display."
fi
chmod 0700 "$auth_dir"
chmod 0600 "$auth_file"

env_vars=(DISPLAY="$display" XAUTHORITY="$auth_file" LANG="${LANG:-C.UTF-8}")
[ -n "$cups_server" ] && env_vars+=(CUPS_SERVER="$cups_server")
for var in LC_ALL LC_MESSAGES LC_NUMERIC LANGUAGE; do
  [ -n "${!var:-}" ] && env_vars+=("$var=${!var}")
done

# In the background, so that a signal to this script reaches its trap at once
# (bash waits for a foreground child before it runs a trap), and in a session
# of its own, so that Ctrl-C reaches this script, which stops the panel.
if [ "$as_root" = 1 ]; then
  chown -R "$run_user" "$auth_dir"
  home=$(getent passwd "$run_user" | cut -d: -f6)
  setsid runuser -u "$run_user" -- env -i "${env_vars[@]}" HOME="$home" USER="$run_user" \
    LOGNAME="$run_user" PATH=/usr/local/bin:/usr/bin:/bin "$panel" >"$panel_log" 2>&1 &
  panel_pid=$!
  who="as the user $run_user (the panel does not run as root)"
else
  setsid env "${env_vars[@]}" "$panel" >"$panel_log" 2>&1 &
  panel_pid=$!
  who="as $(id -un)"
fi
echo "The panel runs $who, $where${cups_server:+, with CUPS at $cups_server}."
echo "Its messages go to $panel_log. Close it, or press Ctrl-C, to end."
echo "$how"
status=0
wait "$panel_pid" || status=$?
panel_pid=
if [ "$status" != 0 ]; then
  tail -n 20 "$panel_log" >&2
  echo "The panel ended with status $status." >&2
fi
exit "$status"
