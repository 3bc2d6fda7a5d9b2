#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that scripts/check-download compares every download it is given with the record, and
# refuses one under a name the record does not list, as a browser names a second copy. It runs
# in a scratch copy of an unpacked source release whose record names only the source release
# itself, so that nothing is built.
set -euo pipefail
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

release="$work/release"
mkdir -p "$release/scripts"
cp "$scripts/check-download" "$scripts/source-info" "$release/scripts/"
printf 'Commit: 0123abc\nSource-Date-Epoch: 0\n' >"$release/RELEASE"
: >"$release/SHA256SUMS"
echo "the source release" >"$release/dovrenta-1.6.tar.xz"
checksum="$(sha256sum <"$release/dovrenta-1.6.tar.xz" | cut -d' ' -f1)"
printf 'Git-Commit: 0123abc\nChecksums-Sha256:\n %s 19 dovrenta-1.6.tar.xz\n' "$checksum" \
    >"$work/record.buildinfo"
mkdir "$work/downloads"
cp "$release/dovrenta-1.6.tar.xz" "$work/downloads/dovrenta-1.6.tar.xz"
echo "tampered" >"$work/downloads/dovrenta-1.6 (1).tar.xz"
mkdir "$work/downloads/tampered"
cp "$work/downloads/dovrenta-1.6 (1).tar.xz" "$work/downloads/tampered/dovrenta-1.6.tar.xz"

# Each case: the download given, and the status check-download must end with.
status=0
for case in "dovrenta-1.6.tar.xz 0" "tampered/dovrenta-1.6.tar.xz 1" \
    "dovrenta-1.6 (1).tar.xz 1"; do
    download="${case% *}"
    expected="${case##* }"
    actual=0
    "$release/scripts/check-download" "$work/record.buildinfo" "$work/downloads/$download" \
        >"$work/output" 2>&1 || actual=$?
    if [[ "$actual" != "$expected" ]]; then
        echo "check-download of '$download' ended with $actual, not $expected:"
        cat "$work/output"
        status=1
    fi
done
exit "$status"
