#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows downloads: the zip and the installer hold the program with its read-me,
# which names the build record, its licence, Qt's licence and the notices; the notices name each
# library that the program holds; the program's header asks Windows for address space layout
# randomisation with high entropy and for data execution prevention; and the source release
# holds every file of the commit, with what it is and the files' checksums.
# Usage: check_release.sh ZIP MSI SOURCE_ARCHIVE
set -euo pipefail
# The expected lists are in the C locale's order, whatever the caller's locale.
export LC_ALL=C
zip="$1"
installer="$2"
source_archive="$3"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected="COPYING.txt LGPL-3.0.txt NOTICES.txt dovrenta.exe readme.txt"
zipped="$(unzip -Z1 "$zip" | sort | xargs)"
[[ "$zipped" == "$expected" ]] || fail "the zip holds '$zipped', not '$expected'"
# The File table's third column is the file's name, as "SHORT~1.TXT|long name" where the two
# differ.
installed="$(msiinfo export "$installer" File | tail -n +4 | cut -f3 | sed 's/.*|//' | sort |
    xargs)"
[[ "$installed" == "$expected" ]] || fail "the installer holds '$installed', not '$expected'"

unzip -q "$zip" -d "$work/zip"
grep -q 'GNU GENERAL PUBLIC LICENSE' "$work/zip/COPYING.txt" || fail "COPYING.txt is not the GPL"
grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$work/zip/LGPL-3.0.txt" ||
    fail "LGPL-3.0.txt is not the LGPL"
record="$(basename "$zip" .zip).buildinfo"
grep -q "$record" "$work/zip/readme.txt" || fail "readme.txt does not name the build record"

# Each library that the program is known to link, by a line of its notice: its name and a
# copyright line or statement that its licence asks to be passed on.
while IFS='|' read -r library marker; do
    grep -qF -- "$marker" "$work/zip/NOTICES.txt" || fail "the notices lack $library: '$marker'"
done <"$here/notices.txt"

flags="$(x86_64-w64-mingw32-objdump -p "$work/zip/dovrenta.exe")"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    grep -qw "$flag" <<<"$flags" || fail "dovrenta.exe's header lacks $flag"
done

# The source release holds the commit's files, RELEASE and SHA256SUMS, whose checksums are those
# of the files beside it.
folder="$(basename "$source_archive" .tar.xz)"
tar -tJf "$source_archive" | sed "s|^$folder/||" | sort >"$work/archived"
project="$(cd "$here/../.." && pwd)"
{ "$project/scripts/source-info" committed; printf '%s\n' RELEASE SHA256SUMS; } | sort \
    >"$work/expected"
diff -u "$work/expected" "$work/archived" >"$work/difference" ||
    { fail "the source release differs from the commit's files:"; head -20 "$work/difference"; }
tar -xJf "$source_archive" -C "$work"
(cd "$work/$folder" && sha256sum --check --quiet SHA256SUMS) ||
    fail "the source release's SHA256SUMS does not match its files"
grep -q "Commit: $("$project/scripts/source-info" commit)" "$work/$folder/RELEASE" ||
    fail "the source release's RELEASE names another commit"
((failed == 0)) && echo "release checked: $zip, $installer, $source_archive"
exit "$failed"
