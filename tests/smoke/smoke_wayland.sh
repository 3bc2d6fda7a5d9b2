#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program natively on a Wayland compositor, as a user who asks for it with
# QT_QPA_PLATFORM=wayland does: weston with its X11 back end on Xvfb, driven by xdotool on
# weston's window; weston's scene graph tells where each window is, screenshots what is drawn.
# Weston leaves the title bars to its clients, so windows are closed by Qt's own close button.
# Last, started in the same session without QT_QPA_PLATFORM, the program is an X11 client.
set -euo pipefail
program="$1"
source "$(dirname "$0")/desktop.sh"
start_desktop

fail() {
    echo "$1"
    cat "$work/program.log" "$work/wm.log" "$work/weston.log" 2>/dev/null || true
    exit 1
}

export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No panel, screen lock or animations: a window is drawn in place and at its size once mapped.
# No on-screen keyboard either, which would cover windows whenever a text box takes the focus.
cat >"$work/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
close-animation=none
startup-animation=none
[input-method]
path=
EOF
# --use-pixman draws without OpenGL; weston 14 still takes it, for its --renderer=pixman.
weston --backend=x11-backend.so --use-pixman --width=800 --height=600 --socket=dovrenta-wayland \
    --config="$work/weston.ini" --debug --log="$work/weston.log" 2>"$work/weston.err" &
pids+=($!)
wait_until quietly grep 'x11 output .*window id' "$work/weston.log" || fail "weston did not open its window"
weston_window="$(sed -n 's/.*x11 output .*window id \([0-9]*\).*/\1/p' "$work/weston.log")"
export WAYLAND_DISPLAY=dovrenta-wayland

# Weston passes pointer events on only after it has seen the pointer enter its window; one that
# lies inside the window when the window appears (Xvfb starts it at the middle of its screen)
# never does. Once openbox has put the window in its place, the pointer goes to a corner of the
# screen outside it, so that the first move onto the window comes from outside, as a hand's does.
weston_in_place() {
    read -r weston_left weston_top weston_width weston_height < <(
        xwininfo -id "$weston_window" 2>/dev/null |
            awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
                 /Width:/ { w = $NF } /Height:/ { h = $NF } /Map State:/ { state = $NF }
                 END { if (state == "IsViewable") print x, y, w, h }')
}
wait_until weston_in_place || fail "openbox did not map weston's window"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
point_outside_weston() {
    local x y
    for x in 0 $((screen_width - 1)); do
        for y in 0 $((screen_height - 1)); do
            if ((x < weston_left || x >= weston_left + weston_width ||
                y < weston_top || y >= weston_top + weston_height)); then
                xdotool mousemove "$x" "$y"
                return
            fi
        done
    done
    fail "weston's window at $weston_left, $weston_top covers every corner of the screen"
}
point_outside_weston

# Where weston shows the window titled $1, as "left top width height" on its screen, in view.
find_view() {
    view="$(timeout 5 weston-debug scene-graph 2>/dev/null | awk -v title="'$1'" '
        index($0, "top-level window " title " ") { found = 1; next }
        found && /position:/ { gsub(/[(),]/, " "); print $2, $3, $5 - $2, $6 - $3; exit }')"
    [[ -n "$view" ]]
}
no_view() { ! find_view "$1"; }

point_at() { xdotool mousemove --window "$weston_window" "$1" "$2"; }
# The pixels of the rectangle $3 x $4 at $1, $2 on weston's screen, as a hash.
pixels() {
    import -window "$weston_window" "$work/shot.png"
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage rgb:- | md5sum | cut -d ' ' -f 1
}

start_program env QT_QPA_PLATFORM=wayland "$program"
wait_until find_view Dovrenta || fail "weston shows no window titled Dovrenta"
read -r left top width height <<<"$view"
# A point of the screen beside the countdown window, on the side with more room.
if ((left > 800 - left - width)); then outside_x=$((left / 2)); else outside_x=$((left + width + 10)); fi
point_at "$outside_x" 300

# Qt draws the title bar and border into the window's surface. Its white background spans the
# client area's full width and reaches its bottom edge; the title bar above the client area is
# one colour down to the client area's top edge.
client_area() {
    import -window "$weston_window" "$work/shot.png"
    convert "$work/shot.png" -crop "${width}x${height}+${left}+${top}" +repage "$work/view.png"
    read -r client_width white_height client_x white_y < <(
        convert "$work/view.png" -fill black +opaque white -format '%@' info: | tr 'x+' '  ')
    local bottom=$((white_y + white_height))
    client_y="$(convert "$work/view.png" -crop "1x$bottom+$client_x+0" +repage txt:- |
        awk -F '[,: ]+' 'NR > 1 { if ($2 == 5) bar = $NF; else if ($2 > 5 && $NF != bar) { print $2; exit } }')"
    client_height=$((bottom - ${client_y:-0}))
    ((client_width == 369 && client_height == 359))
}
if ! wait_until client_area; then
    fail "the countdown window's client area is ${client_width:-?} x ${client_height:-?}, not 369 x 359"
fi
# Qt's title bar and border are the same around every window.
border=$client_x
title_bar=$client_y
client_x=$((left + client_x))
client_y=$((top + client_y))
echo "the countdown window is 369 x 359 at $client_x, $client_y, in a title bar and border of $width x $height"

# True when what the function $1 prints is, or is not, $2.
same() { [[ "$("$1")" == "$2" ]]; }
differs() { ! same "$@"; }

