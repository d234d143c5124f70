# Steps shared by the advanced page's cases: the page opened from the tray, its controls pressed
# at their client coordinates, message boxes answered with the mouse.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/basic_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/keydlg_lib.sh"

double_click_at() {
    xdotool mousemove $((win_x + $1)) $((win_y + $2)) sleep 0.1 click --repeat 2 --delay 80 1
    sleep 0.3
}
# A message box is, like the tray menu, the one other viewable window of the program.
no_other_window() { ! menu_open; }
size_of() { xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}'; }
# Closes a message box with the mouse on its one button, so no key reaches a recording.
answer_box() {
    wait_for 50 menu_open || fail "no message box for $1"
    local box x y w h
    box=$(menu_window)
    screenshot "$case_name-$1"
    read -r x y <<<"$(origin "$box")"
    read -r w h <<<"$(size_of "$box")"
    xdotool mousemove $((x + w / 2)) $((y + h - 22)) sleep 0.1 click 1
    wait_for 50 no_other_window || fail "the box for $1 did not close"
}
open_advanced_page() {
    show_from_tray || fail "tray click did not show the window"
    press_at 90 78 0.5
}
# The file may be UTF-16 with its byte-order mark, or UTF-8.
as_text() {
    if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        iconv -f UTF-16 -t UTF-8 "$1"
    else
        cat "$1"
    fi
}
# The lines of section $1 of record.ini, without blank lines.
record_section() {
    as_text "$case_dir/record.ini" | tr -d '\r' | sed 's/^\xef\xbb\xbf//' |
        awk -v s="[$1]" '/^\[/ {on = ($0 == s)} on && NF'
}
