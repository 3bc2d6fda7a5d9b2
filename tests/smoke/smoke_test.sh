#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a real X server with a window manager, as a new user would, and
# closes its countdown window through the window manager, expecting it to end with status 0.
set -euo pipefail
program="$(realpath "$1")"
source "$(dirname "$0")/desktop.sh"
start_desktop

export XDG_CONFIG_HOME="$work/config"
start_program env QT_QPA_PLATFORM=xcb "$program"
await_countdown_window 300

not_blank() {
    import -window "$window" "$work/shot.png" 2>/dev/null || true
    colours="$(identify -format '%k' "$work/shot.png" 2>/dev/null || echo 0)"
    ((colours > 50))
}
wait_until not_blank || { echo "the countdown window looks blank: $colours colours"; exit 1; }

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
hidden() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN; }
# A window is in reach when it is mapped and the window manager does not keep it minimized.
in_reach() { viewable "$1" && ! hidden "$1"; }
# The program brings a window to the front by showing and then activating it, and the window
# manager activates a window only once it has mapped it: a window is done coming back when it is
# in reach and active. A click or a minimize before that races the activation still on its way.
in_front() {
    in_reach "$1" && [[ "$(xdotool getactivewindow 2>/dev/null)" == "$(($1))" ]]
}
# A window is minimized once the window manager has unmapped it and marked it so in both of its
# properties; a click that came before all three could reach the program before it learns of the
# minimize, and then find nothing to bring back.
minimized() {
    ! viewable "$1" && hidden "$1" &&
        xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'
}

# The Exec line of a desktop entry that starts $1: the path quoted, with ", `, $ and \ escaped
# and % doubled inside the quotes, then every \ of the value escaped once more.
expected_exec() {
    printf 'Exec="%s"\n' "$(printf '%s' "$1" | sed -e 's/["`$\\]/\\&/g' -e 's/%/%%/g')" |
        sed 's/\\/\\\\/g'
}

# 开机启动 writes the autostart entry for the program's own path and says so in a box titled 结果,
# which Enter closes.
click_and_await 318 334 结果 >/dev/null || exit 1
close_with_enter 结果 || { echo "the result box did not close on Enter"; exit 1; }
entry="$XDG_CONFIG_HOME/autostart/dovrenta.desktop"
[[ -f "$entry" ]] || { echo "开机启动 wrote no $entry"; exit 1; }
grep -xF "$(expected_exec "$program")" "$entry" >/dev/null ||
    { echo "expected $(expected_exec "$program") in:"; cat "$entry"; exit 1; }
desktop-file-validate "$entry" | tee "$work/validate"
[[ ! -s "$work/validate" ]]
echo "开机启动 wrote the autostart entry for $program"

# The countdown window has no taskbar button and nothing else shows it: it comes back itself.
# The window may be back before a poll sees it minimized, so its unmap and map are read from
# the events xev logs. xev listens once it logs the change of a mark set on the window.
stdbuf -oL xev -id "$window" -event structure -event property >"$work/events" 2>/dev/null &
pids+=($!)
xev_listens() {
    xprop -id "$window" -f DOVRENTA_SMOKE_MARK 8s -set DOVRENTA_SMOKE_MARK listening
    grep -q PropertyNotify "$work/events"
}
wait_until xev_listens || { echo "xev does not listen"; exit 1; }
xdotool windowminimize "$window"
came_back() { grep -o 'UnmapNotify\|MapNotify' "$work/events" | tr '\n' ' ' | grep -q 'UnmapNotify MapNotify'; }
wait_until came_back && wait_until in_front "$window" ||
    { echo "the countdown window stayed minimized"; exit 1; }
echo "the countdown window came back after a minimize"

# The date-entry and help windows come back by the countdown window's buttons that show them.
for shown in "184 334 设定倒计时日期" "48 334 使用帮助"; do
    read -r x y title <<<"$shown"
    other="$(click_and_await "$x" "$y" "$title")" || exit 1
    wait_until in_front "$other" || { echo "$title did not come to the front"; exit 1; }
    xdotool windowminimize "$other"
    wait_until minimized "$other" || { echo "the window manager did not minimize $title"; exit 1; }
    click_at "$x" "$y"
    wait_until in_front "$other" || { echo "$title stayed minimized"; exit 1; }
    echo "$title came back after a minimize"
done

close_and_expect_exit "$program_pid"
