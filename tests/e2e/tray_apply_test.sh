#!/usr/bin/env bash
# A tray click shows the window; Apply rewrites config.bin (first byte 1) and sends the sequence.
source "$(dirname "$0")/e2e_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
# Apply's last step writes the double-click time of the record (position 6: 550 ms) to the
# user profile; start from another value so the test sees it change.
mouse_key='HKCU\Control Panel\Mouse'
double_click() { wine reg query "$mouse_key" /v DoubleClickSpeed 2>/dev/null | tr -d '\r' | awk '/DoubleClickSpeed/ {print $3}'; }
wine reg add "$mouse_key" /v DoubleClickSpeed /t REG_SZ /d 500 /f >/dev/null 2>&1
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
first_byte() { od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' '; }
[ "$(first_byte)" = "00" ] || fail "config.bin changed at start"
grep -q '^write ' "$work_dir/trace.txt" && fail "configuration sent before Apply"
shown=0
for attempt in 1 2 3; do
    click_tray
    if wait_for 30 main_visible; then shown=1; break; fi
done
[ "$shown" -eq 1 ] || fail "tray click did not show the window"
screenshot tray_shown
read -r x y <<<"$(origin "$(main_window)")"
# Apply's button: 666..771 x 623..644 in the client area, which starts at the window's origin.
xdotool mousemove $((x + 700)) $((y + 630)) click 1
applied() { [ "$(first_byte)" = "01" ]; }
wait_for 100 applied || fail "Apply did not rewrite config.bin"
[ "$(stat -c %s "$case_dir/config.bin")" -eq 1850 ] || fail "config.bin size"
grep -q '^write ' "$work_dir/trace.txt" || fail "no apply sequence in the trace"
pointer_applied() { [ "$(double_click)" = "550" ]; }
wait_for 20 pointer_applied || fail "double-click time is $(double_click), not 550"
main_visible || fail "Apply hid the window"
pass
