#!/bin/sh
# Installs the Debian packages listed in debian-packages.txt that are not installed yet.
# Uses apt-get directly when run as root, through sudo otherwise.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
list="$here/debian-packages.txt"

missing=""
for pkg in $(grep -v '^#' "$list" | tr -s ' \n' '\n' | grep -v '^$'); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1; then
    run="sudo"
else
    echo "error: packages missing ($missing) and neither root nor sudo is available" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -q
# shellcheck disable=SC2086
$run apt-get install -y -q --no-install-recommends $missing
