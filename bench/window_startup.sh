#!/bin/sh
# Start-up time and peak memory of the desktop program against a bare Qt Widgets window
# built beside it, on the offscreen platform. Both end as soon as their main window has
# been shown (payvanta through PAYVANTA_QUIT_WHEN_SHOWN=1, after opening the project it
# was given). Builds nothing.
#   bench/window_startup.sh BUILD_DIR [RUNS]
# Three programs take turns, after one run of each not counted: the bare window, payvanta
# --no-splash, and payvanta --no-splash with the steel-mill example open. Each turn is one
# pair of runs against the bare window of the same turn: the ratios are the medians of
# RUNS turns (20 by default), which holds on a busy machine better than the seconds do.
# The processor time (user and system) is the measure of start-up; the wall seconds are
# shown beside it. Then the first View > Summary Savings and View > Business Case of a
# run, each in RUNS fresh runs: the clock's milliseconds and the processor's.
set -eu
build=${1:?usage: window_startup.sh BUILD_DIR [RUNS]}
runs=${2:-20}
payvanta="$build/bin/payvanta"
bare="$build/bench-bin/payvanta_bare_window"
measure="$build/bench-bin/payvanta_measure_run"
firstReport="$build/bench-bin/payvanta_first_report"
project="$build/bin/examples/steel-mill-ladle-crane.QVR"
for f in "$payvanta" "$bare" "$measure" "$firstReport"; do
    [ -x "$f" ] || { echo "no $f: build first" >&2; exit 1; }
done
[ -f "$project" ] || { echo "no $project: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A runtime folder of our own: a payvanta already running for this user must not take
# the command line over (its single-copy lock and socket live there).
mkdir -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen PAYVANTA_QUIT_WHEN_SHOWN=1 XDG_RUNTIME_DIR="$work/runtime"

# run NAME PROGRAM ARGS...: one measured run, its figures added to NAME's lists.
run() {
    name=$1
    shift
    if ! out=$("$measure" "$@" 2>>"$work/stderr"); then
        cat "$work/stderr" >&2
        exit 1
    fi
    status=$(printf '%s\n' "$out" | sed -n 's/^exit status: //p')
    if [ "$status" != 0 ]; then
        echo "$name ended with status $status" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    printf '%s\n' "$out" | sed -n 's/^wall seconds: //p' >>"$work/$name.seconds"
    printf '%s\n' "$out" | sed -n 's/^cpu seconds: //p' >>"$work/$name.cpu"
    printf '%s\n' "$out" | sed -n 's/^peak resident kB: //p' >>"$work/$name.kb"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# ratios A B: each line of A divided by the same line of B, the turn's pair.
ratios() {
    paste "$1" "$2" | awk '{ printf "%.4f\n", $1 / $2 }'
}

echo "load before: $(uptime | sed 's/.*load average: //')"
run warmup "$bare"
run warmup "$payvanta" --no-splash
run warmup "$payvanta" --no-splash "$project"
i=0
while [ "$i" -lt "$runs" ]; do
    run bare "$bare"
    run empty "$payvanta" --no-splash
    run project "$payvanta" --no-splash "$project"
    i=$((i + 1))
done

# The first View item of a run, each in a fresh process; the program folder a copy, so
# that nothing the run might write lands in the build.
mkdir "$work/folder"
cp "$build/bin/"*.ini "$work/folder/"
cp "$project" "$work/folder/project.QVR"
i=0
while [ "$i" -lt "$runs" ]; do
    for item in mnuSavings mnuBusinessCase; do
        "$firstReport" "$work/folder" "$work/folder/project.QVR" "$item" \
            >"$work/report.out" 2>>"$work/stderr"
        sed -n 's/^report shown ms: //p' "$work/report.out" >>"$work/$item.ms"
        sed -n 's/^processor ms: //p' "$work/report.out" >>"$work/$item.cpu-ms"
    done
    i=$((i + 1))
done
echo "load after:  $(uptime | sed 's/.*load average: //')"
for item in mnuSavings mnuBusinessCase; do
    [ "$(wc -l <"$work/$item.ms")" -eq "$runs" ] || {
        echo "the first $item report was not shown every time" >&2
        cat "$work/stderr" >&2
        exit 1
    }
done

ratios "$work/empty.cpu" "$work/bare.cpu" >"$work/empty.cpu-ratio"
ratios "$work/project.cpu" "$work/bare.cpu" >"$work/project.cpu-ratio"
ratios "$work/project.kb" "$work/bare.kb" >"$work/project.kb-ratio"

echo "medians of $runs runs each, offscreen platform"
printf '%-44s %8s %8s %10s\n' "" "cpu s" "wall s" "peak kB"
for name in bare empty project; do
    case $name in
    bare) label="bare window" ;;
    empty) label="payvanta --no-splash" ;;
    project) label="payvanta --no-splash steel-mill-ladle-crane" ;;
    esac
    printf '%-44s %8s %8s %10s\n' "$label" "$(median "$work/$name.cpu")" \
        "$(median "$work/$name.seconds")" "$(median "$work/$name.kb")"
done
printf 'start-up cpu, no project / bare (paired):      %.2f (at most 1.2)\n' \
    "$(median "$work/empty.cpu-ratio")"
printf 'start-up cpu, example open / bare (paired):    %.2f (at most 1.3)\n' \
    "$(median "$work/project.cpu-ratio")"
printf 'peak memory, example open / bare (paired):     %.2f (at most 1.3)\n' \
    "$(median "$work/project.kb-ratio")"
printf 'first View > Summary Savings, window shown:    %s ms, %s ms cpu (at most 30)\n' \
    "$(median "$work/mnuSavings.ms")" "$(median "$work/mnuSavings.cpu-ms")"
printf 'first View > Business Case, window shown:      %s ms, %s ms cpu (at most 30)\n' \
    "$(median "$work/mnuBusinessCase.ms")" "$(median "$work/mnuBusinessCase.cpu-ms")"
