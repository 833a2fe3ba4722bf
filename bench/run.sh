#!/usr/bin/env bash
# One command: installs what is missing, builds bcdunpack in Release, runs the benchmark.
#   bash bench/run.sh [--reps N] [--disk DIR] [--only large|small|manylists] [--quick] [--keep]
# BCDUNPACK=/path/to/binary skips the build.
set -euo pipefail
cd "$(dirname "$0")/.."

case " $* " in *" -h "* | *" --help "*) exec python3 bench/bench.py --bin - --help ;; esac

need=(cc:gcc tar:tar diff:diffutils /usr/bin/time:time gnuplot:gnuplot-nox)
[[ -n ${BCDUNPACK:-} ]] || need+=(cmake:cmake c++:g++ make:make)
missing=()
for pair in "${need[@]}"; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
done
if ((${#missing[@]})); then
    if ((EUID == 0)); then
        echo "installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "missing (run as root to install): ${missing[*]}" >&2
    fi
fi

if [[ -z ${BCDUNPACK:-} ]]; then
    [[ -f CMakeLists.txt ]] || { echo "no CMakeLists.txt yet: set BCDUNPACK=/path/to/binary" >&2; exit 1; }
    # Tests are not needed here, and a tree mid-change may not configure them.
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBCD_TESTS=OFF >/dev/null
    cmake --build build/release --target bcdunpack -j2
    BCDUNPACK=build/release/bcdunpack
fi

exec python3 bench/bench.py --bin "$(realpath "$BCDUNPACK")" "$@"
