#!/usr/bin/env bash
# Starts the Windows program under Wine, in a new Wine prefix, on a real X server with a window
# manager: stores a target in the registry first, waits for the countdown window, checks its
# size, that a screenshot of it is not blank, that the day count has the digits the target gives
# and that the seconds counter shows a number, clicks the autostart button and reads the Run
# value back, then closes the countdown window and expects the program to end with status 0.
set -euo pipefail
program="$(realpath "$1")"
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/wine.sh"
start_desktop
new_wine_prefix 96
start_and_check_program "$program" 1
close_and_expect_exit "$program_pid"
