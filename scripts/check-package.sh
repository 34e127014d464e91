#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Checks the desktop files, the manual page and the Debian package of a configured build (contents,
# dependencies, lintian, reproducibility), then installs the package on this machine, starts the
# installed program under a private Xvfb, waits for the calculator window, ends the program and removes
# the package again.
#   check-package.sh [BUILD_DIR]     (default build/release)
# Needs root: it installs and removes the package `quorvel` with apt-get. A `quorvel` package already
# installed is removed first, so that the one just built is what runs. Safe to run again.
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
build=${1:-$root/build/release}

[[ $(id -u) -eq 0 ]] || fail "run as root: the package is installed and removed with apt-get"
[[ -f $build/CPackConfig.cmake ]] ||
    fail "$build is not a configured build with packaging rules (cmake -S . -B $build first)"
build=$(cd "$build" && pwd)

# --- tools, installed when missing ---
export DEBIAN_FRONTEND=noninteractive
declare -A tool_package=(
    [desktop-file-validate]=desktop-file-utils [appstreamcli]=appstream [cpack]=cmake
    [dpkg-shlibdeps]=dpkg-dev [file]=file [Xvfb]=xvfb [xdotool]=xdotool [xwininfo]=x11-utils
    [lintian]=lintian [mandoc]=mandoc [groff]=groff-base [man]=man-db
)
missing=()
for tool in "${!tool_package[@]}"; do
    command -v "$tool" >/dev/null || missing+=("${tool_package[$tool]}")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    step "installing ${missing[*]}"
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

app_id=$(cmake_cache "$build" QUORVEL_APP_ID)
desktop_file=$root/resources/desktop/$app_id.desktop
metainfo_file=$root/resources/desktop/$app_id.metainfo.xml

