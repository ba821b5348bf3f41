#!/bin/sh
# Wall time and peak memory of payvanta-calc --json over 1,000 project files.
#   bench/calc_thousand_files.sh BUILD_DIR
# The files are the shipped examples with the number of lifts varied, in a temporary
# folder; the program folder is the build's bin folder.
set -eu
build=${1:?usage: calc_thousand_files.sh BUILD_DIR}
calc="$build/bin/payvanta-calc"
examples="$build/bin/examples"
[ -x "$calc" ] || { echo "no $calc: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

i=0
while [ "$i" -lt 1000 ]; do
    for example in "$examples"/*.QVR; do
        [ "$i" -lt 1000 ] || break
        lifts=$((20 + i % 97))
        sed "s/^NumLifts = .*\$/NumLifts = $lifts\r/" "$example" >"$work/project-$i.QVR"
        i=$((i + 1))
    done
done

# The expansion of all 1,000 names stays well below the argument limit.
set -- "$work"/project-*.QVR
echo "files: $#"
if [ -x /usr/bin/time ]; then
    /usr/bin/time -f 'exit status: %x\nwall seconds: %e\npeak resident kB: %M' \
        "$calc" --json "$@" >/dev/null
else
    "$build/bench-bin/payvanta_measure_run" "$calc" --json "$@"
fi
