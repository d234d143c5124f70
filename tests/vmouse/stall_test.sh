#!/usr/bin/env bash
# A mouse that is plugged in but does not answer its feature reads: the program finds its
# interfaces yet the handshake goes unanswered, so it warns, keeps running in the tray, warns
# again on a tray click, shows no window and sends nothing more. Plugged again answering, it is
# found and Apply reaches it; gone silent and plugged again, it is not taken back.
source "$(dirname "$0")/vmouse_lib.sh"
start_vmouse
vmouse stall on
start_program
wait_for 150 have_notice "$not_detected_notice" || fail "no warning: $(notices)"
have_notice "$detected_notice" && fail "a mouse that does not answer was taken as detected"
# The handshake reached the firmware through the system's HID stack: it was not left unfound.
wait_for 50 grep -q '^feature-set ' "$firmware_trace" || fail "the handshake never reached the mouse"
click_tray
wait_for 50 have_notice "$not_detected_notice" 2 || fail "a tray click did not warn again"
main_visible && fail "the window opened without an answering mouse"
program_ended && fail "the program ended: $(exit_code)"
# Nothing but the handshake's two passes reached the mouse.
[ "$(wire_lines "$firmware_trace" | grep -vc '^feature-set ')" = 0 ] &&
    (($(wc -l <"$firmware_trace") <= 2)) || fail "more than the handshake reached the mouse: $(wire_lines "$firmware_trace")"

vmouse stall off
vmouse unplug
vmouse plug
wait_for 100 eval '[ "$(last_notice)" = "$detected_notice" ]' ||
    fail "the answering mouse was not found: $(notices | tail -n 3)"
show_from_tray || fail "the tray did not show the window"
before=$(wc -l <"$firmware_trace")
click_apply
# Its first command, the report rate, as a feature report: chunk writes have a time limit
# that a loaded machine can outrun. The host writes its trace after it answers: waited for.
reached() { tail -n +$((before + 1)) "$firmware_trace" | grep -q '^feature-set 01 '; }
wait_for 50 reached ||
    fail "Apply did not reach the mouse: $(tail -n +$((before + 1)) "$firmware_trace" | head -n 5)"

vmouse stall on
vmouse unplug
wait_for 50 eval '! main_visible' || fail "the window stays open without the mouse"
detected=$(notice_count "$detected_notice")
before=$(wc -l <"$firmware_trace")
vmouse plug
wait_for 100 eval '[ "$(wc -l <"$firmware_trace")" -gt '"$before"' ]' ||
    fail "the program did not try the mouse plugged back"
wait_for 50 eval '[ "$(last_notice)" = "$not_detected_notice" ]' || fail "no warning: $(notices | tail -n 3)"
warned=$(notice_count "$not_detected_notice")
click_tray
wait_for 50 have_notice "$not_detected_notice" $((warned + 1)) || fail "a tray click did not warn again"
main_visible && fail "the window opened with a mouse that does not answer"
[ "$(notice_count "$detected_notice")" = "$detected" ] || fail "the silent mouse was taken back"
program_ended && fail "the program ended: $(exit_code)"
pass
