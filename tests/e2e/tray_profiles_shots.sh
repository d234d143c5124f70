#!/usr/bin/env bash
# Pictures for docs/: the tray menu with its profiles open, one of them held, and the save dialog.
source "$(dirname "$0")/tray_profiles_lib.sh"
make_profile Desktop 01
make_profile Shooter 08
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
read -r menu submenu <<<"$(open_profiles_menu)" || fail "no Profiles submenu"
# Base configuration, Desktop, Shooter.
menu_row_at "$submenu" 2 click
menu_closed() { ! menu_open; }
wait_for 30 menu_closed || fail "choosing Shooter left the menu open"
read -r menu submenu <<<"$(open_profiles_menu)" || fail "no Profiles submenu the second time"
# Both menus in one picture: the box around them, from the screen.
box() {
    local x y
    read -r x y <<<"$(origin "$1")"
    read -r w h <<<"$(xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')"
    echo "$x $y $((x + w)) $((y + h))"
}
read -r ax ay ar ab <<<"$(box "$menu")"
read -r bx by br bb <<<"$(box "$submenu")"
left=$((ax < bx ? ax : bx)) top=$((ay < by ? ay : by))
right=$((ar > br ? ar : br)) bottom=$((ab > bb ? ab : bb))
dir=${QUORVEL_DOCS_DIR:-$shot_dir}
mkdir -p "$dir"
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    "$dir/tray-menu-profiles.png" || fail "no picture of the tray menu"
# A click away from the menus closes them.
xdotool mousemove 900 800 click 1
wait_for 30 menu_closed || fail "the menus stayed open"
menu=$(open_tray_menu) || fail "the tray menu did not open for saving"
menu_row_at "$menu" "$row_save" click
wait_for 50 dialog_open || fail "no save dialog"
dialog=$(sub_dialog)
click_in "$dialog" 190 133
xdotool type --delay 50 'Racing'
doc_shot save-profile-dialog "$dialog"
click_in "$dialog" 320 263
wait_for 30 dialog_closed || fail "Cancel did not close the save dialog"
end_session
pass
