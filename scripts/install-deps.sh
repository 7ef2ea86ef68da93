#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian package that building, testing and the demo need, and the npm packages
# of the browser tests. Installs only what is missing; refreshes the package index only when it
# must install.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"

packages=(
    build-essential
    clang
    libclang-rt-14-dev
    clang-format
    cmake
    ninja-build
    pkg-config
    git
    googletest
    libgtest-dev
    libgmock-dev
    libglib2.0-dev
    libjpeg62-turbo-dev
    libpng-dev
    libgif-dev
    shared-mime-info
    chromium
    qt6-base-dev
    qt6-base-dev-tools
    qt6-svg-dev
    qt6-translations-l10n
    libfluidsynth-dev
    timgm6mb-soundfont
    libfontconfig-dev
    fonts-noto-cjk
    xvfb
    desktop-file-utils
    appstream
    man-db
    groff-base
    dpkg-dev
    file
    xauth
    python3-xlib
    nodejs
    npm
)

# What the installed packages provide besides themselves (a Node.js build that brings its own
# npm, for one), one name a line.
provided="$(dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null |
    sed -n 's/^install ok installed|//p' | tr ',' '\n' | sed 's/ *(.*//; s/^ *//')"

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' &&
        ! grep -qxF "$p" <<<"$provided"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -ne 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        as_root=()
    elif command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
        exit 1
    fi

    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The browser tests drive Chromium through playwright-core: installed from the lock file, as
# the user who runs this script, with npm's cache in the build tree. Done again only when the
# lock file is newer than what npm last installed.
browser="$repo/tests/browser"
if [ ! -d "$browser/node_modules" ] ||
    [ "$browser/package-lock.json" -nt "$browser/node_modules/.package-lock.json" ]; then
    echo "install-deps: installing the npm packages of tests/browser"
    (cd "$browser" && npm ci --no-audit --no-fund --cache "$repo/build/npm-cache")
fi
