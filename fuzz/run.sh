#!/usr/bin/env bash
# Runs every fuzz target of a clang build for SECONDS each (30 unless told), as many at
# once as there are cores, each starting from a seed corpus made of the shipped data in
# data/. Fails on any finding (crash, sanitizer report, leak, time-out, memory blow-up);
# the input that caused it is kept in BUILD_DIR/fuzz-run. Prints what each run reached.
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-30}
data=$(cd "$(dirname "$0")/../data" && pwd)
bin="$build/fuzz-bin"
work="$build/fuzz-run"
targets=(number_reader project_file project_round_trip utility_rates tip_costs shoe_costs motor_catalogue hand_over)
for t in "${targets[@]}"; do
    [ -x "$bin/${t}_fuzz" ] || { echo "no $bin/${t}_fuzz: build with clang first" >&2; exit 1; }
done
rm -rf "$work"
mkdir -p "$work"

# The seeds: the shipped files, each value and table field alone, the hand-over messages
# of later copies started on the examples; for the project from end to end, the steel-mill
# example at the extremes too.
seed() {
    mkdir -p "$work/corpus/$1"
    cp "${@:2}" "$work/corpus/$1/"
}

# The steel-mill crane with names holding ESC and BEL, and its business case (KEY VALUE
# pairs) after it, as the program writes one.
extreme() {
    local esc=$'\033' bel=$'\a'
    {
        sed -e "s/Great Lakes Steel Works/Acme ${esc}[31mSteel${esc}]0;owned${bel}/" \
            -e "s/BOF ladle crane No. 3 retrofit/Ladle${esc}[2J crane/" \
            -e "s/^KwHrRate = .*/KwHrRate = ${KWH_RATE:-0.0824}\r/" \
            "$data/examples/steel-mill-ladle-crane.QVR"
        printf '\r\n* The business case: retrofit cost, project life, discount rate, CO2 factor.\r\n'
        printf '%s = %s\r\n' "${@:2}"
    } >"$work/corpus/project_round_trip/$1.QVR"
}
extremes() {
    extreme largest DriveCost 1.7e308 InstallationCost 1e308 EngineeringCost 1e308 \
        Rebate -1e308 ProjectLife 50 DiscountRate 1e308 \
        Co2Factor "$(head -c 300000 /dev/zero | tr '\0' 7)" Co2Source $'grid\033[2J'
    extreme negative DriveCost -250000 InstallationCost -1e308 EngineeringCost 0 \
        Rebate 1e308 ProjectLife 1 DiscountRate -99.9999999 Co2Factor 1e-308 \
        Co2Source $'tab\there\177'
    extreme cost DriveCost 1e308 InstallationCost "" EngineeringCost "" Rebate ""
    KWH_RATE=1.7e308 extreme dearest DriveCost 1e308 ProjectLife 100 DiscountRate 0 \
        Co2Factor 1.7e308
}
seed project_file "$data/Customer.ini" "$data"/examples/*.QVR
seed project_round_trip "$data/Customer.ini" "$data"/examples/*.QVR
extremes
seed utility_rates "$data/UtilRate.ini"
seed tip_costs "$data/TipCosts.ini"
seed shoe_costs "$data/ShoeCost.ini"
seed motor_catalogue "$data/MillMoto.ini"
mkdir -p "$work/corpus/number_reader"
sed -n 's/^[^*=;]*= *//p' "$data/Customer.ini" "$data"/examples/*.QVR |
    cat - <(grep -ahv '^ *\*' "$data"/*.ini | tr ';' '\n') | tr -d '\r' | sort -u |
    awk -v dir="$work/corpus/number_reader" 'NF { printf "%s", $0 > (dir "/seed-" NR) }'
"$bin/hand_over_seeds" "$work/corpus/hand_over" "$data"

run() {
    "$bin/${1}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/$1-" "$work/corpus/$1" >"$work/$1.log" 2>&1
}
failed=()
pids=()
for t in "${targets[@]}"; do
    run "$t" &
    pids+=("$!:$t")
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
        sleep 1
    done
done
for p in "${pids[@]}"; do
    wait "${p%%:*}" || failed+=("${p#*:}")
done

printf '%-16s %12s %10s %10s %8s\n' target executions coverage features corpus
for t in "${targets[@]}"; do
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t.log" | tail -1)
    done=$(grep -aE '^#[0-9]+[[:space:]]+DONE' "$work/$t.log" | tail -1 || true)
    printf '%-16s %12s %10s %10s %8s\n' "$t" "${runs:-?}" \
        "$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done")" \
        "$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done")" \
        "$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$done")"
done
for t in "${failed[@]}"; do
    echo "== $t found something:" >&2
    tail -n 40 "$work/$t.log" >&2
done
[ ${#failed[@]} -eq 0 ]
