#!/usr/bin/env bash
# Installs those of the given Debian packages that are not installed yet (as
# root, or through sudo); what it says names the script that asked:
#   scripts/install-missing-packages.sh CALLER PACKAGE...
set -euo pipefail
if (($# < 2)); then
  echo "usage: $0 CALLER PACKAGE..." >&2
  exit 2
fi
caller=$1
shift

missing=()
for package in "$@"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]})) || exit 0

echo "$caller: installing ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -qq
# Through env: sudo would drop a variable set in front of it.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
