#!/usr/bin/env bash
# Without the simulated mouse (Wine's own HID devices only) it warns in a balloon, keeps
# running in the tray, warns again on a tray click and shows no window.
source "$(dirname "$0")/e2e_lib.sh"
start_program
wait_for 150 have_notice "$not_detected_notice" || fail "no warning: $(notices)"
have_tray || fail "no tray icon"
wait_for 50 balloon_visible || fail "no balloon on screen"
screenshot no_mouse_balloon
click_tray
wait_for 50 have_notice "$not_detected_notice" 2 || fail "tray click did not warn again"
program_ended && fail "program ended with $(exit_code)"
main_visible && fail "window shown without the mouse"
pass
