#!/bin/sh
# The overlap check of the printed pages in all eleven print fonts: Print All's seven
# pages and the business case of the shipped examples and of N projects drawn at random
# (long decimals in every number field), written by payvanta-calc and read back with
# pdftotext -bbox. Prints the overlapping words by font and page; fails if there are any.
#   bench/print_overlap.sh BUILD_DIR [N]
set -eu
build=${1:?usage: print_overlap.sh BUILD_DIR [N]}
count=${2:-6}
calc="$build/bin/payvanta-calc"
check="$build/tests-bin/print_overlap_check"
for program in "$calc" "$check"; do
    [ -x "$program" ] || { echo "no $program: build first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$check" --calc "$calc" --out "$work/pdf" --fonts all --random "$count" --seed 2026 \
    "$build"/bin/examples/*.QVR
