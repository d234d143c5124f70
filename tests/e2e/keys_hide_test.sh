#!/usr/bin/env bash
# Enter and Escape in the shown window only hide it: the program stays in the tray and the
# next tray click brings the window back.
source "$(dirname "$0")/e2e_lib.sh"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
main_hidden() { ! main_visible; }
for key in Return Escape; do
    show_from_tray || fail "tray click did not show the window"
    # A click inside the window gives it the keyboard (a spot no button or page control uses).
    read -r x y <<<"$(origin "$(main_window)")"
    xdotool mousemove $((x + 450)) $((y + 300)) click 1
    # The window manager hands the keyboard over after the click; a key typed before goes
    # where the keyboard was.
    wait_for 30 keyboard_with_main || fail "the click left the keyboard with \"$(focused_name)\""
    xdotool key "$key"
    wait_for 50 main_hidden || fail "$key did not hide the window"
    program_ended && fail "$key ended the program with $(exit_code)"
done
show_from_tray || fail "the window did not come back after Escape"
pass
