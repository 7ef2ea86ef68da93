#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a source file includes a header of a folder that is not below its own: the
# folders of src/ form layers, and every dependency points down. Prints each wrong include.
set -euo pipefail
cd "$(dirname "$0")/../src"

# Each folder and the folders it may include, besides itself.
declare -A below=(
    [text]=""
    [platform]=""
    [names]="text"
    [app]="platform text"
    [imaging]="names platform text"
    [exif]="app platform text"
    [catalogue]="imaging names app platform text"
    [output]="catalogue imaging names app platform text"
    [html]="exif catalogue imaging names app platform text"
    [run]="html output exif catalogue imaging names app platform text"
    [cli]="run html output exif catalogue imaging names app platform text"
    [ui]="run html output exif catalogue imaging names app platform text"
)

status=0
while IFS= read -r line; do
    file="${line%%:*}"
    folder="${file%%/*}"
    included="$(sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p' <<<"${line#*:}")"
    if [ -z "${below[$folder]+known}" ]; then
        echo "$file: the folder $folder has no place in the layers" >&2
        status=1
    elif [ "$included" != "$folder" ] && [[ " ${below[$folder]} " != *" $included "* ]]; then
        echo "$file: includes $included/, which is not below $folder/" >&2
        status=1
    fi
done < <(grep -rHo '#include "[a-z]*/[^"]*"' --include='*.cpp' --include='*.h' .  | sed 's|^\./||')
exit $status
