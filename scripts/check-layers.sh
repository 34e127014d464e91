#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Fails on an #include that points up a layer. The layers, each a folder and a static library:
#   app -> windows -> {platform, calc} -> platform/text
#   platform/a11y -> platform
# A folder may include its own headers and those of the layers below it. The accessible interfaces
# (platform/a11y) name the widgets, which never include them; only Runtime, which installs them at
# start-up, does. The calculation and the text services are plain C++: they include no Qt header either.
#   check-layers.sh [REPO]     (default: the checkout this script is in)
set -Eeuo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"

# folder or file|what its project includes may name (a regular expression on the included path)
rules=(
    'platform/text|platform/text/'
    'calc|(calc|platform/text)/'
    'platform|platform/([^/]+\.h|text/)'
    'platform/Runtime.cpp|platform/([^/]+\.h|text/|a11y/AccessibleInterfaces\.h)'
    'platform/a11y|platform/'
    'windows|(windows|platform|calc)/'
    'app|(app|windows|platform|calc)/'
)

status=0
for rule in "${rules[@]}"; do
    folder=${rule%%|*} allowed=${rule#*|}
    # What lies inside the folder and has a rule of its own is checked by that rule alone.
    exclude=()
    for other in "${rules[@]}"; do
        [[ ${other%%|*} == "$folder"/* ]] && exclude+=(":!${other%%|*}")
    done
    while IFS= read -r hit; do
        [[ -n $hit ]] || continue
        echo "check-layers.sh: $hit points up a layer ($folder may include only $allowed)" >&2
        status=1
    done < <(git grep --untracked -n -E '^\s*#\s*include\s*"' -- "$folder" "${exclude[@]}" | grep -v -E "#\s*include\s*\"$allowed")
done

while IFS= read -r hit; do
    [[ -n $hit ]] || continue
    echo "check-layers.sh: $hit: the calculation and the text services use no Qt" >&2
    status=1
done < <(git grep --untracked -n -E '^\s*#\s*include\s*<Q' -- calc platform/text)

[[ $status -eq 0 ]] && echo "check-layers.sh: every include points down a layer"
exit $status
