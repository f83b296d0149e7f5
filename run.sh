#!/usr/bin/env bash
# Builds Karvelio (Release) and starts it with the documents given:
#   ./run.sh [DOCUMENT...]
# Installs the Debian packages it needs when they are missing (as root, or
# through sudo).
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="$root/build-release"

packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins fonts-vlgothic)
"$root/scripts/install-missing-packages.sh" run.sh "${packages[@]}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target karvelio

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: Karvelio is built ($build/bin/karvelio) but there is no display to show it on (DISPLAY is not set); run it in a desktop session, or under a virtual display: xvfb-run -a ./run.sh [DOCUMENT...]" >&2
  exit 1
fi
exec "$build/bin/karvelio" "$@"
