#!/usr/bin/env bash
# Starts the Windows program under Wine, in a new Wine prefix, on a real X server with a window
# manager: stores a target in the registry first, waits for the countdown window, checks that a
# screenshot of it is not blank and that the day count has the digits the target gives, clicks
# the autostart button and reads the Run value back, then closes the countdown window and
# expects the program to end with status 0.
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX="$work/wine" WINEDEBUG=-all LC_ALL=zh_CN.UTF-8

source "$(dirname "$0")/desktop.sh"
start_desktop

wineboot --init >"$work/wineboot.log" 2>&1
# A target about ten thousand days away: the day count has five digits.
target_year=$(($(date +%Y) + 30))
settings='HKCU\Software\Dovrenta\ myapp\jishi'
for value in "year $target_year" "month 6" "day 1" "shixiang 高考"; do
    read -r key text <<<"$value"
    wine reg add "$settings" /v "$key" /t REG_SZ /d "$text" /f >/dev/null 2>&1
done

wine "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The first start in a new prefix takes a while.
window="$(wait_for_window Dovrenta 600)"
if [[ -z "$window" ]]; then
    echo "no window titled Dovrenta"
    cat "$work/program.log" "$work/wm.log"
    exit 1
fi

# The day count is drawn in red in a bubble 120 pixels wide; five digits cover far more of it
# than the single 0 shown without a target.
colours=0
red=0
for _ in $(seq 50); do
    import -window "$window" "$work/shot.png" 2>/dev/null || true
    colours="$(identify -format '%k' "$work/shot.png" 2>/dev/null || echo 0)"
    red="$(convert "$work/shot.png" -crop 120x40+120+195 +repage -fx 'r>0.8 && g<0.3 && b<0.3' \
        -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0)"
    ((colours > 50 && red > 120)) && break
    sleep 0.2
done
echo "screenshot has $colours colours, $red red pixels in the day count"
((colours > 50)) || { echo "the countdown window looks blank"; exit 1; }
((red > 120)) || { echo "the day count does not show the stored target"; exit 1; }

# The autostart button writes the program's folder and name into the Run key and says so. Wine
# draws the window's caption inside the X window, so the button sits 19 pixels lower than in
# the layout.
result=""
for attempt in $(seq 100); do
    ((attempt % 20 == 1)) && click_at 320 353
    result="$(window_titled 结果)"
    [[ -n "$result" ]] && break
    sleep 0.1
done
[[ -n "$result" ]] || { echo "the autostart button showed no result"; exit 1; }
# Wine may replace the box's X window while it settles, so the id found may already be gone:
# Enter goes to whichever box window is there until none is.
for _ in $(seq 50); do
    xdotool key --window "$result" Return 2>/dev/null || true
    sleep 0.2
    result="$(window_titled 结果)"
    [[ -z "$result" ]] && break
done
[[ -z "$result" ]] || { echo "the result box did not close on Enter"; exit 1; }
expected="$(winepath -w "${program%.exe}")"
run_value="$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /ve 2>/dev/null |
    tr -d '\r' | awk -F '    ' '/REG_SZ/ { print $NF }')"
echo "Run value: $run_value"
[[ "$run_value" == "$expected" ]] || { echo "expected the Run value $expected"; exit 1; }

close_and_expect_exit "$program_pid"
