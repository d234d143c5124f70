#!/usr/bin/env bash
# The third button gets the second macro of record.ini, repeated until the key is released.
# OK before a macro is chosen warns and keeps the dialog; Apply sends the binding and keeps
# the macro's name on the button.
source "$(dirname "$0")/macroskin_lib.sh"
cp "$e2e_root/tests/e2e/macroskin_record.ini" "$case_dir/record.ini"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
sleep 0.5
open_macro_dialog || fail "Macro Key opened no dialog"
dialog=$(sub_dialog)

click_in "$dialog" 200 263                  # OK with nothing chosen
wait_for 30 warning_open || fail "OK without a macro did not warn"
# Typed, not sent to the box: the press closes it, and a release sent after would find no window.
focused_warning() { [ "$(xdotool getwindowfocus)" = "$(warning_window)" ]; }
wait_for 30 focused_warning || fail "the warning does not have the keyboard"
xdotool key Return
wait_for 30 warning_closed || fail "the warning stayed"
dialog_open || fail "the warning closed the dialog"

click_in "$dialog" 100 135                  # the drop-down
sleep 0.5
click_entry "$dialog" 1 146                 # Burst, the file's second section
sleep 0.3
click_in "$dialog" 228 186                  # repeat until the key is released
sleep 0.3
click_in "$dialog" 200 263
wait_for 30 dialog_closed || fail "OK did not close the macro dialog"

xdotool mousemove $((win_x + 700)) $((win_y + 633)) click 1   # Apply
# The record holds Macro Key on the third button; its key-matrix entry is 09, the repeat
# byte (mode 3 stored as 2), the slot plus one (Burst is slot 1), 00.
sent() { tr -d '\r' <"$work_dir/trace.txt" | grep -q '^write 01 00 f0 00 01 00 f1 00 09 02 02 00 '; }
wait_for 50 sent || fail "the key matrix does not bind slot 1 with repeat mode 3"
# config.bin is saved after the sending ends.
saved() { [ "$(od -An -tu1 -j 3 -N1 "$case_dir/config.bin" | tr -d ' ')" = "13" ]; }
wait_for 50 saved || fail "button 3 is not a macro key in config.bin"
# str.ini follows config.bin.
labelled() { settings_text | grep -qxF "Item3=Macro Key-Burst"; }
wait_for 50 labelled || fail "str.ini lacks the macro's label"
pass
