#!/usr/bin/env bash
# Starts the real program on a real X server with a window manager, as a new user would:
# waits for the countdown window, checks that a screenshot of it is not blank, closes it
# through the window manager and expects the program to end with status 0.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox >"$work/wm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

export XDG_CONFIG_HOME="$work/config"
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window=""
for _ in $(seq 300); do
    window="$(wmctrl -l 2>/dev/null | awk '$NF == "Dovrenta" { print $1; exit }' || true)"
    [[ -n "$window" ]] && break
    sleep 0.1
done
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

wmctrl -i -c "$window"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "the program did not end when its window was closed"
    exit 1
fi
status=0
wait "$program_pid" || status=$?
echo "program exited with status $status"
exit "$status"
