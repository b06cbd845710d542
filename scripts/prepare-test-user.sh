#!/bin/bash
# Run as root: the unprivileged user the panel's tests run as, and the shared
# per-user settings root every user must be able to create a folder in.
set -eu
user=$1
id "$user" >/dev/null 2>&1 || useradd -m -s /bin/bash "$user"
mkdir -p /usr/share/quorvan
chmod 1777 /usr/share/quorvan
