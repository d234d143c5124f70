#!/usr/bin/env bash
# The mouse unplugged and plugged again while the program runs, through the system's own
# arrival and removal broadcasts: unplugged, the window hides and the tray warns; plugged, the
# program finds it and Apply reaches it. Then many cycles, with the window open and closed: no
# crash, no growing handle count, and the last Apply's trace as the one before the cycles.
source "$(dirname "$0")/vmouse_lib.sh"
# Not in the suite yet: alone it passes (fifty cycles in about two minutes), but beside other
# cases the host's plug sometimes does not finish. Run by hand:
#   QUORVEL_BUILD_DIR=build/windows bash tests/vmouse/hotplug_cycles.sh
cycles=${QUORVEL_VHID_CYCLES:-50}
# The cycles take a few minutes; the program must outlive them.
program_seconds=280
start_vmouse
start_program
wait_for 150 have_notice "$detected_notice" || fail "the mouse was not detected: $(notices)"

# Each broadcast of one of the mouse's three interfaces runs discovery again, so an unplug may
# warn more than once and a plug may warn before it finds the mouse: the cycle waits for the
# last notice to be the one it expects.
last_notice() { notices | tail -n 1 | tr -d '\r'; }
hidden() { ! main_visible; }
unplug() {
    local before
    before=$(notice_count "$not_detected_notice")
    vmouse unplug
    wait_for 100 eval '[ "$(notice_count "$not_detected_notice")" -gt '"$before"' ]' ||
        fail "unplugging did not warn: $(notices | tail -n 3)"
    wait_for 50 hidden || fail "the window stays open without the mouse"
}
plug() {
    vmouse plug
    if ! wait_for 100 eval '[ "$(last_notice)" = "$detected_notice" ]'; then
        ctl list
        fail "the mouse was not found again: $(notices | tail -n 3); the system lists: $out $err"
    fi
}
# Apply's part of the firmware trace.
apply_trace() {
    local before
    before=$(wc -l <"$firmware_trace")
    click_apply
    tail -n +$((before + 1)) "$firmware_trace" | tr -d '\r' >"$1"
}
handles() {
    vmouse handles quorvelmouse.exe
    tr -d '\r' <"$control_dir/handles"
}

show_from_tray || fail "the tray did not show the window"
unplug
# Disconnected: a tray click warns again instead of showing the window.
warned=$(notice_count "$not_detected_notice")
click_tray
wait_for 50 have_notice "$not_detected_notice" $((warned + 1)) || fail "the tray did not warn while unplugged"
main_visible && fail "the window opened without the mouse"
plug
show_from_tray || fail "the window did not open with the mouse back"
apply_trace "$work_dir/apply-first.txt"
grep -q '^write ' "$work_dir/apply-first.txt" || fail "Apply sent nothing after the plug"
# Apply reads the lighting back before it writes: the second Apply's trace, with the mouse
# holding what the first sent, is what every later one must repeat.
apply_trace "$work_dir/apply-reference.txt"

first_handles=$(handles)
started=$(date +%s)
for ((i = 1; i <= cycles; i++)); do
    if ((i % 2)); then show_from_tray || fail "cycle $i: the window did not open"; fi
    unplug
    plug
    if ((i == cycles / 2)); then half_handles=$(handles); fi
done
echo "$cycles cycles in $(($(date +%s) - started)) s; handles $first_handles before, $half_handles halfway, $(handles) after"
program_ended && fail "the program ended: $(exit_code)"
# The system's own libraries take a dozen handles once, in the first cycles (seen: 63, then 76
# from some cycle between 6 and 24 on); a leak grows with the cycles, so the second half of
# them is what is compared.
(($(handles) <= half_handles + 3)) || fail "handles grew from $half_handles to $(handles) in the second half"
show_from_tray || fail "the window did not open after the cycles"
apply_trace "$work_dir/apply-last.txt"
diff "$work_dir/apply-reference.txt" "$work_dir/apply-last.txt" >&2 || fail "the last Apply's trace differs"
pass
