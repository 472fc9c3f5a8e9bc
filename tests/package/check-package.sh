#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds and how its parts
# behave: the file list, the desktop entry, the AppStream metadata, lintian, the manual pages
# against --help, the bash completion, the file type's magic, the thumbnailer, and vyr-cli's
# standard input and output.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    exit 1
}
deb=$(ls "$work"/out/vyr_*_amd64.deb)
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/vyr /usr/bin/vyr-cli /usr/share/vyr/lensflare/OpenGL.bw \
    /usr/share/vyr/lensflare/Shine9.bw /usr/share/vyr/lensflare/Flare6.bw \
    /usr/share/applications/vyr.desktop /usr/share/icons/hicolor/48x48/apps/vyr.png \
    /usr/share/icons/hicolor/128x128/apps/vyr.png /usr/share/icons/hicolor/256x256/apps/vyr.png \
    /usr/share/man/man1/vyr.1.gz /usr/share/man/man1/vyr-cli.1.gz \
    /usr/share/bash-completion/completions/vyr-cli /usr/share/mime/packages/vyr.xml \
    /usr/share/thumbnailers/vyr.thumbnailer /usr/share/metainfo/io.github.vyr.vyr.metainfo.xml \
    /usr/share/doc/vyr/copyright /usr/share/doc/vyr/changelog.gz; do
    grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr

desktop-file-validate "$root/share/applications/vyr.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/io.github.vyr.vyr.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "appstreamcli validate"; }
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"
fi

# Every option --help names is in the manual page.
cli=$root/bin/vyr-cli
for program in vyr vyr-cli; do
    zcat "$root/share/man/man1/$program.1.gz" | sed 's/\\-/-/g' >"$work/$program.man"
    for option in $("$root/bin/$program" --help | grep -oE '(^|[ ,])--?[a-z][a-z0-9-]*' | tr -d ' ,' | sort -u); do
        grep -qe "$option\b" "$work/$program.man" || fail "the manual of $program lacks $option"
    done
done

# The completion offers the options of --help and the values of the enumerated ones.
completions=$(VYR_CLI=$cli bash -c '
    source "$1"
    complete() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _vyr_cli; echo "${COMPREPLY[*]}"; }
    complete vyr-cli --bevel-w; complete vyr-cli --filter1 t; complete vyr-cli --view u
    complete vyr-cli --format g; complete vyr-cli --glow ""' _ \
    "$root/share/bash-completion/completions/vyr-cli")
[ "$completions" = $'--bevel-width\ntwirl\nup\nglb\non off' ] ||
    fail "completions: $(echo $completions)"

# The magic finds a scene file under any name, whatever its camera; other bytes are not one.
mkdir -p "$work/xdg/mime/packages"
cp "$root/share/mime/packages/vyr.xml" "$work/xdg/mime/packages/"
update-mime-database "$work/xdg/mime" 2>/dev/null
"$cli" --text Magic --camera-eye 3,-2,7 -o "$work/scene.vyr"
cp "$work/scene.vyr" "$work/renamed"
head -c 400 /dev/urandom >"$work/noise"
if command -v mimetype >/dev/null; then
    for file in renamed noise; do
        XDG_DATA_HOME=$work/xdg XDG_DATA_DIRS=$work/none mimetype -bM "$work/$file" >>"$work/types"
    done
    [ "$(cat "$work/types")" = $'application/x-vyr-scene\napplication/octet-stream' ] ||
        fail "file types: $(echo $(cat "$work/types"))"
fi

# The thumbnailer's own command line: a 128-pixel PNG for a scene, nothing for a damaged one.
exec_line=$(sed -n 's/^Exec=//p' "$root/share/thumbnailers/vyr.thumbnailer")
thumbnail() {
    local command=${exec_line//%i/$1}
    command=${command//%s/128}
    command=${command//%o/$2}
    PATH=$root/bin:$PATH eval "$command"
}
thumbnail "$work/scene.vyr" "$work/thumb.png" || fail "the thumbnailer failed on a scene"
file "$work/thumb.png" | grep -q "PNG image data, 128 x 128" || fail "the thumbnail is not a 128-pixel PNG"
head -c 300 "$work/scene.vyr" >"$work/damaged.vyr"
if thumbnail "$work/damaged.vyr" "$work/none.png" 2>/dev/null || [ -e "$work/none.png" ]; then
    fail "a damaged scene gave a thumbnail or exit status 0"
fi

# -o - writes the same bytes as a file of the format; --text-file - reads standard input.
for format in vyr wrl stl glb png jpg; do
    "$cli" --text Pipe -o "$work/piped.$format"
    "$cli" --text Pipe -o - --format $format | cmp -s - "$work/piped.$format" ||
        fail "-o - --format $format differs from the file"
done
"$cli" --text Pipe -o "$work/mesh.obj"
"$cli" --text Pipe -o - --format obj | cmp -s - <(grep -v '^mtllib ' "$work/mesh.obj") ||
    fail "-o - --format obj is not the file without its material library"
printf 'Pipe\n' | "$cli" --text-file - -o "$work/stdin.stl"
cmp -s "$work/stdin.stl" "$work/piped.stl" || fail "--text-file - differs from --text"
if "$cli" --text Pipe --font missing.ttf -o - --format stl >"$work/failed" 2>/dev/null ||
    [ -s "$work/failed" ]; then
    fail "a failed build wrote to standard output or exited with 0"
fi

[ "$failures" -eq 0 ] && echo "package checks passed"
exit $((failures > 0))
