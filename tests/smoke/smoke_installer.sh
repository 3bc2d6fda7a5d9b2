#!/usr/bin/env bash
# Tries the Windows installer $1 as a new user would, under Wine in a new Wine prefix, on a
# screen at 150 %: installs it silently, starts the installed program through the path its
# Start-menu shortcut names, checks the countdown window at that scale (and copies its
# screenshot to $3 when given) and its autostart button, and closes it. Then installs the later
# version $2 over it and expects it to replace the first, expects the first to refuse to replace
# it, removes it silently and expects nothing installed to be left but the user's settings.
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

# Prints the names of the installed programs called Dovrenta, one a line.
installed() { wine uninstaller --list 2>/dev/null | tr -d '\r' | grep '|||Dovrenta$' || true; }

# Every file and folder of the prefix before the installer runs.
prefix_contents() { find "$WINEPREFIX/drive_c" ! -path '*/Temp/*' | sort; }
prefix_contents >"$work/before"

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
if wine msiexec /i "$installer" /quiet; then
    echo "the older version replaced the newer one"
    exit 1
fi
[[ "$(installed | wc -l)" == 1 ]] || { echo "the refused older version is listed"; exit 1; }

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
echo "installed, upgraded, refused the downgrade and removed"
