#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Fails on an #include that points up a layer. The layers, each a folder and a static library:
#   app -> windows -> {platform, calc} -> platform/text
# A folder may include its own headers and those of the layers below it. The calculation and the text
# services are plain C++: they include no Qt header either.
#   check-layers.sh [REPO]     (default: the checkout this script is in)
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"

# folder|what its project includes may name (a regular expression on the included path)
rules=(
    'platform/text|platform/text/'
    'calc|(calc|platform/text)/'
    'platform|platform/'
    'windows|(windows|platform|calc)/'
    'app|(app|windows|platform|calc)/'
)

status=0
for rule in "${rules[@]}"; do
    folder=${rule%%|*} allowed=${rule#*|}
    # platform/text is checked on its own, by its stricter rule.
    exclude=()
    [[ $folder == platform ]] && exclude=(':!platform/text')
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
