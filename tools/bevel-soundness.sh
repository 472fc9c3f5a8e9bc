#!/usr/bin/env bash
# Counts the characters whose solid vyr-cli reports as unsound, those whose bevel it had to
# narrow and those left with no bevel at all, over the 189 printable Latin-1 characters (codes
# 33-126 and 161-255), for each font and bevel width. One table row per font, one cell
# "unsound/narrowed/flat" per width.
#
#   tools/bevel-soundness.sh [-c VYR_CLI] [-w "2 4 8 16"] FONT... [-- VYR-CLI OPTIONS]
#
# FONT is a path or a file name; options after "--" go to every vyr-cli run
# (for example --precision 5 --rounded on --filter1 chaos).
set -euo pipefail

cli=build/cli/vyr-cli
widths="2 4 8 16"
fonts=()
while [ $# -gt 0 ]; do
    case "$1" in
        -c) cli=$2; shift 2 ;;
        -w) widths=$2; shift 2 ;;
        --) shift; break ;;
        *) fonts+=("$1"); shift ;;
    esac
done
extra=("$@")

text=$(mktemp)
trap 'rm -f "$text"' EXIT
python3 - "$text" <<'PY'
import sys
codes = list(range(33, 127)) + list(range(161, 256))
open(sys.argv[1], "w", encoding="utf-8").write("".join(chr(c) for c in codes))
PY

count() {  # count NAME JSON: entries of the JSON array NAME
    local list
    list=$(printf '%s' "$2" | sed -n "s/.*\"$1\": \[\([^]]*\)\].*/\1/p")
    if [ -z "$list" ]; then echo 0; else echo "$list" | tr ',' '\n' | wc -l; fi
}

printf '| font |'
for w in $widths; do printf ' width %s |' "$w"; done
printf '\n|---|'
for w in $widths; do printf -- '---|'; done
printf '\n'
for font in "${fonts[@]}"; do
    printf '| %s |' "$(basename "$font" .ttf)"
    for w in $widths; do
        if json=$("$cli" --font "$font" --text-file "$text" --bevel-width "$w" "${extra[@]}" \
            --stats 2>/dev/null); then
            printf ' %s/%s/%s |' "$(count unsoundCharacters "$json")" \
                "$(count narrowedBevelCharacters "$json")" "$(count flatBevelCharacters "$json")"
        else
            printf ' failed (%s) |' "$?"
        fi
    done
    printf '\n'
done
