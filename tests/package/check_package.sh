#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian packages of a build, given by its .changes: lintian shows no tag, not even a
# pedantic, informational or experimental one; the binary package holds exactly the expected
# files, depends on exactly the expected packages (the libraries, fonts and Qt's translations,
# nothing the build needs), recommends Qt's Wayland platform, xdg-utils, whose xdg-open opens the
# help window's links, and Qt's GTK platform theme, through which a GTK desktop's dark palette
# reaches the program; its program is hardened as hardening-check can tell from the binary; its
# menu entry and metainfo pass their validators without a warning; and the program unpacked from
# it passes the smoke test in a real window, from a folder whose name its autostart entry must
# quote and escape.
set -euo pipefail
changes="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

lintian --pedantic -I -E --fail-on error,warning,info,pedantic,experimental "$changes"
package="$(dcmd --deb "$changes" | grep '/dovrenta_[^/]*\.deb$')"

dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sort >"$work/files"
diff -u "$here/files.txt" "$work/files"

# Debian 13 renamed the packages of libraries whose interface changed with the 64-bit time type
# (libqt6core6 became libqt6core6t64): the expected list names them as Debian 12 does.
dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g; s/t64$//' |
    sort >"$work/depends"
diff -u "$here/depends.txt" "$work/depends"
recommends="$(dpkg-deb -f "$package" Recommends)"
expected_recommends="qt6-wayland, xdg-utils, qt6-gtk-platformtheme"
[[ "$recommends" == "$expected_recommends" ]] ||
    { echo "recommends '$recommends', not '$expected_recommends'"; exit 1; }

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
program="$root/usr/bin/$exec_name"
[[ -x "$program" ]]
# The program is built with Debian's hardening flags. hardening-check fails on a missing PIE,
# stack protector, RELRO or immediate binding; stack clash protection it passes as unknown when
# no function's frame is large enough to need probes. Two items it cannot judge here: the
# program calls memcpy, memmove and read only where the compiler either proves the size safe
# or cannot know the buffer's size, so fortify leaves no checking call to find; and the start
# files of Debian's C library carry no control-flow property, so the linker marks no program
# with it (nor Debian's own). On amd64 -fcf-protection shows in the code instead: main, which
# the C library's start code passes to it by address, begins with endbr64.
# Debian 13's hardening-check also asks every program for arm64's branch protection, which an
# amd64 program cannot have; Debian 12's knows no such item.
architecture="$(dpkg-deb -f "$package" Architecture)"
skipped=(--nofortify --nocfprotection)
if [[ "$architecture" == amd64 ]] && grep -q nobranchprotection "$(command -v hardening-check)"; then
    skipped+=(--nobranchprotection)
fi
hardening-check "${skipped[@]}" "$program"
if [[ "$architecture" == amd64 ]]; then
    entry="$(readelf -h "$program" | awk '/Entry point/ { print $4 }')"
    main="$(objdump -d --start-address="$entry" --stop-address=$((entry + 64)) "$program" |
        sed -n '/lea .*(%rip),%rdi/ { s/.*# \([0-9a-f]*\).*/\1/p; q }')"
    objdump -d --start-address="0x$main" --stop-address=$((0x$main + 4)) "$program" |
        grep -q endbr64 || { echo "main does not begin with endbr64"; exit 1; }
fi

"$here/../smoke/smoke_test.sh" "$program"
echo "package checked: $package"
