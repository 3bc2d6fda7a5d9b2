#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows program under Wine, in a new Wine prefix with a stored target, on a real X
# server with a window manager, checks its countdown window at 100 % and its autostart button,
# then closes the window and expects the program to end with status 0.
set -euo pipefail
program="$(realpath "$1")"
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/wine.sh"
start_desktop
new_wine_prefix 96
start_and_check_program "$program" 1
close_and_expect_exit "$program_pid"
