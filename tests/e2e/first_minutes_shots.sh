#!/usr/bin/env bash
# Pictures of what a person meets first: the message for a skin folder that is missing, and the
# Apply button back to normal once the pointer has left the window straight from it.
source "$(dirname "$0")/advanced_lib.sh"
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    openbox --sm-disable >/dev/null 2>&1 &
fi
message_box() { xdotool search --onlyvisible --name '^QuorvelMouse$' 2>/dev/null | head -1; }
box_open() { [ -n "$(message_box)" ] && [ "$(xwininfo -id "$(message_box)" | awk '/Width:/ {print $2}')" -lt 700 ]; }

# A skin folder that is not there.
set_skins_key Path Gone
start_program --simulate
if wait_for 100 box_open; then doc_shot skin-missing-message "$(message_box)"; else doc_shot skin-missing-message root; fi
xdotool key --window "$(message_box)" Return 2>/dev/null || true
wineserver -k 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
rm -f "$work_dir/rc" "$work_dir/notices.txt"
cp "$e2e_root/data/str.ini" "$case_dir/str.ini"

# Apply lit under the pointer, then the pointer straight out of the window.
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
xdotool mousemove $((win_x + 700)) $((win_y + 630)) sleep 0.5 mousemove $((win_x + 705)) $((win_y + 632))
sleep 0.5
xdotool mousemove 5 895
sleep 1
doc_shot hover-after-leaving

pass
