#!/usr/bin/env bash
# A second copy exits 0 at once, without a window; the first keeps running.
source "$(dirname "$0")/e2e_lib.sh"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
before=$(date +%s%N)
rc=0
(cd "$case_dir" && timeout 20 wine ./QuorvelMouse.exe --simulate) || rc=$?
[ "$rc" -eq 0 ] || fail "second copy ended with $rc"
took=$(elapsed_ms "$before")
# "At once": Wine's own start is most of it.
((took < 5000)) || fail "second copy took $took ms"
[ "$(notice_count "$detected_notice")" -eq 1 ] || fail "second copy showed a notice"
program_ended && fail "first copy is gone"
main_visible && fail "a window was shown"
pass
