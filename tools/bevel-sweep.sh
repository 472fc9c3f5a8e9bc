#!/usr/bin/env bash
# Builds the 189 printable Latin-1 characters (codes 33-126 and 161-255) with vyr-cli over
# precisions 1 to 100, the six installed DejaVu and Liberation faces, bevel widths 1, 4 and 16,
# bevel on and off, rounded edges off and on, and no filter or each filter as the first; runs
# the cells two at a time. Prints a table with one row per precision: the cells, those with
# unsound characters, the failed runs, and the unsound, narrowed and flat characters summed over
# its cells; then every cell with an unsound or flat character, or a failed run. Exits 1 when
# there is such a cell.
#
#   tools/bevel-sweep.sh [-c VYR_CLI] [-j JOBS] [-p "PRECISIONS"]
set -euo pipefail

cli=build/cli/vyr-cli
jobs=2
precisions="1 2 3 5 8 13 18 30 45 60 80 100"
while [ $# -gt 0 ]; do
    case "$1" in
        -c) cli=$2; shift 2 ;;
        -j) jobs=$2; shift 2 ;;
        -p) precisions=$2; shift 2 ;;
        *) echo "usage: $0 [-c VYR_CLI] [-j JOBS] [-p \"PRECISIONS\"]" >&2; exit 2 ;;
    esac
done
dejavu=/usr/share/fonts/truetype/dejavu
liberation=/usr/share/fonts/truetype/liberation2
fonts=("$dejavu/DejaVuSans.ttf" "$dejavu/DejaVuSerif.ttf" "$dejavu/DejaVuSansMono.ttf"
    "$liberation/LiberationSans-Regular.ttf" "$liberation/LiberationSerif-Regular.ttf"
    "$liberation/LiberationMono-Regular.ttf")
filters=(none chaos circle drunk floppy perspective rainbow semi-circle twirl)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/text" <<'PY'
import sys
codes = list(range(33, 127)) + list(range(161, 256))
open(sys.argv[1], "w", encoding="utf-8").write("".join(chr(c) for c in codes))
PY

# cell CLI TEXT PRECISION FONT WIDTH BEVEL ROUNDED FILTER: the cell, then vyr-cli's
# statistics or "failed STATUS", on one line.
cell() {
    local json
    if json=$("$1" --font "$4" --text-file "$2" --precision "$3" --bevel-width "$5" \
        --bevel "$6" --rounded "$7" --filter1 "$8" --stats 2>/dev/null); then
        echo "$3 $(basename "$4" .ttf) $5 $6 $7 $8	$json"
    else
        echo "$3 $(basename "$4" .ttf) $5 $6 $7 $8	failed $?"
    fi
}
export -f cell

for precision in $precisions; do
    for font in "${fonts[@]}"; do
        for width in 1 4 16; do
            for bevel in on off; do
                for rounded in off on; do
                    for filter in "${filters[@]}"; do
                        printf '%s\n' "$cli" "$work/text" "$precision" "$font" "$width" \
                            "$bevel" "$rounded" "$filter"
                    done
                done
            done
        done
    done
done | xargs -d '\n' -n 8 -P "$jobs" bash -c 'cell "$@"' cell >"$work/cells"

python3 - "$work/cells" $precisions <<'PY'
import json, sys
rows = {}
bad = []
for line in open(sys.argv[1], encoding="utf-8"):
    cell, _, result = line.rstrip("\n").partition("\t")
    precision = cell.split()[0]
    row = rows.setdefault(precision, [0, 0, 0, 0, 0, 0])
    row[0] += 1
    if result.startswith("failed"):
        row[2] += 1
        bad.append((cell, result))
        continue
    stats = json.loads(result)
    unsound = len(stats["unsoundCharacters"])
    flat = len(stats["flatBevelCharacters"])
    row[1] += unsound > 0
    row[3] += unsound
    row[4] += len(stats["narrowedBevelCharacters"])
    row[5] += flat
    if unsound or flat:
        bad.append((cell, f"{unsound} unsound, {flat} flat"))
print("| precision | cells | cells with unsound | failed | unsound | narrowed | flat |")
print("|---|---|---|---|---|---|---|")
for precision in sys.argv[2:]:
    print("| " + " | ".join([precision] + [str(v) for v in rows.get(precision, [0] * 6)]) + " |")
if bad:
    print("cells with unsound or flat characters, or failed"
          " (precision font width bevel rounded filter):")
    for cell, why in sorted(bad, key=lambda b: (int(b[0].split()[0]), b[0])):
        print(f"  {cell}: {why}")
sys.exit(1 if bad else 0)
PY
