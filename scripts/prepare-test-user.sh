#!/bin/bash
# Run as root: the unprivileged user the panel's tests run as, and the shared
# per-user settings root every user must be able to create a folder in.
#
# For the tests of the root-password road the user also gets a password and
# may run the recording stand-in /usr/local/bin/zelPPDWrite_F (from
# tests/harness/) as root through sudo, and nothing else. The password is kept
# in /etc/halvane-test/password (owner root, group of the user, mode 0640, no
# line end); the tests read it from there. Running the script again keeps the
# password and refreshes the rest.
set -eu
user=$1
top=$(cd "$(dirname "$0")/.." && pwd)
id "$user" >/dev/null 2>&1 || useradd -m -s /bin/bash "$user"
mkdir -p /usr/share/quorvan
chmod 1777 /usr/share/quorvan

group=$(id -gn "$user")
secret_dir=/etc/halvane-test
secret=$secret_dir/password
install -d -m 0750 -o root -g "$group" "$secret_dir"
if [ ! -s "$secret" ]; then
  # Characters a shell would act on, so a road that pasted the password into
  # a command line would fail the tests.
  random=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
  (umask 077; printf '%s' "pw-$random \"\$HOME\`id\`\\'!;" >"$secret.new")
  mv -f "$secret.new" "$secret"
fi
chown root:"$group" "$secret"
chmod 0640 "$secret"
# chpasswd reads "user:password" from standard input; the password never
# reaches a command line.
{ printf '%s:' "$user"; cat "$secret"; printf '\n'; } | chpasswd

stub=/usr/local/bin/zelPPDWrite_F
marker="halvane test stand-in"
if [ -e "$stub" ] && ! grep -q "$marker" "$stub"; then
  echo "prepare-test-user.sh: $stub exists and is not the test stand-in; leaving it" >&2
  exit 1
fi
install -m 0755 -o root -g root "$top/tests/harness/zelPPDWrite_F" "$stub"

drop_in=/etc/sudoers.d/halvane-test
{
  echo "# The halvane tests' user may run the recording stand-in as root."
  echo "Defaults:$user lecture=never"
  echo "$user ALL=(root) $stub"
} >"$drop_in.new"
chmod 0440 "$drop_in.new"
visudo -cqf "$drop_in.new"
mv -f "$drop_in.new" "$drop_in"
