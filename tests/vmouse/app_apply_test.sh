#!/usr/bin/env bash
# The program without --simulate finds the virtual mouse through Wine's HID stack, and one
# session (start, show, Apply, exit) puts on the wire exactly what the same session puts there
# with the simulated mouse inside the program.
source "$(dirname "$0")/vmouse_lib.sh"

session() {
    rm -f "$work_dir/rc" "$work_dir/notices.txt"
    start_program "$@"
    wait_for 150 have_notice "$detected_notice" || fail "the mouse was not detected: $(notices)"
    show_from_tray || fail "the tray did not show the window"
    click_apply
}

export QUORVEL_SIM_TRACE="Z:$work_dir/simulated.txt"
session --simulate
unset QUORVEL_SIM_TRACE
# Apply has sent everything once config.bin is written; the first program goes with its server.
wineserver -k
wait "$program_pid" 2>/dev/null || true
wineserver -w
start_vmouse
session
wire_lines "$work_dir/simulated.txt" >"$work_dir/simulated-wire.txt"
wire_lines "$firmware_trace" >"$work_dir/firmware-wire.txt"
grep -q '^write ' "$work_dir/firmware-wire.txt" || fail "no apply sequence reached the firmware"
diff "$work_dir/simulated-wire.txt" "$work_dir/firmware-wire.txt" >&2 ||
    fail "the firmware's trace differs from the simulated session's"
pass
