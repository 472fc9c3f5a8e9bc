#!/usr/bin/env bash
# Fails when a library includes a header of a layer above it, when anything outside app/
# includes Qt, or when a library other than render/ (and the tessellator in font/) includes
# OpenGL. The layers, lowest first:
#   core, font  <-  text  <-  scene  <-  export, render  <-  app, cli
set -u
cd "$(dirname "$0")/.."

declare -A allowed=(
    [core]="core"
    [font]="font"
    [text]="core font text"
    [scene]="core font text scene"
    [export]="core font text scene export"
    [render]="core font text scene render"
    [app]="core font text scene export render app"
    [cli]="core font text scene export render cli"
)

status=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$hit")
        case " ${allowed[$folder]} " in
            *" $target "*) ;;
            *) echo "layer violation: $hit ($folder/ may not include $target/)"; status=1 ;;
        esac
    done < <(grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^/"]+/' "$folder" \
                 --include='*.h' --include='*.cpp' 2>/dev/null)
    if [ "$folder" != app ]; then
        if grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$folder" \
               --include='*.h' --include='*.cpp'; then
            echo "Qt outside app/: $folder/"; status=1
        fi
    fi
    case $folder in
        render | app | cli) ;;
        *)
            # font/ reaches the GLU tessellator, which needs no context.
            if grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(GL/gl\.h|GL/glext\.h|EGL/|GLES)' \
                   "$folder" --include='*.h' --include='*.cpp'; then
                echo "OpenGL outside render/: $folder/"; status=1
            fi
            ;;
    esac
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
