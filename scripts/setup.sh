#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those still missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libfreetype-dev libglu1-mesa-dev libgl-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
    libturbojpeg0-dev libpng-dev libfontconfig-dev libpolyclipping-dev libharfbuzz-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # the export tests read glTF's JSON chunk with it
    nlohmann-json3-dev
    fonts-dejavu-core fonts-liberation2
    # the shaping tests: Arabic, Devanagari, CJK in a font collection, and a wide Latin font
    fonts-hosny-amiri fonts-lohit-deva fonts-wqy-microhei fonts-freefont-ttf
    qt6-base-dev libqt6opengl6-dev xvfb xauth xdotool imagemagick
    # the Debian package, its manual pages and its checks (tests/package/check-package.sh)
    help2man dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
    libfile-mimeinfo-perl
    # the STL check of tools/admesh-check.sh
    admesh
    # clang with libFuzzer, for the fuzz preset (tools/fuzz.sh)
    clang-14 libclang-rt-14-dev
)

# Node.js runs the Khronos glTF validator in the tests; any installed npm will do.
if ! command -v npm >/dev/null 2>&1; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
