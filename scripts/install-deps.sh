#!/bin/bash
# Installs the Debian packages of scripts/packages.txt that are missing.
# Runs apt-get update once, and only when something is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
missing=()
while read -r pkg; do
  case "$pkg" in ''|\#*) continue ;; esac
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < "$here/packages.txt"

[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" != 0 ]; then
  if command -v sudo >/dev/null; then
    sudo "$0"
    exit $?
  fi
  echo "install-deps.sh: run as root to install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