scratch=$(mktemp -d /tmp/quorvel-check-package.XXXXXX)
xvfb_pid="" program_pid="" installed_by_us=0
cleanup() {
    [[ -z $program_pid ]] || kill "$program_pid" 2>/dev/null || true
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
    if [[ $installed_by_us -eq 1 ]]; then
        apt-get remove -y -qq quorvel >/dev/null 2>&1 || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# Validators print "error:"/"warning:" (desktop-file-validate) or "E:"/"W:" (appstreamcli) lines;
# notes, hints and pedantic remarks are allowed.
validate_desktop() {
    local out
    out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate $1:"$'\n'"$out"
    if grep -E ': (error|warning): ' <<<"$out"; then
        fail "desktop-file-validate reports errors or warnings for $1"
    fi
    [[ -z $out ]] || echo "$out"
}
validate_metainfo() {
    local out
    out=$(appstreamcli validate --no-net "$@" 2>&1) || fail "appstreamcli validate $*:"$'\n'"$out"
    if grep -E '^ *[EW]: ' <<<"$out"; then
        fail "appstreamcli reports errors or warnings for $*"
    fi
}

step "validating $desktop_file and $metainfo_file"
[[ -f $desktop_file ]] || fail "no desktop entry at $desktop_file"
[[ -f $metainfo_file ]] || fail "no metainfo at $metainfo_file"
validate_desktop "$desktop_file"
validate_metainfo "$metainfo_file"

version=$(cmake_cache "$build" CMAKE_PROJECT_VERSION)
manual=$root/docs/quorvel.1
changelog=$root/packaging/changelog
copyright=$root/packaging/copyright

step "checking the manual page $manual"
# Both formatters must have nothing to say: mandoc's lint (all levels) and groff with all warnings.
out=$(mandoc -T lint "$manual" 2>&1) || fail "mandoc -T lint $manual:"$'\n'"$out"
[[ -z $out ]] || fail "mandoc -T lint reports on $manual:"$'\n'"$out"
out=$(groff -ww -z -man "$manual" 2>&1) || fail "groff -ww -z -man $manual:"$'\n'"$out"
[[ -z $out ]] || fail "groff -ww -z -man reports on $manual:"$'\n'"$out"
grep -q "^\.TH QUORVEL 1 .* \"Quorvel $version\" " "$manual" || fail "$manual does not say Quorvel $version in .TH"

step "checking $changelog and $copyright"
changelog_version=$(dpkg-parsechangelog -l "$changelog" -S Version) || fail "dpkg-parsechangelog $changelog"
[[ $changelog_version == "$version" ]] ||
    fail "the newest entry of $changelog is $changelog_version, the program is $version"
# The licence text in the machine-readable copyright is the one in LICENSE, word for word.
diff <(sed -n '/^Permission/,$p' "$root/LICENSE") \
    <(sed -n '/^License: Expat$/,/^$/{/^ /p}' "$copyright" | sed 's/^ //; s/^\.$//') >&2 ||
    fail "the Expat text in $copyright differs from LICENSE"

step "building the package"
cmake --build "$build" --target quorvel quorvel_docs --parallel 2 >/dev/null
# Files dated from the newest changelog entry, as dpkg-buildpackage does, so that the same build gives
# the same package bytes.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
make_package() {
    rm -f "$build"/quorvel_*.deb
    (cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || {
        cat "$scratch/cpack.log" >&2
        fail "cpack -G DEB"
    }
    debs=("$build"/quorvel_*.deb)
    [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one quorvel_*.deb in $build, found: ${debs[*]}"
}
make_package
cp "${debs[0]}" "$scratch/first.deb"
make_package
deb=${debs[0]}
cmp -s "$scratch/first.deb" "$deb" || fail "packaging the same build twice gave different bytes"
[[ $(basename "$deb") == "quorvel_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "package file name $(basename "$deb") is not quorvel_${version}_<arch>.deb"
echo "$deb"

step "checking the package contents"
contents=$(dpkg-deb -c "$deb")
expect_file() {
    local path=$1 mode=$2
    grep -qE "^$mode .* \./$path\$" <<<"$contents" || fail "the package has no $path (mode $mode)"
}
expect_file usr/bin/quorvel '-rwxr-xr-x'
expect_file "usr/share/applications/$app_id.desktop" '-rw-r--r--'
expect_file "usr/share/metainfo/$app_id.metainfo.xml" '-rw-r--r--'
expect_file "usr/share/icons/hicolor/scalable/apps/$app_id.svg" '-rw-r--r--'
expect_file usr/share/man/man1/quorvel.1.gz '-rw-r--r--'
expect_file usr/share/doc/quorvel/changelog.gz '-rw-r--r--'
expect_file usr/share/doc/quorvel/copyright '-rw-r--r--'
dpkg-deb -x "$deb" "$scratch/root"
zcat "$scratch/root/usr/share/man/man1/quorvel.1.gz" | cmp -s - "$manual" ||
    fail "the packaged manual page is not docs/quorvel.1"
zcat "$scratch/root/usr/share/doc/quorvel/changelog.gz" | cmp -s - "$changelog" ||
    fail "the packaged changelog is not packaging/changelog"
cmp -s "$scratch/root/usr/share/doc/quorvel/copyright" "$copyright" ||
    fail "the packaged copyright is not packaging/copyright"
cmp -s "$scratch/root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" "$root/resources/icons/quorvel.svg" ||
    fail "the installed icon is not resources/icons/quorvel.svg"
validate_desktop "$scratch/root/usr/share/applications/$app_id.desktop"
# validate-tree also checks that the metainfo's launchable names a desktop entry that is there.
out=$(appstreamcli validate-tree --no-net "$scratch/root" 2>&1) || fail "appstreamcli validate-tree:"$'\n'"$out"
if grep -E '^ *[EW]: ' <<<"$out"; then fail "appstreamcli validate-tree reports errors or warnings"; fi

step "checking the control fields and the computed dependencies"
[[ $(dpkg-deb -f "$deb" Package) == quorvel ]] || fail "package name is not quorvel"
[[ $(dpkg-deb -f "$deb" Section) == science ]] || fail "section is not science"
[[ $(dpkg-deb -f "$deb" Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^@\>]+\>$ ]] ||
    fail "Maintainer '$(dpkg-deb -f "$deb" Maintainer)' is not a name with an address"
[[ $(dpkg-deb -f "$deb" Recommends) == qt6-wayland ]] || fail "Recommends is not qt6-wayland"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names alone: versions dropped, alternatives split.
depends_names=$(sed 's/([^)]*)//g; s/|/,/g' <<<"$depends" | tr ',' '\n' | tr -d ' ')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libstdc++6 libc6; do
    grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib (is CPACK_DEBIAN_PACKAGE_SHLIBDEPS on?)"
done

step "lintian"
# Debian's own checker: errors and warnings fail the check; informational and pedantic tags are not
# asked for here.
lintian_status=0
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
cat "$scratch/lintian.log"
if grep -qE '^[EW]: ' "$scratch/lintian.log"; then fail "lintian reports errors or warnings"; fi
[[ $lintian_status -eq 0 ]] || fail "lintian exited with status $lintian_status"

step "installing the package"
if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q 'install ok installed'; then
    echo "removing the quorvel package installed before"
    apt-get remove -y -qq quorvel >/dev/null
fi
installed_by_us=1
apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 || {
    cat "$scratch/apt.log" >&2
    fail "apt-get install $deb"
}
[[ $(command -v quorvel) == /usr/bin/quorvel ]] ||
    fail "quorvel on PATH is '$(command -v quorvel)', not the installed /usr/bin/quorvel"
[[ $(man -w quorvel) == /usr/share/man/man1/quorvel.1.gz ]] || fail "man does not find the installed page"

step "running the manual page's examples with the installed program, without a display"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY quorvel --version) == "quorvel $version" ]] ||
    fail "quorvel --version does not print 'quorvel $version'"
# Each one-line example, `$ quorvel ...` in an .EX block, must print what the page shows below it.
examples() {
    awk '
        function flush() {
            if (record != "") printf "%s%c", record, 0
            record = ""
        }
        /^\.EX/ { inside = 1; next }
        /^\.EE/ { flush(); inside = 0; next }
        !inside { next }
        { gsub(/\\-/, "-"); gsub(/\\&/, "") }
        /^\$ / { flush(); if ($0 ~ /^\$ quorvel /) record = $0; next }
        /^> / { record = ""; next }
        record != "" { record = record "\n" $0 }' "$manual"
}
count=0
while IFS= read -r -d '' example; do
    command=${example%%$'\n'*}
    expected=${example#"$command"}
    expected=${expected#$'\n'}
    read -ra arguments <<<"${command#'$ quorvel '}"
    actual=$(env -u DISPLAY -u WAYLAND_DISPLAY quorvel "${arguments[@]}" 2>&1) || true
    [[ $actual == "$expected" ]] ||
        fail "'${command#'$ '}' prints:"$'\n'"$actual"$'\n'"but the manual page shows:"$'\n'"$expected"
    count=$((count + 1))
done < <(examples)
[[ $count -ge 3 ]] || fail "found $count examples in $manual, expected at least 3"
echo "$count examples print what the page shows"

step "starting the installed program under Xvfb"
source "$root/scripts/xvfb.sh"
start_xvfb "$scratch" 1280x1024 || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
(
    private_home "$scratch"
    QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY='' exec quorvel >"$scratch/quorvel.log" 2>&1
) &
program_pid=$!

# The splash (the About window) comes first and carries the title "Quorvel" as well; the calculator
# window is the one 500 pixels wide.
calculator=""
for _ in $(seq 200); do
    kill -0 "$program_pid" 2>/dev/null || fail "quorvel exited early: $(cat "$scratch/quorvel.log")"
    for window in $(xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null || true); do
        width=$(xwininfo -id "$window" 2>/dev/null | sed -n 's/^ *Width: //p')
        if [[ $width == 500 ]]; then
            calculator=$window
            break 2
        fi
    done
    sleep 0.1
done
[[ -n $calculator ]] || fail "no window titled Quorvel, 500 wide, within 20 s: $(cat "$scratch/quorvel.log")"
xwininfo -id "$calculator" | sed -n 's/^xwininfo: //p; s/^ *\(Width\|Height\): /  \1 /p'

kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""

step "removing the package"
apt-get remove -y -qq quorvel >/dev/null
installed_by_us=0
[[ ! -e /usr/bin/quorvel ]] || fail "/usr/bin/quorvel is still there after apt-get remove"
[[ ! -e /usr/share/applications/$app_id.desktop ]] || fail "the desktop entry is still there after removal"
! dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q 'install ok installed' ||
    fail "dpkg still lists quorvel as installed"
hash -r
! command -v quorvel >/dev/null || fail "quorvel is still on PATH: $(command -v quorvel)"

step "package checks passed"
