#!/usr/bin/env bash
# Start-up benchmark: time from launch to the first mapped window, and peak
# memory, of Vokabit with a 300-word list against a bare Qt dialog with a menu
# bar and a 300-row list, in alternating runs on a private Xvfb. Prints the
# medians, the spread and the ratios against the targets (time <= 1.2 x,
# memory <= 1.15 x the bare dialog).
#   bench/startup/run.sh [-n RUNS] [-b BUILD_DIR] [-v VOKABIT_BINARY] [-f]
# -n  runs of each program, at least 15 (default 15)
# -f  every Vokabit run is a first start, with an empty settings folder
# Other work on the machine slows both programs alike only on average: look
# at the load printed with the figures, and repeat when it is high. The
# processor time used until the window maps is printed too: it depends far
# less on other work than the time does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=15
build="$here/../../build"
vokabit=""
first=0
while getopts "n:b:v:f" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) build=$OPTARG ;;
    v) vokabit=$OPTARG ;;
    f) first=1 ;;
    *) exit 2 ;;
  esac
done
if ! [[ $runs =~ ^[0-9]+$ ]] || [ "$runs" -lt 15 ]; then
  echo "at least 15 runs of each program (-n 15)" >&2
  exit 2
fi
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
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The list: 300 pairs, as a tab-separated file for the bare dialog and as a
# version 2 list for Vokabit.
for i in $(seq 1 300); do printf 'ord%03d nummer %d\tword %03d number %d\n' "$i" "$i" "$i" "$i"; done >"$work/words.txt"
"$convert" "$work/words.txt" "$work/words.vk2" >/dev/null

# A private X server, so that the only windows that map are the measured ones.
# It picks a free display itself and names it once it is ready, so that runs
# on the same machine never share one.
Xvfb -displayfd 1 -screen 0 1280x900x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export VOKABIT_CONFIG_DIR="$work/config"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

measure() { "$mapwait" 500 "$@"; }
run_vokabit() {
  if [ "$first" = 1 ]; then rm -rf "$VOKABIT_CONFIG_DIR"; fi
  measure "$vokabit" "$work/words.vk2"
}
# One run of each first: the settings written and the files in the page
# cache, as on any later start.
run_vokabit >/dev/null
measure "$bare" "$work/words.txt" >/dev/null

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
vt=() vm=() vc=() bt=() bm=() bc=()
for i in $(seq 1 "$runs"); do
  # Which program goes first alternates too, so that neither always follows
  # the other's page cache and memory use.
  if [ $((i % 2)) = 1 ]; then
    read -r t m c < <(run_vokabit); vt+=("$t"); vm+=("$m"); vc+=("$c")
    read -r t m c < <(measure "$bare" "$work/words.txt"); bt+=("$t"); bm+=("$m"); bc+=("$c")
  else
    read -r t m c < <(measure "$bare" "$work/words.txt"); bt+=("$t"); bm+=("$m"); bc+=("$c")
    read -r t m c < <(run_vokabit); vt+=("$t"); vm+=("$m"); vc+=("$c")
  fi
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# "median min max" of the numbers given.
stats() {
  printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1}
    END {m = (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2; print m, a[1], a[NR]}'
}
read -r mvt vt_min vt_max < <(stats "${vt[@]}")
read -r mbt bt_min bt_max < <(stats "${bt[@]}")
read -r mvm vm_min vm_max < <(stats "${vm[@]}")
read -r mbm bm_min bm_max < <(stats "${bm[@]}")
read -r mvc vc_min vc_max < <(stats "${vc[@]}")
read -r mbc bc_min bc_max < <(stats "${bc[@]}")
time_ratio=$(echo "$mvt / $mbt" | bc -l)
memory_ratio=$(echo "$mvm / $mbm" | bc -l)
cpu_ratio=$(echo "$mvc / $mbc" | bc -l)
verdict() { if [ "$(echo "$1 <= $2" | bc -l)" = 1 ]; then echo "met"; else echo "MISSED"; fi; }

printf 'program         %s%s\n' "$vokabit" "$([ "$first" = 1 ] && echo ' (first starts)')"
printf 'runs            %d each, alternating; load %s before, %s after\n' "$runs" "$load_before" "$load_after"
printf 'time to map     vokabit %.1f ms (%.1f-%.1f)   bare dialog %.1f ms (%.1f-%.1f)\n' \
  "$mvt" "$vt_min" "$vt_max" "$mbt" "$bt_min" "$bt_max"
printf 'peak memory     vokabit %d KiB (%d-%d)   bare dialog %d KiB (%d-%d)\n' \
  "$mvm" "$vm_min" "$vm_max" "$mbm" "$bm_min" "$bm_max"
printf 'processor time  vokabit %.1f ms (%.1f-%.1f)   bare dialog %.1f ms (%.1f-%.1f)   ratio %.2f\n' \
  "$mvc" "$vc_min" "$vc_max" "$mbc" "$bc_min" "$bc_max" "$cpu_ratio"
printf 'ratio           time %.2f (target 1.20: %s)   memory %.2f (target 1.15: %s)\n' \
  "$time_ratio" "$(verdict "$time_ratio" 1.20)" "$memory_ratio" "$(verdict "$memory_ratio" 1.15)"
