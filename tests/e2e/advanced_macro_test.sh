#!/usr/bin/env bash
# A macro made on the advanced page: named, recorded from Ctrl+C typed into the window, a
# mouse click inserted, one delay changed through the delay dialog, confirmed and applied
# without binding it to a button; record.ini and the macro block the simulated mouse received
# are checked.
source "$(dirname "$0")/advanced_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
open_advanced_page

press_at 767 329 # the name field
xdotool type --delay 50 Copy
press_at 560 538 # New
press_at 749 243 # Start Recording
answer_box start
caption() { xdotool getwindowname "$(main_window)"; }
[ "$(caption)" = "Press Ctrl+Break key to stop recording" ] || fail "recording shows caption $(caption)"
xdotool keydown Control_L sleep 0.1 keydown c sleep 0.1 keyup c sleep 0.1 keyup Control_L
sleep 0.3
press_at 749 279 # Stop Recording
answer_box stop
# The caption the taskbar and Alt+Tab show comes back once the hint is over.
[ "$(caption)" = "QuorvelMouse" ] || fail "after recording the caption is $(caption)"

# The last recorded item stays selected: the click goes in after it.
press_at 790 409 # the drop-down box
press_at 780 427 # its first entry, "L-Button Click"

# The fourth item, the delay after "C   Dn", through the delay dialog.
double_click_at 650 "$(entry_y 221 3)"
wait_for 50 dialog_up || fail "a double click on a delay opened no dialog"
read -r dlg_x dlg_y <<<"$(origin "$(dialog_window)")"
dlg_x=$((dlg_x + 1))
dlg_y=$((dlg_y + 1))
sleep 0.5
screenshot "$case_name-delay"
press_dialog 110 136 # the delay box
xdotool type --delay 50 200
dialog_ok

press_at 770 538 # Confirm
screenshot "$case_name-confirmed"
[ -f "$case_dir/record.ini" ] || fail "record.ini was not written"
expected=$(printf '%s\n' '[Copy]' 'ItemCount=11' 'Item0=Ctrl   Dn' 'Item1=50 ms' 'Item2=C   Dn' \
    'Item3=200 ms' 'Item4=C   Up' 'Item5=50 ms' 'Item6=Ctrl   Up' 'Item7=50 ms' \
    'Item8=L-Button   Dn' 'Item9=50 ms' 'Item10=L-Button   Up')
saved=$(record_section Copy)
[ "$saved" = "$expected" ] || fail "record.ini holds: $saved"

press_at 700 630 # Apply
# Ctrl down, C down held 200 ms (20 tens), C up, Ctrl up, the left button down and up.
block='write 00 01 05 e0 14 06 85 06 85 e0 05 f0 80 f0 00'
sent() { grep -q "^$block" "$work_dir/trace.txt"; }
wait_for 100 sent || fail "the macro block did not reach the mouse"

# The item menu over the last item deletes it; Confirm saves the shorter macro.
xdotool mousemove $((win_x + 650)) $((win_y + $(entry_y 221 10))) sleep 0.2 click 3
wait_for 30 menu_open || fail "a right click on the sequence opened no menu"
screenshot "$case_name-menu"
read -r x y <<<"$(origin "$(menu_window)")"
xdotool mousemove $((x + 20)) $((y + 10)) sleep 0.1 click 1
wait_for 30 no_other_window || fail "the item menu stayed open"
press_at 770 538 # Confirm
saved=$(record_section Copy | sed -n 2p)
[ "$saved" = "ItemCount=10" ] || fail "after the delete record.ini holds: $(record_section Copy)"
pass
