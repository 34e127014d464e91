#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Installs what Quorvel needs, builds it (release) and starts it.
set -Eeuo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset release -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset release
exec build/release/app/quorvel "$@"
