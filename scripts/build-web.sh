#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds Quorvel for the browser (the `wasm` preset, against the Qt that scripts/build-web-qt.sh builds or
# finds in its cache) and makes build/web/quorvel-VERSION-web.zip: one folder that any web server can
# serve as it is, holding the page (index.html), the program (quorvel.js, quorvel.wasm), what makes it
# installable and usable offline (the web app manifest, its icons, the service worker), and the licences.
# Every file is dated from the newest changelog entry, so the zip is the same bytes for the same sources.
set -Eeuo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=$root/build/web

scripts/build-web-qt.sh
qt=$(scripts/build-web-qt.sh --print-prefix)
eval "$(scripts/build-web-qt.sh --print-env)"

SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
export SOURCE_DATE_EPOCH

cmake --preset wasm -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" >/dev/null
nice cmake --build --preset wasm -j "${QUORVEL_JOBS:-2}" --target quorvel calc_digest

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=quorvel-$version-web
folder=$build/package/$name
rm -rf "$build/package"
mkdir -p "$folder/licenses"

cp "$build/app/quorvel.js" "$build/app/quorvel.wasm" resources/web/quorvel.webmanifest "$folder/"
cp resources/icons/quorvel.svg "$folder/quorvel.svg"
for size in 192 512; do
    rsvg-convert -w "$size" -h "$size" resources/icons/quorvel.svg -o "$folder/icon-$size.png"
done
# The page learns the program's size for its progress bar; the service worker's cache is named for this
# build, so that a new one replaces every file of the old.
wasm_bytes=$(stat -c %s "$folder/quorvel.wasm")
build_id=$(cat "$folder/quorvel.js" "$folder/quorvel.wasm" resources/web/* | sha256sum | cut -c1-16)
sed "s/@WASM_BYTES@/$wasm_bytes/" resources/web/index.html >"$folder/index.html"
sed "s/@BUILD_ID@/$build_id/" resources/web/service-worker.js >"$folder/service-worker.js"

# What the program is made of, each under its own licence.
qt_version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' "$qt/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake")
cp LICENSE "$folder/licenses/Quorvel.txt"
cp "$(dirname "$qt")/src/qtbase/source/LICENSES/LGPL-3.0-only.txt" "$folder/licenses/Qt-LGPL-3.0.txt"
cp /usr/share/doc/fonts-liberation2/copyright "$folder/licenses/Liberation-fonts.txt"
cp "$(dirname "$qt")/src/qtbase/source/LICENSES/BSL-1.0.txt" "$folder/licenses/Boost.txt"
cp /usr/share/doc/emscripten/copyright "$folder/licenses/Emscripten-runtime.txt"
cat >"$folder/licenses/README.txt" <<TEXT
Quorvel $version for the browser

quorvel.wasm holds Quorvel (MIT licence, Quorvel.txt) built together with these, under their own licences:
- Qt $qt_version (qtbase, qtsvg), under the GNU LGPL version 3 (Qt-LGPL-3.0.txt), with the
  fonts Qt brings for the browser (Bitstream Vera and DejaVu, whose licences are in Qt's sources).
  Quorvel's own sources are public, and it can be built again against a changed Qt with
  scripts/build-web-qt.sh and scripts/build-web.sh.
- Quorvel Sans, Mono and Serif: the Liberation fonts cut to the Latin characters, renamed as the
  SIL Open Font License 1.1 asks of a changed font (Liberation-fonts.txt).
- Boost.Multiprecision (Boost Software License 1.0, Boost.txt).
- Emscripten's runtime, with musl and LLVM's libc++ (Emscripten-runtime.txt).
TEXT

find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
zip=$build/$name.zip
rm -f "$zip"
(cd "$build/package" && find "$name" -print | LC_ALL=C sort | zip -q -X -9 -@ "$zip")
printf 'build-web: %s (%s bytes)\n' "$zip" "$(stat -c %s "$zip")"
