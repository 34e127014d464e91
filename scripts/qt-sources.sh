# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Sourced, after scripts/lib.sh, by the scripts that build Qt for another platform (build-windows-qt.sh,
# build-web-qt.sh): the one Qt version they build, its sources in the cache, and a line per stage with
# its time.
#   qt_version, qt_cache, qt_sources        the version, the cache folder, its sources folder
#   stage NAME COMMAND...                   runs a stage, then prints its name and how long it took
#   say TEXT                                prints one line to the terminal, even while a stage logs
#   start_build BUILD KEY PREFIX            resumes the unfinished build in BUILD made from KEY, or
#                                           starts it afresh; removes PREFIX; shows BUILD's logs on failure
#   show_logs_on_failure BUILD              from here on, a failing command ends the script with the
#                                           last lines of BUILD's logs on the terminal
#   fetch_qt_sources [QTSVG_TARBALL]        qtbase under $qt_sources/qtbase/source (from Debian's source
#                                           package, its .dsc kept as its identity), the qtsvg tarball
#                                           checked at $qt_sources/$qtsvg_tarball
#   qt_sources_identity                     the checksums that name the sources, for a cache key
# QUORVEL_CACHE overrides the cache folder (default ~/.cache/quorvel).
qt_version=6.4.2
qtbase_debian_version=$qt_version+dfsg-10
qtsvg_debian_version=$qt_version-2
qtsvg_tarball=qtsvg-everywhere-src-$qt_version.tar.xz
qtsvg_known_sha256=(
    b746af3cb1793621d8ed7eae38d9ad5a15541dc2742031069f2ae3fe87590314 # Qt's release, Debian's orig tarball
    52e2c37abec731e77f8df7b10ea6cabe8c6823079a4d8fb22b0bbad65a9aaf98 # git archive of the tag v6.4.2
)
qt_cache=${QUORVEL_CACHE:-$HOME/.cache/quorvel}
qt_sources=$qt_cache/src
qt_script=$(basename "$0" .sh)

# Stage lines go to the terminal (descriptor 3) even while a stage's own output goes to its log.
exec 3>&1
say() { printf '%s: %s\n' "$qt_script" "$*" >&3; }
qt_stage=
stage() {
    local name=$1 start=$SECONDS
    shift
    qt_stage=$name
    "$@"
    qt_stage=
    say "$name: $((SECONDS - start)) s"
}

# start_build BUILD KEY PREFIX: a build that stopped half-way (interrupted, or a full disk) goes on in
# BUILD where it stopped when its inputs (KEY) are the same; otherwise it starts afresh. The installed
# Qt at PREFIX goes until the build has finished, and a failing stage shows BUILD's logs.
start_build() {
    local build=$1 key=$2 prefix=$3
    if [[ -f $build/quorvel-inputs && $(cat "$build/quorvel-inputs") == "$key" ]]; then
        say "going on with the unfinished build in $build"
    else
        rm -rf "$build"
        mkdir -p "$build"
        echo "$key" >"$build/quorvel-inputs"
    fi
    rm -rf "$prefix"
    show_logs_on_failure "$build"
}

# A stage's errors go to its log: the terminal gets where it failed and the log's last lines. set -E
# carries the trap into stage and the functions it runs.
show_logs_on_failure() {
    build_logs=$1
    trap 'stage_failed $? $LINENO "$BASH_COMMAND"' ERR
}
stage_failed() {
    ((BASH_SUBSHELL == 0)) || return 0
    say "${qt_stage:+$qt_stage: }failed at line $2 (status $1): $3; the last lines of the logs in $build_logs:"
    tail -n 20 "$build_logs"/*.log >&3
}

# apt_source PACKAGE=VERSION: fetches, checks and unpacks a Debian source package into the current
# folder, through a private APT configuration that knows bookworm's source packages: nothing under
# /etc/apt or /var/lib/apt is touched, and its files go when the script ends.
apt_dir=
apt_source() {
    if [[ -z $apt_dir ]]; then
        apt_dir=$(mktemp -d)
        trap 'rm -rf "$apt_dir"' EXIT
        mkdir -p "$apt_dir/lists/partial"
        cat >"$apt_dir/deb-src.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        apt_options=(-o "Dir::Etc::SourceList=$apt_dir/deb-src.sources" -o Dir::Etc::SourceParts=/dev/null
            -o "Dir::State::Lists=$apt_dir/lists" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
        apt-get "${apt_options[@]}" update -qq >/dev/null
    fi
    apt-get "${apt_options[@]}" source -qq "$1" >/dev/null
}

fetch_qtbase() {
    local dir
    dir=$(mktemp -d "$qt_sources/qtbase.XXXX")
    (cd "$dir" && apt_source "qt6-base=$qtbase_debian_version")
    rm -rf "$qt_sources/qtbase"
    mkdir "$qt_sources/qtbase"
    mv "$dir"/qt6-base_*.dsc "$qt_sources/qtbase/"
    mv "$dir"/qt6-base-*/ "$qt_sources/qtbase/source"
    rm -rf "$dir"
}

known_qtsvg() {
    local sum
    sum=$(sha256sum "$1" | cut -d' ' -f1)
    [[ " ${qtsvg_known_sha256[*]} " == *" $sum "* ]]
}
# The qtsvg tarball, from the first source that has it: the one named, Debian's source package, the
# copy in shared/third_party beside the checkout.
fetch_qtsvg() {
    local given=$1 dir candidate
    dir=$(mktemp -d "$qt_sources/qtsvg.XXXX")
    if [[ -n $given ]]; then
        candidate=$given
    elif (cd "$dir" && apt_source "qt6-svg=$qtsvg_debian_version") 2>/dev/null; then
        candidate=$(echo "$dir"/qt6-svg_*.orig.tar.xz)
    else
        say "qtsvg: Debian's source package cannot be fetched; taking the copy beside the checkout"
        candidate=$(dirname "${BASH_SOURCE[0]}")/../../shared/third_party/$qtsvg_tarball
    fi
    known_qtsvg "$candidate" || fail "qtsvg: $candidate has none of the known checksums of QtSvg $qt_version"
    cp "$candidate" "$qt_sources/$qtsvg_tarball"
    rm -rf "$dir"
}

fetch_qt_sources() {
    local qtsvg_given=${1:-}
    mkdir -p "$qt_sources"
    [[ -f $qt_sources/qtbase/source/CMakeLists.txt ]] || stage "fetch qtbase $qtbase_debian_version" fetch_qtbase
    if [[ -n $qtsvg_given || ! -f $qt_sources/$qtsvg_tarball ]]; then
        stage "fetch qtsvg" fetch_qtsvg "$qtsvg_given"
    fi
    known_qtsvg "$qt_sources/$qtsvg_tarball" || fail "qtsvg: the cached tarball has changed"
}

qt_sources_identity() { sha256sum "$qt_sources"/qtbase/*.dsc "$qt_sources/$qtsvg_tarball" | cut -d' ' -f1; }
