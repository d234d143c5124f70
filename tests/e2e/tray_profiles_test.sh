#!/usr/bin/env bash
# The tray menu's profiles: one chosen there goes to the mouse at once, config.bin untouched;
# "Save current settings as profile..." refuses a bad name with its rule, then writes
# Profiles\<name>.json with the base configuration and its labels; a running program given a
# profile there is named in that profile's rules.
source "$(dirname "$0")/tray_profiles_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
make_profile Slow 08
config_before=$(md5sum <"$case_dir/config.bin")
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"

read -r menu submenu <<<"$(open_profiles_menu)" || fail "no Profiles submenu"
screenshot "$case_name-profiles"
# Base configuration, then Slow.
menu_row_at "$submenu" 1 click
trace=$work_dir/trace-lf.txt
slow_sent() { tr -d '\r' <"$work_dir/trace.txt" >"$trace" && grep -q '^feature-set 01 08 ' "$trace"; }
wait_for 50 slow_sent || fail "choosing Slow sent no 125 Hz report rate"
[ "$(md5sum <"$case_dir/config.bin")" = "$config_before" ] || fail "sending a profile changed config.bin"

menu=$(open_tray_menu) || fail "the tray menu did not open again"
menu_row_at "$menu" "$row_save" click
wait_for 50 dialog_open || fail "no save dialog"
dialog=$(sub_dialog)
screenshot "$case_name-dialog"
# The name box spans (46, 126, 334, 140); OK is (166, 253, 271, 274).
click_in "$dialog" 190 133
xdotool type --delay 50 'a/b'
click_in "$dialog" 200 263
wait_for 50 warning_open || fail "a name with / gave no message"
screenshot "$case_name-bad-name"
# The message box's one button, at the middle of its foot.
read -r wx wy <<<"$(origin "$(warning_window)")"
xdotool mousemove $((wx + $(xwininfo -id "$(warning_window)" | awk '/^ *Width:/ {print $2}') / 2)) \
    $((wy + $(height_of "$(warning_window)") - 22)) click 1
wait_for 50 warning_closed || fail "the message did not close"
dialog_open || fail "the dialog closed on a bad name"
[ -z "$(ls "$case_dir/Profiles" | grep -v '^Slow.json$')" ] || fail "a bad name wrote a file"
click_in "$dialog" 190 133
xdotool key --delay 50 End BackSpace BackSpace BackSpace
xdotool type --delay 50 'Desk'
click_in "$dialog" 200 263
desk_saved() { [ -s "$case_dir/Profiles/Desk.json" ]; }
wait_for 50 desk_saved || fail "OK wrote no Profiles/Desk.json"
wait_for 50 dialog_closed || fail "the dialog stayed after saving"
grep -q '"labels"' "$case_dir/Profiles/Desk.json" || fail "the profile has no labels"
grep -q '"programs"' "$case_dir/Profiles/Desk.json" || fail "the profile has no programs list"

# A running program gets a profile from the menu: its rule lands in that profile's file.
(cd "$work_dir" && exec wine notepad) >/dev/null 2>&1 &
notepad_window() { xdotool search --onlyvisible --name Notepad 2>/dev/null | head -1; }
notepad_shown() { [ -n "$(notepad_window)" ]; }
wait_for 150 notepad_shown || fail "notepad showed no window"
# Clear of the tray, so the menu opens over nothing of notepad's.
xdotool windowmove --sync "$(notepad_window)" 700 400 || fail "notepad could not be moved"
menu=$(open_tray_menu) || fail "the tray menu did not open a third time"
menu_row_at "$menu" 2 click
wait_for 30 submenu_open "$menu" || fail "no submenu of running programs"
programs=$(submenu_of "$menu")
menu_row_at "$programs" 0 click
wait_for 30 submenu_open "$menu" "$programs" || fail "no submenu of profiles for notepad.exe"
choices=$(submenu_of "$menu" "$programs")
screenshot "$case_name-programs"
# None, Desk, Slow.
menu_row_at "$choices" 2 click
slow_has_notepad() { grep -q '"notepad.exe"' "$case_dir/Profiles/Slow.json"; }
wait_for 50 slow_has_notepad || fail "choosing Slow for notepad.exe wrote no rule"
grep -q '"notepad.exe"' "$case_dir/Profiles/Desk.json" && fail "the rule went to Desk too"

end_session
[ "$(md5sum <"$case_dir/config.bin")" = "$config_before" ] || fail "config.bin changed"
pass
