#!/usr/bin/env bash
# A person's session on the basic page: report rate, a DPI level, a stage off, the lighting
# mode with its parameter and effect, two buttons in each mode, then Apply; config.bin and the
# wire carry every choice. Then a change is cancelled and the applied state comes back.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/basic_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
sleep 0.5

press_at 700 209                 # report rate 500 Hz
press_at 585 432                 # stage 2, level 5
press_at 640 549                 # stage 4 off
pick_lighting 330 347 2          # Mode: Neon
pick_lighting 360 377 3          # Parameter: 2S
pick_lighting 390 407 1          # Effect: RGB Fixed On
pick_key_function 1 2            # Mode A, button 2: Mid Click
pick_key_function 2 7            # Mode A, button 3: RGB On/Off
press_at 400 528                 # Mode B
pick_key_function 3 5            # Mode B, button 4: Triple-click
pick_key_function 4 15           # Mode B, button 5: Key Off
screenshot basic_session_chosen
press_at 700 633                 # Apply
applied() { [ "$(od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' ')" = "01" ]; }
wait_for 100 applied || fail "Apply did not rewrite config.bin"

expect_byte() {
    local got
    got=$(record_byte "$1")
    [ "$got" = "$2" ] || fail "record byte $1 is $got, not $2 ($3)"
}
expect_byte 133 2 "report rate 500 Hz"
expect_byte 136 4 "stage 2 at level 5"
expect_byte 142 0 "stage 4 off"
expect_byte 155 3 "lighting mode Neon"
expect_byte 158 3 "Neon time 2S"
expect_byte 161 3 "RGB Fixed On"
expect_byte 1 2 "Mode A button 2 Mid Click"
expect_byte 2 7 "Mode A button 3 RGB On/Off"
expect_byte 1704 1 "Mode B shown"
expect_byte 1708 5 "Mode B button 4 Triple-click"
expect_byte 1709 15 "Mode B button 5 Key Off"
expect_byte 1705 0 "Mode B button 1 untouched"

# The trace is written with Windows line ends.
trace=$work_dir/trace-lf.txt
tr -d '\r' <"$work_dir/trace.txt" >"$trace"
grep -q '^feature-set 01 02 00 00 00 00 00 fc$' "$trace" || fail "no report rate 500 Hz on the wire"
grep -q '^feature-set 0d 03 04 ' "$trace" || fail "no Neon effect with 2S on the wire"
grep -q '^feature-set 07 00 03 05 05 00 00 eb$' "$trace" || fail "no fixed-on lighting on the wire"
writes=$(grep '^write ' "$trace" | tr '\n' ' ')
# The matrices hold buttons 4 and 5 in swapped places. Mode A: left, mid, RGB on/off,
# backward, forward; Mode B: left, right, mid, key off, triple-click, DPI loop.
grep -q '01 00 f0 00 01 00 f2 00 08 00 03 00 01 00 f3 00 01 00 f4 00' <<<"$writes" ||
    fail "Mode A's key matrix is not on the wire"
grep -q '01 00 f0 00 01 00 f1 00 01 00 f2 00 00 00 00 00 0a f0 20 03 07 00 03 00' <<<"$writes" ||
    fail "Mode B's key matrix is not on the wire"

# Cancel: report rate 125 Hz and stage 4 on, then Cancel; the window comes back with the
# applied state, and a second Apply sends it unchanged.
cp "$case_dir/config.bin" "$work_dir/applied.bin"
press_at 560 209
press_at 640 549
press_at 820 633                 # Cancel
hidden() { ! main_visible; }
wait_for 30 hidden || fail "Cancel did not hide the window"
show_from_tray || fail "the window did not come back after Cancel"
sleep 0.5
screenshot basic_session_after_cancel
press_at 700 633
sleep 2
cmp -s "$case_dir/config.bin" "$work_dir/applied.bin" || fail "Cancel did not restore the applied state"
pass
