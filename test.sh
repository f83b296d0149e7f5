#!/usr/bin/env bash
# Builds Karvelio and runs every test. Installs the Debian packages it needs
# when they are missing (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev fonts-vlgothic desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin clang libclang-rt-14-dev
          xvfb xauth xdotool imagemagick libsm-dev libice-dev)

scripts/install-missing-packages.sh test.sh "${packages[@]}"

jobs=$(nproc)
cmake -S . -B build -G Ninja -DKARVELIO_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# Everything once more under AddressSanitizer and UBSan: bad input must fail
# cleanly, and windows that close under a running handler must not be
# touched afterwards, not by luck.
cmake -S . -B build-asan -G Ninja -DKARVELIO_WERROR=ON -DKARVELIO_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs" -E _bench_

# The fuzzers need clang (libFuzzer); where it is there, build them apart and
# give each a short run so a crash on odd input fails the build.
if command -v clang++ >/dev/null; then
  # fuzzer-no-link instruments the libraries too, so coverage guides the fuzzing.
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKARVELIO_GUI=OFF -DKARVELIO_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzzers
  for fuzzer in build-fuzz/bin/fuzz_*; do
    corpus=$(mktemp -d)
    echo "test.sh: fuzzing ${fuzzer##*/} for 15 s"
    "$fuzzer" -max_total_time=15 -print_final_stats=0 "$corpus" >"$corpus.log" 2>&1 || { tail -40 "$corpus.log"; exit 1; }
    rm -rf "$corpus" "$corpus.log"
  done
fi
