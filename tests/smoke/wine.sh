# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the smoke tests of the Windows program, after desktop.sh: a new Wine prefix with a
# stored target, and the checks of the countdown window at a given scale. The Wine server of the
# prefix is stopped when the script ends, before the desktop goes.
stop_wine() { wineserver -k 2>/dev/null || true; }
end_steps+=(stop_wine)

# The countdown window's client area in the layout, in pixels at 100 %.
layout_width=369
layout_height=359

# Makes a new Wine prefix in $work whose screen has $1 dots per inch (96 is 100 %), and stores a
# target about ten thousand days away, so that the day count has five digits.
new_wine_prefix() {
    export WINEPREFIX="$work/wine" WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
    wineboot --init >"$work/wineboot.log" 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    local settings='HKCU\Software\Dovrenta\ myapp\jishi' key text
    for value in "year $(($(date +%Y) + 30))" "month 6" "day 1" "shixiang 高考"; do
        read -r key text <<<"$value"
        wine reg add "$settings" /v "$key" /t REG_SZ /d "$text" /f >/dev/null 2>&1
    done
    wineserver --wait
}

# Prints $1 pixels of the layout at the scale $scale, rounded.
scaled() { awk -v pixels="$1" -v scale="$scale" 'BEGIN { printf "%d", pixels * scale + 0.5 }'; }

# Starts the Windows program $1 under Wine and checks its countdown window at the scale $2
# (1.5 for 150 %), then its autostart button. Sets window and program_pid, and copies the
# screenshot to $3 when given.
start_and_check_program() {
    local program="$1" copy="${3:-}"
    scale="$2"
    start_program wine "$program"
    # The first start in a new prefix takes a while.
    await_countdown_window 600
    find_client_area

    # The day count and the seconds counter are drawn in red on their bubbles; five digits cover
    # far more of the day count's than the single 0 shown without a target, and the seconds
    # counter stays empty until its first tick.
    local colours=0 red=0 seconds_red=0
    local enough_red="$(scaled 11)"
    enough_red=$((enough_red * enough_red))
    for _ in $(seq 50); do
        import -window "$window" "$work/shot.png" 2>/dev/null || true
        colours="$(identify -format '%k' "$work/shot.png" 2>/dev/null || echo 0)"
        red="$(red_pixels 120 176 120 40)"
        seconds_red="$(red_pixels 124 264 205 29)"
        ((colours > 50 && red > enough_red && seconds_red > enough_red)) && break
        sleep 0.2
    done
    echo "screenshot has $colours colours, $red red pixels in the day count," \
        "$seconds_red in the seconds counter"
    ((colours > 50)) || { echo "the countdown window looks blank"; exit 1; }
    ((red > enough_red)) || { echo "the day count does not show the stored target"; exit 1; }
    ((seconds_red > enough_red)) || { echo "the seconds counter shows no number"; exit 1; }
    [[ -z "$copy" ]] || cp "$work/shot.png" "$copy"

    click_and_await $((left + $(scaled 318))) $((top + $(scaled 334))) 结果 >/dev/null || exit 1
    close_with_enter 结果 || { echo "the result box did not close on Enter"; exit 1; }
    local expected run_value
    expected="$(winepath -w "${program%.exe}")"
    run_value="$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /ve 2>/dev/null |
        tr -d '\r' | awk -F '    ' '/REG_SZ/ { print $NF }')"
    echo "Run value: $run_value"
    [[ "$run_value" == "$expected" ]] || { echo "expected the Run value $expected"; exit 1; }
}

# The number of red pixels of the screenshot in the layout's rectangle $1, $2, $3 x $4, scaled.
red_pixels() {
    local crop="$(scaled "$3")x$(scaled "$4")+$((left + $(scaled "$1")))+$((top + $(scaled "$2")))"
    convert "$work/shot.png" -crop "$crop" +repage -fx 'r>0.8 && g<0.3 && b<0.3' \
        -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0
}

# Sets left and top to where the client area starts in the X window: Wine may draw the caption
# and the border inside it. Fails unless the client area has the layout's size at the scale.
find_client_area() {
    local width height
    read -r width height < <(xwininfo -id "$window" |
        awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
    local client_width client_height
    client_width="$(scaled "$layout_width")"
    client_height="$(scaled "$layout_height")"
    left=$(((width - client_width) / 2))
    top=$((height - client_height - left))
    echo "window ${width}x${height}, client area ${client_width}x${client_height} at $left,$top"
    if ((left < 0 || top < 0 || left > 10 || top > 40)); then
        echo "the window is not ${scale} times its laid-out size"
        exit 1
    fi
}
