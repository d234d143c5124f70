#!/usr/bin/env bash
# Without the simulated mouse (Wine's own HID devices only) it keeps running in the tray.
source "$(dirname "$0")/e2e_lib.sh"
start_program
wait_for 150 have_tray || fail "no tray icon"
sleep 3
kill -0 "$program_pid" || fail "program ended"
[ -f "$case_dir/rc" ] && fail "program ended"
click_tray
sleep 2
main_visible && fail "window shown without the mouse"
echo "PASS"
