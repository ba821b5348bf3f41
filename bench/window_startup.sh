#!/bin/sh
# Start-up time and peak memory of the desktop program against a bare Qt Widgets window
# built beside it, on the offscreen platform. Both end as soon as their main window has
# been shown (payvanta through PAYVANTA_QUIT_WHEN_SHOWN=1, after opening the project it
# was given). Builds nothing.
#   bench/window_startup.sh BUILD_DIR [RUNS]
# Start-up: payvanta --no-splash against the bare window. Memory: payvanta --no-splash
# with the steel-mill example open against the bare window. Medians of RUNS runs each
# (20 by default), the three programs taking turns, after one run of each not counted.
set -eu
build=${1:?usage: window_startup.sh BUILD_DIR [RUNS]}
runs=${2:-20}
payvanta="$build/bin/payvanta"
bare="$build/bench-bin/payvanta_bare_window"
measure="$build/bench-bin/payvanta_measure_run"
project="$build/bin/examples/steel-mill-ladle-crane.QVR"
for f in "$payvanta" "$bare" "$measure"; do
    [ -x "$f" ] || { echo "no $f: build first" >&2; exit 1; }
done
[ -f "$project" ] || { echo "no $project: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A runtime folder of our own: a payvanta already running for this user must not take
# the command line over (its single-copy lock and socket live there).
mkdir -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen PAYVANTA_QUIT_WHEN_SHOWN=1 XDG_RUNTIME_DIR="$work/runtime"

# run NAME PROGRAM ARGS...: one measured run, its seconds and peak kB added to NAME's lists.
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
    printf '%s\n' "$out" | sed -n 's/^peak resident kB: //p' >>"$work/$name.kb"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
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
echo "load after:  $(uptime | sed 's/.*load average: //')"

bareSeconds=$(median "$work/bare.seconds")
bareKb=$(median "$work/bare.kb")
emptySeconds=$(median "$work/empty.seconds")
emptyKb=$(median "$work/empty.kb")
projectSeconds=$(median "$work/project.seconds")
projectKb=$(median "$work/project.kb")

echo "medians of $runs runs each, offscreen platform"
printf '%-44s %8s s %10s kB\n' "bare window" "$bareSeconds" "$bareKb" \
    "payvanta --no-splash" "$emptySeconds" "$emptyKb" \
    "payvanta --no-splash steel-mill-ladle-crane" "$projectSeconds" "$projectKb"
awk -v p="$emptySeconds" -v b="$bareSeconds" \
    'BEGIN { printf "start-up ratio (payvanta --no-splash / bare):        %.2f (at most 1.5)\n", p / b }'
awk -v p="$projectKb" -v b="$bareKb" \
    'BEGIN { printf "peak memory ratio (payvanta with project / bare):    %.2f (at most 1.5)\n", p / b }'
