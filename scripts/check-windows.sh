#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds the Windows downloads (scripts/build-windows.sh, which first builds the cross Qt when its cache
# lacks it: about 20 minutes the first time) and checks them, in a new Wine prefix on a private Xvfb:
#   - the binaries: every imported DLL is shipped or is one that every Windows 10 and 11 has; each is
#     built for address space layout randomisation (high addresses too) and data execution prevention;
#   - the installer installs silently for the user; the installed program shows its splash, then the
#     calculator window; typing .8, Tab, 2 and pressing Calculate (Tab on to it, Space) shows .8889;
#     File > Quit ends it with status 0, having written no file and nothing to the registry. Both windows are kept as screenshots
#     in build/windows/screenshots;
#   - the command line (quorvel.com, which cmd.exe runs for `quorvel`): results and status 0, the
#     calculator's message and status 1, a usage error and status 2;
#   - the zip's program, unpacked into a folder named "Test Ordner ü", loads every DLL in the zip and no
#     other of its own, and works;
#   - the silent uninstall leaves no file, shortcut or uninstall entry.
set -Eeuo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/lib.sh

scripts/build-windows.sh

build=$root/build/windows
version=$(cmake_cache "$build" CMAKE_PROJECT_VERSION)
zip=$build/quorvel-$version-win64.zip
setup=$build/quorvel-$version-setup.exe
shots=$build/screenshots
mkdir -p "$shots"
mingw=x86_64-w64-mingw32
source scripts/wine-session.sh

# fault TEXT: a check that failed, counted; the checks after it still run, and the script fails at the
# end. (fail, for what the checks cannot go on without, ends it at once.)
failures=0
fault() {
    printf '%s: FAILED: %s\n' "$script_name" "$*" >&2
    failures=$((failures + 1))
}
now() { date +%s.%N; }
seconds_since() { awk -v start="$1" -v end="$(now)" 'BEGIN { printf "%.1f", end - start }'; }

scratch=$(mktemp -d /tmp/quorvel-windows.XXXXXX)
cleanup() {
    stop_wine_session
    rm -rf "$scratch"
}
trap cleanup EXIT

# --- The binaries, as the zip has them --------------------------------------------------------------
unzip -q "$zip" -d "$scratch/zip"
folder=$scratch/zip/quorvel-$version-win64

# DLLs that come with every Windows 10 and 11 (the MinGW C runtime links against msvcrt.dll, which
# Windows has kept for compatibility since Windows 95).
system_dlls=" advapi32.dll authz.dll comdlg32.dll d3d11.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll
    gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll oleaut32.dll shcore.dll
    shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll ws2_32.dll
    wtsapi32.dll comctl32.dll api-ms-win-core-synch-l1-2-0.dll api-ms-win-core-winrt-l1-1-0.dll
    api-ms-win-core-winrt-string-l1-1-0.dll "
