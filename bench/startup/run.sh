#!/usr/bin/env bash
# Start-up benchmark: time from launch to the first mapped window, and peak
# memory, of Vokabit with a 300-word list against a bare Qt dialog with a menu
# bar and a 300-row list, in alternating runs on a private Xvfb. Prints the
# medians and the ratios.
#   bench/startup/run.sh [-n RUNS] [-b BUILD_DIR] [-v VOKABIT_BINARY]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=15
build="$here/../../build"
vokabit=""
while getopts "n:b:v:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) build=$OPTARG ;;
    v) vokabit=$OPTARG ;;
    *) exit 2 ;;
  esac
done
build=$(cd "$build" && pwd)
vokabit=${vokabit:-$build/bin/vokabit}
bare=$build/bench/bare-dialog
mapwait=$build/bench/map-wait
convert=$build/bin/vokabit-convert
for f in "$vokabit" "$bare" "$mapwait" "$convert"; do
  [ -x "$f" ] || { echo "missing $f (build with -DVOKABIT_BUILD_BENCH=ON)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The list: 300 pairs, as a tab-separated file for the bare dialog and as a
# version 2 list for Vokabit.
for i in $(seq 1 300); do printf 'ord%03d nummer %d\tword %03d number %d\n' "$i" "$i" "$i" "$i"; done >"$work/words.txt"
"$convert" "$work/words.txt" "$work/words.vk2" >/dev/null

# A private X server, so that the only windows that map are the measured ones.
display=200
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
kill -0 "$xvfb_pid" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
export VOKABIT_CONFIG_DIR="$work/config"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

measure() { "$mapwait" 500 "$@"; }
# One run of each first: a later start, with the settings written and the
# files in the page cache, is what is compared.
measure "$vokabit" "$work/words.vk2" >/dev/null
measure "$bare" "$work/words.txt" >/dev/null

vt=() vm=() bt=() bm=()
for _ in $(seq 1 "$runs"); do
  read -r t m < <(measure "$vokabit" "$work/words.vk2"); vt+=("$t"); vm+=("$m")
  read -r t m < <(measure "$bare" "$work/words.txt"); bt+=("$t"); bm+=("$m")
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
mvt=$(median "${vt[@]}"); mbt=$(median "${bt[@]}")
mvm=$(median "${vm[@]}"); mbm=$(median "${bm[@]}")
printf 'runs            %d each, alternating\n' "$runs"
printf 'time to map     vokabit %.1f ms   bare dialog %.1f ms   ratio %.2f\n' "$mvt" "$mbt" "$(echo "$mvt / $mbt" | bc -l)"
printf 'peak memory     vokabit %d KiB   bare dialog %d KiB   ratio %.2f\n' "$mvm" "$mbm" "$(echo "$mvm / $mbm" | bc -l)"
