#!/usr/bin/env bash
# From "karvelio DOCUMENT" to its result window on screen (mapped and titled
# with the document's name), against a minimal Qt Widgets program that shows
# one empty window of the same size: median of RUNS runs each, interleaved,
# under a display of its own; then the peak memory of each at that moment.
# For reference it also times the minimal window with one Japanese label,
# the floor of any window that shows Japanese text.
#   bench/startup.sh [BUILD_DIR] [DOCUMENT] [RUNS]
# Runs itself under xvfb-run when there is no display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
document="$(realpath "${2:-$root/../shared/testdata/opml2indesign-DEMO.indd}")"
runs="${3:-10}"

if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$document" "$runs"
fi
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

wait_for="$build/bin/window-wait"
title="$(basename "$document")"
karvelio_ms=() karvelio_kib=() floor_ms=() floor_kib=() text_ms=() text_kib=()
for _ in $(seq "$runs"); do
  read -r ms _ kib _ < <("$wait_for" "$title" "$build/bin/karvelio" "$document")
  karvelio_ms+=("$ms") karvelio_kib+=("$kib")
  read -r ms _ kib _ < <("$wait_for" Minimal "$build/bin/minimal-window" Minimal)
  floor_ms+=("$ms") floor_kib+=("$kib")
  read -r ms _ kib _ < <("$wait_for" Minimal "$build/bin/minimal-window" Minimal "閉じる")
  text_ms+=("$ms") text_kib+=("$kib")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
k_ms=$(median "${karvelio_ms[@]}") f_ms=$(median "${floor_ms[@]}")
k_kib=$(median "${karvelio_kib[@]}") f_kib=$(median "${floor_kib[@]}")
t_ms=$(median "${text_ms[@]}") t_kib=$(median "${text_kib[@]}")
echo "to the window on screen, median of $runs: karvelio $k_ms ms, minimal Qt window $f_ms ms, ratio $(awk -v a="$k_ms" -v b="$f_ms" 'BEGIN { printf "%.2f", a / b }')"
echo "peak resident memory then, median: karvelio $k_kib KiB, minimal Qt window $f_kib KiB, difference $(( k_kib - f_kib )) KiB"
echo "for reference, the minimal window with one Japanese label: $t_ms ms, $t_kib KiB"