# The seconds counter, at 124, 264 in the client area, changes twice.
counter() { pixels $((client_x + 124)) $((client_y + 264)) 205 29; }
for _ in 1 2; do
    wait_until differs counter "$(counter)" || fail "the seconds counter did not change"
done
echo "the seconds counter changes"

# 开机启动 spans 272 to 365 and 320 to 349 in the client area. The pointer rests on its right end,
# so the pointer's picture stays out of the button's left part, which shows the face. It comes
# onto the button, then moves a pixel on it, as a hand's pointer does: Qt 6.8 reports the
# pointer's entry into a window without a move.
face() { pixels $((client_x + 272)) $((client_y + 320)) 40 29; }
resting="$(face)"
point_at $((client_x + 354)) $((client_y + 334))
point_at $((client_x + 355)) $((client_y + 334))
wait_until differs face "$resting" || fail "开机启动 shows no hover face under the pointer"
point_at "$outside_x" 300
wait_until same face "$resting" || fail "开机启动 kept its hover face when the pointer left the window"
echo "开机启动 shows its hover face and drops it when the pointer leaves the window"

click_client() { point_at $((client_x + $1)) $((client_y + $2)); xdotool click 1; }
# Closes the window titled $1 by its title bar's close button, which Qt draws 17 pixels from the
# right edge, 15 below the top one.
close_by_title_bar() {
    find_view "$1" || fail "weston shows no window titled $1"
    local view_left view_top view_width rest
    read -r view_left view_top view_width rest <<<"$view"
    point_at $((view_left + view_width - 17)) $((view_top + 15))
    xdotool click 1
}

# Each window is closed before the next click: weston may place it over the countdown window's
# buttons.
for shown in "184 334 设定倒计时日期" "48 334 使用帮助"; do
    read -r x y title <<<"$shown"
    click_client "$x" "$y"
    wait_until find_view "$title" || fail "no window titled $title after a click at $x, $y"
    echo "a click at $x, $y opens $title"
    close_by_title_bar "$title"
    wait_until no_view "$title" || fail "$title stayed open when closed by its title bar"
done

# A target saved through the date-entry window is in the settings file once the program has
# ended. The fields and 设定 are at their laid-out places in the client area; the box's only
# button is the lowest thing in its client area.
client_of_view() {
    read -r view_x view_y view_width view_height <<<"$view"
    view_x=$((view_x + border))
    view_y=$((view_y + title_bar))
    view_width=$((view_width - 2 * border))
    view_height=$((view_height - title_bar - border))
}
type_into() { point_at $((view_x + $1)) $((view_y + $2)); xdotool click 1 key ctrl+a type "$3"; }
# The button of the box in view: the lowest band of rows whose pixels are not all the colour of
# the client area's corner, and its middle, in button_x and button_y.
box_button() {
    import -window "$weston_window" "$work/shot.png"
    read -r button_x button_y < <(
        convert "$work/shot.png" -crop "${view_width}x$view_height+$view_x+$view_y" +repage txt:- |
            awk -F '[,:]' -v height="$view_height" '
                NR == 1 { next }
                { match($0, /#[0-9A-F]+/); colour = substr($0, RSTART, RLENGTH) }
                NR == 2 { background = colour }
                colour != background { if (!($2 in last)) first[$2] = $1 + 0; last[$2] = $1 + 0 }
                END {
                    for (y = height - 1; y >= 0 && !(y in last); y--) {}
                    bottom = y; from = first[y]; to = last[y]
                    for (; y in last; y--) {
                        if (first[y] < from) from = first[y]
                        if (last[y] > to) to = last[y]
                    }
                    if (bottom >= 0) print int((from + to) / 2), int((y + 1 + bottom) / 2)
                }')
    [[ -n "${button_y:-}" ]]
}
click_client 184 334
wait_until find_view 设定倒计时日期 || fail "no window titled 设定倒计时日期 after a click at 184, 334"
client_of_view
type_into 150 34 2031
type_into 150 66 7
type_into 150 98 9
type_into 150 140 exam
point_at $((view_x + 142)) $((view_y + 204))
xdotool click 1
wait_until find_view 提示 || fail "设定 showed no box titled 提示"
client_of_view
wait_until box_button || fail "the box titled 提示 shows no button"
point_at $((view_x + button_x)) $((view_y + button_y))
xdotool click 1
wait_until no_view 提示 || fail "the box titled 提示 stayed open when its button was clicked"
close_by_title_bar 设定倒计时日期
wait_until no_view 设定倒计时日期 || fail "设定倒计时日期 stayed open when closed by its title bar"

close_by_title_bar Dovrenta
wait_for_end "$program_pid" || fail "the program ended with status $?"
echo "the close button of the title bar ends the program with status 0"
settings="$XDG_CONFIG_HOME/dovrenta/settings.ini"
for line in '[%20myapp]' 'jishi\year=2031' 'jishi\month=7' 'jishi\day=9' 'jishi\shixiang=exam'; do
    grep -qxF "$line" "$settings" 2>/dev/null || fail "$settings lacks $line after the save"
done
echo "the target saved in the date-entry window is in $settings"

# Without QT_QPA_PLATFORM the program connects to the X server, although a Wayland session is there.
start_program env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland "$program"
window="$(wait_for_window Dovrenta 300)"
[[ -n "$window" ]] || fail "started without QT_QPA_PLATFORM, the program opened no X11 window"
no_view Dovrenta || fail "started without QT_QPA_PLATFORM, the program opened a window on weston"
echo "started without QT_QPA_PLATFORM, the program is an X11 client"
close_and_expect_exit "$program_pid"
