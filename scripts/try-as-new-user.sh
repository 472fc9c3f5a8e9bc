#!/usr/bin/env bash
# Uses the real modeller on a virtual screen as a new user would, by keyboard only: the text
# becomes "Hello" with a rounded bevel and the "rainbow" filter, a final render with
# antialiasing, glow and lens flare goes to a JPEG, the scene is exported as VRML and C, saved
# and loaded again. Leaves everything it made in OUT_DIR, with a picture of each dialog.
#   scripts/try-as-new-user.sh BUILD_DIR OUT_DIR
# Needs xvfb, xauth, xdotool and imagemagick.
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
cd "$out"
rm -f VYR.jpg VYR.wrl VyrText.h VyrText.c hello.vyr
export VYR_BIN=$build/app/vyr OUT=$out

xvfb-run -a -s "-screen 0 1280x1024x24" bash -euo pipefail -c '
  window() {  # waits for a window with this exact title and prints its id
    for _ in $(seq 1 80); do
      w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
      [ -n "$w" ] && { echo "$w"; return 0; }
      sleep 0.25
    done
    echo "no window \"$1\"" >&2; return 1
  }
  gone() { for _ in $(seq 1 80); do xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0; sleep 0.25; done; return 1; }
  keys() { xdotool key --delay 60 "$@"; }
  # Without a window manager nobody hands the focus back when a dialog closes.
  command_() { xdotool windowfocus --sync "$main"; sleep 0.3; keys "$@"; }
  type_() { xdotool type --delay 30 "$1"; }
  shot() { sleep 0.5; import -window "$1" "$OUT/$2"; }

  "$VYR_BIN" & pid=$!
  sleep 2
  # The splash waits for a click.
  splash=$(xdotool search --onlyvisible --name "." | head -n 1)
  xdotool mousemove --window "$splash" 50 50 click 1
  main=$(window "VYR - Untitled ")
  xdotool windowfocus --sync "$main"; sleep 1
  shot "$main" 1-start.png

  command_ alt+t p
  d=$(window "Text Properties")
  keys ctrl+a; type_ rainbow                 # filter1
  keys Tab Tab Tab Tab ctrl+a; type_ Hello   # filter2, font, installed families, text
  keys Tab Tab Tab Tab space                 # precision, extrusion, bevel (on), rounded edges
  shot "$d" dialog.png
  keys Return; gone "Text Properties"
  sleep 1; shot "$main" 2-hello.png

  command_ F12
  d=$(window Render)
  keys space Tab ctrl+a; type_ "$OUT/VYR.jpg" # render to file, file name
  keys Tab Tab Tab space                     # Browse, quality, lens flare
  keys Tab Tab space                         # antialiasing (on), glow
  shot "$d" render-dialog.png
  keys Return; gone Render
  for _ in $(seq 1 120); do [ -s "$OUT/VYR.jpg" ] && break; sleep 0.5; done

  command_ alt+f v
  d=$(window "Export VRML")
  keys ctrl+a; type_ "$OUT/VYR.wrl"; keys Return; gone "Export VRML"
  command_ alt+f c
  d=$(window "Export C/OpenGl")
  keys Return; gone "Export C/OpenGl"

  command_ ctrl+s; sleep 1.5
  type_ "$OUT/hello.vyr"; keys Return; sleep 1.5
  command_ ctrl+o; sleep 1.5
  type_ "$OUT/hello.vyr"; keys Return; sleep 2
  shot "$main" 3-loaded.png
  command_ ctrl+q; sleep 1
  kill "$pid" 2>/dev/null || true
'
ls -l "$out"
