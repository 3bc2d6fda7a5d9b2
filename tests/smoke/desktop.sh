# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the smoke tests: a real X server with a window manager, and waits for windows.
# Sourcing it makes the scratch folder $work; when the script ends, the steps in end_steps run,
# then the processes in pids are killed and the scratch folder goes.
work="$(mktemp -d)"
pids=()
end_steps=()
clean_up() {
    for step in "${end_steps[@]}"; do "$step"; done
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap clean_up EXIT

# Runs "$@" every tenth of a second until it succeeds, for at most ten seconds.
wait_until() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
quietly() { "$@" >/dev/null 2>&1; }

# Starts Xvfb and openbox and exports DISPLAY. Openbox may lose a window mapped before it has set
# its client list, which it names only after itself, so the list is what is waited for. Xvfb
# keeps running as it is when its last client leaves (-noreset): a wmctrl that asks before openbox
# has connected would otherwise reset it, and openbox, connecting during the reset, is refused.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    wait_until test -s "$work/display" || { echo "no Xvfb"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    openbox >"$work/wm.log" 2>&1 &
    pids+=($!)
    wait_until quietly wmctrl -l || { echo "no openbox"; cat "$work/wm.log"; exit 1; }
}

# Starts the accessibility bus, through which the program's accessibility bridge answers, and
# gives the program a configuration folder of its own in the scratch folder.
start_accessibility() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
    pids+=($!)
    export XDG_CONFIG_HOME="$work/config" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints the id of the window titled $1 once the window manager lists it, trying every tenth of
# a second $2 times; prints nothing when it never appears.
wait_for_window() {
    local window=""
    for _ in $(seq "$2"); do
        window="$(wmctrl -l 2>/dev/null | awk -v title="$1" '$NF == title { print $1; exit }' || true)"
        [[ -n "$window" ]] && break
        sleep 0.1
    done
    echo "$window"
}

# Starts "$@" in the background with its output in $work/program.log; its id goes in program_pid.
start_program() {
    "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
}

# Keeps the countdown window's id in window, waiting $1 tenths of a second at most for it.
await_countdown_window() {
    window="$(wait_for_window Dovrenta "$1")"
    [[ -n "$window" ]] || { echo "no window titled Dovrenta"; cat "$work/program.log"; exit 1; }
}

# The id of a visible window titled $1, or nothing.
window_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }

# A left click at $1, $2 inside the window whose id the caller keeps in window.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# True when a window titled $1 is visible.
shows_window() { [[ -n "$(window_titled "$1")" ]]; }

# Clicks once at $1, $2 inside the window whose id the caller keeps in window and prints the id
# of the window titled $3 that the click shows. Says so and fails when none shows within ten
# seconds.
click_and_await() {
    click_at "$1" "$2"
    wait_until shows_window "$3" ||
        { echo "a click at $1, $2 showed no window titled $3 within ten seconds" >&2; return 1; }
    window_titled "$3"
}

# Presses Enter in the window titled $1 until none is left, for ten seconds at most. A box may
# replace its X window while it settles, so the id found may already be gone: Enter goes to
# whichever window of that title is there.
close_with_enter() {
    local box
    for _ in $(seq 50); do
        box="$(window_titled "$1")"
        [[ -z "$box" ]] && return 0
        xdotool key --window "$box" Return 2>/dev/null || true
        sleep 0.2
    done
    return 1
}

# Expects the program whose process id is $1 to end within ten seconds of its window's close,
# and returns the program's status.
wait_for_end() {
    wait_until eval "! kill -0 $1 2>/dev/null" ||
        { echo "the program did not end when its window was closed"; exit 1; }
    local status=0
    wait "$1" || status=$?
    echo "program exited with status $status"
    return "$status"
}

# Closes the window whose id the caller keeps in window and waits for the program $1 to end.
close_and_wait() { wmctrl -i -c "$window"; wait_for_end "$1"; }

# The same, and exits with the program's status.
close_and_expect_exit() { local status=0; close_and_wait "$1" || status=$?; exit "$status"; }
