#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program with its accessibility bridge on a real X server and a session bus,
# and checks with a screen reader's library what a screen reader would meet (screenreader.py).
set -euo pipefail
program="$1"
source "$(dirname "$0")/desktop.sh"
start_desktop
start_accessibility
start_program env QT_QPA_PLATFORM=xcb "$program"
await_countdown_window 300
# Debian's own interpreter, which has the screen reader's library.
/usr/bin/python3 "$(dirname "$0")/screenreader.py"
