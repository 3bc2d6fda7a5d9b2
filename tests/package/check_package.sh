#!/usr/bin/env bash
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

dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g' | sort >"$work/depends"
diff -u "$here/depends.txt" "$work/depends"
recommends="$(dpkg-deb -f "$package" Recommends)"
[[ "$recommends" == qt6-wayland ]] || { echo "recommends '$recommends', not qt6-wayland"; exit 1; }

root="$work/un \"packed\" \`at\` \$HOME 100% \\"
dpkg-deb -x "$package" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop | tee "$work/validate"
[[ ! -s "$work/validate" ]]
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml
exec_name="$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)"
[[ -x "$root/usr/bin/$exec_name" ]]

"$here/../smoke/smoke_test.sh" "$root/usr/bin/$exec_name"
echo "package checked: $package"
