# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Sourced, after scripts/lib.sh, by the scripts that run the Windows program under Wine
# (scripts/check-windows.sh, bench/startup-windows.sh):
#   start_wine_session FOLDER   a private Xvfb (DISPLAY) and a new Wine prefix (WINEPREFIX) in FOLDER,
#                               set up as a Windows desktop with no window manager; a step that fails
#                               ends the script with what went wrong
#   stop_wine_session           ends the prefix's programs and the X server
#   windows_path PATH           the Windows name of a Linux path, such as Z:\tmp\...
# Debian's wine64 runs 64-bit programs through its loader; the `wine` wrapper package would only add a
# script that looks for a 32-bit Wine first and, failing that, says so on every run.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

start_wine_session() {
    local folder=$1
    start_xvfb "$folder" 1280x800 || fail "Xvfb did not start: $(cat "$folder/xvfb.log")"
    # No offer to install Mono or Gecko, which the program does not use.
    export WINEPREFIX=$folder/prefix WINEARCH=win64 WINELOADER=$wine WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml="
    "$wine" wineboot --init >"$folder/wineboot.log" 2>&1 ||
        fail "wineboot could not make a Wine prefix: $(tail -n 20 "$folder/wineboot.log")"
    # No window manager runs on this X server: Wine draws the window frames itself and, above all, does
    # not wait for a manager to confirm that a window was hidden (2 s each time, otherwise). Windows' own
    # faces are not here: the Liberation faces, made to the same metrics, stand in for them. Direct3D
    # without OpenGL: Qt 6.4 asks Direct3D 9 for the graphics adapter as it makes the first main window
    # (GpuDescription::detect, for QTBUG-50371): Windows asks its graphics driver, while Wine's default
    # renderer first makes an OpenGL context, on Xvfb's software OpenGL: 0.2-0.3 s, more on a busy
    # machine, between the splash and the calculator. The program draws with GDI alone.
    cat >"$folder/settings.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Direct3D]
"renderer"="no3d"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Segoe UI"="Liberation Sans"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
REG
    "$wine" reg import "$(windows_path "$folder/settings.reg")" >"$folder/reg.log" 2>&1 ||
        fail "the session's settings could not be imported into the registry: $(cat "$folder/reg.log")"
    # Wine's own faces (Tahoma for its menus, Marlett for the title bar's buttons), which Debian's
    # fonts-wine has but a new prefix does not list.
    ln -s /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
        fail "Wine's own faces (fonts-wine) could not be linked into the prefix"
    "$wineserver" --wait
}

stop_wine_session() {
    [[ -z ${WINEPREFIX:-} ]] || "$wineserver" -k 2>/dev/null || true
    [[ -z ${xvfb_pid:-} ]] || kill "$xvfb_pid" 2>/dev/null || true
}
