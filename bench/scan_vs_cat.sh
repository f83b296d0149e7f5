#!/usr/bin/env bash
# The worst case of the analysis as a user meets it: analysis-trace scanning a
# page-cached 1 GiB document without its marker, against `cat` reading the
# same file to /dev/null. Prints the median wall time of each and the scan's
# speed as a fraction of cat's (1.00 = as fast as cat).
#
#   bench/scan_vs_cat.sh [BUILD_DIR]      (default: build)
#
# KARVELIO_BENCH_MIB (default 1024) and KARVELIO_BENCH_DIR (default the
# temporary folder) size and place the document, as for analysis_bench;
# KARVELIO_BENCH_RUNS (default 11) sets the runs per command. The document is
# removed at the end.
set -euo pipefail

build=${1:-build}
trace="$build/bin/analysis-trace"
mib=${KARVELIO_BENCH_MIB:-1024}
runs=${KARVELIO_BENCH_RUNS:-11}
folder=${KARVELIO_BENCH_DIR:-${TMPDIR:-/tmp}}
[[ -x $trace ]] || { echo "scan_vs_cat: no $trace (build first)" >&2; exit 2; }

document=$(mktemp "$folder/karvelio-scan-XXXXXX.indd")
trap 'rm -f "$document"' EXIT

# A CS4 little-endian header, then random bytes in which no 'N' is followed by
# 0x0E: the marker cannot occur, so the scan runs to the end. Written in 1 MiB
# blocks, as analysis_bench writes its document: the page cache keeps a file
# written in small pieces in small pages, which alone made reading it twice
# as slow and would hide what the scan costs.
write_document() {
  {
    printf '\0%.0s' {1..24}; printf '\1\0\0\0\0\6'; printf '\0%.0s' {1..18}
    head -c $(((mib << 20) - 48)) /dev/urandom | LC_ALL=C sed 's/N\x0e/N\x0f/g'
  } | dd of="$document" bs=1M iflag=fullblock status=none
}

# Wall time of one run of a command, in microseconds.
run_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median_ms() {
  printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

write_document
if ! "$trace" "$document" | grep -qx 'subversion 不明'; then
  echo "scan_vs_cat: the generated document holds a marker" >&2
  exit 1
fi
cat "$document" >/dev/null # into the page cache
cat "$document" >/dev/null

# Alternating runs share whatever else the machine is doing.
cat_us=() scan_us=()
for ((i = 0; i < runs; i++)); do
  cat_us+=("$(run_us cat "$document")")
  scan_us+=("$(run_us "$trace" "$document")")
done
awk -v c="$(median_ms "${cat_us[@]}")" -v s="$(median_ms "${scan_us[@]}")" -v mib="$mib" 'BEGIN {
  printf "cat            %8.1f ms  %6.0f MiB/s\n", c, mib * 1000 / c
  printf "analysis-trace %8.1f ms  %6.0f MiB/s\n", s, mib * 1000 / s
  printf "scan/cat speed %8.2f\n", c / s
}'
