#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built Debian package of the program: lintian finds no error, it holds exactly the
# expected files, depends on exactly the expected packages (the libraries, fonts and Qt's
# translations, nothing the build needs), recommends Qt's Wayland platform, its menu entry and
# metainfo pass their validators without a warning, and the program unpacked from it passes the
# smoke test in a real window, from a folder whose name its autostart entry must quote and escape.
set -euo pipefail
package="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

lintian --fail-on error "$package"

dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sort >"$work/files"
diff -u "$here/files.txt" "$work/files"

# Debian 13 renamed the packages of libraries whose interface changed with the 64-bit time type
# (libqt6core6 became libqt6core6t64): the expected list names them as Debian 12 does.
dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g; s/t64$//' |
    sort >"$work/depends"
diff -u "$here/depends.txt" "$work/depends"
recommends="$(dpkg-deb -f "$package" Recommends)"
[[ "$recommends" == qt6-wayland ]] || { echo "recommends '$recommends', not qt6-wayland"; exit 1; }

root="$work/un \"packed\" \`at\` \$HOME 100% \\"
dpkg-deb -x "$package" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop | tee "$work/validate"
[[ ! -s "$work/validate" ]]
# Debian 13's validator asks for the <developer> element, which Debian 12's does not know; the
# metainfo keeps <developer_name>, which both releases read, and those notes are the only ones
# let through.
accepted_notes=': (developer-name-tag-deprecated|developer-info-missing)$'
status=0
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml \
    >"$work/appstream" || status=$?
cat "$work/appstream"
if ((status)); then
    grep -E '^[EWI]: ' "$work/appstream" | grep -qvE "$accepted_notes" && exit 1
    grep -qE "$accepted_notes" "$work/appstream"
fi
exec_name="$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)"
[[ -x "$root/usr/bin/$exec_name" ]]

"$here/../smoke/smoke_test.sh" "$root/usr/bin/$exec_name"
echo "package checked: $package"
