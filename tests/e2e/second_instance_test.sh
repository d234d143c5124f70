#!/usr/bin/env bash
# A tray icon appears; a second copy exits 0 at once and the first keeps running.
source "$(dirname "$0")/e2e_lib.sh"
start_program --simulate
wait_for 150 have_tray || fail "no tray icon"
rc=0
(cd "$case_dir" && timeout 20 wine ./QuorvelMouse.exe --simulate) || rc=$?
[ "$rc" -eq 0 ] || fail "second copy ended with $rc"
kill -0 "$program_pid" || fail "first copy is gone"
echo "PASS"
