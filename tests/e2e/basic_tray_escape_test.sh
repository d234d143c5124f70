#!/usr/bin/env bash
# A tray menu closed with Escape leaves the tray as it was: the next single left click on the
# icon shows the window.
source "$(dirname "$0")/e2e_lib.sh"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
menu=$(open_tray_menu) || fail "the tray menu did not open"
# Windows gives the keyboard to the menu of the program it brought to the front; the window
# manager keeps it on the window it manages, the shell's tray. Hand it to the menu as Windows
# does, with the pointer resting on the menu as a user's hand would be (on Exit, which opens
# no submenu), then press Escape.
read -r mx my <<<"$(origin "$menu")"
xdotool mousemove $((mx + 20)) $((my + $(height_of "$menu") - 10)) sleep 0.2
xdotool windowfocus "$menu" sleep 0.2 key Escape
closed() { ! menu_open; }
wait_for 30 closed || fail "Escape did not close the tray menu"
sleep 0.3
click_tray
wait_for 30 main_visible || fail "the first left click after Escape did not show the window"
pass
