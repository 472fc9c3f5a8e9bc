#!/usr/bin/env bash
# Runs tools/bevel-soundness.sh over the six installed DejaVu and Liberation faces, widths
# 1, 2, 4, 8, 16 and 50, precisions 5 and 18, rounded edges off and on, and each filter as
# the first and as the second filter; prints one line per setting with the cells that still
# have unsound characters (none when every cell is 0), and the characters narrowed and those
# left flat, summed over its cells.
#
#   tools/bevel-sweep.sh [-c VYR_CLI]
set -euo pipefail

here=$(dirname "$0")
cli=build/cli/vyr-cli
if [ "${1:-}" = -c ]; then cli=$2; fi
dejavu=/usr/share/fonts/truetype/dejavu
liberation=/usr/share/fonts/truetype/liberation2
fonts=("$dejavu/DejaVuSans.ttf" "$dejavu/DejaVuSerif.ttf" "$dejavu/DejaVuSansMono.ttf"
    "$liberation/LiberationSans-Regular.ttf" "$liberation/LiberationSerif-Regular.ttf"
    "$liberation/LiberationMono-Regular.ttf")
filters=(none chaos circle drunk floppy perspective rainbow semi-circle twirl)

settings=()
for f in "${filters[@]}"; do settings+=("--filter1 $f --filter2 none"); done
for f in "${filters[@]:1}"; do settings+=("--filter1 none --filter2 $f"); done

for precision in 18 5; do
    for rounded in off on; do
        for s in "${settings[@]}"; do
            # shellcheck disable=SC2086
            table=$("$here/bevel-soundness.sh" -c "$cli" -w "1 2 4 8 16 50" "${fonts[@]}" -- \
                --precision "$precision" --rounded "$rounded" $s | tail -n +3)
            bad=$(printf '%s\n' "$table" | grep -oE '(failed[^|]*| [1-9][0-9]*/[0-9]+/[0-9]+)' ||
                true)
            sums=$(printf '%s\n' "$table" | grep -oE '[0-9]+/[0-9]+/[0-9]+' |
                awk -F/ '{n += $2; f += $3} END {print n " narrowed, " f " flat"}')
            printf 'precision %s, rounded %s, %s: unsound cells: %s; %s\n' \
                "$precision" "$rounded" "$s" "${bad:-none}" "$sums"
        done
    done
done
