#!/usr/bin/env bash
# A tray click shows the window; Apply rewrites config.bin (first byte 1) and sends the sequence.
source "$(dirname "$0")/e2e_lib.sh"
export QUORVEL_SIM_TRACE="Z:$case_dir/trace.txt"
start_program --simulate
wait_for 150 have_tray || fail "no tray icon"
sleep 2
[ "$(od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' ')" = "00" ] || fail "config.bin changed at start"
shown=0
for attempt in 1 2 3; do
    click_tray
    if wait_for 30 main_visible; then shown=1; break; fi
done
[ "$shown" -eq 1 ] || fail "tray click did not show the window"
geometry=$(xwininfo -id "$(main_window)" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
read -r x y <<<"$geometry"
xdotool mousemove $((x + 700)) $((y + 630)) click 1
first_byte() { [ "$(od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' ')" = "01" ]; }
wait_for 100 first_byte || fail "Apply did not rewrite config.bin"
[ "$(stat -c %s "$case_dir/config.bin")" -eq 1850 ] || fail "config.bin size"
grep -q '^write ' "$case_dir/trace.txt" || fail "no apply sequence in the trace"
echo "PASS"
