#!/usr/bin/env bash
# A skin that is not there: str.ini naming a missing folder, str.ini of random bytes, and no
# complete skin at all. The window comes up in Default after one message naming the folder;
# with no skin the message comes instead of an empty window, and the program stays in the tray.
source "$(dirname "$0")/macroskin_lib.sh"
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    openbox --sm-disable >/dev/null 2>&1 &
fi
# The program's message box: a small visible window with the program's caption.
message_box() {
    local w
    for w in $(xdotool search --onlyvisible --name '^QuorvelMouse$' 2>/dev/null); do
        read -r width _ <<<"$(xwininfo -id "$w" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}')"
        if [ "$width" -lt 700 ]; then echo "$w"; return 0; fi
    done
    return 1
}
box_open() { message_box >/dev/null; }
box_closed() { ! box_open; }
answer_message() {
    local box x y w h
    box=$(message_box)
    read -r x y <<<"$(origin "$box")"
    read -r w h <<<"$(xwininfo -id "$box" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}')"
    xdotool mousemove $((x + w / 2)) $((y + h - 22)) sleep 0.1 click 1
    wait_for 30 box_closed || fail "$1: the message did not close"
}
stop_program() {
    wineserver -k 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    rm -f "$work_dir/rc" "$work_dir/notices.txt"
}

# A folder that is not there: one message, then the window in Default.
set_skins_key Path Gone
start_program --simulate
wait_for 150 box_open || fail "missing folder: no message names it"
screenshot skin-missing-message
answer_message "missing folder"
wait_for 100 have_notice "$detected_notice" || fail "missing folder: start-up did not finish"
show_from_tray || fail "missing folder: no window from the tray"
shot=$work_dir/default.png
import -window "$(main_window)" "$shot"
[ "$(brightness "$shot" 450 130)" -lt 80 ] || fail "missing folder: the page is not in Default"
box_closed || fail "missing folder: a second message"
stop_program

# str.ini of random bytes: no language, no skin name; the window still comes, in Default.
head -c 700 /dev/urandom >"$case_dir/str.ini"
start_program --simulate
wait_for 150 box_open || fail "random str.ini: no message names the skin folder"
answer_message "random str.ini"
wait_for 100 have_notice "$detected_notice" || fail "random str.ini: start-up did not finish"
show_from_tray || fail "random str.ini: no window from the tray"
stop_program

# No complete skin: the message instead of an invisible window, at start and on a tray click.
rm -f "$case_dir"/Skins/*/BasicSet2.png
cp "$e2e_root/data/str.ini" "$case_dir/str.ini"
start_program --simulate
wait_for 150 box_open || fail "no skin: no message"
answer_message "no skin"
wait_for 100 have_notice "$detected_notice" || fail "no skin: start-up did not finish"
click_tray
wait_for 30 box_open || fail "no skin: a tray click said nothing"
screenshot skin-none-tray
answer_message "no skin, tray"
main_visible && fail "no skin: a window was shown"
pass
