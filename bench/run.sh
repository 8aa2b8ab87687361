#!/usr/bin/env bash
# Builds the release preset and runs every benchmark, printing the figures:
#  - start-up: time from starting the program to its main window being mapped on an X
#    server (a private Xvfb), and resident memory once it shows, for Quarvel and for a
#    minimal Qt Widgets window (the floor), run alternately; medians and ratios;
#  - idle: context switches of all of Quarvel's threads while nobody uses it;
#  - in process: QBENCHMARK latencies of starting, answering, finishing, reviewing, RTF.
# Nothing here fails on a figure.
#
# Usage: bench/run.sh [BUILD_DIR]   (default build/release; needs Xvfb)
# Environment: QUARVEL_BENCH_RUNS (start-up rounds, default 15),
#              QUARVEL_BENCH_IDLE (idle seconds, default 5).
set -euo pipefail

cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${QUARVEL_BENCH_RUNS:-15}
idle=${QUARVEL_BENCH_IDLE:-5}

command -v Xvfb >/dev/null || { echo "Xvfb is needed (scripts/deps.sh test installs it)" >&2; exit 1; }

echo "== building the release preset in $build"
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" -j2 --target quarvel bench_floor bench_startwatch bench_inprocess

echo "== machine"
echo "cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(nproc) cores"
echo "qt: $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)"

work=$(mktemp -d /tmp/quarvel-bench.XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

# A private desktop, so that Quarvel finds no earlier settings and asks nothing at start.
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/bin"
chmod 0700 "$work/runtime"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
on_display() {
    env -i DISPLAY=":$(head -n1 "$work/display")" HOME="$work/home" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        PATH="$work/bin:/usr/bin:/bin" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
        QT_QPA_PLATFORMTHEME= "$@"
}

watch=$build/bench/bench_startwatch
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" <<<"$2"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== start-up to the mapped window, and memory once shown ($runs rounds, alternating)"
: >"$work/floor" && : >"$work/quarvel"
for round in $(seq "$runs"); do
    floor=$(on_display "$watch" "$build/bench/bench_floor")
    quarvel=$(on_display "$watch" "$build/quarvel")
    printf 'round %2d  floor %7s ms %7s KiB   quarvel %7s ms %7s KiB\n' "$round" \
        "$(field mapped_ms "$floor")" "$(field rss_kib "$floor")" \
        "$(field mapped_ms "$quarvel")" "$(field rss_kib "$quarvel")"
    echo "$floor" >>"$work/floor"
    echo "$quarvel" >>"$work/quarvel"
done
column() { while read -r line; do field "$1" "$line"; done <"$2" | median; }
floor_ms=$(column mapped_ms "$work/floor")
quarvel_ms=$(column mapped_ms "$work/quarvel")
floor_rss=$(column rss_kib "$work/floor")
quarvel_rss=$(column rss_kib "$work/quarvel")
awk -v fm="$floor_ms" -v qm="$quarvel_ms" -v fr="$floor_rss" -v qr="$quarvel_rss" 'BEGIN {
    printf "median start-up: quarvel %.1f ms, floor %.1f ms, ratio %.2f\n", qm, fm, qm / fm
    printf "median RSS: quarvel %.1f MiB, floor %.1f MiB, difference %.1f MiB\n",
           qr / 1024, fr / 1024, (qr - fr) / 1024
}'

echo "== idle: context switches over ${idle} s with nobody using the program"
for program in "$build/quarvel" "$build/bench/bench_floor"; do
    result=$(on_display "$watch" --idle "$idle" "$program")
    printf '%-8s %s context switches in %s s (%s threads)\n' "$(basename "$program")" \
        "$(field idle_switches "$result")" "$idle" "$(field threads "$result")"
done

echo "== in-process latencies (offscreen)"
env QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_LOGGING_RULES="default.warning=false" \
    XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    "$build/bench/bench_inprocess" | grep -E -A1 '^RESULT' | grep -v '^--$' |
    paste - - | sed -E 's/^RESULT : BenchInProcess::([^ ]*)[[:space:]]+/\1 /'
