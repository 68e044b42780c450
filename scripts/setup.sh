#!/usr/bin/env bash
# Installs what building, running and testing Orvanta needs on Debian 12
# (as root) and generates the Japanese, English and German locales. Never wine32: this machine
# runs only 64-bit Windows code, and the 64-bit build is the one we run.
set -euo pipefail
packages=(
    cmake ninja-build g++ libgtest-dev googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3
    xvfb xauth x11-utils imagemagick locales
    fonts-ipafont-gothic fonts-ipafont-mincho zip unzip clang libclang-rt-14-dev
    nlohmann-json3-dev libidn2-dev librsvg2-bin icoutils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Japanese for the program's own code page; English to check it under 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$' || ! locale -a 2>/dev/null | grep -qi '^en_US.utf8$' ||
   ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    for l in ja_JP en_US de_DE; do
        sed -i "s/^# *$l.UTF-8 UTF-8/$l.UTF-8 UTF-8/" /etc/locale.gen
        grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
    done
    locale-gen >/dev/null
fi
