#!/usr/bin/env bash
# Starts with no visible window, a tray icon; a second copy exits 0 at once.
source "$(dirname "$0")/../e2e_lib.sh"
start_program --simulate
wait_for 150 have_tray || fail "no tray icon"
sleep 2
if main_visible; then xwininfo -root -tree | grep -i quorvel >&2; fail "window visible at start-up"; fi
(cd "$case_dir" && timeout 20 wine ./QuorvelMouse.exe --simulate); rc=$?
[ "$rc" -eq 0 ] || fail "second copy ended with $rc"
kill -0 "$program_pid" || fail "first copy is gone"
echo "PASS"
