#!/usr/bin/env bash
# quorvelctl.exe without --simulate, through Wine's HID stack to the virtual mouse: what it
# lists, the handshake and sensor type, an apply whose firmware-side trace is the program's own,
# and the mouse gone, silent, or refusing its feature reads.
source "$(dirname "$0")/vmouse_lib.sh"
start_vmouse --sensor 2

ctl list
[ "$code" = 0 ] || fail "list: $code '$err'"
expected_list='\\?\hid#vid_04d9&pid_a09f&mi_00#0#{4d1e55b2-f16f-11cf-88cb-001111000030}
  usage page 0001, usage 0002
  report lengths: input 5, output 0, feature 0
\\?\hid#vid_04d9&pid_a09f&mi_01&col01#0#{4d1e55b2-f16f-11cf-88cb-001111000030}
  usage page ff01, usage ff01 (notification interface)
  report lengths: input 5, output 0, feature 0
\\?\hid#vid_04d9&pid_a09f&mi_01&col02#0#{4d1e55b2-f16f-11cf-88cb-001111000030}
  usage page ff00, usage ff00 (command interface)
  report lengths: input 33, output 33, feature 9'
[ "$out" = "$expected_list" ] || fail "list shows: $out"

ctl status
[ "$code" = 0 ] && [[ $out == *"handshake: answered (scrambled session)"* ]] &&
    [[ $out == *"sensor type: 2 ("* ]] || fail "status: $code '$out' '$err'"

# Apply: every report the program sent and read is what the firmware took and gave.
before=$(wc -l <"$firmware_trace")
ctl --config "Z:$e2e_root/data/config.bin" apply --trace "Z:$work_dir/program-trace.txt"
[ "$code" = 0 ] || fail "apply: $code '$err'"
tail -n +$((before + 1)) "$firmware_trace" | tr -d '\r' >"$work_dir/firmware-apply.txt"
wire_lines "$work_dir/program-trace.txt" >"$work_dir/program-apply.txt"
[ "$(grep -c '^read ' "$work_dir/firmware-apply.txt")" = 48 ] || fail "apply read no macros back"
diff "$work_dir/program-apply.txt" "$work_dir/firmware-apply.txt" >&2 ||
    fail "the firmware's trace differs from the program's"

# Unplugged: nothing to list or reach; plugged again: found and answering.
vmouse unplug
ctl list
[ "$code" = 1 ] && [[ $err == "quorvelctl: no mouse found (USB 04d9:a09f); check that it is plugged in"* ]] ||
    fail "list unplugged: $code '$err'"
ctl status
[ "$code" = 1 ] && [[ $err == "quorvelctl: "* ]] || fail "status unplugged: $code '$out' '$err'"
vmouse plug
ctl status
[ "$code" = 0 ] && [[ $out == *"sensor type: 2 ("* ]] || fail "status plugged again: $code '$err'"

# Feature reads that fail: the handshake goes unanswered.
vmouse stall on
ctl status
[ "$code" = 1 ] && [ "$err" = "quorvelctl: the mouse did not answer the handshake" ] ||
    fail "status with feature reads failing: $code '$out' '$err'"
vmouse stall off

# A silent firmware (all-zero answers) is found but does not answer the handshake.
stop_vmouse
start_vmouse --silent
ctl status
[ "$code" = 1 ] && [[ $out == "discovery: found the mouse at "*"col02"* ]] &&
    [ "$err" = "quorvelctl: the mouse did not answer the handshake" ] ||
    fail "status of a silent mouse: $code '$out' '$err'"
pass
