#!/usr/bin/env bash
# Writes the 189 printable Latin-1 characters as binary STL with vyr-cli for each of the six
# installed DejaVu and Liberation faces at each precision, and lets admesh (Debian's admesh,
# see scripts/setup.sh) check the file: one table row per font and precision with the facets
# that had a disconnected edge, the edges admesh had to join ("fixed"), the backwards edges,
# the facets it added, removed or turned round, and the parts. Exits 1 when any file needed an
# edge fixed or had a backwards edge or a disconnected facet.
#
#   tools/admesh-check.sh [-c VYR_CLI] [-p "PRECISIONS"] [-- VYR-CLI OPTIONS]
set -euo pipefail

cli=build/cli/vyr-cli
precisions="60 100"
while [ $# -gt 0 ]; do
    case "$1" in
        -c) cli=$2; shift 2 ;;
        -p) precisions=$2; shift 2 ;;
        --) shift; break ;;
        *) echo "usage: $0 [-c VYR_CLI] [-p \"PRECISIONS\"] [-- VYR-CLI OPTIONS]" >&2; exit 2 ;;
    esac
done
extra=("$@")
dejavu=/usr/share/fonts/truetype/dejavu
liberation=/usr/share/fonts/truetype/liberation2
fonts=("$dejavu/DejaVuSans.ttf" "$dejavu/DejaVuSerif.ttf" "$dejavu/DejaVuSansMono.ttf"
    "$liberation/LiberationSans-Regular.ttf" "$liberation/LiberationSerif-Regular.ttf"
    "$liberation/LiberationMono-Regular.ttf")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/text" <<'PY'
import sys
codes = list(range(33, 127)) + list(range(161, 256))
open(sys.argv[1], "w", encoding="utf-8").write("".join(chr(c) for c in codes))
PY

# stat NAME: the original (first) figure admesh prints after "NAME :".
stat() { sed -n "s/^$1 *: *\([-0-9]*\).*/\1/p" "$work/report" | head -n 1; }

status=0
echo "| font | precision | disconnected facets | edges fixed | backwards edges | facets added | facets removed | facets reversed | parts |"
echo "|---|---|---|---|---|---|---|---|---|"
for font in "${fonts[@]}"; do
    for precision in $precisions; do
        "$cli" --font "$font" --text-file "$work/text" --precision "$precision" "${extra[@]}" \
            -o "$work/text.stl" 2>/dev/null
        admesh "$work/text.stl" >"$work/report"
        row=("$(stat 'Total disconnected facets')" "$(stat 'Edges fixed')"
            "$(stat 'Backwards edges')" "$(stat 'Facets added')" "$(stat 'Facets removed')"
            "$(stat 'Facets reversed')" "$(stat 'Number of parts')")
        printf '| %s | %s |' "$(basename "$font" .ttf)" "$precision"
        printf ' %s |' "${row[@]}"
        printf '\n'
        if [ "${row[0]}" != 0 ] || [ "${row[1]}" != 0 ] || [ "${row[2]}" != 0 ]; then status=1; fi
    done
done
exit $status
