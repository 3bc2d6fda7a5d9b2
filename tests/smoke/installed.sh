#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program as installed, on a real X server with its accessibility bridge and a session
# bus (installed.py reads and drives its windows): a target typed into the date-entry window and
# saved comes back after a restart, where the countdown window shows its day count and event
# text, and the help window's web address reaches xdg-open, here a stand-in first on the PATH
# that records the address it is given.
set -euo pipefail
program="$1"
here="$(dirname "$0")"
source "$here/desktop.sh"
start_desktop
start_accessibility
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod 755 "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

# A target 100 days ahead, written as the date lists show it.
read -r year month day <<<"$(date -d '+100 days' '+%Y %-m %-d')"
start_program env QT_QPA_PLATFORM=xcb "$program"
await_countdown_window 300
/usr/bin/python3 "$here/installed.py" save "$year" "$month" "$day" exam
close_and_wait "$program_pid"
echo "saved the target $year-$month-$day, exam"

start_program env QT_QPA_PLATFORM=xcb "$program"
await_countdown_window 300
/usr/bin/python3 "$here/installed.py" check 100 "$year" "$month" "$day" exam
echo "after a restart the countdown window shows 100 days and exam, the date-entry window the target"
opened() { grep -qxF http://example.org/ "$work/opened" 2>/dev/null; }
wait_until opened || { echo "xdg-open was not given http://example.org/"; cat "$work/opened"; exit 1; }
echo "the help window's web address reached xdg-open"
close_and_wait "$program_pid"
