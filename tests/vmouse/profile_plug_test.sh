#!/usr/bin/env bash
# A mouse plugged in again while notepad, which has a profile, is in front gets that profile
# again, whole: what it held before the plug is not taken for granted.
source "$(dirname "$0")/vmouse_lib.sh"
program_seconds=120
must() { "$@" && [ "$code" -eq 0 ] || fail "quorvelctl ${*:2}: $code $out $err"; }
must ctl export --config install/config.bin --out install/base.json
sed 's/"2": {"dpi_index": 3/"2": {"dpi_index": 4/' "$case_dir/base.json" >"$case_dir/Shooter.json"
cp "$case_dir/config.bin" "$case_dir/Shooter.bin"
must ctl import install/Shooter.json --config install/Shooter.bin
must ctl profile save Shooter --config install/Shooter.bin
must ctl profile rule Shooter notepad.exe --dir install/Profiles
# The lines of a whole send of the profile that a whole send of the base lacks.
must ctl --simulate apply --config install/config.bin --trace base-trace.txt
must ctl --simulate apply --config install/Shooter.bin --trace shooter-trace.txt
comm -13 <(wire_lines "$work_dir/base-trace.txt" | sort) <(wire_lines "$work_dir/shooter-trace.txt" | sort) >"$work_dir/shooter-only"
[ -s "$work_dir/shooter-only" ] || fail "the profile sends what the base sends"
rm -f "$case_dir"/*.bin.bak

start_vmouse
start_program
wait_for 150 have_notice "$detected_notice" || fail "the mouse was not detected: $(notices)"
lines() { wc -l <"$firmware_trace"; }
took_since() { tail -n +$(($1 + 1)) "$firmware_trace" | tr -d '\r' | grep -qFxf "$work_dir/shooter-only"; }

mark=$(lines)
(cd "$work_dir" && exec wine notepad) >/dev/null 2>&1 &
notepad_in_front() { xdotool getactivewindow getwindowname 2>/dev/null | grep -q Notepad; }
wait_for 150 notepad_in_front || fail "notepad did not come to the front"
wait_for 50 took_since "$mark" || fail "notepad in front did not send its profile"

mark=$(lines)
before=$(notice_count "$not_detected_notice")
vmouse unplug
wait_for 100 eval '[ "$(notice_count "$not_detected_notice")" -gt '"$before"' ]' ||
    fail "unplugging did not warn: $(notices | tail -n 3)"
vmouse plug
wait_for 100 eval '[ "$(last_notice)" = "$detected_notice" ]' || fail "the mouse was not found again"
# Holding the profile already, a switch would send nothing: its bytes again mean a whole send.
wait_for 50 took_since "$mark" || fail "the mouse plugged in again did not get notepad's profile"
pass
