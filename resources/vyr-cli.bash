# bash completion for vyr-cli: options, the values of options that take a fixed set, and file
# names by extension after the options that take a file.

_vyr_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local IFS=$'\n'
    local files=""
    case $prev in
        --bevel|--rounded|--antialias|--glow|--flare)
            COMPREPLY=($(compgen -W $'on\noff' -- "$cur")); return ;;
        --filter1|--filter2)
            COMPREPLY=($(compgen -W $'chaos\ncircle\ndrunk\nfloppy\nnone\nperspective\nrainbow\nsemi-circle\ntwirl' -- "$cur"))
            return ;;
        --view)
            COMPREPLY=($(compgen -W $'front\nback\nup\ndown\nright\nleft' -- "$cur")); return ;;
        --format)
            COMPREPLY=($(compgen -W $'vyr\nwrl\nstl\nobj\nglb\njpg\npng' -- "$cur")); return ;;
        --vrml-parts)
            COMPREPLY=($(compgen -W $'camera,lights,text\ncamera\nlights\ntext\nnone' -- "$cur"))
            return ;;
        -o|--output) files='vyr|wrl|c|stl|obj|glb|jpg|jpeg|png|VYR|WRL|C|STL|OBJ|GLB|JPG|JPEG|PNG' ;;
        --scene) files='vyr|VYR' ;;
        --font) files='ttf|TTF' ;;
        --text-file) files='*' ;;
        --fonts-folder)
            COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --text|--precision|--extrusion|--bevel-depth|--bevel-width|--scale|--repeat|--size|\
        --glow-colour|--glow-thickness|--flare-position|--quality|--background|--camera-eye|\
        --camera-target)
            return ;;
    esac
    if [[ -n $files ]]; then
        # Folders, and the files whose extension fits.
        local pattern="!*.@($files)"
        [[ $files == '*' ]] && pattern=''
        local extglob_was_set=0
        shopt -q extglob && extglob_was_set=1
        shopt -s extglob
        COMPREPLY=($(compgen -f -X "$pattern" -- "$cur") $(compgen -d -- "$cur"))
        ((extglob_was_set)) || shopt -u extglob
        compopt -o filenames 2>/dev/null
        return
    fi
    if [[ $cur == -* || -z $cur ]]; then
        COMPREPLY=($(compgen -W "$(_vyr_cli_options)" -- "$cur"))
    fi
}

# Every option vyr-cli's help names, so the list cannot fall behind the program.
_vyr_cli_options() {
    "${VYR_CLI:-vyr-cli}" --help 2>/dev/null | grep -oE '(^|[ ,])--?[a-z][a-z0-9-]*' | tr -d ' ,' | sort -u
}

complete -F _vyr_cli vyr-cli
