#!/usr/bin/env bash
# Opens the modeller built in build/. On a machine without a screen it runs on a virtual one
# (Xvfb), saves a picture of its window as build/vyr-window.png and ends it.
#   bash scripts/run-vyr.sh [FILE.vyr]
set -euo pipefail
cd "$(dirname "$0")/.."
vyr=$PWD/build/app/vyr
[ -x "$vyr" ] || { echo "run-vyr: build it first: cmake --preset default && cmake --build build" >&2; exit 1; }
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$vyr" "$@"
fi

export VYR_WINDOW_PICTURE=$PWD/build/vyr-window.png
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$0" --no-splash "$@" & pid=$!
    for _ in $(seq 1 40); do
        wid=$(xdotool search --onlyvisible --name "^VYR - " 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        kill -0 $pid 2>/dev/null || { wait $pid; exit 1; }
        sleep 0.25
    done
    [ -n "$wid" ] || { echo "run-vyr: no window appeared" >&2; kill $pid; exit 1; }
    sleep 1
    import -window "$wid" "$VYR_WINDOW_PICTURE"
    kill $pid; wait $pid 2>/dev/null || true
' "$vyr" "$@"
echo "There is no screen here, so vyr ran on a virtual one; its window: $VYR_WINDOW_PICTURE"