step "binaries: imports and DLL characteristics"
shipped=$(cd "$folder" && find . -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]')
while IFS= read -r -d '' binary; do
    name=${binary#"$folder"/}
    name=${name#"$build"/}
    headers=$("$mingw-objdump" -p "$binary")
    for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]'); do
        [[ " $(echo $system_dlls) " == *" $dll "* ]] || grep -qx "$dll" <<<"$shipped" ||
            fault "$name imports $dll, which is neither shipped nor a part of Windows"
    done
    flags=$(sed -n 's/^DllCharacteristics\s*//p' <<<"$headers")
    # 0x20 high-entropy VA, 0x40 dynamic base (ASLR), 0x100 NX compatible (DEP)
    (((0x$flags & 0x160) == 0x160)) || fault "$name: DLL characteristics $flags lack ASLR, high-entropy VA or DEP"
done < <(find "$folder" "$setup" \( -iname '*.exe' -o -iname '*.com' -o -iname '*.dll' \) -print0)

# --- Wine on a private X server ----------------------------------------------------------------------
started=$(now)
start_wine_session "$scratch"
step "new Wine prefix in $(seconds_since "$started") s"

user_dir=$WINEPREFIX/drive_c/users/$(id -un)
install_dir=$user_dir/AppData/Local/Programs/Quorvel
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvel.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'

# --- Silent install -----------------------------------------------------------------------------------
step "installing with /S"
"$wine" "$setup" /S
[[ -f $install_dir/quorvel.exe && -f $install_dir/quorvel.com && -f $install_dir/uninstall.exe ]] ||
    fault "the installer did not put the program into $install_dir"
[[ -f $shortcut ]] || fault "no Start menu shortcut"
entry=$("$wine" reg query "$uninstall_key" 2>/dev/null | tr -d '\r') || true
for value in "DisplayName.*Quorvel" "DisplayVersion.*$version" "Publisher.*the Quorvel authors" \
    'DisplayIcon.*quorvel\.exe' 'UninstallString.*uninstall\.exe' 'EstimatedSize.*0x[1-9a-f]'; do
    grep -q "$value" <<<"$entry" || fault "the uninstall entry lacks $value"
done

# --- The installed window program --------------------------------------------------------------------
# visible_windows: one line per mapped window of a Windows program: id, width x height, title.
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class '\.(exe|com)$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /^xwininfo: Window id:/ { sub(/^[^"]*"/, ""); sub(/"$/, ""); title = $0 }
            /^  Width:/ { w = $2 } /^  Height:/ { h = $2 }
            END { printf "%s %sx%s %s\n", id, w, h, title }'
    done
}
# wait_for_window PATTERN [SECONDS]: the id of the first visible window whose line matches PATTERN.
wait_for_window() {
    local deadline=$((SECONDS + ${2:-30})) found
    while ((SECONDS < deadline)); do
        found=$(visible_windows | grep -E -m1 "$1" | cut -d' ' -f1) || true
        [[ -z $found ]] || { echo "$found"; return 0; }
        sleep 0.05
    done
    return 1
}
# content_size CLASS: the width and height of a window's contents, as windows/CLASS.cpp lays them out.
content_size() { sed -n 's/^ *setContentSize(\([0-9]*\), \([0-9]*\));$/\1 \2/p' "windows/$1.cpp"; }
read -r splash_width splash_height < <(content_size AboutWnd)
read -r calculator_width calculator_height < <(content_size ControlWnd)
# With no window manager, Wine draws the frame inside the window: a border all round, and the title and
# the menu bar above the contents. click_above_contents WINDOW X Y clicks X pixels right of and Y pixels
# above the top left corner of the calculator's contents: on its menu bar.
click_above_contents() {
    local width height border
    read -r width height < <(xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { print w, $2 }')
    border=$(((width - calculator_width) / 2))
    xdotool mousemove --window "$1" $((border + $2)) $((height - calculator_height - border - $3)) click 1
    sleep 0.3
}
# The text of the field that has the keyboard focus, through the clipboard.
copy_focused_field() {
    xdotool key ctrl+a ctrl+c
    sleep 0.5
    xclip -o -selection clipboard 2>/dev/null || true
}
# wait_for_exit PID: the program's exit status, or 124 when it has not ended within 20 s.
wait_for_exit() {
    local deadline=$((SECONDS + 20))
    while kill -0 "$1" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    kill -0 "$1" 2>/dev/null && { kill "$1"; return 124; }
    wait "$1"
}

# software_registry: the current user's and the machine's Software keys as text, less Wine's own keys,
# which Wine itself keeps up to date while any program runs.
software_registry() {
    local hive
    for hive in HKCU HKLM; do
        "$wine" reg export "$hive\\Software" "$(windows_path "$scratch/$hive.reg")" /y >/dev/null 2>&1
        iconv -f UTF-16 -t UTF-8 "$scratch/$hive.reg"
    done | awk '/^\[/ { wine = ($0 ~ /\\Software\\Wine[]\\]/) } !wine'
}

step "starting the installed program"
software_registry >"$scratch/registry-before"
touch "$scratch/before-the-program"
started=$(now)
"$wine" "$(windows_path "$install_dir/quorvel.exe")" >"$scratch/installed.log" 2>&1 &
program=$!
if splash=$(wait_for_window " ${splash_width}x$splash_height "); then
    splash_shown=$(now)
    splash_at=$(seconds_since "$started")
    sleep 0.5
    import -window "$splash" "$shots/splash.png"
else
    fault "no splash (${splash_width}x$splash_height) within 30 s"
fi
if calculator=$(wait_for_window ' Quorvel$'); then
    calculator_at=$(seconds_since "$started")
    gap=$(seconds_since "${splash_shown:-$started}")
    step "splash after ${splash_at:-?} s, calculator window after $calculator_at s, $gap s after the splash"
    # The host window's timer brings the calculator 1.5 s after the splash; the polling here is coarse.
    awk -v gap="$gap" 'BEGIN { exit !(gap >= 1.2 && gap <= 2.0) }' ||
        fault "the calculator came $gap s after the splash, not 1.2 to 2.0 s"
    visible_windows | grep -q " ${splash_width}x$splash_height " &&
        fault "the splash is still shown beside the calculator"
    # As on the keyboard alone: the first field has the focus, Tab goes on through the fields to
    # Calculate, Space presses it, and Shift+Tab goes back to the result's field.
    xdotool windowfocus --sync "$calculator"
    xdotool type --delay 50 '.8'
    xdotool key Tab
    xdotool type --delay 50 '2'
    xdotool key --delay 100 Tab Tab space
    sleep 0.3
    import -window "$calculator" "$shots/calculator.png"
    xdotool key shift+Tab
    result=$(copy_focused_field)
    [[ $result == .8889 ]] || fault "the result field shows '$result', not .8889"
    # File > Quit, with the mouse: File is the menu bar's first title, the menu opens below the bar, and
    # its second item is Quit.
    click_above_contents "$calculator" 16 11
    if menu=$(wait_for_window ' [0-9]+x[0-9]+ quorvel$' 5); then
        read -r width height < <(xwininfo -id "$menu" | awk '/^  Width:/ { w = $2 } /^  Height:/ { print w, $2 }')
        xdotool mousemove --window "$menu" $((width / 2)) $((height * 3 / 4)) click 1
    else
        fault "the File menu did not open"
    fi
else
    fault "no calculator window within 30 s"
fi
status=0
wait_for_exit "$program" || status=$?
[[ $status == 0 ]] || fault "File > Quit ended the program with status $status, not 0"
written=$(find "$WINEPREFIX/drive_c" -newer "$scratch/before-the-program" -type f)
[[ -z $written ]] || fault "the program wrote files: $written"
registry_changes=$(diff "$scratch/registry-before" <(software_registry)) ||
    fault "the program wrote to the registry: $registry_changes"

# --- The command line, as cmd.exe runs it -------------------------------------------------------------
# expect_run STATUS STDOUT STDERR PROGRAM ARGS...: runs PROGRAM under Wine and compares. Output lines end
# in CR LF on Windows; the CRs are taken off before comparing.
expect_run() {
    local want_status=$1 want_out=$2 want_err=$3 status=0
    shift 3
    "$wine" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
    local out err
    out=$(tr -d '\r' <"$scratch/out")
    err=$(tr -d '\r' <"$scratch/err")
    [[ $status == "$want_status" && $out == "$want_out" && $err == "$want_err" ]] ||
        fault "quorvel ${*:2}: status $status, output '$out', errors '$err'; wanted $want_status, '$want_out', '$want_err'"
}
step "command line"
com=$(windows_path "$install_dir/quorvel.com")
expect_run 0 .8889 '' "$com" --reliability .8 --length-change 2
expect_run 0 891.00 '' "$com" --reliability .1 --modified-reliability .99
expect_run 1 '' 'Current reliability must range from .01 to .99.' "$com" --reliability 1.5 --length-change 2
expect_run 0 "quorvel $version" '' "$com" --version
expect_run 2 '' "quorvel: Unexpected argument 'x'. Try 'quorvel --help'." "$com" x

# --- The zip's program, from a folder whose name has a space and a non-ASCII letter --------------------
step "the zip's program from 'Test Ordner ü'"
mkdir "$scratch/Test Ordner ü"
unzip -q "$zip" -d "$scratch/Test Ordner ü"
portable="$scratch/Test Ordner ü/quorvel-$version-win64"
expect_run 0 .8889 '' "$(windows_path "$portable/quorvel.com")" --reliability .8 --length-change 2
WINEDEBUG=+loaddll "$wine" "$(windows_path "$portable/quorvel.exe")" >/dev/null 2>"$scratch/loaddll.log" &
program=$!
if calculator=$(wait_for_window ' Quorvel$'); then
    xdotool windowfocus --sync "$calculator" key ctrl+q
else
    fault "the zip's program showed no calculator window"
fi
status=0
wait_for_exit "$program" || status=$?
[[ $status == 0 ]] || fault "Ctrl+Q ended the zip's program with status $status, not 0"
# Every DLL of the folder was loaded from the folder, and no other DLL but Windows' (Wine's own, here).
# Wine writes the letters of paths beyond ASCII as escapes: the folder is matched by its last part.
loaded=$(tr -d '\r' <"$scratch/loaddll.log" | sed -n 's/.*Loaded L"\(.*\.dll\)" at .*: native$/\1/p' |
    sed 's/\\\\/\\/g' | tr '[:upper:]' '[:lower:]' | sed "s|^.*\\\\quorvel-$version-win64\\\\||" | LC_ALL=C sort -u)
in_zip=$(cd "$portable" && find . -iname '*.dll' | sed 's|^\./||; s|/|\\|g' | tr '[:upper:]' '[:lower:]' | LC_ALL=C sort)
[[ $loaded == "$in_zip" ]] || fault "DLLs loaded differ from those in the zip:
$(diff <(echo "$in_zip") <(echo "$loaded") | sed -n 's/^</  shipped, not loaded:/p; s/^>/  loaded, not shipped:/p')"

# --- Silent uninstall ---------------------------------------------------------------------------------
step "uninstalling with /S"
# The uninstaller works from a copy of itself in the temporary folder, so that it can delete itself, and
# returns at once: wait for the copy to remove the folder, the shortcut and the entry, in this order.
"$wine" "$(windows_path "$install_dir/uninstall.exe")" /S
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)) && { [[ -e $install_dir || -e $shortcut ]] ||
    "$wine" reg query "$uninstall_key" >/dev/null 2>&1; }; do
    sleep 0.2
done
[[ ! -e $install_dir ]] || fault "left behind: $(find "$install_dir" | head -5)"
[[ ! -e $shortcut ]] || fault "the Start menu shortcut is left"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && fault "the uninstall entry is left"

if ((failures)); then
    step "$failures failures"
    exit 1
fi
step "all passed; screenshots in $shots"
