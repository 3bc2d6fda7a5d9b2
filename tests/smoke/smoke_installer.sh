#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows installer $1 as a new user would, under Wine in a new Wine prefix, on a
# screen at 150 %, with the later version $2 as the upgrade; the installed program's screenshot
# is copied to $3 when given.
set -euo pipefail
installer="$(realpath "$1")"
newer="$(realpath "$2")"
screenshot="${3:+$(realpath "$3")}"
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/wine.sh"
start_desktop
new_wine_prefix 144
# Wine names the user's profile after the Linux user.
profile="$WINEPREFIX/drive_c/users/$(id -un)"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Dovrenta.lnk"
folder="$profile/AppData/Local/Programs/Dovrenta"

installed() { wine uninstaller --list 2>/dev/null | tr -d '\r' | grep '|||Dovrenta$' || true; }

# The version of the installed program Dovrenta, from its entry among the installed programs.
installed_version() {
    local uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall' code root
    code="$(installed | cut -d '|' -f 1)"
    for root in HKCU HKLM; do
        wine reg query "$root\\$uninstall\\$code" /v DisplayVersion 2>/dev/null |
            tr -d '\r' | awk '$1 == "DisplayVersion" { print $NF }'
    done | head -n 1
}

# Installs $1 silently and expects Windows Installer to refuse it at its launch conditions: it
# ends with 1603, of which Wine passes on the low byte, before it costs a single file. Its log
# stays in $work/refused.log.
expect_refused() {
    local status=0
    wine msiexec /i "$1" /quiet /l*v "$(winepath -w "$work/refused.log")" || status=$?
    ((status == 1603 % 256)) || { echo "expected msiexec to end with 1603, not $status"; exit 1; }
    if grep -q CostInitialize "$work/refused.log"; then
        echo "the installer went on past its launch conditions"
        exit 1
    fi
}

# The value of the property $1 at the end of the refused install, or nothing.
refused_property() { tr -d '\r' <"$work/refused.log" | sed -n "s/^Property(S): $1 = //p"; }

# Every file and folder of the prefix before the installer runs.
prefix_contents() { find "$WINEPREFIX/drive_c" ! -path '*/Temp/*' | sort; }
prefix_contents >"$work/before"

# Windows 7 (build 7601) is older than Windows 10, version 1809 (build 17763).
wine winecfg /v win7
expect_refused "$installer"
[[ "$(refused_property WINDOWSBUILDNUMBER)" == 7601 ]] &&
    [[ -z "$(refused_property WIX_DOWNGRADE_DETECTED)" ]] ||
    { echo "the installer refused Windows 7 for another reason"; exit 1; }
[[ -z "$(installed)" ]] || { echo "the installer installed on Windows 7"; exit 1; }
echo "the installer refused Windows 7"
wine winecfg /v win10

wine msiexec /i "$installer" /quiet
[[ -f "$shortcut" ]] || { echo "no Start-menu shortcut Dovrenta"; exit 1; }
[[ "$(installed | wc -l)" == 1 ]] || { echo "Dovrenta is not listed as installed"; exit 1; }
# The shortcut names the program by its full path.
target="$(strings -a "$shortcut" | grep -m 1 -i '^[a-z]:\\.*\.exe$' || true)"
echo "the shortcut starts $target"
program="$(realpath "$(winepath -u "$target")")"
[[ "$program" == "$folder/dovrenta.exe" ]] || { echo "expected $folder/dovrenta.exe"; exit 1; }

start_and_check_program "$program" 1.5 "$screenshot"
close_and_wait "$program_pid"

first="$(installed)"
wine msiexec /i "$newer" /quiet
[[ "$(installed | wc -l)" == 1 && "$(installed)" != "$first" ]] ||
    { echo "the newer version did not replace the older one"; exit 1; }
newer_listed="$(installed)"
newer_version="$(msiinfo export "$newer" Property | tr -d '\r' |
    awk -F '\t' '$1 == "ProductVersion" { print $2 }')"
[[ "$(installed_version)" == "$newer_version" ]] ||
    { echo "expected version $newer_version installed, not $(installed_version)"; exit 1; }
expect_refused "$installer"
[[ -n "$(refused_property WIX_DOWNGRADE_DETECTED)" ]] ||
    { echo "the older version was refused, but not as a downgrade"; exit 1; }
[[ "$(installed)" == "$newer_listed" && "$(installed_version)" == "$newer_version" ]] ||
    { echo "version $newer_version is no longer the one installed"; exit 1; }

wine msiexec /x "$newer" /quiet
[[ -z "$(installed)" ]] || { echo "Dovrenta is still listed as installed"; exit 1; }
# Windows keeps the user's programs folder, which per-user programs share, and the installer
# service's own folders.
left="$(prefix_contents | comm -13 "$work/before" - |
    grep -v -x -e "$profile/AppData/Local/Programs" -e "$profile/AppData/Roaming/Microsoft/Installer" \
        -e "$WINEPREFIX/drive_c/windows/Installer" || true)"
[[ -z "$left" ]] || { echo "left behind:"; echo "$left"; exit 1; }
wine reg query 'HKCU\Software\Dovrenta\ myapp\jishi' /v year >/dev/null 2>&1 ||
    { echo "the removal took the user's settings"; exit 1; }
echo "refused Windows 7, installed, upgraded, refused the downgrade and removed"
