#!/bin/bash
# A private system bus for the notifier's tests and for trying tpxui by hand:
#   private-bus.sh DIR [POLICY.conf...]
# writes DIR/bus.conf and runs dbus-daemon in the foreground; the first line
# on standard output is the address for DBUS_SYSTEM_BUS_ADDRESS. Like a real
# system bus, nobody may own a name or call a method on it unless one of the
# given policy files allows it. End it by its pid.
set -eu
if [ $# -lt 1 ]; then
  echo "usage: private-bus.sh DIR [POLICY.conf...]" >&2
  exit 2
fi
dir=$1
shift
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

xml_escape() {
  local s=$1
  s=${s//&/&amp;}
  s=${s//</&lt;}
  s=${s//>/&gt;}
  printf '%s' "$s"
}

includes=""
for policy in "$@"; do
  if [ ! -r "$policy" ]; then
    echo "private-bus.sh: cannot read the policy $policy" >&2
    exit 1
  fi
  includes+="  <include>$(xml_escape "$(cd "$(dirname "$policy")" && pwd)/$(basename "$policy")")</include>"$'\n'
done

cat >"$dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <auth>EXTERNAL</auth>
  <listen>unix:path=$(xml_escape "$dir")/socket</listen>
  <policy context="default">
    <allow user="*"/>
    <deny own="*"/>
    <deny send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_requested_reply="true" send_type="method_return"/>
    <allow send_requested_reply="true" send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
    <allow receive_type="signal"/>
    <allow send_destination="org.freedesktop.DBus" send_interface="org.freedesktop.DBus"/>
  </policy>
$includes</busconfig>
CONF

exec dbus-daemon --config-file="$dir/bus.conf" --nofork --nopidfile --print-address=1
