#!/usr/bin/env bash
# Starts the real program on a real X server with a window manager, as a new user would:
# waits for the countdown window, checks that a screenshot of it is not blank, minimizes each
# window through the window manager and gets it back, closes the countdown window through the
# window manager and expects the program to end with status 0.
set -euo pipefail
program="$1"
source "$(dirname "$0")/desktop.sh"
start_desktop

export XDG_CONFIG_HOME="$work/config"
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window="$(wait_for_window Dovrenta 300)"
if [[ -z "$window" ]]; then
    echo "no window titled Dovrenta"
    cat "$work/program.log" "$work/wm.log"
    xwininfo -root -tree | grep -i dovrenta || true
    exit 1
fi

colours=0
for _ in $(seq 50); do
    import -window "$window" "$work/shot.png" 2>/dev/null || true
    colours="$(identify -format '%k' "$work/shot.png" 2>/dev/null || echo 0)"
    ((colours > 50)) && break
    sleep 0.2
done
echo "screenshot has $colours colours"
((colours > 50)) || { echo "the countdown window looks blank"; exit 1; }

# A window is in reach when it is mapped and the window manager does not keep it minimized.
in_reach() {
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable &&
        ! xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN
}
wait_until() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
out_of_reach() { ! in_reach "$1"; }

# The countdown window has no taskbar button and nothing else shows it: it comes back itself.
xdotool windowminimize "$window"
wait_until in_reach "$window" || { echo "the countdown window stayed minimized"; exit 1; }
echo "the countdown window came back after a minimize"

# The date-entry and help windows come back by the countdown window's buttons that show them.
for shown in "184 334 设定倒计时日期" "48 334 使用帮助"; do
    read -r x y title <<<"$shown"
    other=""
    # A click that lands while the countdown window is still being mapped again is lost.
    for attempt in $(seq 100); do
        ((attempt % 20 == 1)) && click_at "$x" "$y"
        other="$(window_titled "$title")"
        [[ -n "$other" ]] && break
        sleep 0.1
    done
    [[ -n "$other" ]] || { echo "no window titled $title"; exit 1; }
    xdotool windowminimize "$other"
    wait_until out_of_reach "$other" || { echo "the window manager did not minimize $title"; exit 1; }
    click_at "$x" "$y"
    wait_until in_reach "$other" || { echo "$title stayed minimized"; exit 1; }
    echo "$title came back after a minimize"
done

close_and_expect_exit "$program_pid"
